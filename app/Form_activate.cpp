#include "Form_activate.h"

#include "app/TranslateComponent.h"

TForm_activate* Form_activate = nullptr;

TForm_activate::TForm_activate(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form_activate"));
    norvane::ui::TranslateComponent(this);
}
