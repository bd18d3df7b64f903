#include "UEditIPAddr.h"

#include "app/MessageBoxes.h"
#include "common/Errors.h"
#include "common/Format.h"
#include "editing/UIPAddrUtils.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStringList>
#include <algorithm>

namespace {

// Sizes at the font the windows are designed for; parts grow only when the
// font in use cannot show three digits in them.
constexpr int DesignWidth = 100;
constexpr int DesignHeight = 21;
constexpr int DesignPartWidth = 21;
constexpr int DotWidth = 3;
constexpr int BorderWidth = 1;
constexpr int MaxPartValue = 255;

// Only plain decimal digits count as a number: a sign or another notation
// pasted into a part would give a text that no address check accepts later.
int partValue(const QString& text) {
    bool digits = !text.isEmpty();
    for (QChar c : text)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!digits)
        throw norvane::Exception(
            norvane::Format("'%s' n'est pas une valeur entière correcte", {text.toStdString()}));
    return text.toInt();
}

// The caret is the start of the selection when there is one.
int caretOf(const QLineEdit& part) {
    return part.hasSelectedText() ? part.selectionStart() : part.cursorPosition();
}

bool isDigitKey(int key) {
    return key >= Qt::Key_0 && key <= Qt::Key_9;
}

// The keypad's decimal key stands for the full stop, whatever the keyboard
// layout makes it produce.
int normalisedKey(const QKeyEvent& event) {
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (keypad && (event.key() == Qt::Key_Comma || event.key() == Qt::Key_Period))
        return Qt::Key_Period;
    return event.key();
}

// Whether this key may edit the part it was pressed in: unmodified digits,
// Backspace and Delete only, and nothing while the left mouse button is down
// (a selection being dragged).
bool mayEdit(const QKeyEvent& event, int key) {
    constexpr Qt::KeyboardModifiers held =
        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if (event.modifiers() & held)
        return false;
    if (QGuiApplication::mouseButtons().testFlag(Qt::LeftButton))
        return false;
    return isDigitKey(key) || key == Qt::Key_Backspace || key == Qt::Key_Delete;
}

} // namespace

CEditIPAddr::CEditIPAddr(QWidget* parent) : QWidget(parent) {
    createChildren();
    setFocusPolicy(Qt::NoFocus);
    setFocusProxy(parts_[0]);
    resize(sizeHint());
    setMinimumWidth(minimumSizeHint().width());
    layoutChildren();
    connect(qApp, &QApplication::focusChanged, this, &CEditIPAddr::applicationFocusChanged);
}

void CEditIPAddr::createChildren() {
    frame_ = new QFrame(this);
    frame_->setObjectName(QStringLiteral("frame"));
    frame_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    frame_->setLineWidth(BorderWidth);
    frame_->setBackgroundRole(QPalette::Base);
    frame_->setAutoFillBackground(true);
    frame_->setCursor(Qt::IBeamCursor);
    frame_->installEventFilter(this);

    // Created in display order, so that the focus chain runs part 0 to part 3.
    for (int p = 0; p < PartCount; ++p) {
        if (p > 0) {
            QLabel* dot = new QLabel(QStringLiteral("."), frame_);
            dot->setObjectName(QStringLiteral("dot%1").arg(p - 1));
            dot->setAlignment(Qt::AlignCenter);
            dot->installEventFilter(this);
            dots_[static_cast<std::size_t>(p - 1)] = dot;
        }
        QLineEdit* part = new QLineEdit(frame_);
        part->setObjectName(QStringLiteral("part%1").arg(p));
        part->setFrame(false);
        part->setAlignment(Qt::AlignCenter);
        part->setMaxLength(3);
        part->setInputMethodHints(Qt::ImhDigitsOnly);
        // Only part 0 is reached with Tab: Tab leaves the address, Shift+Tab
        // from a later part comes back to its start.
        part->setFocusPolicy(p == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        part->installEventFilter(this);
        connect(part, &QLineEdit::textChanged, this, [this, p] { partTextChanged(p); });
        parts_[static_cast<std::size_t>(p)] = part;
    }
}

int CEditIPAddr::partWidth() const {
    // Room for three digits and the caret, without the line edit's own margins.
    const int needed = fontMetrics().horizontalAdvance(QStringLiteral("000")) + 1;
    return std::max(DesignPartWidth, needed);
}

int CEditIPAddr::extraWidth() const {
    return PartCount * (partWidth() - DesignPartWidth);
}

QSize CEditIPAddr::sizeHint() const {
    return {DesignWidth + extraWidth(), std::max(DesignHeight, fontMetrics().height() + 4)};
}

QSize CEditIPAddr::minimumSizeHint() const {
    return {DesignWidth + extraWidth(), DesignHeight};
}

void CEditIPAddr::layoutChildren() {
    frame_->setGeometry(rect());
    const QRect inside = frame_->contentsRect();
    const int width = partWidth();
    // The line edit keeps a fixed margin of its own on each side; take it back
    // so that three digits fit in a part.
    const int margin = -2;
    int x = inside.left();
    for (int p = 0; p < PartCount; ++p) {
        if (p > 0) {
            dots_[static_cast<std::size_t>(p - 1)]->setGeometry(x, inside.top(), DotWidth,
                                                                inside.height());
            x += DotWidth;
        }
        QLineEdit* part = parts_[static_cast<std::size_t>(p)];
        part->setTextMargins(margin, 0, margin, 0);
        part->setGeometry(x, inside.top(), width, inside.height());
        x += width;
    }
}

void CEditIPAddr::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutChildren();
}

