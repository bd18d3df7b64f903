// Runs inside the network namespace that linux_apply_test.sh makes, as root
// or as nobody; the script checks the namespace with ip afterwards. The
// interface to change is NORVANE_TEST_INTERFACE. Our state goes where the
// program keeps it, so that the companion netsh shares it; the script
// removes this namespace's part afterwards.
#include "netconfig/WmiConnection.h"
#include "netconfig/WmiException.h"
#include "netconfig/WmiLateBound.h"
#include "netconfig/WmiMethod.h"
#include "netconfig/WmiQuery.h"
#include "netconfig/activate.h"
#include "netconfig/platform/Platform.h"
#include "netconfig/platform/linux/LinuxDhcp.h"
#include "netconfig/platform/linux/LinuxNetwork.h"
#include "netconfig/platform/linux/NetlinkWriter.h"
#include "netconfig/platform/memory/MemoryManagementService.h"
#include "store/database.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <net/if.h>
#include <unistd.h>

namespace norvane {
namespace {

using platform::Variant;
using platform::linux_backend::SystemPaths;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : value;
}

// The adapter configuration query and method invoker, as the data module
// holds them, standing on the test interface's row.
class Namespace : public ::testing::Test {
protected:
    void SetUp() override {
        interface_ = environment("NORVANE_TEST_INTERFACE");
        if (interface_.empty())
            GTEST_SKIP() << "runs only inside the namespace of linux_apply_test.sh";
        open(paths_);
    }

    void open(const SystemPaths& paths) {
        service_ = std::make_unique<platform::memory::MemoryManagementService>(
            std::make_shared<platform::linux_backend::LinuxNetwork>(paths));
        connection_ = std::make_unique<TWmiConnection>(*service_, "WmiConnection1");
        connection_->Open();
        adapters_ = std::make_unique<TWmiQuery>("WmiAdapters");
        adapters_->SetConnection(connection_.get());
        adapters_->SetWQL({"SELECT * FROM Win32_NetworkAdapterConfiguration where IPEnabled=true"});
        adapters_->Open();
        method_ = std::make_unique<TWmiMethod>("WmiMethod1");
        method_->SetWmiObjectSource(adapters_.get());
        standOn(interface_);
    }

    void standOn(const std::string& name) {
        const unsigned index = if_nametoindex(name.c_str());
        ASSERT_NE(index, 0u) << name;
        ASSERT_TRUE(adapters_->Locate("index", Variant(std::to_string(index)))) << name;
    }

    int run(const std::string& name, const std::vector<std::pair<std::string, std::string>>& in) {
        method_->SetWmiMethodName(name);
        for (const auto& [parameter, value] : in)
            method_->InParams().ParamByName(parameter).SetAsString(value);
        return method_->Execute();
    }

    // Through the moniker, as the activation sets DNS servers.
    int setDns(const std::vector<std::string>& servers) {
        auto services = BindMoniker(*service_, "winmgmts:\\\\.\\root\\cimv2");
        const Variant result =
            DispatchCall(*services, "ExecQuery",
                         {Variant("Select * from Win32_NetworkAdapterConfiguration where Index=" +
                                  adapters_->FieldByName("Index").AsString())});
        Variant argument = Variant::Omitted();
        if (!servers.empty())
            argument = Variant::Array(std::vector<Variant>(servers.begin(), servers.end()), 1);
        int returnValue = -1;
        ForEachElement(*result.asDispatch(), [&](const Variant& object) {
            returnValue = static_cast<int>(
                DispatchCall(*object.asDispatch(), "SetDNSServerSearchOrder", {argument})
                    .asInteger());
        });
        return returnValue;
    }

    std::vector<platform::linux_backend::InterfaceAddress> addresses() {
        platform::linux_backend::NetlinkWriter netlink;
        return netlink.addresses(static_cast<int>(if_nametoindex(interface_.c_str())));
    }

