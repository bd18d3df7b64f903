#include "HeaderBand.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

QFont headerFont() {
    QFont font(QStringLiteral("Arial Black"), 16);
    font.setWeight(QFont::Black);
    return font;
}

} // namespace

THeaderBand::THeaderBand(QWidget* parent, int height) : QWidget(parent) {
    setFixedHeight(height);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void THeaderBand::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0.0, QColor(255, 255, 255));
    gradient.setColorAt(1.0, QColor(200, 208, 228));
    painter.fillRect(rect(), gradient);
    painter.setPen(QColor(210, 214, 226));
    painter.drawLine(0, height() - 1, width(), height() - 1);

    painter.setFont(headerFont());
    painter.setPen(QColor(100, 100, 150));
    painter.drawText(rect().adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Norvane"));
}
