#pragma once

#include <QLabel>

// A picture or text that acts on a click (the link, the flags, the logo).
class TClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit TClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
