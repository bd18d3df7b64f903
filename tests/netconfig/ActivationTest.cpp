// Applying a profile, observed through the simulated machine's journal.
#include "DataModuleFixture.h"
#include "netconfig/activate.h"

#include <functional>

namespace norvane::test {
namespace {

// What the windows would do, recorded.
class RecordingHost : public IActivationHost {
public:
    TCursor Cursor() const override { return cursor; }
    void SetCursor(TCursor value) override { cursor = value; }
    void ProcessMessages() override {
        ++messages;
        if (onMessages)
            onMessages();
    }
    void RefreshProfileList() override { ++refreshes; }

    TCursor cursor = TCursor::Default;
    int messages = 0;
    int refreshes = 0;
    std::function<void()> onMessages;
};

// Profiles over the standard machine: "Connexion au réseau local" is adapter
// 7, "Wi-Fi" adapter 12, "Connexion 2" adapter 70 (TCP/IP disabled).
const char* const Profiles =
    "1,Bureau,Connexion au réseau local,7,192.168.1.50,255.255.255.0,"
    "192.168.1.1,192.168.1.1,8.8.8.8,0,0,0,0\r\n"
    "2,Maison,Wi-Fi,12,,,,,,1,1,1,0\r\n"
    "3,Gare,Wi-Fi,12,,,,10.0.0.1,10.0.0.2,1,0,2,1\r\n"
    "4,Labo,Connexion au réseau local,7,192.168.1.60,255.255.255.0,,,,0,1,3,0\r\n"
    "5,Hotel,Connexion au réseau local,7,192.168.1.70,255.255.255.0,"
    "192.168.1.1,,9.9.9.9,0,0,4,0\r\n"
    "6,Relais,Wi-Fi,12,,,,1.1.1.1,,1,0,5,0\r\n"
    "7,Annexe,Connexion 2,70,,,,,,1,1,6,0\r\n"
    "8,Fantome,Inconnue,7,,,,,,1,1,7,0\r\n"
    "9,Neuf,Wi-Fi,,,,,,,1,1,8,0\r\n";

const std::string LanAddress =
    R"({"call":"netsh","args":["interface","ip","set","address","Connexion au réseau local","source=dhcp"]})";
const std::string LanDns =
    R"({"call":"netsh","args":["interface","ip","set","dns","Connexion au réseau local","source=dhcp"]})";
const std::string WifiAddress =
    R"({"call":"netsh","args":["interface","ip","set","address","Wi-Fi","source=dhcp"]})";
const std::string WifiDns =
    R"({"call":"netsh","args":["interface","ip","set","dns","Wi-Fi","source=dhcp"]})";

class ActivationTest : public DataModuleFixture {
protected:
    void SetUp() override {
        DataModuleFixture::SetUp();
        writeProfiles(Profiles);
        openAll();
        activation = std::make_unique<TProfileActivation>(module(), host);
    }

    // Makes a profile current the way the list selection does, then activates it.
    void activate(std::int32_t id) {
        ASSERT_TRUE(module().profils.Locate("id_prof", id));
        activation->ActivateCurrentProfile();
    }

    std::string activeMarks() {
        Tdatamod& dm = module();
        std::string marks;
        for (dm.profils.First(); !dm.profils.Eof(); dm.profils.Next())
            marks += dm.profilsACTIVE.AsString();
        return marks;
    }

