#include "app/MessageBoxes.h"
#include "common/Errors.h"
#include "editing/UEditIPAddr.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Readable failure output for Qt's strings.
void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

using norvane::ui::MessageAnswer;
using norvane::ui::MessageKind;
using norvane::ui::MessageRequest;

namespace {

struct Stroke {
    int key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// A window with a line edit on each side of the address, so that focus can
// leave the control in both directions.
class EditIPAddr : public testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<QWidget>();
        before_ = new QLineEdit(window_.get());
        ip_ = new CEditIPAddr(window_.get());
        after_ = new QLineEdit(window_.get());
        before_->setGeometry(0, 0, 100, 21);
        ip_->move(0, 30);
        after_->setGeometry(0, 60, 100, 21);
        window_->resize(200, 100);
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        norvane::ui::setMessageResponder([this](const MessageRequest& request) {
            boxes_.push_back(request);
            return MessageAnswer::Ok;
        });
    }

    void TearDown() override { norvane::ui::setMessageResponder({}); }

    QLineEdit* part(int p) const {
        return ip_->findChild<QLineEdit*>(QStringLiteral("part%1").arg(p));
    }

    QStringList parts() const {
        return {part(0)->text(), part(1)->text(), part(2)->text(), part(3)->text()};
    }

    void setParts(const QStringList& texts) {
        for (int p = 0; p < 4; ++p)
            part(p)->setText(texts[p]);
    }

    int focusedPart() const {
        for (int p = 0; p < 4; ++p)
            if (QApplication::focusWidget() == part(p))
                return p;
        return -1;
    }

    static int caret(const QLineEdit* edit) {
        return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    }

    // As on a real keyboard: the release reaches whatever has the focus after the press.
    static void type(const std::vector<Stroke>& strokes) {
        for (const Stroke& s : strokes) {
            QTest::keyPress(QApplication::focusWidget(), static_cast<Qt::Key>(s.key), s.modifiers);
            QTest::keyRelease(QApplication::focusWidget(), static_cast<Qt::Key>(s.key),
                              s.modifiers);
        }
    }

    std::unique_ptr<QWidget> window_;
    QLineEdit* before_ = nullptr;
    CEditIPAddr* ip_ = nullptr;
    QLineEdit* after_ = nullptr;
    std::vector<MessageRequest> boxes_;
};

constexpr int SelectAll = -1;
constexpr Qt::KeyboardModifiers Keypad = Qt::KeypadModifier;

struct KeyCase {
    const char* name;
    QStringList initial;
    int focus;
    int cursor; // or SelectAll
    std::vector<Stroke> strokes;
    QStringList expected;
    int expectedFocus;
    int expectedCaret;
    const char* expectedSelection = "";
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class Keystrokes : public EditIPAddr, public testing::WithParamInterface<KeyCase> {};

} // namespace

TEST_P(Keystrokes, EditAndMoveBetweenParts) {
    const KeyCase& c = GetParam();
    setParts(c.initial);
    part(c.focus)->setFocus(Qt::MouseFocusReason);
    if (c.cursor == SelectAll)
        part(c.focus)->selectAll();
    else
        part(c.focus)->setCursorPosition(c.cursor);

    type(c.strokes);

    EXPECT_EQ(parts(), c.expected);
    EXPECT_EQ(focusedPart(), c.expectedFocus);
    EXPECT_EQ(caret(part(c.expectedFocus)), c.expectedCaret);
    EXPECT_EQ(part(c.expectedFocus)->selectedText(), QString::fromUtf8(c.expectedSelection));
    EXPECT_TRUE(boxes_.empty());
}

const QStringList Empty{"", "", "", ""};

