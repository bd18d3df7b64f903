#include "TranslationRecord.h"

namespace norvane::ui {

TTranslationRecord::TTranslationRecord(QObject* window) : QObject(window) {}

TTranslationRecord* TTranslationRecord::Of(QObject* window) {
    return window->findChild<TTranslationRecord*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace norvane::ui
