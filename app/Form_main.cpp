#include "Form_main.h"

#include "app/TranslateComponent.h"

TForm_main* Form_main = nullptr;

TForm_main::TForm_main(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form_main"));
    setWindowTitle(QStringLiteral("Norvane [v 1.7]"));
    norvane::ui::TranslateComponent(this);
}
