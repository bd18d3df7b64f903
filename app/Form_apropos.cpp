#include "Form_apropos.h"

#include "app/HeaderBand.h"
#include "app/MakerSite.h"
#include "app/TranslateComponent.h"
#include "app/WindowPlacement.h"
#include "resources/Pictures.h"

#include <QLabel>
#include <QMouseEvent>

TForm_apropos* Form_apropos = nullptr;

namespace {

constexpr int ClientWidth = 362;
constexpr int ClientHeight = 197;
constexpr int TopBandHeight = 39;
constexpr int BottomBandHeight = 18;

QFont navyFont() {
    return QFont(QStringLiteral("Arial"), 8);
}

QLabel* navyLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(navyFont());
    label->setStyleSheet(QStringLiteral("color: navy;"));
    return label;
}

} // namespace

TForm_apropos::TForm_apropos(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form_apropos"));
    setWindowTitle(QStringLiteral("A propos"));
    setFixedSize(ClientWidth, ClientHeight);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("TForm_apropos { background: white; }"));
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    auto* topBand = new THeaderBand(this, TopBandHeight);
    topBand->setObjectName(QStringLiteral("Panel1"));
    topBand->setGeometry(0, 0, ClientWidth, TopBandHeight);

    auto* bottomBand = new QWidget(this);
    bottomBand->setObjectName(QStringLiteral("Panel2"));
    bottomBand->setAttribute(Qt::WA_TransparentForMouseEvents);
    bottomBand->setAutoFillBackground(true);
    QPalette bandColour = bottomBand->palette();
    bandColour.setColor(QPalette::Window, QColor(235, 235, 226));
    bottomBand->setPalette(bandColour);
    bottomBand->setGeometry(0, ClientHeight - BottomBandHeight, ClientWidth, BottomBandHeight);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(norvane::pictures::logo(QSize(185, 63)));
    Image1->setGeometry((ClientWidth - 185) / 2, TopBandHeight + 6, 185, 63);

    const int lineTop = TopBandHeight + 6 + 63 + 6;
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(norvane::pictures::programPixmap(32));
    Image2->setGeometry(88, lineTop, 32, 32);

    Label1 = navyLabel(this, "Label1", QStringLiteral("Norvane"));
    Label1->setGeometry(128, lineTop + 9, 60, 14);
    Label2 = navyLabel(this, "Label2", QStringLiteral("Version 1.7.0.0"));
    Label2->setGeometry(190, lineTop + 9, 110, 14);

    Label3 = navyLabel(this, "Label3", QString::fromLatin1(norvane::ui::MakerSiteText));
    QFont underlined = navyFont();
    underlined.setUnderline(true);
    Label3->setFont(underlined);
    Label3->setAlignment(Qt::AlignHCenter);
    Label3->setGeometry(0, lineTop + 32 + 6, ClientWidth, 16);

    FormCreate();
}

void TForm_apropos::FormCreate() {
    norvane::ui::TranslateComponent(this);
}

void TForm_apropos::FormClick() {
    close();
}

void TForm_apropos::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    norvane::ui::centreOnScreen(this);
}

void TForm_apropos::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

// The labels and pictures ignore the mouse, so a click anywhere in the box ends up here.
void TForm_apropos::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        FormClick();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}
