#include "app/Form_activate.h"
#include "app/Form_apropos.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

class AboutBoxClick : public ::testing::TestWithParam<const char*> {};

TEST_P(AboutBoxClick, AnyClickClosesTheBox) {
    TForm_apropos box;
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QWidget* target = GetParam()[0] ? box.findChild<QWidget*>(GetParam()) : &box;
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(box.isVisible());
}

// Background (top band included), logo, icon and each label.
INSTANTIATE_TEST_SUITE_P(AboutBox, AboutBoxClick,
                         ::testing::Values("", "Panel1", "Image1", "Image2", "Label1", "Label2",
                                           "Label3"));

TEST(PleaseWaitWindow, StaysOnTopAndOnlyHides) {
    TForm_activate window;
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.testAttribute(Qt::WA_DeleteOnClose));
}

TEST(PleaseWaitWindow, ActivationIsMarkedRunningAndNotNested) {
    TForm_activate window;
    int runs = 0;
    bool seenRunning = false;
    window.setActivation([&] {
        ++runs;
        seenRunning = window.isActivating();
        window.ActivateCurrentProfile(); // as if a second command came in through the event loop
    });
    window.ActivateCurrentProfile();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(seenRunning);
    EXPECT_FALSE(window.isActivating());
}

TEST(PleaseWaitWindow, FailedActivationClearsTheRunningMark) {
    TForm_activate window;
    window.setActivation([] { throw std::runtime_error("échec"); });
    EXPECT_THROW(window.ActivateCurrentProfile(), std::runtime_error);
    EXPECT_FALSE(window.isActivating());
}
