#include "app/NorvaneApplication.h"

#include <gtest/gtest.h>

// Widget tests need the application object, the program's own: its event
// dispatch is part of what they check.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    norvane::ui::TNorvaneApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
