#include "TranslateComponent.h"

#include "app/ErrorDisplay.h"
#include "app/TranslationRecord.h"
#include "app/i18n/Translation.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaProperty>
#include <QSet>
#include <QTabBar>
#include <QTreeWidget>
#include <exception>
#include <functional>
#include <optional>

namespace norvane::ui {
namespace {

// Writable string properties that hold something other than a designed text.
const QSet<QByteArray>& notTexts() {
    static const QSet<QByteArray> names = {"objectName",
                                           "styleSheet",
                                           "windowFilePath",
                                           "windowRole",
                                           "inputMask",
                                           "currentText",
                                           "html",
                                           "markdown",
                                           "plainText",
                                           "documentTitle",
                                           "displayFormat",
                                           "searchPaths",
                                           "placeholderTextColor",
                                           "fontFamily"};
    return names;
}

QString lookUp(const QString& text) {
    return QString::fromStdString(i18n::Translate(text.toStdString()));
}

QStringList lookUp(const QStringList& lines) {
    QStringList translated;
    for (const QString& line : lines)
        translated << (line.isEmpty() ? line : lookUp(line));
    return translated;
}

// What QAction shows as icon text and tool tip when none was set: recording
// those would pin them and stop them from following the action's text.
QString derivedActionText(const QAction* action) {
    QString text = action->text();
    text.remove(QLatin1String("..."));
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&'))
            text.remove(i, 1);
    }
    return text.trimmed();
}

bool isDerived(const QObject* object, const QByteArray& property, const QString& value) {
    const auto* action = qobject_cast<const QAction*>(object);
    return action && (property == "iconText" || property == "toolTip") &&
           value == derivedActionText(action);
}

// Parts of composite widgets that hold their owner's values, not designed texts.
bool isInternal(const QObject* object) {
    if (object->objectName().startsWith(QLatin1String("qt_")))
        return true;
    return qobject_cast<const QLineEdit*>(object) &&
           (qobject_cast<const QComboBox*>(object->parent()) ||
            qobject_cast<const QAbstractSpinBox*>(object->parent()));
}

void recordProperties(QObject* object, std::vector<TranslatedText>& texts) {
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const int type = property.metaType().id();
        if (!property.isWritable() || notTexts().contains(property.name()) ||
            (type != QMetaType::QString && type != QMetaType::QStringList))
            continue;
        const QVariant value = property.read(object);
        if (type == QMetaType::QString &&
            (value.toString().isEmpty() || isDerived(object, property.name(), value.toString())))
            continue;
        if (type == QMetaType::QStringList && value.toStringList().join(QString()).isEmpty())
            continue;
        TranslatedText text;
        text.object = object;
        text.property = property.name();
        text.source = value;
        texts.push_back(text);
    }
}

void recordItem(std::vector<TranslatedText>& texts, TranslatedText::Kind kind, QObject* owner,
                QList<int> position, int column, const QString& source) {
    if (source.isEmpty())
        return;
    TranslatedText text;
    text.kind = kind;
    text.object = owner;
    text.position = std::move(position);
    text.column = column;
    text.source = source;
    texts.push_back(text);
}

void recordTreeItem(QTreeWidget* tree, QTreeWidgetItem* item, const QList<int>& path,
                    std::vector<TranslatedText>& texts) {
    for (int column = 0; column < item->columnCount(); ++column)
        recordItem(texts, TranslatedText::Kind::TreeItem, tree, path, column, item->text(column));
    for (int i = 0; i < item->childCount(); ++i)
        recordTreeItem(tree, item->child(i), QList<int>(path) << i, texts);
}

void recordItems(QObject* object, std::vector<TranslatedText>& texts) {
    using Kind = TranslatedText::Kind;
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        for (int i = 0; i < combo->count(); ++i)
            recordItem(texts, Kind::ComboItem, combo, {i}, 0, combo->itemText(i));
    } else if (auto* list = qobject_cast<QListWidget*>(object)) {
        for (int i = 0; i < list->count(); ++i)
            recordItem(texts, Kind::ListItem, list, {i}, 0, list->item(i)->text());
    } else if (auto* tree = qobject_cast<QTreeWidget*>(object)) {
        if (tree->headerItem())
            recordTreeItem(tree, tree->headerItem(), {}, texts);
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            recordTreeItem(tree, tree->topLevelItem(i), {i}, texts);
    } else if (auto* tabs = qobject_cast<QTabBar*>(object)) {
        for (int i = 0; i < tabs->count(); ++i)
            recordItem(texts, Kind::TabText, tabs, {i}, 0, tabs->tabText(i));
    }
}

