#include "ExpectedAdapters.h"
#include "netconfig/activate.h"
#include "netconfig/platform/windows/WindowsCommandRunner.h"
#include "netconfig/platform/windows/WindowsIpHelper.h"
#include "netconfig/platform/windows/WindowsManagementService.h"
#include "store/database.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <windows.h>

namespace norvane::test {
namespace {

namespace fs = std::filesystem;

class QuietHost : public IActivationHost {
public:
    TCursor Cursor() const override { return cursor; }
    void SetCursor(TCursor value) override { cursor = value; }
    void ProcessMessages() override {}
    void RefreshProfileList() override { ++refreshes; }

    TCursor cursor = TCursor::Default;
    int refreshes = 0;
};

// The data module on the real platform services of Windows, its profile
// table in a directory of the test's own.
class WindowsActivationTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto expected = ExpectedAdapters();
        if (!expected)
            GTEST_SKIP() << "needs the Wine harness (scripts/windows-tests.sh)";
        adapter_ = expected->front();
        directory_ = fs::temp_directory_path() /
                     ("norvane-activation-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(directory_);
    }
    void TearDown() override {
        module_.reset();
        fs::remove_all(directory_);
    }

    Tdatamod& openModule(const std::string& rows) {
        std::ofstream(directory_ / "profils.csv", std::ios::binary)
            << "ID_PROF,NOM_PROF,CARTE_RESEAU,CONNEXION,ADRESSE_IP,MASK_RESEAU,"
               "PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO,IMAGE,ACTIVE\r\n"
            << rows;
        platform::Platform services;
        services.managementService =
            std::make_unique<platform::windows::WindowsManagementService>();
        services.ipHelper = std::make_unique<platform::windows::WindowsIpHelper>();
        services.commandRunner = std::make_unique<platform::windows::WindowsCommandRunner>();
        module_ = std::make_unique<Tdatamod>(std::move(services));
        Tdatamod& dm = *module_;
        dm.profils.SetFileName((directory_ / "profils.csv").string());
        dm.profils.Open();
        dm.WmiConnection1.Open();
        dm.wqConfigurations.Open();
        dm.WmiAdapters.Open();
        return dm;
    }

    ExpectedAdapter adapter_;
    fs::path directory_;
    std::unique_ptr<Tdatamod> module_;
    QuietHost host_;
};

// Wine's adapter configuration class declares no methods: the static step
// finds no parameter to fill and the activation stops there, before any
// change and without marking the profile.
TEST_F(WindowsActivationTest, StaticProfileStopsAtTheMissingMethodAndStaysInactive) {
    const std::string index = std::to_string(adapter_.index);
    Tdatamod& dm = openModule("1,Bureau," + adapter_.name + "," + index +
                              ",198.18.0.20,255.255.255.0,198.18.0.1,,,0,0,0,0\r\n");
    ASSERT_TRUE(dm.profils.Locate("id_prof", 1));
    TProfileActivation activation(dm, host_);
    try {
        activation.ActivateCurrentProfile();
        FAIL() << "Wine has no EnableStatic";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "WmiMethod1: Paramètres 'IPAddress' non trouvés");
    }
    EXPECT_FALSE(activation.Running());
    EXPECT_EQ(host_.refreshes, 0);
    EXPECT_EQ(host_.cursor, TCursor::Default);
    ASSERT_TRUE(dm.profils.Locate("id_prof", 1));
    EXPECT_EQ(dm.profilsACTIVE.AsString(), "0");
}

// The recording child sits beside this test program, where the search for
// the command's program starts.
TEST_F(WindowsActivationTest, RunHiddenGivesBackTheChildsExitCode) {
    Tdatamod& dm = openModule("");
    TProfileActivation activation(dm, host_);
    const fs::path record = directory_ / "record.txt";
    const auto outcome =
        activation.RunHidden("norvane_recording_child \"" + record.string() + "\" 5");
    EXPECT_TRUE(outcome.started);
    EXPECT_EQ(outcome.code, 5);
    EXPECT_TRUE(fs::exists(record));
    EXPECT_EQ(host_.cursor, TCursor::Default);
}

TEST_F(WindowsActivationTest, ProfileOfAnAdapterWithoutConfigurationChangesNothing) {
    Tdatamod& dm =
        openModule("1,Ailleurs,Nulle part,9999,198.18.0.20,255.255.255.0,,,,0,0,0,0\r\n");
    ASSERT_TRUE(dm.profils.Locate("id_prof", 1));
    TProfileActivation activation(dm, host_);
    EXPECT_THROW(activation.ActivateCurrentProfile(), Exception);
    ASSERT_TRUE(dm.profils.Locate("id_prof", 1));
    EXPECT_EQ(dm.profilsACTIVE.AsString(), "0");
}

} // namespace
} // namespace norvane::test
