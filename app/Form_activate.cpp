#include "Form_activate.h"

#include "app/ProfileActivation.h"
#include "app/TranslateComponent.h"
#include "app/WindowPlacement.h"
#include "resources/Pictures.h"

#include <QLabel>
#include <utility>

TForm_activate* Form_activate = nullptr;

namespace {

constexpr int ClientWidth = 379;
constexpr int ClientHeight = 49;

void setBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

// Clears the running mark however the activation ends, failure included.
class ActivationMark {
public:
    explicit ActivationMark(bool& flag) : flag_(flag) { flag_ = true; }
    ~ActivationMark() { flag_ = false; }
    ActivationMark(const ActivationMark&) = delete;
    ActivationMark& operator=(const ActivationMark&) = delete;

private:
    bool& flag_;
};

} // namespace

TForm_activate::TForm_activate(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      activation_(norvane::ui::activateCurrentProfile) {
    setObjectName(QStringLiteral("Form_activate"));
    setWindowTitle(QStringLiteral("Configuration  (TCP/IP)"));
    setFixedSize(ClientWidth, ClientHeight);
    setBackground(this, QColor(247, 247, 244));

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(6, 6, 365, 39);
    setBackground(Panel1, QColor(235, 235, 226));

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(norvane::pictures::programPixmap(32));
    Image1->setGeometry(4, 3, 32, 32);

    Label1 = new QLabel(QStringLiteral("Veuillez patienter...."), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(QFont(QStringLiteral("Arial"), 10));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(0, 0, 365, 39);
    Image1->raise();

    FormCreate();
}

void TForm_activate::FormCreate() {
    norvane::ui::TranslateComponent(this);
}

void TForm_activate::setActivation(Activation activation) {
    activation_ = std::move(activation);
}

void TForm_activate::ActivateCurrentProfile() {
    if (activating_)
        return;
    ActivationMark mark(activating_);
    activation_();
}

void TForm_activate::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    norvane::ui::centreOnScreen(this);
}