INSTANTIATE_TEST_SUITE_P(
    Table, Keystrokes,
    testing::Values(
        KeyCase{"ThreeDigitsAdvance",
                Empty,
                0,
                0,
                {{Qt::Key_1}, {Qt::Key_9}, {Qt::Key_2}},
                {"192", "", "", ""},
                1,
                0},
        KeyCase{"LastPartDoesNotAdvance",
                {"1", "2", "3", ""},
                3,
                0,
                {{Qt::Key_2}, {Qt::Key_5}, {Qt::Key_4}},
                {"1", "2", "3", "254"},
                3,
                3},
        KeyCase{"FullStopMovesOnAndSelects",
                {"1", "168", "3", "4"},
                0,
                SelectAll,
                {{Qt::Key_2}, {Qt::Key_5}, {Qt::Key_Period}},
                {"25", "168", "3", "4"},
                1,
                0,
                "168"},
        KeyCase{
            "SpaceMovesOn", {"7", "", "", ""}, 0, 1, {{Qt::Key_Space}}, {"7", "", "", ""}, 1, 0},
        KeyCase{"FullStopInEmptyPartDoesNothing", Empty, 0, 0, {{Qt::Key_Period}}, Empty, 0, 0},
        KeyCase{"FullStopInLastPartDoesNothing",
                {"1", "2", "3", "4"},
                3,
                1,
                {{Qt::Key_Period}, {Qt::Key_Space}},
                {"1", "2", "3", "4"},
                3,
                1},
        KeyCase{"KeypadDigitsAndDecimal",
                Empty,
                0,
                0,
                {{Qt::Key_1, Keypad}, {Qt::Key_0, Keypad}, {Qt::Key_Period, Keypad}},
                {"10", "", "", ""},
                1,
                0},
        KeyCase{"KeypadCommaIsTheDecimalKey",
                {"10", "", "", ""},
                0,
                2,
                {{Qt::Key_Comma, Keypad}},
                {"10", "", "", ""},
                1,
                0},
        KeyCase{"LettersInsertNothing",
                Empty,
                0,
                0,
                {{Qt::Key_A}, {Qt::Key_Minus}, {Qt::Key_7}},
                {"7", "", "", ""},
                0,
                1},
        KeyCase{"ModifiedDigitsInsertNothing",
                Empty,
                0,
                0,
                {{Qt::Key_1, Qt::ShiftModifier},
                 {Qt::Key_2, Qt::ControlModifier},
                 {Qt::Key_3, Qt::AltModifier},
                 {Qt::Key_Shift},
                 {Qt::Key_4}},
                {"4", "", "", ""},
                0,
                1},
        KeyCase{"BackspaceAtStartEditsPreviousPart",
                {"192", "168", "", ""},
                2,
                0,
                {{Qt::Key_Backspace}},
                {"192", "16", "", ""},
                1,
                2},
        KeyCase{"BackspaceAtStartAlsoDeletesOwnSelection",
                {"1", "168", "55", ""},
                2,
                SelectAll,
                {{Qt::Key_Backspace}},
                {"1", "16", "", ""},
                1,
                2},
        KeyCase{"BackspaceIntoEmptyPart",
                {"", "5", "", ""},
                1,
                0,
                {{Qt::Key_Backspace}},
                {"", "5", "", ""},
                0,
                0},
        KeyCase{"BackspaceAtStartOfFirstPartIsOrdinary",
                {"12", "", "", ""},
                0,
                0,
                {{Qt::Key_Backspace}},
                {"12", "", "", ""},
                0,
                0},
        KeyCase{"BackspaceAndDeleteInsideAPart",
                {"123", "", "", ""},
                0,
                2,
                {{Qt::Key_Backspace}, {Qt::Key_Delete}},
                {"1", "", "", ""},
                0,
                1},
        KeyCase{"RightArrowAtEndMovesOn",
                {"12", "34", "", ""},
                0,
                2,
                {{Qt::Key_Right}},
                {"12", "34", "", ""},
                1,
                0},
        KeyCase{"RightArrowInsideMovesCaret",
                {"12", "34", "", ""},
                0,
                1,
                {{Qt::Key_Right}},
                {"12", "34", "", ""},
                0,
                2},
        KeyCase{"RightArrowInLastPartStays",
                {"1", "2", "3", "4"},
                3,
                1,
                {{Qt::Key_Right}},
                {"1", "2", "3", "4"},
                3,
                1},
        KeyCase{"LeftArrowAtStartMovesBack",
                {"12", "34", "", ""},
                1,
                0,
                {{Qt::Key_Left}},
                {"12", "34", "", ""},
                0,
                2},
        KeyCase{"LeftArrowAtStartOfFirstPartStays",
                {"12", "", "", ""},
                0,
                0,
                {{Qt::Key_Left}},
                {"12", "", "", ""},
                0,
                0}),
    [](const testing::TestParamInfo<KeyCase>& param) { return std::string(param.param.name); });

