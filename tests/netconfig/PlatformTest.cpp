#include "netconfig/platform/Platform.h"

#include "SimulatedMachineFixture.h"
#include "netconfig/WmiConnection.h"
#include "netconfig/WmiException.h"
#include "netconfig/WmiQuery.h"

#include <cstdlib>

namespace norvane::test {
namespace {

class PlatformTest : public SimulatedMachineFixture {
protected:
    void TearDown() override {
        for (const char* name : {"NORVANE_PLATFORM", "NORVANE_SIMULATION", "NORVANE_JOURNAL"})
            unsetenv(name);
        SimulatedMachineFixture::TearDown();
    }
};

TEST_F(PlatformTest, SimulatedBackendIsChosenFromTheEnvironment) {
    setenv("NORVANE_PLATFORM", "simulated", 1);
    setenv("NORVANE_SIMULATION", machinePath().c_str(), 1);
    platform::Platform chosen = platform::CreatePlatform();
    ASSERT_NE(chosen.managementService, nullptr);
    TWmiConnection connection(*chosen.managementService);
    TWmiQuery query("wqConfigurations");
    query.SetConnection(&connection);
    query.SetWQL({"SELECT * FROM Win32_NetworkAdapter"});
    query.Open();
    EXPECT_EQ(query.RecordCount(), 4);
}

TEST_F(PlatformTest, UnusableChoicesAreRefused) {
    setenv("NORVANE_PLATFORM", "simulated", 1);
    EXPECT_EQ(MessageOf<Exception>([] { platform::CreatePlatform(); }),
              "NORVANE_PLATFORM=simulated needs NORVANE_SIMULATION (the machine file)");
    setenv("NORVANE_SIMULATION", "/nonexistent/machine.json", 1);
    EXPECT_EQ(MessageOf<Exception>([] { platform::CreatePlatform(); }),
              "Cannot read the simulated machine file /nonexistent/machine.json");
    writeMachine(R"({"adapters": [{"NetConnectionID": "no index"}]})");
    setenv("NORVANE_SIMULATION", machinePath().c_str(), 1);
    EXPECT_EQ(MessageOf<Exception>([] {
                  platform::CreatePlatform();
              }).rfind("Invalid simulated machine file " + machinePath(), 0),
              0u);
    setenv("NORVANE_PLATFORM", "amiga", 1);
    EXPECT_EQ(MessageOf<Exception>([] { platform::CreatePlatform(); }),
              "Unknown or unavailable platform: amiga");
    unsetenv("NORVANE_PLATFORM");
    EXPECT_NE(platform::CreatePlatform().managementService, nullptr); // the Linux backend
}

TEST_F(PlatformTest, HalfWrittenMachineFileKeepsTheLastGoodState) {
    TWmiConnection connection(service());
    TWmiQuery query("wqConfigurations");
    query.SetConnection(&connection);
    query.SetWQL({"SELECT * FROM Win32_NetworkAdapter"});
    query.Open();
    writeMachine(R"({"adapters": [)");
    query.Close();
    query.Open();
    EXPECT_EQ(query.RecordCount(), 4);
}

TEST_F(PlatformTest, ShippedExampleMachineLoads) {
    setenv("NORVANE_PLATFORM", "simulated", 1);
    setenv("NORVANE_SIMULATION", NORVANE_SOURCE_DIR "/examples/simulated-machine.json", 1);
    platform::Platform chosen = platform::CreatePlatform();
    TWmiConnection connection(*chosen.managementService);
    TWmiQuery query("wqConfigurations");
    query.SetConnection(&connection);
    query.SetWQL({"SELECT *  FROM Win32_NetworkAdapter ", "WHERE AdapterType = 'Ethernet 802.3'"});
    query.Open();
    EXPECT_EQ(query.RecordCount(), 3);
    EXPECT_TRUE(query.Locate("NetConnectionID", platform::Variant("Connexion au réseau local")));
}

} // namespace
} // namespace norvane::test
