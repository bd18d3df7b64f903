// The please-wait window runs the activation with the application's cursor
// and event loop.
#include "app/Form_activate.h"
#include "app/QtActivationHost.h"
#include "store/database.h"
#include "tests/support/SimulatedProgramDirectory.h"

#include <QApplication>
#include <QCursor>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

bool waitCursorShown() {
    return QApplication::overrideCursor() != nullptr &&
           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

TEST(QtActivationHost, BusyCursorIsTheApplicationsOverrideCursor) {
    int refreshes = 0;
    {
        TQtActivationHost host([&] { ++refreshes; });
        host.SetCursor(norvane::TCursor::HourGlass);
        host.SetCursor(norvane::TCursor::HourGlass);
        EXPECT_TRUE(waitCursorShown());
        EXPECT_EQ(host.Cursor(), norvane::TCursor::HourGlass);
        host.SetCursor(norvane::TCursor::Default);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        host.RefreshProfileList();
        host.SetCursor(norvane::TCursor::HourGlass); // left busy by a failure ...
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // ... and reset with the host
    EXPECT_EQ(refreshes, 1);
}

// The real activation behind the window, on a simulated machine.
TEST(PleaseWaitWindow, ActivatesTheCurrentProfile) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("norvane-activation-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    norvane::test::LayOutProgramDirectory(
        dir, {"1,Maison,Wi-Fi,12,,,,,,1,1,0,0"},
        R"({"adapters": [{"Index": 12, "NetConnectionID": "Wi-Fi", "IPEnabled": true}]})");
    {
        norvane::Tdatamod module;
        datamod = &module;
        module.profils.SetFileName((dir / "profils.csv").string());
        module.profils.Open();
        module.WmiAdapters.Open();
        TForm_activate window;
        window.ActivateCurrentProfile();
        EXPECT_EQ(module.profilsACTIVE.AsString(), "1");
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        datamod = nullptr;
    }
    std::ifstream journal(dir / "journal.jsonl");
    std::string first;
    std::getline(journal, first);
    EXPECT_EQ(first, R"({"call":"netsh","args":["interface","ip","set","address","Wi-Fi",)"
                     R"("source=dhcp"]})");
    norvane::test::ForgetSimulatedMachine();
    std::filesystem::remove_all(dir);
}

} // namespace
