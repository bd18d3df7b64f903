#pragma once

// A directory laid out as the program finds it when a user starts it there:
// its profils.csv, and a simulated machine with its journal chosen through
// the environment (which the companion netsh inherits too).

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace norvane::test {

inline const char ProfileFileHeader[] =
    "ID_PROF,NOM_PROF,CARTE_RESEAU,CONNEXION,ADRESSE_IP,MASK_RESEAU,"
    "PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO,IMAGE,ACTIVE";

// A fresh directory named after the running test. A parameterised test's
// name holds a "/", which would nest the directory and leave its parent behind.
inline std::filesystem::path FreshTestDirectory(const std::string& prefix) {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '_');
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / (prefix + "-" + name);
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    return directory;
}

// The header line, then each row, every line ended by CR LF as the program writes it.
inline void WriteProfileFile(const std::filesystem::path& file,
                             const std::vector<std::string>& rows,
                             const std::string& header = ProfileFileHeader) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << header << "\r\n";
    for (const std::string& row : rows)
        out << row << "\r\n";
}

inline void UseSimulatedMachine(const std::filesystem::path& machine,
                                const std::filesystem::path& journal) {
    setenv("NORVANE_PLATFORM", "simulated", 1);
    setenv("NORVANE_SIMULATION", machine.string().c_str(), 1);
    setenv("NORVANE_JOURNAL", journal.string().c_str(), 1);
}

// The directory as a test program starts in it: profils.csv with the given
// rows, the machine file, and that machine (with a journal beside it) chosen
// through the environment.
inline void LayOutProgramDirectory(const std::filesystem::path& directory,
                                   const std::vector<std::string>& rows,
                                   const std::string& machine) {
    WriteProfileFile(directory / "profils.csv", rows);
    std::ofstream(directory / "machine.json") << machine;
    UseSimulatedMachine(directory / "machine.json", directory / "journal.jsonl");
}

inline void ForgetSimulatedMachine() {
    for (const char* name : {"NORVANE_PLATFORM", "NORVANE_SIMULATION", "NORVANE_JOURNAL"})
        unsetenv(name);
}

} // namespace norvane::test
