#include "Form_apropos.h"

#include "app/TranslateComponent.h"

TForm_apropos* Form_apropos = nullptr;

TForm_apropos::TForm_apropos(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form_apropos"));
    norvane::ui::TranslateComponent(this);
}