TEST_F(EditIPAddr, NumberAbove255BecomesTheMaximumWithAWarning) {
    part(1)->setFocus();
    type({{Qt::Key_3}, {Qt::Key_0}, {Qt::Key_0}});

    EXPECT_EQ(part(1)->text(), "255");
    EXPECT_EQ(part(1)->selectedText(), "255");
    EXPECT_EQ(focusedPart(), 1); // no advance
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, MessageKind::Error);
    EXPECT_EQ(boxes_[0].title, "Erreur");
    EXPECT_EQ(boxes_[0].text, "300 is not a valid entry. Please specify a value between 0 and 255 "
                              "for this field.");

    // Pasted through the context menu, with the focus away from the part.
    QGuiApplication::clipboard()->setText(QStringLiteral("999"));
    part(3)->paste();
    EXPECT_EQ(part(3)->text(), "255");
    EXPECT_EQ(part(3)->selectedText(), "255");
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_TRUE(boxes_[1].text.startsWith("999 is not a valid entry."));
}

TEST_F(EditIPAddr, NoKeyEditsWhileTheLeftButtonIsDown) {
    QTest::mousePress(part(0), Qt::LeftButton);
    type({{Qt::Key_1}});
    QTest::mouseRelease(part(0), Qt::LeftButton);
    type({{Qt::Key_2}});
    EXPECT_EQ(part(0)->text(), "2");
}

TEST_F(EditIPAddr, KeyboardPasteIsRefused) {
    QGuiApplication::clipboard()->setText(QStringLiteral("12"));
    part(0)->setFocus();
    type({{Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ShiftModifier}});
    EXPECT_EQ(part(0)->text(), "");
}

TEST_F(EditIPAddr, PastedTextThatIsNoNumberIsReportedAndStays) {
    for (const QString pasted : {"a1", "-1", "+5"}) {
        boxes_.clear();
        part(2)->clear();
        QGuiApplication::clipboard()->setText(pasted);
        part(2)->paste(); // as the context menu does

        EXPECT_EQ(part(2)->text(), pasted);
        ASSERT_EQ(boxes_.size(), 1u);
        const QString message =
            QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(pasted);
        EXPECT_EQ(boxes_[0].text, message);
        try {
            (void)ip_->Text();
            ADD_FAILURE() << "Text read a part holding " << pasted.toStdString();
        } catch (const norvane::EAssertionFailed&) {
            ADD_FAILURE() << "a conversion error is no assertion";
        } catch (const norvane::Exception& e) {
            EXPECT_EQ(QString::fromStdString(e.message()), message);
        }
    }
}

TEST_F(EditIPAddr, ReadingTextNormalisesTheParts) {
    EXPECT_EQ(ip_->Text(), "");
    EXPECT_EQ(parts(), Empty);

    setParts({"192", "168", "", "1"});
    EXPECT_EQ(ip_->Text(), "192.168.0.1");
    EXPECT_EQ(parts(), QStringList({"192", "168", "0", "1"}));

    setParts({"007", "000", "", "10"});
    EXPECT_EQ(ip_->Text(), "7.0.0.10");

    ip_->SetAcceptOctal(true);
    setParts({"007", "000", "", "10"});
    EXPECT_EQ(ip_->Text(), "007.000.0.10");
    EXPECT_EQ(parts(), QStringList({"007", "000", "0", "10"}));
}

TEST_F(EditIPAddr, WritingTextFillsThePartsOrRefusesTheWholeText) {
    after_->setFocus();
    ip_->SetText(QStringLiteral("192.168.100.1"));
    EXPECT_EQ(parts(), QStringList({"192", "168", "100", "1"}));
    EXPECT_EQ(QApplication::focusWidget(), after_); // neither taken nor advanced
    type({{Qt::Key_Backtab, Qt::ShiftModifier}});
    EXPECT_EQ(focusedPart(), 0);
    EXPECT_EQ(part(0)->selectedText(), "192");

    part(0)->setCursorPosition(1);
    ip_->SetText(QStringLiteral("172.16.0.1"));
    EXPECT_EQ(part(0)->selectedText(), "172");

    ip_->SetText(QStringLiteral("10.0.0.1"));
    EXPECT_EQ(parts(), QStringList({"10", "0", "0", "1"}));

    for (const char* bad : {"10.0.0.01", "1.2.3", "1.2.3.256", " 1.2.3.4", "192.168.100.1000"}) {
        try {
            ip_->SetText(QString::fromLatin1(bad));
            ADD_FAILURE() << bad << " was accepted";
        } catch (const norvane::EAssertionFailed& e) {
            EXPECT_EQ(e.text(), "Bad IP address string given to component") << bad;
        }
        EXPECT_EQ(parts(), QStringList({"10", "0", "0", "1"})) << bad;
    }

    ip_->SetText(QString());
    EXPECT_EQ(parts(), Empty);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(EditIPAddr, ClicksOnDotsAndFrameFocusAPart) {
    ip_->SetText(QStringLiteral("1.22.133.4"));
    const auto* dot1 = ip_->findChild<QLabel*>(QStringLiteral("dot1"));
    QTest::mouseClick(const_cast<QLabel*>(dot1), Qt::LeftButton);
    EXPECT_EQ(focusedPart(), 1);
    EXPECT_EQ(caret(part(1)), 2);

    auto* frame = ip_->findChild<QWidget*>(QStringLiteral("frame"));
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(97, 10));
    EXPECT_EQ(focusedPart(), 3);
    EXPECT_EQ(caret(part(3)), 1);
}

