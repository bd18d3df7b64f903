#pragma once

#include <QWidget>

// Shell until its window is built.
class TForm_main : public QWidget {
    Q_OBJECT
public:
    explicit TForm_main(QWidget* parent = nullptr);
};

extern TForm_main* Form_main;
