#include <QApplication>
#include <gtest/gtest.h>

// Widget tests need one application object for the whole run. They never need
// a screen; test discovery runs them without the ENVIRONMENT property, so the
// offscreen platform is the default here too.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
