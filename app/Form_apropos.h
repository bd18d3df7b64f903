#pragma once

#include <QWidget>

// Shell until its window is built.
class TForm_apropos : public QWidget {
    Q_OBJECT
public:
    explicit TForm_apropos(QWidget* parent = nullptr);
};

extern TForm_apropos* Form_apropos;
