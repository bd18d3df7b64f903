#include "netconfig/WmiLateBound.h"

#include "SimulatedMachineFixture.h"
#include "netconfig/SystemErrorText.h"

namespace norvane::test {
namespace {

using platform::Variant;

class WmiLateBoundTest : public SimulatedMachineFixture {
protected:
    // The DNS step: every configuration with this index gets the server list.
    std::vector<Variant> setDnsOn(int index, const Variant& servers) {
        auto services = BindMoniker(service(), "winmgmts:\\\\.\\root\\cimv2");
        const Variant result =
            DispatchCall(*services, "ExecQuery",
                         {Variant("Select * from Win32_NetworkAdapterConfiguration where Index=" +
                                  std::to_string(index))});
        std::vector<Variant> results;
        ForEachElement(*result.asDispatch(), [&](const Variant& object) {
            results.push_back(
                DispatchCall(*object.asDispatch(), "SetDNSServerSearchOrder", {servers}));
        });
        return results;
    }
};

TEST_F(WmiLateBoundTest, CallsByNameThroughTheMoniker) {
    const auto results =
        setDnsOn(12, Variant::Array({Variant("192.168.1.1"), Variant("8.8.8.8")}, 1));
    EXPECT_EQ(results, std::vector<Variant>{Variant(std::int64_t{0})});
    setDnsOn(12, Variant::Omitted());
    EXPECT_EQ(journalLines(),
              (std::vector<std::string>{
                  R"({"call":"SetDNSServerSearchOrder","Index":12,"in":{"DNSServerSearchOrder":)"
                  R"(["192.168.1.1","8.8.8.8"]}})",
                  R"({"call":"SetDNSServerSearchOrder","Index":12,"in":{}})"}));
    EXPECT_TRUE(setDnsOn(99, Variant::Omitted()).empty());
}

TEST_F(WmiLateBoundTest, FailuresCarryTheirTexts) {
    auto services = BindMoniker(service(), "winmgmts:\\\\.\\root\\cimv2");
    EXPECT_EQ(MessageOf<EDispatchError>([&] { DispatchCall(*services, "Frobnicate"); }),
              "Méthode 'Frobnicate' non supportée par l'objet Automation");
    // Wine has no text for this code, Windows does.
    const std::string syntax = SystemErrorText(0x800401E4);
    EXPECT_EQ(MessageOf<EDispatchError>([&] { BindMoniker(service(), "nothing:at all"); }),
              syntax.empty() ? "Erreur OLE 800401e4" : syntax);
    EXPECT_EQ(MessageOf<EDispatchError>([&] { BindMoniker(service(), "winmgmts:root\\other"); }),
              "Erreur OLE 8004100e");
    EXPECT_EQ(MessageOf<EDispatchError>([&] {
                  DispatchCall(*services, "ExecQuery", std::vector<Variant>(65, Variant("x")));
              }),
              "Les méthodes Dispatch ne gèrent pas plus de 64 paramètres");
}

TEST_F(WmiLateBoundTest, ObjectExceptionsGiveTheirDescriptionAndCode) {
    std::string machine = StandardMachine;
    machine.insert(machine.rfind('}'),
                   R"(, "methods": {"SetDNSServerSearchOrder": {"exception": )"
                   R"({"code": "0x80041001", "description": "Generic failure . \r\n"}}})");
    writeMachine(machine);
    try {
        setDnsOn(7, Variant::Omitted());
        FAIL() << "no failure";
    } catch (const EDispatchError& e) {
        EXPECT_STREQ(e.what(), "Generic failure");
        EXPECT_EQ(e.ErrorCode(), 0x80041001u);
    }
    EXPECT_EQ(journalLines().size(), 1u); // the call reached the service
}

TEST_F(WmiLateBoundTest, ConfiguredBindFailure) {
    writeMachine(R"({"adapters": [], "failures": {"bind": "0x80070005"}})");
    EXPECT_EQ(MessageOf<EDispatchError>([&] { BindMoniker(service(), "winmgmts:"); }),
              SystemErrorText(0x80070005));
}

} // namespace
} // namespace norvane::test
