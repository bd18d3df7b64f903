#include "app/autostart/XdgAutoStartStore.h"

#include "app/autostart/AutoStartReg.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;
using norvane::autostart::TAutoStartReg;
using norvane::autostart::TXdgAutoStartStore;

namespace {

const std::string program = "/opt/Norvane/norvane";

class XdgAutoStart : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/norvane-autostart-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        directory_ = root_ / "autostart";
        fs::create_directory(directory_);
    }
    void TearDown() override { fs::remove_all(root_); }

    void writeEntry(const std::string& text) {
        std::ofstream(directory_ / "Norvane.desktop", std::ios::binary) << text;
    }
    std::string entryText() const {
        std::ifstream in(directory_ / "Norvane.desktop", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool registered() {
        return TAutoStartReg(std::make_unique<TXdgAutoStartStore>(directory_), program).AutoStart();
    }

    fs::path root_;
    fs::path directory_;
};

struct EntryCase {
    const char* name;
    const char* entry;
    bool registered;
};

void PrintTo(const EntryCase& entry, std::ostream* out) {
    *out << entry.name;
}

class XdgEntry : public XdgAutoStart, public ::testing::WithParamInterface<EntryCase> {};

} // namespace

TEST_P(XdgEntry, RegisteredWhenExecBeginsWithTheQuotedPath) {
    writeEntry(GetParam().entry);
    EXPECT_EQ(registered(), GetParam().registered);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, XdgEntry,
    ::testing::Values(
        EntryCase{"Quoted",
                  "[Desktop Entry]\nType=Application\nExec=\"/opt/Norvane/norvane\" --auto --min\n",
                  true},
        EntryCase{"SpacesAroundEquals",
                  "[Desktop Entry]\r\nExec = \"/opt/Norvane/norvane\" --auto --min\r\n", true},
        EntryCase{"OtherLetterCase", "[Desktop Entry]\nExec=\"/opt/norvane/norvane\" --auto\n",
                  false},
        EntryCase{"Unquoted", "[Desktop Entry]\nExec=/opt/Norvane/norvane --auto --min\n", false},
        EntryCase{"LocalisedKeyOnly", "[Desktop Entry]\nExec[fr]=\"/opt/Norvane/norvane\"\n",
                  false},
        EntryCase{
            "OtherGroup",
            "[Desktop Entry]\nExec=other\n[Desktop Action x]\nExec=\"/opt/Norvane/norvane\"\n",
            false},
        EntryCase{"Hidden",
                  "[Desktop Entry]\nExec=\"/opt/Norvane/norvane\" --auto --min\nHidden=true\n",
                  false},
        EntryCase{"NoExec", "[Desktop Entry]\nType=Application\n", false}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(XdgAutoStart, WrittenEntryReadsBackForAnAwkwardPath) {
    const std::string awkward = "/home/é l/a\"b`c$d\\e%f/norvane";
    TXdgAutoStartStore store(directory_);
    const std::string command = store.QuoteProgram(awkward) + " --auto --min";
    ASSERT_TRUE(store.WriteCommand("Norvane", command));
    EXPECT_EQ(entryText(), "[Desktop Entry]\nType=Application\nName=Norvane\n"
                           "Exec=\"/home/é l/a\\\\\"b\\\\`c\\\\$d\\\\\\\\e%%f/norvane\" "
                           "--auto --min\n");
    EXPECT_EQ(store.ReadCommand("Norvane"), command);
    EXPECT_TRUE(
        TAutoStartReg(std::make_unique<TXdgAutoStartStore>(directory_), awkward).AutoStart());

    ASSERT_TRUE(store.DeleteCommand("Norvane"));
    EXPECT_FALSE(fs::exists(directory_ / "Norvane.desktop"));
    EXPECT_EQ(store.ReadCommand("Norvane"), "");
}

// As the Run key, the directory is used only when it is there.
TEST_F(XdgAutoStart, MissingDirectoryIsNeitherReadNorCreated) {
    fs::remove(directory_);
    TXdgAutoStartStore store(directory_);
    EXPECT_EQ(store.ReadCommand("Norvane"), std::nullopt);
    EXPECT_FALSE(store.WriteCommand("Norvane", "\"/x\""));
    EXPECT_FALSE(store.DeleteCommand("Norvane"));
    EXPECT_FALSE(fs::exists(directory_));
}

TEST_F(XdgAutoStart, UserDirectoryFollowsTheBaseDirectoryRules) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string savedConfig = config ? config : "";
    const std::string savedHome = home ? home : "";

    setenv("HOME", "/home/u", 1);
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(TXdgAutoStartStore::UserDirectory(), fs::path("/cfg/autostart"));
    setenv("XDG_CONFIG_HOME", "relative", 1); // ignored, as the rules say
    EXPECT_EQ(TXdgAutoStartStore::UserDirectory(), fs::path("/home/u/.config/autostart"));
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(TXdgAutoStartStore::UserDirectory(), fs::path("/home/u/.config/autostart"));
    unsetenv("HOME");
    EXPECT_EQ(TXdgAutoStartStore::UserDirectory(), fs::path());

    if (config)
        setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    if (home)
        setenv("HOME", savedHome.c_str(), 1);
}
