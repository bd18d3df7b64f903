#pragma once

#include <QWidget>

// The band across the top of the main window and the about box: the product
// name on a gradient. It is decoration only, so clicks pass through to the window.
class THeaderBand : public QWidget {
    Q_OBJECT
public:
    THeaderBand(QWidget* parent, int height);

protected:
    void paintEvent(QPaintEvent* event) override;
};
