#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <string>
#include <vector>

namespace norvane::ui {

// One recorded text of a window: where it lives and its designed source text.
// Most texts are properties of an object; the texts of list, combo-box and
// tree items are reached through their widget and position.
struct TranslatedText {
    enum class Kind { Property, ComboItem, ListItem, TreeItem, TabText };

    Kind kind = Kind::Property;
    QPointer<QObject> object;
    QByteArray property; // Kind::Property
    QList<int> position; // row, tab or tree path; an empty tree path is the header
    int column = 0;      // Kind::TreeItem
    QVariant source;     // QString, or QStringList for a list property
};

// The translation record of a window: the language it was last translated
// into and its recorded texts. A child of the window, so it lives exactly as
// long as the window does.
class TTranslationRecord : public QObject {
    Q_OBJECT
public:
    explicit TTranslationRecord(QObject* window);

    // The window's record, or nullptr when it was never translated.
    static TTranslationRecord* Of(QObject* window);

    std::string language;
    std::vector<TranslatedText> texts;
};

} // namespace norvane::ui
