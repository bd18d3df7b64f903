#include "GroupBarGroup.h"

#include <QToolButton>
#include <QVBoxLayout>

TGroupBarGroup::TGroupBarGroup(const QString& caption, const QPixmap& picture, QWidget* parent)
    : QWidget(parent), header_(new QToolButton(this)), content_(new QWidget(this)),
      contentLayout_(new QVBoxLayout(content_)) {
    header_->setText(caption);
    header_->setIcon(QIcon(picture));
    header_->setIconSize(QSize(32, 32));
    header_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    header_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    header_->setAutoRaise(true);
    header_->setCursor(Qt::PointingHandCursor);
    header_->setStyleSheet(QStringLiteral(
        "QToolButton { font-weight: bold; color: #1f3a68; text-align: left; padding: 2px;"
        " border: none; border-radius: 4px;"
        " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #ffffff, stop:1 #c8d0e4); }"));

    content_->setObjectName(QStringLiteral("content"));
    content_->setAutoFillBackground(true);
    QPalette palette = content_->palette();
    palette.setColor(QPalette::Window, QColor(240, 243, 250));
    content_->setPalette(palette);
    contentLayout_->setContentsMargins(10, 6, 6, 8);
    contentLayout_->setSpacing(4);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header_);
    layout->addWidget(content_);

    connect(header_, &QToolButton::clicked, this, [this] {
        if (collapsible_)
            setExpanded(!isExpanded());
    });
}

void TGroupBarGroup::setCollapsible(bool collapsible) {
    collapsible_ = collapsible;
    if (!collapsible_)
        setExpanded(true);
}

bool TGroupBarGroup::isExpanded() const {
    return !content_->isHidden();
}

void TGroupBarGroup::setExpanded(bool expanded) {
    content_->setHidden(!expanded);
}
