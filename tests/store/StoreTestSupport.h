#pragma once

#include "store/CsvDataSet.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

namespace norvane::test {

inline const char kProfileDef[] =
    "ID_PROF:%,NOM_PROF:$50,CARTE_RESEAU:$254,CONNEXION:$200,ADRESSE_IP:$50,MASK_RESEAU:$50,"
    "PASSRELLE_RESEAU:$50,DNS1:$50,DNS2:$50,DHCP:!,DNS_AUTO:!,IMAGE:%,ACTIVE:$1";
inline const char kProfileHeader[] = "ID_PROF,NOM_PROF,CARTE_RESEAU,CONNEXION,ADRESSE_IP,"
                                     "MASK_RESEAU,PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO,IMAGE,"
                                     "ACTIVE";

// A fresh directory per test, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "norvane-store-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A profile table over `dir`/profils.csv, set up as the data module sets it up.
inline void SetUpProfileTable(TCsvDataSet& table, const TempDir& dir) {
    table.SetFileName((dir / "profils.csv").string());
    table.SetCsvFieldDef(kProfileDef);
    table.SetCsvKeyDef("ID_PROF");
    table.SetCsvUniqueKeys(true);
}

// Runs `action` and returns the message it raised, or "" when it raised nothing.
template <class Action> std::string MessageOf(Action&& action) {
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

} // namespace norvane::test