    RecordingHost host;
    std::unique_ptr<TProfileActivation> activation;
};

struct ActivationCase {
    const char* name;
    std::int32_t id;
    std::vector<std::string> journal;
};

void PrintTo(const ActivationCase& c, std::ostream* out) {
    *out << c.name;
}

class ActivationCases : public ActivationTest,
                        public ::testing::WithParamInterface<ActivationCase> {};

TEST_P(ActivationCases, AppliesTheProfileThenMarksItAlone) {
    const ActivationCase& c = GetParam();
    activate(c.id);
    EXPECT_EQ(journalLines(), c.journal);
    // The table stands on the activated profile when the list is rebuilt.
    EXPECT_EQ(module().profilsID_PROF.AsInteger(), c.id);
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(host.cursor, TCursor::Default);
    std::string expected(9, '0');
    expected[static_cast<std::size_t>(c.id - 1)] = '1';
    EXPECT_EQ(activeMarks(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, ActivationCases,
    ::testing::Values(
        ActivationCase{
            "DhcpWithAutomaticDns",
            2,
            {WifiAddress, WifiDns, R"({"call":"SetDNSServerSearchOrder","Index":12,"in":{}})"}},
        ActivationCase{"DhcpWithTwoDnsServers",
                       3,
                       {WifiAddress, R"({"call":"SetDNSServerSearchOrder","Index":12,"in":)"
                                     R"({"DNSServerSearchOrder":["10.0.0.1","10.0.0.2"]}})"}},
        ActivationCase{
            "StaticWithGateway",
            1,
            {R"({"call":"EnableStatic","Index":7,"in":{"IPAddress":["192.168.1.50"],)"
             R"("SubnetMask":["255.255.255.0"]}})",
             R"({"call":"SetGateways","Index":7,"in":{"DefaultIPGateway":["192.168.1.1"]}})",
             R"({"call":"SetDNSServerSearchOrder","Index":7,"in":)"
             R"({"DNSServerSearchOrder":["192.168.1.1","8.8.8.8"]}})"}},
        ActivationCase{"StaticWithoutGatewaySwitchesToDhcpFirst",
                       4,
                       {LanAddress, LanDns,
                        R"({"call":"EnableStatic","Index":7,"in":{"IPAddress":["192.168.1.60"],)"
                        R"("SubnetMask":["255.255.255.0"]}})",
                        R"({"call":"SetDNSServerSearchOrder","Index":7,"in":{}})"}},
        ActivationCase{
            "OnlyTheAlternateDnsIsSentAlone",
            5,
            {R"({"call":"EnableStatic","Index":7,"in":{"IPAddress":["192.168.1.70"],)"
             R"("SubnetMask":["255.255.255.0"]}})",
             R"({"call":"SetGateways","Index":7,"in":{"DefaultIPGateway":["192.168.1.1"]}})",
             R"({"call":"SetDNSServerSearchOrder","Index":7,"in":)"
             R"({"DNSServerSearchOrder":["9.9.9.9"]}})"}},
        ActivationCase{"OnlyThePreferredDns",
                       6,
                       {WifiAddress, R"({"call":"SetDNSServerSearchOrder","Index":12,"in":)"
                                     R"({"DNSServerSearchOrder":["1.1.1.1"]}})"}}),
    [](const ::testing::TestParamInfo<ActivationCase>& param) { return param.param.name; });

TEST_F(ActivationTest, TheSecondOfThreeProfilesBecomesTheOnlyActiveOne) {
    writeProfiles("1,Un,Wi-Fi,12,,,,,,1,1,0,1\r\n"
                  "2,Deux,Wi-Fi,12,,,,,,1,1,0,0\r\n"
                  "3,Trois,Wi-Fi,12,,,,,,1,1,0,1\r\n");
    module().profils.Close();
    module().profils.Open();
    activate(2);
    EXPECT_EQ(module().profilsID_PROF.AsInteger(), 2);
    EXPECT_EQ(activeMarks(), "010");
}

// A refused step stops the activation where it is: nothing later runs and the
// marks stay as they were.
struct RefusalCase {
    const char* name;
    const char* methods; // the machine's method settings
    std::int32_t id;
    const char* message;
    std::vector<std::string> calls; // the journal's "call" values
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class RefusedSteps : public ActivationTest, public ::testing::WithParamInterface<RefusalCase> {};

std::vector<std::string> callsOf(const std::vector<std::string>& journal) {
    std::vector<std::string> calls;
    for (const auto& line : journal) {
        const auto start = line.find(R"("call":")") + 8;
        calls.push_back(line.substr(start, line.find('"', start) - start));
    }
    return calls;
}

TEST_P(RefusedSteps, StopTheActivationWithTheStepConnectionAndCode) {
    const RefusalCase& c = GetParam();
    std::string machine = StandardMachine;
    machine.insert(machine.rfind('}'), std::string(R"(, "methods": )") + c.methods);
    writeMachine(machine);
    ASSERT_TRUE(module().profils.Locate("id_prof", c.id));
    EXPECT_EQ(MessageOf<Exception>([&] { activation->ActivateCurrentProfile(); }), c.message);
    EXPECT_EQ(callsOf(journalLines()), c.calls);
    EXPECT_EQ(activeMarks(), "001000000");
    EXPECT_EQ(host.refreshes, 0);
    EXPECT_EQ(host.cursor, TCursor::Default);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusedSteps,
    ::testing::Values(
        RefusalCase{"NetshExitsNonZero",
                    "{}",
                    8,
                    "L'étape netsh interface ip set address a échoué pour la connexion "
                    "'Inconnue' (code 1).",
                    {}},
        RefusalCase{"EnableStaticReturnValue",
                    R"({"EnableStatic": {"ReturnValue": 70}})",
                    1,
                    "L'étape EnableStatic a échoué pour la connexion 'Connexion au réseau "
                    "local' (code 70).",
                    {"EnableStatic"}},
        RefusalCase{"SetGatewaysWithoutReturnValue",
                    R"({"SetGateways": {"omitReturnValue": true}})",
                    1,
                    "L'étape SetGateways a échoué pour la connexion 'Connexion au réseau "
                    "local' (code -1).",
                    {"EnableStatic", "SetGateways"}},
        RefusalCase{"DnsReturnValue",
                    R"({"SetDNSServerSearchOrder": {"ReturnValue": 84}})",
                    2,
                    "L'étape SetDNSServerSearchOrder a échoué pour la connexion 'Wi-Fi' "
                    "(code 84).",
                    {"netsh", "netsh", "SetDNSServerSearchOrder"}},
        RefusalCase{"DnsException",
                    R"({"SetDNSServerSearchOrder": {"exception": {"code": "0x80041001", )"
                    R"("description": "Generic failure"}}})",
                    3,
                    "L'étape SetDNSServerSearchOrder a échoué pour la connexion 'Wi-Fi' : "
                    "Generic failure",
                    {"netsh", "SetDNSServerSearchOrder"}},
        RefusalCase{"MethodFailureCall",
                    R"({"EnableStatic": {"failWith": "80041008"}})",
                    1,
                    "80041008: One of the parameters to the call is not correct.",
                    {"EnableStatic"}}),
    [](const ::testing::TestParamInfo<RefusalCase>& param) { return param.param.name; });

TEST_F(ActivationTest, ReturnValueOneMeansDoneAfterARestart) {
    std::string machine = StandardMachine;
    machine.insert(machine.rfind('}'),
                   R"(, "methods": {"EnableStatic": {"ReturnValue": 1}, "SetGateways": )"
                   R"({"ReturnValue": 1}, "SetDNSServerSearchOrder": {"ReturnValue": 1}})");
    writeMachine(machine);
    activate(1);
    EXPECT_EQ(activeMarks(), "100000000");
}

class FailingToStart : public platform::ICommandRunner {
public:
    platform::CommandOutcome run(const std::string& line) override {
        lines.push_back(line);
        return {false, 2};
    }
    std::vector<std::string> lines;
};

TEST_F(ActivationTest, ACommandThatCannotStartStopsTheActivation) {
    auto runner = std::make_unique<FailingToStart>();
    FailingToStart& seen = *runner;
    module().Platform().commandRunner = std::move(runner);
    ASSERT_TRUE(module().profils.Locate("id_prof", 2));
    EXPECT_EQ(MessageOf<Exception>([&] { activation->ActivateCurrentProfile(); }),
              "L'étape netsh interface ip set address n'a pas pu être lancée pour la "
              "connexion 'Wi-Fi' (code 2).");
    EXPECT_EQ(seen.lines,
              std::vector<std::string>{"netsh interface ip set address \"Wi-Fi\" source=dhcp"});
    EXPECT_TRUE(journalLines().empty());
    EXPECT_EQ(activeMarks(), "001000000");
}

// Without a TCP/IP configuration for the profile's adapter nothing is changed,
// whatever row WmiAdapters stood on before.
TEST_F(ActivationTest, AMissingAdapterStopsBeforeAnyChange) {
    const struct {
        std::int32_t id;
        const char* message;
    } cases[] = {
        {7, "La connexion 'Connexion 2' n'a pas de configuration TCP/IP active (carte 70 "
            "introuvable)."},
        {9, "La connexion 'Wi-Fi' n'a pas de configuration TCP/IP active (carte  "
            "introuvable)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        ASSERT_TRUE(module().profils.Locate("id_prof", c.id));
        EXPECT_EQ(MessageOf<Exception>([&] { activation->ActivateCurrentProfile(); }), c.message);
    }
    module().WmiAdapters.Close();
    ASSERT_TRUE(module().profils.Locate("id_prof", 2));
    EXPECT_EQ(MessageOf<Exception>([&] { activation->ActivateCurrentProfile(); }),
              "La connexion 'Wi-Fi' n'a pas de configuration TCP/IP active (carte 12 "
              "introuvable).");
    EXPECT_TRUE(journalLines().empty());
    EXPECT_EQ(activeMarks(), "001000000");
}

// Messages handled between the steps may start another activation or move
// the table (a list selection, a rebuild of the list); neither changes what
// the running activation applies or marks.
TEST_F(ActivationTest, MessagesHandledMeanwhileCannotNestOrRedirectIt) {
    std::vector<std::string> refusals;
    host.onMessages = [&] {
        if (!refusals.empty())
            return;
        refusals.push_back(MessageOf<Exception>([&] { activation->ActivateCurrentProfile(); }));
        module().profils.First(); // stands WmiAdapters on adapter 7
    };
    activate(4); // static without gateway on adapter 7 ...
    EXPECT_EQ(refusals, std::vector<std::string>{"Une activation est déjà en cours."});
    EXPECT_EQ(callsOf(journalLines()), (std::vector<std::string>{"netsh", "netsh", "EnableStatic",
                                                                 "SetDNSServerSearchOrder"}));
    EXPECT_EQ(activeMarks(), "000100000");

    host.onMessages = [&] { module().profils.First(); };
    activate(2); // ... and a DHCP profile on adapter 12 after the table moved to profile 1
    EXPECT_NE(journalLines().back().find(R"("Index":12)"), std::string::npos);
    EXPECT_EQ(activeMarks(), "010000000");
    EXPECT_FALSE(activation->Running());
}

TEST_F(ActivationTest, AProfileDeletedMeanwhileIsNotMarkedInItsPlace) {
    host.onMessages = [&] {
        if (module().profils.Locate("id_prof", 2))
            module().profils.Delete();
    };
    ASSERT_TRUE(module().profils.Locate("id_prof", 2));
    EXPECT_EQ(MessageOf<Exception>([&] { activation->ActivateCurrentProfile(); }),
              "Le profil 2 a été supprimé pendant son activation.");
    EXPECT_EQ(activeMarks(), "01000000"); // profile 3, the active one, is second now
}

TEST_F(ActivationTest, BusyCursorWhileApplyingAndPendingMessagesBetweenSteps) {
    std::vector<TCursor> seen;
    host.onMessages = [&] { seen.push_back(host.cursor); };
    activate(2);
    EXPECT_EQ(seen, std::vector<TCursor>(5, TCursor::HourGlass));
    EXPECT_EQ(host.cursor, TCursor::Default);
}

TEST_F(ActivationTest, AConnectionNameThatWouldChangeTheCommandIsRefused) {
    writeProfiles("1,Un,\"Wi-Fi\"\" source=static\",12,,,,,,1,1,0,0\r\n");
    module().profils.Close();
    module().profils.Open();
    EXPECT_EQ(MessageOf<Exception>([&] { activation->ActivateCurrentProfile(); }),
              "Nom de connexion invalide : 'Wi-Fi\" source=static'.");
    EXPECT_TRUE(journalLines().empty());
}

} // namespace
} // namespace norvane::test
