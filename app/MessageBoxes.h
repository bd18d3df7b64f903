#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace norvane::ui {

// Every message box the program shows goes through here, so that the captions
// of the standard buttons pass through the catalog and tests can answer a box
// instead of blocking on it.
enum class MessageKind { Error, Warning, Information, Confirmation };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    MessageKind kind;
    QString title;
    QString text;
};

// Shows an "OK" box (error, warning or information).
void showMessage(QWidget* parent, MessageKind kind, const QString& title, const QString& text);

// Shows the toolkit's standard error box: caption "Erreur" (through the
// catalog, like the button captions) and a single OK button.
void showStandardError(QWidget* parent, const QString& text);

// Shows a "&Oui" / "&Non" box and returns the answer (No when closed).
MessageAnswer askYesNo(QWidget* parent, const QString& title, const QString& text);

// Tests install a responder: it sees each box instead of the user and returns
// the answer. Pass an empty function to show real boxes again.
using MessageResponder = std::function<MessageAnswer(const MessageRequest&)>;
void setMessageResponder(MessageResponder responder);

} // namespace norvane::ui
