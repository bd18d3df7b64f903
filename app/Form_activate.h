#pragma once

#include <QWidget>

// Shell until its window is built.
class TForm_activate : public QWidget {
    Q_OBJECT
public:
    explicit TForm_activate(QWidget* parent = nullptr);
};

extern TForm_activate* Form_activate;
