#include "MessageBoxes.h"

#include "app/i18n/Translation.h"

#include <QPushButton>
#include <utility>

namespace norvane::ui {
namespace {

MessageResponder& responder() {
    static MessageResponder current;
    return current;
}

QString tr(const char* text) {
    return QString::fromStdString(i18n::Translate(text));
}

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void showMessage(QWidget* parent, MessageKind kind, const QString& title, const QString& text) {
    if (responder()) {
        responder()(MessageRequest{kind, title, text});
        return;
    }
    QMessageBox box(iconOf(kind), title, text, QMessageBox::NoButton, parent);
    box.addButton(tr("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void showStandardError(QWidget* parent, const QString& text) {
    showMessage(parent, MessageKind::Error, tr("Erreur"), text);
}

MessageAnswer askYesNo(QWidget* parent, const QString& title, const QString& text) {
    if (responder())
        return responder()(MessageRequest{MessageKind::Confirmation, title, text});
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(tr("&Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(tr("&Non"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void setMessageResponder(MessageResponder responderFn) {
    responder() = std::move(responderFn);
}

} // namespace norvane::ui
