#include "Form_location.h"

#include "app/TranslateComponent.h"

TForm_location* Form_location = nullptr;

TForm_location::TForm_location(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form_location"));
    norvane::ui::TranslateComponent(this);
}
