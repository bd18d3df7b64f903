#include "ExpectedAdapters.h"
#include "netconfig/IPHelper.h"
#include "netconfig/platform/windows/WindowsCommandRunner.h"
#include "netconfig/platform/windows/WindowsIpHelper.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <utility>

namespace norvane::test {
namespace {

namespace fs = std::filesystem;

// The recording child sits beside this test program, in "the program's own
// directory" where the runner's search starts.
class CommandRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        record_ = fs::temp_directory_path() /
                  ("norvane-runner-" + std::to_string(GetCurrentProcessId()) + ".txt");
    }
    void TearDown() override { fs::remove(record_); }

    std::string recorded() const {
        std::ifstream in(record_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    platform::windows::WindowsCommandRunner runner_;
    fs::path record_;
};

TEST_F(CommandRunnerTest, GivesBackTheExitCodeAndTheArgumentsIntact) {
    for (int code : {0, 7, 255}) {
        const auto outcome =
            runner_.run("norvane_recording_child \"" + record_.string() + "\" " +
                        std::to_string(code) + " \"Connexion au réseau local\" source=dhcp");
        EXPECT_TRUE(outcome.started);
        EXPECT_EQ(outcome.code, code);
        EXPECT_EQ(recorded(), std::to_string(code) + "\nConnexion au réseau local\nsource=dhcp\n");
    }
}

TEST_F(CommandRunnerTest, AProgramThatCannotStartGivesTheSystemError) {
    const auto outcome = runner_.run("norvane_no_such_program source=dhcp");
    EXPECT_FALSE(outcome.started);
    EXPECT_EQ(outcome.code, ERROR_FILE_NOT_FOUND);
}

// The IP helper library against the adapters of the harness's namespace.
TEST(WindowsIpHelper, ListsTheNamespaceAdaptersWithTheirAddresses) {
    const auto expected = ExpectedAdapters();
    if (!expected)
        GTEST_SKIP() << "needs the Wine harness (scripts/windows-tests.sh)";
    platform::windows::WindowsIpHelper helper;
    ASSERT_TRUE(BindIphlpapi(helper));
    int count = -1;
    TAdaptorRows rows;
    ASSERT_EQ(ReadAdaptorRows(helper, count, rows), 0);
    std::set<std::pair<std::uint32_t, std::string>> found;
    for (int i = 0; i < count; ++i)
        found.insert({rows[i].Index, rows[i].IPAddressCount > 0 ? rows[i].IPAddresses[0] : ""});
    std::set<std::pair<std::uint32_t, std::string>> wanted;
    for (const auto& adapter : *expected)
        wanted.insert({static_cast<std::uint32_t>(adapter.index), adapter.address});
    EXPECT_EQ(found, wanted);
}

} // namespace
} // namespace norvane::test
