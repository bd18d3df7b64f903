#include "app/NorvaneApplication.h"

#include <gtest/gtest.h>

// Widget tests need the application object, the program's own: its event
// dispatch is part of what they check. Test discovery runs without the
// ENVIRONMENT property, so the offscreen platform is the default here too.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    norvane::ui::TNorvaneApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
