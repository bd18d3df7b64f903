#pragma once

#include <QComboBox>

// A pick-only drop-down list of the profile icons: each entry shows the icon
// at 24 pixels followed by its label, one icon to a 24-pixel row, in a list
// wider than the box so the labels are never cut.
class TIconComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TIconComboBox(QWidget* parent = nullptr);

    // The width of the opened list, whatever the box's own width.
    void SetDropDownWidth(int width);

    void showPopup() override;

private:
    int dropDownWidth_ = 0;
};
