#pragma once

#include <QWidget>

class QToolButton;
class QVBoxLayout;

// One group of the main window's left command bar: a header with a picture and
// a caption that opens and collapses the group's content.
class TGroupBarGroup : public QWidget {
    Q_OBJECT
public:
    TGroupBarGroup(const QString& caption, const QPixmap& picture, QWidget* parent);

    // The widget the group's items go into.
    QWidget* content() const { return content_; }
    QVBoxLayout* contentLayout() const { return contentLayout_; }

    // A group that cannot be collapsed stays open whatever is clicked.
    void setCollapsible(bool collapsible);
    bool isExpanded() const;
    void setExpanded(bool expanded);

    QToolButton* header() const { return header_; }

private:
    QToolButton* header_;
    QWidget* content_;
    QVBoxLayout* contentLayout_;
    bool collapsible_ = true;
};