    std::string interface_;
    SystemPaths paths_;
    std::unique_ptr<platform::memory::MemoryManagementService> service_;
    std::unique_ptr<TWmiConnection> connection_;
    std::unique_ptr<TWmiQuery> adapters_;
    std::unique_ptr<TWmiMethod> method_;
};

// Step 1 of the static case: the script then looks at addresses, routes and
// the namespace's resolv.conf.
TEST_F(Namespace, StaticProfileApplies) {
    EXPECT_EQ(run("EnableStatic", {{"IPAddress", "198.18.1.10"}, {"SubnetMask", "255.255.255.0"}}),
              0);
    EXPECT_EQ(run("SetGateways", {{"DefaultIPGateway", "198.18.1.1"}}), 0);
    EXPECT_EQ(setDns({"198.18.1.53", "198.18.1.54"}), 0);
}

// Step 2: a second static profile replaces the first one's settings.
TEST_F(Namespace, AnotherStaticProfileReplacesTheFirst) {
    EXPECT_EQ(run("EnableStatic", {{"IPAddress", "198.18.3.20"}, {"SubnetMask", "255.255.0.0"}}),
              0);
    EXPECT_EQ(run("SetGateways", {{"DefaultIPGateway", "198.18.3.1"}}), 0);
    EXPECT_EQ(setDns({"198.18.3.53"}), 0);
}

// Step 3: DNS back to automatic.
TEST_F(Namespace, DnsBackToAutomatic) {
    EXPECT_EQ(setDns({}), 0);
}

struct Refusal {
    const char* what;
    const char* method;
    std::vector<std::pair<std::string, std::string>> in;
    int returnValue;
};

class Refused : public Namespace, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refused, AnswersItsCodeAndChangesNothing) {
    const auto before = addresses();
    EXPECT_EQ(run(GetParam().method, GetParam().in), GetParam().returnValue);
    EXPECT_EQ(addresses(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Namespace, Refused,
    ::testing::Values(
        Refusal{"NotAnAddress",
                "EnableStatic",
                {{"IPAddress", "198.18.1.300"}, {"SubnetMask", "255.255.255.0"}},
                70},
        Refusal{"EmptyAddress", "EnableStatic", {{"IPAddress", ""}, {"SubnetMask", ""}}, 70},
        Refusal{"SubnetBroadcast",
                "EnableStatic",
                {{"IPAddress", "198.18.1.255"}, {"SubnetMask", "255.255.255.0"}},
                70},
        Refusal{"Loopback",
                "EnableStatic",
                {{"IPAddress", "127.0.0.2"}, {"SubnetMask", "255.0.0.0"}},
                70},
        Refusal{"HoleInMask",
                "EnableStatic",
                {{"IPAddress", "198.18.1.10"}, {"SubnetMask", "255.0.255.0"}},
                66},
        Refusal{"NoMask", "EnableStatic", {{"IPAddress", "198.18.1.10"}}, 66},
        Refusal{"BadGateway", "SetGateways", {{"DefaultIPGateway", "198.18.1"}}, 71},
        Refusal{
            "GatewayOutsideTheSubnets", "SetGateways", {{"DefaultIPGateway", "198.19.9.1"}}, 71}),
    [](const auto& test) { return std::string(test.param.what); });

TEST_F(Namespace, RefusedDnsServersLeaveTheResolverFileAlone) {
    std::ifstream before("/etc/resolv.conf");
    const std::string text{std::istreambuf_iterator<char>(before), {}};
    EXPECT_EQ(setDns({"198.18.1.53", "not.an.address"}), 70);
    std::ifstream after("/etc/resolv.conf");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(after), {}), text);
}

// Another connection's default route stays, and does not stop this one.
TEST_F(Namespace, GatewayBesideAnotherInterfacesDefaultRoute) {
    ASSERT_EQ(std::system("ip link add nvother-a type veth peer name nvother-b && "
                          "ip link set nvother-a up && ip addr add 198.19.5.2/24 dev nvother-a && "
                          "ip route replace default via 198.19.5.1 dev nvother-a metric 0"),
              0);
    EXPECT_EQ(run("SetGateways", {{"DefaultIPGateway", "198.18.0.254"}}), 0);
    const int both = std::system("ip -4 route show default | grep -q 'via 198.19.5.1 dev nvother-a'"
                                 " && ip -4 route show default | grep -q 'via 198.18.0.254 dev "
                                 "nvtest-a'");
    EXPECT_EQ(both, 0);
    ASSERT_EQ(std::system("ip link delete nvother-a"), 0);
}

