#include "TranslateComponent.h"

namespace norvane::ui {

void TranslateComponent(QObject*) {}
void RetranslateComponent(QObject*) {}

} // namespace norvane::ui
