#include "ErrorDisplay.h"

#include "app/MessageBoxes.h"

#include <QApplication>

namespace norvane::ui {

QString ErrorCaption() {
    return QStringLiteral("Norvane");
}

void ShowException(const std::exception& failure) {
    showMessage(QApplication::activeWindow(), MessageKind::Error, ErrorCaption(),
                QString::fromStdString(failure.what()));
}

} // namespace norvane::ui