TEST_F(Namespace, AManagedInterfaceIsRefusedNamingItsManager) {
    // A NetworkManager of this namespace, as /proc and /run would show it.
    const auto fake = std::filesystem::path(environment("NORVANE_TEST_SCRATCH")) / "fake";
    std::filesystem::create_directories(fake / "proc/77");
    std::filesystem::create_directory_symlink("/proc/self", fake / "proc/self");
    std::ofstream(fake / "proc/77/comm") << "NetworkManager\n";
    std::filesystem::create_directories(fake / "proc/77/ns");
    std::filesystem::create_symlink(std::filesystem::read_symlink("/proc/self/ns/net"),
                                    fake / "proc/77/ns/net");
    SystemPaths managed = paths_;
    managed.proc = (fake / "proc").string();
    managed.run = (fake / "run").string();
    open(managed);

    const auto before = addresses();
    try {
        run("EnableStatic", {{"IPAddress", "198.18.1.10"}, {"SubnetMask", "255.255.255.0"}});
        FAIL() << "no failure";
    } catch (const TWmiException& e) {
        EXPECT_EQ(std::string(e.what()),
                  "80041001: The interface " + interface_ +
                      " is managed by NetworkManager, which would undo this change; change it "
                      "there, or have NetworkManager leave the interface alone first");
    }
    EXPECT_EQ(addresses(), before);
    EXPECT_THROW(platform::linux_backend::SetAddressByDhcp(interface_, managed), Exception);
}

TEST_F(Namespace, AVanishedInterfaceIsNotFound) {
    ASSERT_EQ(std::system("ip link add nvgone-a type veth peer name nvgone-b && "
                          "ip link set nvgone-a up"),
              0);
    adapters_->Close();
    adapters_->Open();
    standOn("nvgone-a");
    ASSERT_EQ(std::system("ip link delete nvgone-a"), 0);
    try {
        run("EnableStatic", {{"IPAddress", "198.18.1.10"}, {"SubnetMask", "255.255.255.0"}});
        FAIL() << "no failure";
    } catch (const TWmiException& e) {
        EXPECT_STREQ(e.what(), "80041002: The object could not be found.");
    }
}

TEST_F(Namespace, DhcpNamingAMissingInterfaceSaysSo) {
    using platform::linux_backend::SetAddressByDhcp;
    using platform::linux_backend::SetDnsByDhcp;
    const std::function<void()> changes[] = {[&] { SetAddressByDhcp("nvmissing0", paths_); },
                                             [&] { SetDnsByDhcp("nvmissing0", paths_); }};
    for (const auto& change : changes) {
        try {
            change();
            FAIL() << "no failure";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "There is no network interface named \"nvmissing0\"");
        }
    }
}

// Run as nobody: every change is refused with access denied.
TEST_F(Namespace, UnprivilegedChangesAreDenied) {
    const auto before = addresses();
    EXPECT_EQ(run("EnableStatic", {{"IPAddress", "198.18.1.10"}, {"SubnetMask", "255.255.255.0"}}),
              91);
    EXPECT_EQ(run("SetGateways", {{"DefaultIPGateway", "198.18.0.254"}}), 91);
    EXPECT_EQ(setDns({"198.18.1.53"}), 91);
    EXPECT_EQ(setDns({}), 91);
    EXPECT_EQ(addresses(), before);
    try {
        platform::linux_backend::SetAddressByDhcp(interface_, paths_);
        FAIL() << "no failure";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), "Access denied: changing the network interface " +
                                             interface_ +
                                             " needs root or the CAP_NET_ADMIN capability");
    }
}

// The DHCP case: the script serves DHCP on the other end of the pair.
TEST_F(Namespace, DhcpProfileGetsItsAddress) {
    EXPECT_EQ(platform::linux_backend::SetAddressByDhcp(interface_, paths_),
              platform::linux_backend::DhcpAddress::Bound);
    platform::linux_backend::SetDnsByDhcp(interface_, paths_);
}

// What the windows would do, without windows.
class QuietHost : public IActivationHost {
public:
    TCursor Cursor() const override { return cursor_; }
    void SetCursor(TCursor cursor) override { cursor_ = cursor; }
    void ProcessMessages() override {}
    void RefreshProfileList() override {}

private:
    TCursor cursor_ = TCursor::Default;
};