void CEditIPAddr::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        setMinimumWidth(minimumSizeHint().width());
        updateGeometry();
        layoutChildren();
    }
}

int CEditIPAddr::partIndex(const QObject* object) const {
    for (int p = 0; p < PartCount; ++p)
        if (parts_[static_cast<std::size_t>(p)] == object)
            return p;
    return -1;
}

int CEditIPAddr::dotIndex(const QObject* object) const {
    for (int k = 0; k < PartCount - 1; ++k)
        if (dots_[static_cast<std::size_t>(k)] == object)
            return k;
    return -1;
}

QString CEditIPAddr::Text() {
    bool allEmpty = true;
    for (const QLineEdit* part : parts_)
        allEmpty = allEmpty && part->text().isEmpty();
    if (allEmpty)
        return {};
    QStringList texts;
    for (int p = 0; p < PartCount; ++p) {
        const QString typed = parts_[static_cast<std::size_t>(p)]->text();
        if (typed.isEmpty())
            setPartText(p, QStringLiteral("0"));
        else if (!acceptOctal_)
            setPartText(p, QString::number(partValue(typed)));
        texts << parts_[static_cast<std::size_t>(p)]->text();
    }
    return texts.join(QLatin1Char('.'));
}

void CEditIPAddr::SetText(const QString& text) {
    if (text.isEmpty()) {
        for (int p = 0; p < PartCount; ++p)
            setPartText(p, {});
        return;
    }
    const std::string address = text.toStdString();
    try {
        norvane::CheckIPString(address);
    } catch (const norvane::Exception&) {
        // The caller only needs to know the address was refused, not why.
        norvane::assertionFailed("Bad IP address string given to component", __FILE__, __LINE__);
    }
    for (int p = 0; p < PartCount; ++p)
        setPartText(p, QString::number(norvane::GetOctet(address, p + 1)));
    selectWhole(0);
}

void CEditIPAddr::setPartText(int p, const QString& text) {
    QLineEdit* part = parts_[static_cast<std::size_t>(p)];
    if (part->text() == text)
        return;
    const bool outer = settingPart_;
    settingPart_ = true;
    part->setText(text);
    part->setCursorPosition(0);
    settingPart_ = outer;
}

void CEditIPAddr::selectWhole(int p) {
    QLineEdit* part = parts_[static_cast<std::size_t>(p)];
    if (part->hasFocus()) {
        part->selectAll();
        return;
    }
    // A line edit without the focus would draw a stray caret beside a
    // selection. Left with none, the part is selected whole as it takes the
    // focus: by the line edit itself when entered with Tab, by the focus-in
    // rule of part 0 when the program gives the focus.
    part->deselect();
}

void CEditIPAddr::refuseEditing(int p) {
    QLineEdit* part = parts_[static_cast<std::size_t>(p)];
    part->setReadOnly(true);
    // Only for the length of a key press: the mouse pointer stays the I-beam.
    part->setCursor(Qt::IBeamCursor);
}

void CEditIPAddr::acceptEditing() {
    for (QLineEdit* part : parts_)
        part->setReadOnly(false);
}

