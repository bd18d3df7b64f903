// Starting child processes: command-line words, the program search and the
// companion netsh.
#include "SimulatedMachineFixture.h"
#include "netconfig/netsh/NetshCommand.h"
#include "netconfig/platform/CommandLine.h"
#include "netconfig/platform/posix/PosixCommandRunner.h"
#include "tests/support/SimulatedProgramDirectory.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace norvane::test {
namespace {

using platform::SplitCommandLine;
using platform::posix::PosixCommandRunner;

TEST(CommandLine, SplitsLikeTheCRuntime) {
    const struct {
        const char* line;
        std::vector<std::string> words;
    } cases[] = {
        {R"(netsh interface ip set address "Connexion au réseau local" source=dhcp)",
         {"netsh", "interface", "ip", "set", "address", "Connexion au réseau local",
          "source=dhcp"}},
        {"  a\t b  ", {"a", "b"}},
        {R"(a "" b)", {"a", "", "b"}},
        {R"(a"b c"d)", {"ab cd"}},
        {R"(a\\b \"c\" d\\\"e f\\"g h")", {R"(a\\b)", R"("c")", R"(d\"e)", R"(f\g h)"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommandLine(c.line), c.words) << c.line;
}

class ProgramSearch : public SimulatedMachineFixture {
protected:
    void SetUp() override {
        SimulatedMachineFixture::SetUp();
        const auto base = std::filesystem::path(machinePath()).parent_path();
        own = base / "own";
        onPath = base / "path";
        for (const auto& dir : {own, onPath})
            std::filesystem::create_directories(dir);
        tool(own, "both", 3);
        tool(onPath, "both", 4);
        tool(onPath, "pathonly", 5);
        savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", onPath.c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", savedPath.c_str(), 1);
        SimulatedMachineFixture::TearDown();
    }

    static void tool(const std::filesystem::path& dir, const std::string& name, int exitCode) {
        const auto file = dir / name;
        std::ofstream(file) << "#!/bin/sh\nexit " << exitCode << "\n";
        std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    }

    std::filesystem::path own;
    std::filesystem::path onPath;
    std::string savedPath;
};

TEST_F(ProgramSearch, OwnDirectoryFirstThenThePathAndTheExitCodeComesBack) {
    PosixCommandRunner runner(own.string());
    const struct {
        const char* line;
        bool started;
        int code;
    } cases[] = {
        {"both", true, 3},
        {"pathonly \"an argument\"", true, 5},
        {"missing", false, ENOENT},
        {"", false, ENOENT},
    };
    for (const auto& c : cases) {
        const auto outcome = runner.run(c.line);
        EXPECT_EQ(outcome.started, c.started) << c.line;
        EXPECT_EQ(outcome.code, c.code) << c.line;
    }
}

TEST(NetshCommand, AcceptsExactlyTheTwoDhcpCommands) {
    using Setting = netsh::NetshCommand::Setting;
    const auto dns =
        netsh::ParseNetshCommand({"interface", "ip", "set", "dns", "Wi-Fi", "source=dhcp"});
    ASSERT_TRUE(dns);
    EXPECT_EQ(dns->setting, Setting::Dns);
    EXPECT_EQ(dns->connection, "Wi-Fi");
    EXPECT_EQ(netsh::ParseNetshCommand({"interface", "ip", "set", "address", "A B", "source=dhcp"})
                  ->setting,
              Setting::Address);
}

// The companion as the activation runs it: found beside the test programs.
class CompanionNetsh : public SimulatedMachineFixture {
protected:
    void SetUp() override {
        SimulatedMachineFixture::SetUp();
        norvane::test::UseSimulatedMachine(machinePath(), journalPath());
    }
    void TearDown() override {
        norvane::test::ForgetSimulatedMachine();
        SimulatedMachineFixture::TearDown();
    }

    PosixCommandRunner runner;
};

TEST_F(CompanionNetsh, RunsTheDhcpCommandsOnKnownConnections) {
    EXPECT_EQ(
        runner.run(R"(netsh interface ip set address "Connexion au réseau local" source=dhcp)")
            .code,
        0);
    EXPECT_EQ(runner.run(R"(netsh interface ip set dns "Wi-Fi" source=dhcp)").code, 0);
    EXPECT_EQ(
        journalLines(),
        (std::vector<std::string>{
            R"({"call":"netsh","args":["interface","ip","set","address",)"
            R"("Connexion au réseau local","source=dhcp"]})",
            R"({"call":"netsh","args":["interface","ip","set","dns","Wi-Fi","source=dhcp"]})"}));
}

TEST_F(CompanionNetsh, RefusesEverythingElseWithANonZeroExit) {
    for (const char* line : {
             "netsh",
             R"(netsh interface ip set address "Wi-Fi" source=static)",
             R"(netsh interface ip set address "Wi-Fi" source=dhcp extra)",
             R"(netsh interface ip set wins "Wi-Fi" source=dhcp)",
             R"(netsh interface ipv6 set address "Wi-Fi" source=dhcp)",
             R"(netsh INTERFACE ip set address "Wi-Fi" source=dhcp)",
             R"(netsh interface ip set address "" source=dhcp)",
             R"(netsh interface ip set address "Inconnue" source=dhcp)",
         }) {
        const auto outcome = runner.run(line);
        EXPECT_TRUE(outcome.started) << line;
        EXPECT_NE(outcome.code, 0) << line;
    }
    EXPECT_TRUE(journalLines().empty());
}

TEST_F(CompanionNetsh, SaysWhyOnStandardError) {
    const auto netsh = runner.findProgram("netsh");
    ASSERT_TRUE(netsh);
    const std::string command = *netsh + R"( interface ip set dns "Inconnue" source=dhcp 2>&1)";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        output += buffer;
    EXPECT_NE(::pclose(pipe), 0);
    EXPECT_EQ(output, "netsh: unknown connection \"Inconnue\"\n");
}

} // namespace
} // namespace norvane::test
