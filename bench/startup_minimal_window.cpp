// The baseline for the start-up measurement: an empty Qt window of the main
// window's size, shown and timed the same way as the program.
#include "app/StartupProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.setFixedSize(891, 595);
    norvane::ui::installStartupProbe(&window);
    window.show();
    return app.exec();
}
