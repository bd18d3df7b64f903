#pragma once

#include <QDialog>

class QLabel;
class THeaderBand;

// The about box: product name, logo, version and the maker's address. Any click
// in it closes it.
class TForm_apropos : public QDialog {
    Q_OBJECT
public:
    explicit TForm_apropos(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr; // logo
    QLabel* Image2 = nullptr; // program icon
    QLabel* Label1 = nullptr; // product name
    QLabel* Label2 = nullptr; // version
    QLabel* Label3 = nullptr; // maker's address

public slots:
    void FormClick();

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FormCreate();
};

extern TForm_apropos* Form_apropos;