void CEditIPAddr::moveCaretTo(int p, bool atEnd) {
    QLineEdit* part = parts_[static_cast<std::size_t>(p)];
    part->setFocus(Qt::OtherFocusReason);
    part->setCursorPosition(atEnd ? static_cast<int>(part->text().size()) : 0);
}

bool CEditIPAddr::eventFilter(QObject* watched, QEvent* event) {
    const int p = partIndex(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (p >= 0)
            partKeyPress(p, *static_cast<QKeyEvent*>(event));
        break;
    case QEvent::KeyRelease:
        if (p >= 0)
            acceptEditing();
        break;
    case QEvent::FocusIn: {
        // Focus given to the address as a whole (by the program or with the
        // keyboard) lands in part 0 with its text selected; a click places the caret.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (p == 0 && reason != Qt::MouseFocusReason && reason != Qt::ActiveWindowFocusReason &&
            reason != Qt::PopupFocusReason)
            selectWhole(0);
        break;
    }
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            clickedOutsideParts(watched))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CEditIPAddr::partKeyPress(int p, const QKeyEvent& event) {
    const int key = normalisedKey(event);
    if (key == Qt::Key_Shift || key == Qt::Key_Control)
        return;
    QLineEdit* part = parts_[static_cast<std::size_t>(p)];
    const int caret = caretOf(*part);
    const bool last = p == PartCount - 1;
    if (key == Qt::Key_Right && !last && caret == part->text().size()) {
        moveCaretTo(p + 1, false);
    } else if (key == Qt::Key_Left && p > 0 && caret == 0) {
        moveCaretTo(p - 1, true);
    } else if (key == Qt::Key_Backspace && p > 0 && caret == 0) {
        // The part's own share of this Backspace is its selection, if it has
        // one: deleted now, since losing the focus will drop the selection, and
        // the part refuses the key itself, which would otherwise delete at the
        // end of the text.
        if (part->hasSelectedText())
            part->del();
        refuseEditing(p);
        QLineEdit* previous = parts_[static_cast<std::size_t>(p - 1)];
        const QString text = previous->text();
        if (!text.isEmpty())
            setPartText(p - 1, text.left(text.size() - 1));
        moveCaretTo(p - 1, true);
    } else if ((key == Qt::Key_Period || key == Qt::Key_Space) && !last &&
               !part->text().isEmpty()) {
        QLineEdit* next = parts_[static_cast<std::size_t>(p + 1)];
        next->setFocus(Qt::OtherFocusReason);
        selectWhole(p + 1);
    }
    // The key still goes to the part it was pressed in; read-only until the key
    // is released, that part lets it move the caret or copy, never edit.
    if (!mayEdit(event, key))
        refuseEditing(p);
}

void CEditIPAddr::partTextChanged(int p) {
    QLineEdit* part = parts_[static_cast<std::size_t>(p)];
    const QString text = part->text();
    if (text.isEmpty())
        return;
    int value = 0;
    try {
        value = partValue(text);
    } catch (const norvane::Exception& e) {
        // Raised from inside the toolkit's own editing, the error could not
        // travel back to a caller; it is shown here instead and the text stays.
        norvane::ui::showStandardError(this, QString::fromStdString(e.message()));
        return;
    }
    if (value > MaxPartValue) {
        // Only typing or pasting gets here, so the user is in this part (or
        // in its context menu) and sees the selection.
        setPartText(p, QString::number(MaxPartValue));
        part->selectAll();
        norvane::ui::showStandardError(
            this,
            text + QStringLiteral(" is not a valid entry. Please specify a value between 0 and 255 "
                                  "for this field."));
        return;
    }
    if (!settingPart_ && p < PartCount - 1 && text.size() == 3 && caretOf(*part) == 3)
        moveCaretTo(p + 1, false);
}

bool CEditIPAddr::clickedOutsideParts(QObject* watched) {
    const int dot = dotIndex(watched);
    if (dot < 0 && watched != frame_)
        return false;
    // A dot leads to the part on its left; the empty area after the last part
    // leads to the last part.
    moveCaretTo(dot >= 0 ? dot : PartCount - 1, true);
    return true;
}

void CEditIPAddr::applicationFocusChanged(QWidget* old, QWidget* now) {
    if (partIndex(old) < 0 || now == nullptr || isAncestorOf(now))
        return;
    // Leaving the address: a key released elsewhere must not leave a part
    // refusing input, and coming back with Tab must find part 0 selected whole.
    acceptEditing();
    selectWhole(0);
}