TEST_F(EditIPAddr, FocusEntersAtTheFirstPartAndTabLeavesTheControl) {
    ip_->SetText(QStringLiteral("10.1.2.3"));
    after_->setFocus();
    part(0)->deselect();
    ip_->setFocus();
    EXPECT_EQ(focusedPart(), 0);
    EXPECT_EQ(part(0)->selectedText(), "10");

    part(0)->setCursorPosition(1);
    part(0)->cursorForward(true); // a partial selection that must not survive leaving
    part(2)->setFocus(Qt::MouseFocusReason);
    type({{Qt::Key_Tab}});
    EXPECT_EQ(QApplication::focusWidget(), after_);

    type({{Qt::Key_Backtab, Qt::ShiftModifier}});
    EXPECT_EQ(focusedPart(), 0);
    EXPECT_EQ(part(0)->selectedText(), "10"); // found selected whole on the way back
    part(3)->setFocus(Qt::MouseFocusReason);
    type({{Qt::Key_Backtab, Qt::ShiftModifier}});
    EXPECT_EQ(focusedPart(), 0);
    type({{Qt::Key_Backtab, Qt::ShiftModifier}});
    EXPECT_EQ(QApplication::focusWidget(), before_);
}

TEST_F(EditIPAddr, KeyReleasedOutsideDoesNotLeaveAPartRefusingInput) {
    part(1)->setFocus(Qt::MouseFocusReason);
    QTest::keyPress(part(1), Qt::Key_Tab); // leaves; the release lands elsewhere
    QTest::keyRelease(after_, Qt::Key_Tab);
    QTest::mouseClick(part(1), Qt::LeftButton);
    type({{Qt::Key_5}});
    EXPECT_EQ(part(1)->text(), "5");
}

TEST_F(EditIPAddr, DisabledControlTakesNoInput) {
    ip_->setEnabled(false);
    QTest::mouseClick(part(0), Qt::LeftButton);
    QTest::keyClick(part(0), Qt::Key_1);
    EXPECT_EQ(parts(), Empty);
    EXPECT_FALSE(part(0)->hasFocus());
}

TEST(EditIPAddrLayout, PartsAndDotsArePackedFromTheLeft) {
    QWidget parent;
    QFont font = parent.font();
    font.setPixelSize(9); // small enough that three digits fit the designed parts
    parent.setFont(font);
    CEditIPAddr ip(&parent);
    EXPECT_EQ(ip.size(), QSize(100, 21));
    EXPECT_EQ(ip.minimumWidth(), 100);
    const QRect inside = ip.findChild<QFrame*>(QStringLiteral("frame"))->contentsRect();
    for (int p = 0; p < 4; ++p) {
        const auto* part = ip.findChild<QLineEdit*>(QStringLiteral("part%1").arg(p));
        EXPECT_EQ(part->geometry(),
                  QRect(inside.left() + 24 * p, inside.top(), 21, inside.height()));
        EXPECT_EQ(part->maxLength(), 3);
        EXPECT_EQ(part->focusPolicy(), p == 0 ? Qt::StrongFocus : Qt::ClickFocus);
    }
    for (int k = 0; k < 3; ++k) {
        const auto* dot = ip.findChild<QLabel*>(QStringLiteral("dot%1").arg(k));
        EXPECT_EQ(dot->geometry(),
                  QRect(inside.left() + 21 + 24 * k, inside.top(), 3, inside.height()));
        EXPECT_EQ(dot->text(), ".");
    }
    // A font too wide for the designed parts widens them rather than cutting digits.
    font.setPixelSize(30);
    parent.setFont(font);
    const auto* part0 = ip.findChild<QLineEdit*>(QStringLiteral("part0"));
    EXPECT_GE(part0->width(), part0->fontMetrics().horizontalAdvance(QStringLiteral("255")));
    EXPECT_GT(ip.minimumWidth(), 100);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
