// The connections and adapter rows read through the IP helper.
#include "netconfig/IPHelper.h"

#include "SimulatedMachineFixture.h"
#include "netconfig/IPHLPAPI.h"
#include "netconfig/platform/memory/MemoryIpHelper.h"

namespace norvane::test {
namespace {

using platform::memory::MemoryIpHelper;

TEST(MacAddressText, PairsOfUpperCaseDigitsJoinedByDashes) {
    const std::array<std::uint8_t, 8> address = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0xF7, 0x08};
    const struct {
        int length;
        const char* text;
    } cases[] = {
        {0, "00-00-00-00-00-00"},       {6, "00-1A-2B-3C-4D-5E"},       {1, "00"},
        {8, "00-1A-2B-3C-4D-5E-F7-08"}, {9, "00-1A-2B-3C-4D-5E-F7-08"}, // never past the field
        {-1, "00-00-00-00-00-00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MacAddressText(address, c.length), c.text) << c.length;
}

class SimulatedConnections : public SimulatedMachineFixture {
protected:
    MemoryIpHelper& helper() {
        if (!helper_)
            helper_ = std::make_unique<MemoryIpHelper>(
                std::make_shared<platform::simulated::SimulatedMachine>(machinePath(), ""),
                MemoryIpHelper::Naming::SettingId);
        return *helper_;
    }

private:
    std::unique_ptr<MemoryIpHelper> helper_;
};

TEST_F(SimulatedConnections, RowsDescribeEveryAdapterWithItsIPv4Settings) {
    int count = -1;
    TAdaptorRows rows;
    ASSERT_EQ(ReadAdaptorRows(helper(), count, rows), 0);
    ASSERT_EQ(count, 4);
    ASSERT_EQ(rows.size(), 4u);
    const TAdaptorInfo& lan = rows[0];
    EXPECT_EQ(lan.AdapterName, "{7}");
    EXPECT_EQ(lan.Description, "Carte réseau 1");
    EXPECT_EQ(lan.MacAddress, "08-00-27-00-00-07");
    EXPECT_EQ(lan.Index, 7u);
    EXPECT_EQ(lan.Type, 6u);
    EXPECT_EQ(lan.DHCPEnabled, 0u);
    EXPECT_EQ(lan.CurrentIPAddress, "  0.  0.  0.  0");
    EXPECT_EQ(lan.IPAddressCount, 1); // the IPv6 address is not the helper's business
    EXPECT_EQ(lan.IPAddresses.at(0), "192.168.1.10");
    EXPECT_EQ(lan.IPMasks.at(0), "255.255.255.0");
    EXPECT_EQ(lan.GatewayCount, 1);
    EXPECT_EQ(lan.DNSServerCount, 1);
    EXPECT_EQ(lan.DNSServers.at(0), "192.168.1.1");
    EXPECT_EQ(rows[3].MacAddress, "00-00-00-00-00-00");
    EXPECT_EQ(rows[3].Type, 1u);
}

TEST_F(SimulatedConnections, ConnectionsCarryTheirDisplayNames) {
    TListConnexion connections;
    LoadConnections(helper(), connections);
    ASSERT_EQ(connections.Count(), 4);
    const TConnexion& wifi = connections.Items(1);
    EXPECT_EQ(wifi.ConnectionName, "Wi-Fi");
    EXPECT_EQ(wifi.Description, "Carte sans fil");
    EXPECT_EQ(wifi.IPAddress, "10.0.0.12");
    EXPECT_EQ(wifi.SubnetMask, "255.0.0.0");
    EXPECT_EQ(wifi.Gateway, "");
    EXPECT_TRUE(wifi.DHCP);
    EXPECT_TRUE(wifi.DNSServers.empty());
    EXPECT_EQ(connections.Items(0).DNSServers, std::vector<std::string>{"192.168.1.1"});
    EXPECT_EQ(connections.Items(3).ConnectionName, ""); // no connection
    EXPECT_EQ(ConnectionNameOf(helper(), "{12}"), "Wi-Fi");
    EXPECT_EQ(ConnectionNameOf(helper(), "{99}"), "");
}

TEST_F(SimulatedConnections, MoreDnsServersThanFitLeaveTheAdapterWithout) {
    writeMachine(R"({"adapters": [
      {"Index": 1, "DNSServerSearchOrder": ["1.1.1.1", "1.1.1.2", "1.1.1.3", "1.1.1.4"]},
      {"Index": 2, "DNSServerSearchOrder": ["2.2.2.1", "2.2.2.2", "2.2.2.3", "2.2.2.4",
                                            "2.2.2.5"]}]})");
    int count = 0;
    TAdaptorRows rows;
    ASSERT_EQ(ReadAdaptorRows(helper(), count, rows), 0);
    EXPECT_EQ(rows.at(0).DNSServerCount, 4);
    EXPECT_EQ(rows.at(1).DNSServerCount, 0);
}

// A helper whose answers the test chooses.
class ScriptedHelper : public platform::IIpHelper {
public:
    bool bind() override { return loads; }
    std::uint32_t getAdaptersInfo(std::vector<platform::IpAdapterInfo>& out) override {
        out = adapters;
        return result;
    }
    bool hasPerAdapterInfo() override { return false; }
    std::uint32_t getPerAdapterInfo(std::uint32_t, std::size_t,
                                    platform::IpPerAdapterInfo&) override {
        ADD_FAILURE() << "not bound";
        return 1;
    }
    std::string connectionName(const std::string&) override { return "LAN"; }

    bool loads = true;
    std::uint32_t result = 0;
    std::vector<platform::IpAdapterInfo> adapters;
};

TEST(IpHelperFailures, LeaveTheConnectionListAsItWas) {
    TListConnexion connections;
    connections.Add(std::make_unique<TConnexion>());
    ScriptedHelper helper;
    helper.adapters.resize(1);
    helper.loads = false;
    int count = 7;
    TAdaptorRows rows(2);
    EXPECT_EQ(ReadAdaptorRows(helper, count, rows), 50);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(rows.size(), 2u);
    LoadConnections(helper, connections);
    helper.loads = true;
    helper.result = 232;
    EXPECT_EQ(ReadAdaptorRows(helper, count, rows), 232);
    EXPECT_EQ(count, 0);
    LoadConnections(helper, connections);
    EXPECT_EQ(connections.Count(), 1);
}

TEST(IpHelperRows, FixedFieldsAreTrimmedAndTheRowsGrowPastFour) {
    ScriptedHelper helper;
    for (std::uint32_t i = 0; i < 9; ++i) {
        platform::IpAdapterInfo adapter;
        adapter.adapterName =
            std::string(" {GUID-") + std::to_string(i) + "}\t" + std::string(20, '\0');
        adapter.description = std::string("Carte ") + std::to_string(i) + std::string(5, '\0');
        adapter.index = i;
        adapter.currentIpAddress = platform::IpAddrString{"10.0.0.1", "255.0.0.0"};
        helper.adapters.push_back(adapter);
    }
    int count = 0;
    TAdaptorRows rows;
    ASSERT_EQ(ReadAdaptorRows(helper, count, rows), 0);
    ASSERT_EQ(count, 9);
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[8].AdapterName, "{GUID-8}");
    EXPECT_EQ(rows[8].Description, "Carte 8");
    EXPECT_EQ(rows[8].CurrentIPAddress, "10.0.0.1");
    EXPECT_EQ(rows[8].CurrentIPMask, "255.0.0.0");
    EXPECT_EQ(rows[8].DNSServerCount, 0);
}

} // namespace
} // namespace norvane::test