// Every text of the window and of everything it owns, read before any of them
// changes: toolkit objects copy texts into one another (a menu's title into
// its action), and a copy taken after translation would record a translation
// as its source.
std::vector<TranslatedText> recordTexts(QObject* window) {
    std::vector<TranslatedText> texts;
    QList<QObject*> objects = window->findChildren<QObject*>();
    objects.prepend(window);
    for (QObject* object : objects) {
        if (isInternal(object) || qobject_cast<TTranslationRecord*>(object))
            continue;
        recordProperties(object, texts);
        recordItems(object, texts);
    }
    return texts;
}

QTreeWidgetItem* treeItemAt(QTreeWidget* tree, const QList<int>& path) {
    if (path.isEmpty())
        return tree->headerItem();
    QTreeWidgetItem* item = tree->topLevelItem(path.front());
    for (int i = 1; item && i < path.size(); ++i)
        item = path[i] < item->childCount() ? item->child(path[i]) : nullptr;
    return item;
}

void setIfDifferent(const QString& current, const QString& translated,
                    const std::function<void(const QString&)>& set) {
    if (current != translated)
        set(translated);
}

void apply(const TranslatedText& text) {
    QObject* object = text.object.data();
    if (!object)
        return;
    using Kind = TranslatedText::Kind;
    const int at = text.position.isEmpty() ? -1 : text.position.front();
    switch (text.kind) {
    case Kind::Property: {
        const QVariant translated = text.source.typeId() == QMetaType::QStringList
                                        ? QVariant(lookUp(text.source.toStringList()))
                                        : QVariant(lookUp(text.source.toString()));
        if (object->property(text.property.constData()) != translated)
            object->setProperty(text.property.constData(), translated);
        return;
    }
    case Kind::ComboItem: {
        auto* combo = static_cast<QComboBox*>(object);
        if (at < combo->count())
            setIfDifferent(combo->itemText(at), lookUp(text.source.toString()),
                           [&](const QString& s) { combo->setItemText(at, s); });
        return;
    }
    case Kind::ListItem: {
        auto* list = static_cast<QListWidget*>(object);
        if (QListWidgetItem* item = list->item(at))
            setIfDifferent(item->text(), lookUp(text.source.toString()),
                           [&](const QString& s) { item->setText(s); });
        return;
    }
    case Kind::TreeItem: {
        if (QTreeWidgetItem* item = treeItemAt(static_cast<QTreeWidget*>(object), text.position))
            setIfDifferent(item->text(text.column), lookUp(text.source.toString()),
                           [&](const QString& s) { item->setText(text.column, s); });
        return;
    }
    case Kind::TabText: {
        auto* tabs = static_cast<QTabBar*>(object);
        if (at < tabs->count())
            setIfDifferent(tabs->tabText(at), lookUp(text.source.toString()),
                           [&](const QString& s) { tabs->setTabText(at, s); });
        return;
    }
    }
}

// Applies every recorded text; a failing lookup (a broken catalog) does not
// leave the rest of the window untranslated. Returns the first failure.
std::exception_ptr applyAll(TTranslationRecord& record) {
    std::exception_ptr failure;
    for (const TranslatedText& text : record.texts) {
        try {
            apply(text);
        } catch (const std::exception&) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    record.language = i18n::CurrentLanguage();
    return failure;
}

} // namespace

void TranslateComponent(QObject* window) {
    if (!window || TTranslationRecord::Of(window))
        return;
    std::vector<TranslatedText> texts = recordTexts(window);
    auto* record = new TTranslationRecord(window);
    record->texts = std::move(texts);
    // Windows translate themselves while they are being created; a failure
    // there is shown and the window is created all the same.
    if (const std::exception_ptr failure = applyAll(*record)) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& e) {
            ShowException(e);
        }
    }
}

void RetranslateComponent(QObject* window) {
    if (!window)
        return;
    TTranslationRecord* record = TTranslationRecord::Of(window);
    if (!record) {
        TranslateComponent(window);
        return;
    }
    if (record->language == i18n::CurrentLanguage())
        return;
    if (const std::exception_ptr failure = applyAll(*record))
        std::rethrow_exception(failure);
}

} // namespace norvane::ui
