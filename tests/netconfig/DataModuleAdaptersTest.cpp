// The data module's management-service objects and the after-scroll join of
// a profile to its adapter configuration.
#include "DataModuleFixture.h"

namespace norvane::test {
namespace {

// IP-enabled configurations whose indexes share digits: 120, 1, 12.
const char* const LookalikeMachine = R"({"adapters": [
  {"Index": 120, "NetConnectionID": "A", "AdapterType": "Ethernet 802.3", "IPEnabled": true},
  {"Index": 1, "NetConnectionID": "B", "AdapterType": "Ethernet 802.3", "IPEnabled": true},
  {"Index": 12, "NetConnectionID": "C", "AdapterType": "Ethernet 802.3", "IPEnabled": true},
  {"Index": 5, "NetConnectionID": "D", "AdapterType": "Ethernet 802.3", "IPEnabled": false}
]})";

class DataModuleAdapters : public DataModuleFixture {
protected:
    void SetUp() override {
        DataModuleFixture::SetUp();
        writeMachine(LookalikeMachine);
        writeProfiles("1,Un,C,12,,,,,,1,1,0,0\r\n"
                      "2,Deux,B,1,,,,,,1,1,0,0\r\n"
                      "3,Trois,D,5,,,,,,1,1,0,0\r\n");
    }
};

TEST_F(DataModuleAdapters, ObjectsAreSetUpAsTheProgramUsesThem) {
    Tdatamod& dm = module();
    EXPECT_EQ(dm.WmiConnection1.NameSpace(), "root\\cimv2");
    EXPECT_EQ(dm.wqConfigurations.WQLText(),
              "SELECT *  FROM Win32_NetworkAdapter \r\nWHERE AdapterType = 'Ethernet 802.3'\r\n");
    EXPECT_EQ(dm.WmiAdapters.WQLText(),
              "SELECT * FROM Win32_NetworkAdapterConfiguration where IPEnabled=true\r\n");
    EXPECT_EQ(dm.wqConfigurations.Connection(), &dm.WmiConnection1);
    EXPECT_EQ(dm.WmiAdapters.Connection(), &dm.WmiConnection1);
    EXPECT_EQ(dm.dsConfigurations.DataSet(), &dm.wqConfigurations);
    EXPECT_EQ(dm.dsWmiAdapters.DataSet(), &dm.WmiAdapters);
    EXPECT_EQ(dm.WmiMethod1.WmiObjectSource(), &dm.WmiAdapters);
    EXPECT_EQ(dm.WmiMethod1.Privileges().size(), 26u);
    EXPECT_FALSE(dm.WmiAdapters.Active());

    openAll();
    EXPECT_EQ(dm.wqConfigurations.RecordCount(), 4);
    EXPECT_EQ(dm.WmiAdapters.RecordCount(), 3);
}

// Each move of the table stands WmiAdapters on the row whose Index reads
// exactly as the profile's CONNEXION; a profile without one leaves it put.
TEST_F(DataModuleAdapters, EveryMoveJoinsTheProfileToItsAdapter) {
    openAll();
    Tdatamod& dm = module();
    dm.profils.First();
    EXPECT_EQ(currentAdapter(), "12");
    dm.profils.Next();
    EXPECT_EQ(currentAdapter(), "1");
    dm.profils.Next(); // adapter 5 has TCP/IP disabled: stays on 1
    EXPECT_EQ(currentAdapter(), "1");
    dm.profils.First();
    dm.profils.Append(); // a new row's empty CONNEXION joins nothing
    EXPECT_EQ(currentAdapter(), "12");
    dm.profils.Cancel();

    dm.profils.Locate("id_prof", 2); // no after-scroll: the activation locates itself
    EXPECT_EQ(currentAdapter(), "12");
    EXPECT_TRUE(dm.LocateProfileAdapter());
    EXPECT_EQ(currentAdapter(), "1");
}

TEST_F(DataModuleAdapters, MovesWhileTheQueryIsClosedOnlyMoveTheTable) {
    Tdatamod& dm = module();
    dm.profils.Open();
    EXPECT_NO_THROW(dm.profils.First());
    EXPECT_NO_THROW(dm.profils.Next());
    EXPECT_EQ(dm.profilsID_PROF.AsInteger(), 2);
}

TEST_F(DataModuleAdapters, NoIpEnabledAdapterJoinsNothing) {
    writeMachine(R"({"adapters": [{"Index": 12, "IPEnabled": false}]})");
    openAll();
    Tdatamod& dm = module();
    EXPECT_NO_THROW(dm.profils.First());
    EXPECT_FALSE(dm.LocateProfileAdapter());
    EXPECT_EQ(dm.WmiAdapters.FieldCount(), 0);
}

} // namespace
} // namespace norvane::test