// Profiles activated the way the program does it: the data module on the
// platform the program picks, the companion netsh beside this executable.
class Activation : public ::testing::Test {
protected:
    void SetUp() override {
        interface_ = environment("NORVANE_TEST_INTERFACE");
        if (interface_.empty())
            GTEST_SKIP() << "runs only inside the namespace of linux_apply_test.sh";
        directory_ = std::filesystem::temp_directory_path() /
                     ("norvane-activation-" + std::to_string(getpid()));
        std::filesystem::create_directories(directory_);
        const std::string index = std::to_string(if_nametoindex(interface_.c_str()));
        const std::string lan = interface_ + "," + index;
        std::ofstream(directory_ / "profils.csv", std::ios::binary)
            << "ID_PROF,NOM_PROF,CARTE_RESEAU,CONNEXION,ADRESSE_IP,MASK_RESEAU,"
               "PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO,IMAGE,ACTIVE\r\n"
            << "1,Bureau," << lan << ",198.18.1.10,255.255.255.0,198.18.1.1,198.18.1.53,"
            << "198.18.1.54,0,0,0,0\r\n"
            << "2,Maison," << lan << ",,,,,,1,1,1,0\r\n"
            << "3,Absente,nvmissing0,9999,,,,,,1,1,2,0\r\n"
            << "4,Labo," << lan << ",198.18.4.10,255.255.255.0,,,,0,1,3,0\r\n"
            << "5,Annexe," << lan << ",198.18.3.20,255.255.0.0,198.18.3.1,198.18.3.53,,0,0,4,0\r\n";
        module_ = std::make_unique<Tdatamod>(platform::CreatePlatform());
        module_->profils.SetFileName((directory_ / "profils.csv").string());
        module_->profils.Open();
        module_->WmiConnection1.Open();
        module_->wqConfigurations.Open();
        module_->WmiAdapters.Open();
    }
    void TearDown() override {
        module_.reset();
        std::filesystem::remove_all(directory_);
    }

    void activate(std::int32_t id) {
        ASSERT_TRUE(module_->profils.Locate("id_prof", id));
        TProfileActivation(*module_, host_).ActivateCurrentProfile();
    }
    std::string activationFailure(std::int32_t id) {
        try {
            activate(id);
        } catch (const Exception& e) {
            return e.what();
        }
        return "no failure";
    }
    std::string active(std::int32_t id) {
        EXPECT_TRUE(module_->profils.Locate("id_prof", id));
        return module_->profilsACTIVE.AsString();
    }

    std::string interface_;
    std::filesystem::path directory_;
    QuietHost host_;
    std::unique_ptr<Tdatamod> module_;
};

TEST_F(Activation, StaticProfile) {
    activate(1);
    EXPECT_EQ(active(1), "1");
}

TEST_F(Activation, AnotherStaticProfileTakesOver) {
    activate(1);
    activate(5);
    EXPECT_EQ(active(5), "1");
    EXPECT_EQ(active(1), "0");
}

// Switched to DHCP first to lose the gateway, with no DHCP server around.
TEST_F(Activation, StaticProfileWithoutGateway) {
    activate(4);
    EXPECT_EQ(active(4), "1");
}

TEST_F(Activation, DhcpProfile) {
    activate(2);
    EXPECT_EQ(active(2), "1");
}

TEST_F(Activation, MissingInterfaceIsReported) {
    const std::string failure = activationFailure(3);
    EXPECT_NE(failure.find("nvmissing0"), std::string::npos) << failure;
    EXPECT_EQ(active(3), "0");
}

TEST_F(Activation, UnprivilegedIsDenied) {
    for (const std::int32_t id : {1, 2}) {
        const std::string failure = activationFailure(id);
        EXPECT_NE(failure.find(interface_), std::string::npos) << failure;
        EXPECT_EQ(active(id), "0");
        if (id == 1) {
            EXPECT_NE(failure.find("EnableStatic"), std::string::npos) << failure;
        }
        EXPECT_NE(failure.find(id == 1 ? "91" : "netsh"), std::string::npos) << failure;
    }
}

} // namespace
} // namespace norvane
