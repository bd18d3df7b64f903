#include "FailureDisplay.h"

#include "app/MessageBoxes.h"

namespace norvane::ui {

void showFailure(QWidget* parent, const std::exception& failure) {
    showMessage(parent, MessageKind::Error, QStringLiteral("Norvane"),
                QString::fromUtf8(failure.what()));
}

} // namespace norvane::ui
