#pragma once

#include <QDialog>

// Shell until the profile editor is built.
class TForm_location : public QDialog {
    Q_OBJECT
public:
    explicit TForm_location(QWidget* parent = nullptr);
};

extern TForm_location* Form_location;
