#include "app/TrayIcon.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Handles the window system's events, as the program's loop would, until the
// condition holds or the time is up.
bool within(int milliseconds, const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QApplication::processEvents();
        if (condition())
            return true;
        QThread::msleep(20);
    }
    return false;
}

} // namespace

// What the icon asks about the area is only worth something if the answer
// follows the area's host: the window is hidden while the area is there, and
// comes back once the host has gone for good.
TEST(TrayArea, HiddenWindowComesBackWhenTheAreaHostGoes) {
    if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty())
        GTEST_SKIP() << "trayer is missing";
    QProcess host;
    host.start(QStringLiteral("trayer"),
               {QStringLiteral("--SetDockType"), QStringLiteral("false")});
    ASSERT_TRUE(host.waitForStarted());

    QWidget window;
    QMenu menu;
    QPixmap picture(16, 16);
    picture.fill(Qt::darkBlue);
    TTrayIcon tray(&window, &menu, QIcon(picture));
    QObject::connect(&tray, &TTrayIcon::areaLost, &window, &QWidget::show);
    window.show();
    tray.SetActive(true);
    ASSERT_TRUE(within(5000, [&] { return tray.AreaAvailable(); }));

    window.close();
    EXPECT_FALSE(window.isVisible());
    host.kill();
    host.waitForFinished();
    EXPECT_TRUE(within(5000, [&] { return !tray.AreaAvailable(); }));
    EXPECT_TRUE(within(8000, [&] { return window.isVisible(); }));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
