#pragma once

#include <QWidget>
#include <array>

class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;

// An edit box for one IPv4 address, typed as four numbers between fixed dots and
// exchanged with the program as dotted text through Text. Only digits reach the
// parts; the caret moves from part to part as the user types; a number above 255
// is replaced by 255 with a warning.
class CEditIPAddr : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(bool AcceptOctal READ AcceptOctal WRITE SetAcceptOctal)

public:
    explicit CEditIPAddr(QWidget* parent = nullptr);

    // The dotted text, or the empty text when all parts are empty. Rewrites the
    // parts as it reads them: an empty part becomes 0, and unless AcceptOctal is
    // set, a number loses its leading zeros. Raises norvane::Exception when a
    // part holds pasted text that is not a number.
    QString Text();
    // The empty text clears the parts; any other text must be a valid dotted
    // address, or norvane::EAssertionFailed is raised and the parts stay as they are.
    void SetText(const QString& text);

    bool AcceptOctal() const { return acceptOctal_; }
    void SetAcceptOctal(bool accept) { acceptOctal_ = accept; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int PartCount = 4;

    void createChildren();
    void layoutChildren();
    int partWidth() const;
    int extraWidth() const;
    int partIndex(const QObject* object) const;
    int dotIndex(const QObject* object) const;

    void partKeyPress(int p, const QKeyEvent& event);
    void partTextChanged(int p);
    bool clickedOutsideParts(QObject* watched);
    void applicationFocusChanged(QWidget* old, QWidget* now);

    void moveCaretTo(int p, bool atEnd);
    void setPartText(int p, const QString& text);
    void refuseEditing(int p);
    void acceptEditing();
    void selectWhole(int p);

    bool acceptOctal_ = false;
    std::array<QLineEdit*, PartCount> parts_{};
    std::array<QLabel*, PartCount - 1> dots_{};
    QFrame* frame_ = nullptr;
    // Set while the program itself writes a part, which must not advance the caret.
    bool settingPart_ = false;
};
