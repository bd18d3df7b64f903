// The Linux backend's pieces that need neither root nor a network: address
// rules, the resolver file and what the system's state files say.
#include "netconfig/platform/linux/Ipv4.h"
#include "netconfig/platform/linux/ResolvConf.h"
#include "netconfig/platform/linux/SystemState.h"
#include "netconfig/platform/linux/TextFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvane::platform::linux_backend {
namespace {

namespace fs = std::filesystem;

class TempDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("norvane-linux-" + std::to_string(getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string path(const std::string& name) const { return (root_ / name).string(); }
    void write(const std::string& name, const std::string& text) const {
        fs::create_directories(fs::path(path(name)).parent_path());
        WriteTextFile(path(name), text);
    }
    std::string read(const std::string& name) const { return *ReadTextFile(path(name)); }

    fs::path root_;
};

TEST(Ipv4Rules, MasksAndAddresses) {
    const std::vector<std::pair<std::string, std::optional<int>>> masks = {
        {"255.255.255.0", 24},
        {"255.255.255.255", 32},
        {"128.0.0.0", 1},
        {"255.255.254.0", 23},
        {"0.0.0.0", std::nullopt},
        {"255.0.255.0", std::nullopt},
        {"255.255.255", std::nullopt},
        {"255.255.255.0 ", std::nullopt},
        {"", std::nullopt}};
    for (const auto& [mask, prefix] : masks)
        EXPECT_EQ(PrefixOfMask(mask), prefix) << mask;

    EXPECT_EQ(ParseIpv4("198.18.0.1"), 0xC6120001u);
    EXPECT_FALSE(ParseIpv4("198.18.0"));
    EXPECT_FALSE(ParseIpv4("198.18.0.256"));
    EXPECT_EQ(Ipv4Text(0xC6120001u), "198.18.0.1");
    for (const char* refused : {"0.0.0.0", "127.0.0.1", "224.0.0.1", "255.255.255.255"})
        EXPECT_FALSE(IsUnicastAddress(*ParseIpv4(refused))) << refused;
    EXPECT_TRUE(InNetwork(*ParseIpv4("198.18.1.1"), *ParseIpv4("198.18.1.10"), 24));
    EXPECT_FALSE(InNetwork(*ParseIpv4("198.18.2.1"), *ParseIpv4("198.18.1.10"), 24));
}

TEST(ResolvConfText, ReplacesOnlyTheNameServers) {
    struct Case {
        std::string before;
        std::vector<std::string> servers;
        std::string after;
    };
    const Case cases[] = {
        {"# made by hand\nsearch lan\nnameserver 198.18.0.1\noptions edns0\nnameserver "
         "198.18.0.2\n",
         {"198.19.0.53", "198.19.0.54"},
         "# made by hand\nsearch lan\nnameserver 198.19.0.53\nnameserver 198.19.0.54\n"
         "options edns0\n"},
        {"search lan\n", {"198.19.0.53"}, "search lan\nnameserver 198.19.0.53\n"},
        {"", {"198.19.0.53"}, "nameserver 198.19.0.53\n"},
        // A commented-out server is a comment; a last line without its line
        // break keeps its text.
        {"#nameserver 1.1.1.1\n  nameserver\t198.18.0.1\noptions ndots:2",
         {"198.19.0.53"},
         "#nameserver 1.1.1.1\nnameserver 198.19.0.53\noptions ndots:2\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithNameServers(c.before, c.servers), c.after) << c.before;
}

class ResolvConfFile : public TempDirectory {
protected:
    ResolvConf file() const {
        return ResolvConf(path("resolv.conf"), path("state/saved"), path("state/written"));
    }
    const std::string original_ = "search lan\nnameserver 198.18.0.1\n";
};

TEST_F(ResolvConfFile, AutomaticBringsBackWhatWasThereBeforeTheFirstChange) {
    write("resolv.conf", original_);
    fs::create_directories(path("state"));
    file().setServers({"198.19.0.53"});
    file().setServers({"198.19.0.60", "198.19.0.61"});
    EXPECT_EQ(read("resolv.conf"), "search lan\nnameserver 198.19.0.60\nnameserver 198.19.0.61\n");
    file().restoreAutomatic();
    EXPECT_EQ(read("resolv.conf"), original_);
    EXPECT_FALSE(fs::exists(path("state/saved")));
    file().restoreAutomatic(); // nothing saved: nothing to do
    EXPECT_EQ(read("resolv.conf"), original_);
}

TEST_F(ResolvConfFile, ATextWrittenBySomeoneElseSinceIsTheAutomaticOne) {
    write("resolv.conf", original_);
    fs::create_directories(path("state"));
    file().setServers({"198.19.0.53"});
    // A DHCP client writes what its server gave.
    write("resolv.conf", "nameserver 198.18.5.1\n");
    file().restoreAutomatic();
    EXPECT_EQ(read("resolv.conf"), "nameserver 198.18.5.1\n");

    // And a later static choice comes back to that text, not the first one.
    file().setServers({"198.19.0.53"});
    file().restoreAutomatic();
    EXPECT_EQ(read("resolv.conf"), "nameserver 198.18.5.1\n");
}

TEST_F(TempDirectory, WritingThroughALinkReplacesTheTargetAndKeepsItsMode) {
    write("real.conf", "old\n");
    ASSERT_EQ(chmod(path("real.conf").c_str(), 0640), 0);
    fs::create_symlink(path("real.conf"), path("link.conf"));
    WriteTextFile(path("link.conf"), "new\n");
    EXPECT_TRUE(fs::is_symlink(path("link.conf")));
    EXPECT_EQ(read("real.conf"), "new\n");
    EXPECT_EQ(fs::status(path("real.conf")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(root_), fs::directory_iterator()), 2)
        << "no temporary file left behind";
    EXPECT_THROW(WriteTextFile(path("missing/dir/file"), "x"), std::system_error);
}

// A fake /proc and /run: our process "self" in namespace 1, and daemons
// given by command name and namespace.
class FakeSystem : public TempDirectory {
protected:
    void SetUp() override {
        TempDirectory::SetUp();
        process("self", "norvane", "net:[1]");
        status("0000000000000000");
    }
    void process(const std::string& pid, const std::string& command, const std::string& ns) const {
        write("proc/" + pid + "/comm", command + "\n");
        fs::create_directories(path("proc/" + pid + "/ns"));
        fs::create_symlink(ns, path("proc/" + pid + "/ns/net"));
    }
    void status(const std::string& capEff) const {
        write("proc/self/status", "Name:\tnorvane\nCapInh:\t0000000000000000\nCapEff:\t" + capEff +
                                      "\nCapBnd:\t000001ffffffffff\n");
    }
    SystemState system() const {
        return SystemState({path("resolv.conf"), path("state"), path("proc"), path("run")});
    }
};

TEST_F(FakeSystem, RightsComeFromTheNetAdminCapability) {
    const std::pair<const char*, bool> cases[] = {{"0000000000000000", false},
                                                  {"000001ffffffffff", true},
                                                  {"0000000000001000", true},
                                                  {"0000000000002000", false}};
    for (const auto& [capEff, allowed] : cases) {
        status(capEff);
        EXPECT_EQ(system().canChangeNetwork(), allowed) << capEff;
    }
}

TEST_F(FakeSystem, NetworkManagerCountsOnlyInOurNamespaceAndForItsDevices) {
    EXPECT_EQ(system().managerOf(2), std::nullopt);
    process("300", "NetworkManager", "net:[9]");
    EXPECT_EQ(system().managerOf(2), std::nullopt) << "another namespace's manager";
    process("301", "NetworkManager", "net:[1]");
    EXPECT_EQ(system().managerOf(2), "NetworkManager");
    write("run/NetworkManager/devices/2", "[device]\nmanaged=false\n");
    EXPECT_EQ(system().managerOf(2), std::nullopt);
    EXPECT_EQ(system().managerOf(3), "NetworkManager");
}

TEST_F(FakeSystem, NetworkdCountsForTheLinksItConfigures) {
    process("400", "systemd-network", "net:[1]");
    write("run/systemd/netif/links/2", "ADMIN_STATE=configured\nOPER_STATE=routable\n");
    write("run/systemd/netif/links/3", "ADMIN_STATE=unmanaged\n");
    EXPECT_EQ(system().managerOf(2), "systemd-networkd");
    EXPECT_EQ(system().managerOf(3), std::nullopt);
    EXPECT_EQ(system().managerOf(4), std::nullopt);
    EXPECT_TRUE(system().runsHere("systemd-network"));
    EXPECT_FALSE(system().runsHere("systemd-resolve"));
}

TEST_F(FakeSystem, StateFilesAreKeptApartPerNamespace) {
    EXPECT_EQ(system().stateFile("resolv.conf.saved"), path("state/resolv.conf.saved-net1"));
    EXPECT_TRUE(fs::is_directory(path("state")));
}

} // namespace
} // namespace norvane::platform::linux_backend
