#include "netconfig/platform/linux/LinuxNetwork.h"

#include "netconfig/WmiConnection.h"
#include "netconfig/WmiQuery.h"
#include "netconfig/platform/memory/MemoryManagementService.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace norvane {
namespace {

// Runs inside the namespace made by linux_netns_test.sh, which names the
// interfaces it made in NORVANE_EXPECTED_INTERFACES ("index:name,...").
class LinuxNetwork : public ::testing::Test {
protected:
    void SetUp() override {
        const char* expected = std::getenv("NORVANE_EXPECTED_INTERFACES");
        if (expected == nullptr)
            GTEST_SKIP() << "runs only inside the namespace of linux_netns_test.sh";
        std::istringstream list(expected);
        for (std::string item; std::getline(list, item, ',');) {
            const auto colon = item.find(':');
            expected_[item.substr(0, colon)] = item.substr(colon + 1);
        }
        connection_.Open();
    }

    std::map<std::string, std::string> listing(TWmiQuery& query, const char* value) {
        std::map<std::string, std::string> rows;
        for (query.First(); !query.Eof(); query.Next())
            rows[query.FieldByName("Index").AsString()] = query.FieldByName(value).AsString();
        return rows;
    }

    std::map<std::string, std::string> expected_;
    platform::memory::MemoryManagementService service_{
        std::make_shared<platform::linux_backend::LinuxNetwork>(
            platform::linux_backend::SystemPaths{.resolvConf = "/dev/null"})};
    TWmiConnection connection_{service_, "WmiConnection1"};
};

TEST_F(LinuxNetwork, ListsExactlyTheInterfacesOfTheNamespace) {
    TWmiQuery adapters("wqConfigurations");
    adapters.SetConnection(&connection_);
    adapters.SetWQL(
        {"SELECT *  FROM Win32_NetworkAdapter ", "WHERE AdapterType = 'Ethernet 802.3'"});
    adapters.Open();
    ASSERT_EQ(expected_.size(), 2u);
    EXPECT_EQ(listing(adapters, "NetConnectionID"), expected_);
    EXPECT_EQ(listing(adapters, "DeviceID").size(), 2u);
    for (adapters.First(); !adapters.Eof(); adapters.Next())
        EXPECT_EQ(adapters.FieldByName("DeviceID").AsString(),
                  adapters.FieldByName("Index").AsString());
}

TEST_F(LinuxNetwork, ConfigurationsShowAddressesGatewayAndState) {
    TWmiQuery configurations("WmiAdapters");
    configurations.SetConnection(&connection_);
    configurations.SetWQL({"SELECT * FROM Win32_NetworkAdapterConfiguration where IPEnabled=true"});
    configurations.Open();
    ASSERT_EQ(configurations.RecordCount(), 1); // nvtest-b is down
    configurations.First();
    EXPECT_EQ(expected_.at(configurations.FieldByName("Index").AsString()), "nvtest-a");
    EXPECT_EQ(configurations.FieldByName("IPAddress").AsString().rfind("{198.18.0.1", 0), 0u);
    EXPECT_EQ(configurations.FieldByName("IPSubnet").AsString().rfind("{255.255.255.0", 0), 0u);
    EXPECT_EQ(configurations.FieldByName("DefaultIPGateway").AsString(), "{198.18.0.254}");
}

} // namespace
} // namespace norvane
