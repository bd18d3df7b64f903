#pragma once

#include <QWidget>
#include <functional>

class QLabel;

// The please-wait window shown while a profile is applied. It also runs the
// activation itself, so the main window and the tray share one entry point.
class TForm_activate : public QWidget {
    Q_OBJECT
public:
    explicit TForm_activate(QWidget* parent = nullptr);

    QWidget* Panel1 = nullptr;
    QLabel* Image1 = nullptr; // program icon
    QLabel* Label1 = nullptr; // "Veuillez patienter...."

    // Applies the profile table's current row to its connection and marks it
    // active. A second call while one runs is refused (it returns at once).
    void ActivateCurrentProfile();

    // True from the start to the end of ActivateCurrentProfile, including the
    // events it lets through meanwhile; commands check it to stay out of the way.
    bool isActivating() const { return activating_; }

    // Replaces the routine ActivateCurrentProfile runs (tests use a stand-in).
    using Activation = std::function<void()>;
    void setActivation(Activation activation);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();

    Activation activation_;
    bool activating_ = false;
};

extern TForm_activate* Form_activate;
