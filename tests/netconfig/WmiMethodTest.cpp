#include "netconfig/WmiMethod.h"

#include "SimulatedMachineFixture.h"
#include "netconfig/WmiException.h"
#include "netconfig/WmiQuery.h"
#include "netconfig/platform/memory/MemoryObject.h"

namespace norvane::test {
namespace {

using platform::Variant;

class WmiMethodTest : public SimulatedMachineFixture {
protected:
    // The data module's objects, on the adapter configuration with Index 7.
    void open(const std::string& machine = StandardMachine) {
        writeMachine(machine);
        connection = std::make_unique<TWmiConnection>(service(), "WmiConnection1");
        adapters.SetConnection(connection.get());
        adapters.SetWQL({"SELECT * FROM Win32_NetworkAdapterConfiguration where IPEnabled=true"});
        adapters.Open();
        method.SetWmiObjectSource(&adapters);
        method.Privileges() = AllWmiPrivileges();
    }

    std::string addressOf(const char* index) {
        adapters.Close();
        adapters.Open();
        EXPECT_TRUE(adapters.Locate("Index", Variant(index)));
        return adapters.FieldByName("IPAddress").AsString();
    }

    std::unique_ptr<TWmiConnection> connection;
    TWmiQuery adapters{"WmiAdapters"};
    TWmiMethod method{"WmiMethod1"};
};

TEST_F(WmiMethodTest, EnableStaticSendsEachAddressAsAnArrayOfOne) {
    open();
    method.SetWmiMethodName("EnableStatic");
    ASSERT_EQ(method.InParams().Count(), 2);
    EXPECT_EQ(method.InParams().Items(0).Name(), "IPAddress");
    EXPECT_EQ(method.InParams().Items(1).Name(), "SubnetMask");
    EXPECT_EQ(method.InParams().Items(0).DataType(), TFieldKind::ftVariant);
    EXPECT_TRUE(method.InParams().Items(0).IsNull());

    method.InParams().ParamByName("ipaddress").SetAsString("10.0.0.5");
    method.InParams().ParamByName("SubnetMask").SetAsString("255.0.0.0");
    EXPECT_EQ(method.InParams().ParamByName("IPAddress").DataType(), TFieldKind::ftWideString);
    EXPECT_EQ(method.Execute(), 0);
    EXPECT_EQ(method.LastWmiError(), 0);
    EXPECT_EQ(method.OutParams().ParamByName("ReturnValue").AsString(), "0");
    EXPECT_EQ(journalLines(),
              (std::vector<std::string>{R"({"call":"EnableStatic","Index":7,"in":{"IPAddress":)"
                                        R"(["10.0.0.5"],"SubnetMask":["255.0.0.0"]}})"}));
    EXPECT_EQ(addressOf("7"), "{10.0.0.5}");
}

TEST_F(WmiMethodTest, SameNameKeepsValuesAnotherNameRebuildsThem) {
    open();
    method.SetWmiMethodName("SetGateways");
    method.InParams().ParamByName("DefaultIPGateway").SetAsString("10.0.0.1");
    method.SetWmiMethodName("SetGateways");
    EXPECT_EQ(method.InParams().ParamByName("DefaultIPGateway").AsString(), "10.0.0.1");

    method.SetWmiMethodName("EnableStatic");
    method.SetWmiMethodName("SetGateways");
    EXPECT_EQ(method.InParams().Count(), 2);
    EXPECT_TRUE(method.InParams().ParamByName("DefaultIPGateway").IsNull());
}

TEST_F(WmiMethodTest, OnlyParametersThatWereSetAreSentAnEmptyTextIncluded) {
    open();
    method.SetWmiMethodName("SetGateways");
    method.InParams().ParamByName("DefaultIPGateway").SetAsString("");
    method.Execute();
    EXPECT_EQ(journalLines().at(0),
              R"({"call":"SetGateways","Index":7,"in":{"DefaultIPGateway":[""]}})");
    EXPECT_EQ(method.LastWmiError(), 71); // the simulated service refuses the empty address
}

TEST_F(WmiMethodTest, AnArrayValueKeepsItsElementsAndBounds) {
    open();
    method.SetWmiMethodName("SetDNSServerSearchOrder");
    method.InParams().Items(0).SetValue(
        Variant::Array({Variant("1.1.1.1"), Variant("8.8.8.8")}, 1));
    EXPECT_EQ(method.Execute(), 0);
    EXPECT_EQ(journalLines().at(0), R"({"call":"SetDNSServerSearchOrder","Index":7,"in":)"
                                    R"({"DNSServerSearchOrder":["1.1.1.1","8.8.8.8"]}})");
}

TEST_F(WmiMethodTest, WithoutACurrentObjectThereAreNoParameters) {
    open();
    adapters.Close();
    method.SetWmiMethodName("EnableStatic");
    EXPECT_EQ(method.InParams().Count(), 0);
    EXPECT_EQ(MessageOf<Exception>([&] { method.InParams().ParamByName("IPAddress"); }),
              "WmiMethod1: Paramètres 'IPAddress' non trouvés");

    method.SetWmiMethodName("Reboot"); // not a method of the class
    adapters.Open();
    EXPECT_EQ(method.InParams().Count(), 0);
}

TEST_F(WmiMethodTest, ExecuteNeedsASourceAnObjectAndAName) {
    TWmiMethod orphan("WmiMethod1");
    EXPECT_EQ(MessageOf<TWmiException>([&] { orphan.Execute(); }),
              "WmiObjectSource property is not assigned. Cannot execute method of non existing "
              "object.");
    open();
    EXPECT_EQ(MessageOf<TWmiException>([&] { method.Execute(); }),
              "WmiMethodName is not specified. Cannot execute unknown method.");
    method.SetWmiMethodName(" ");
    EXPECT_EQ(MessageOf<TWmiException>([&] { method.Execute(); }),
              "WmiMethodName is not specified. Cannot execute unknown method.");
    adapters.Close();
    EXPECT_EQ(MessageOf<TWmiException>([&] { method.Execute(); }),
              "WmiObjectSource does not return the object. Cannot execute method of non existing "
              "object.");
    EXPECT_TRUE(journalLines().empty());
}

struct ReturnCase {
    const char* settings;
    int expected;
};

class WmiMethodReturnTest : public WmiMethodTest,
                            public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(WmiMethodReturnTest, ReturnValueIsOnlyReported) {
    std::string machine = StandardMachine;
    machine.insert(machine.rfind('}'),
                   std::string(R"(, "methods": {"EnableStatic": )") + GetParam().settings + "}");
    open(machine);
    method.SetWmiMethodName("EnableStatic");
    method.InParams().ParamByName("IPAddress").SetAsString("10.0.0.5");
    method.InParams().ParamByName("SubnetMask").SetAsString("255.0.0.0");
    EXPECT_EQ(method.Execute(), GetParam().expected);
    EXPECT_EQ(method.LastWmiError(), GetParam().expected);
    EXPECT_EQ(addressOf("7"), "{192.168.1.10, fe80::1}"); // refused: nothing changed
}

INSTANTIATE_TEST_SUITE_P(Settings, WmiMethodReturnTest,
                         ::testing::Values(ReturnCase{R"({"ReturnValue": 66})", 66},
                                           ReturnCase{R"({"ReturnValue": null})", 0},
                                           ReturnCase{R"({"omitReturnValue": true})", -1}));

TEST_F(WmiMethodTest, FailedCallRaisesWithItsCode) {
    std::string machine = StandardMachine;
    machine.insert(machine.rfind('}'), R"(, "methods": {"SetGateways": {"failWith": "80041008"}})");
    open(machine);
    method.SetWmiMethodName("SetGateways");
    method.InParams().ParamByName("DefaultIPGateway").SetAsString("10.0.0.1");
    try {
        method.Execute();
        FAIL() << "no failure";
    } catch (const TWmiException& e) {
        EXPECT_EQ(e.ErrorCode(), 0x80041008u);
        EXPECT_STREQ(e.what(), "80041008: One of the parameters to the call is not correct.");
    }
}

TEST_F(WmiMethodTest, PrivilegesComeFromTheSetAndFromTheMethodQualifier) {
    std::string machine = StandardMachine;
    machine.insert(machine.rfind('}'),
                   R"(, "methods": {"EnableStatic": {"privileges": )"
                   R"(["SeShutdownPrivilege", "sebackupprivilege", "SeUnknownPrivilege"]}})");
    open(machine);
    method.Privileges().clear();
    method.SetWmiMethodName("EnableStatic");
    ASSERT_EQ(method.WmiMethodQualifiers().size(), 2u); // Implemented, Privileges
    method.Execute();
    auto target =
        std::dynamic_pointer_cast<platform::memory::MemoryObject>(adapters.GetWmiObject());
    EXPECT_EQ(target->privileges(), (std::set<int>{16, 18}));

    method.Privileges() = AllWmiPrivileges();
    method.Execute();
    EXPECT_EQ(target->privileges().size(), 26u);
    EXPECT_EQ(*target->privileges().begin(), 1);
}

} // namespace
} // namespace norvane::test
