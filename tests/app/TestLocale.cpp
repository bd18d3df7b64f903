#include "TestLocale.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace norvane::test {

namespace fs = std::filesystem;

TTestLocale::TTestLocale() {
    std::string pattern = (fs::temp_directory_path() / "norvane-i18n-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
}

TTestLocale::~TTestLocale() {
    std::error_code error;
    fs::remove_all(root_, error);
}

std::string TTestLocale::CatalogPath(const std::string& language) const {
    return (root_ / "locale" / language / "LC_MESSAGES" / "default.mo").string();
}

std::string TTestLocale::Fixture(const std::string& fixture) {
    return std::string(NORVANE_TEST_CATALOGS) + "/" + fixture + ".mo";
}

void TTestLocale::Install(const std::string& language, const std::string& fixture) const {
    const fs::path target = CatalogPath(language);
    fs::create_directories(target.parent_path());
    fs::copy_file(Fixture(fixture), target, fs::copy_options::overwrite_existing);
}

void TTestLocale::Write(const std::string& language, const std::string& bytes) const {
    const fs::path target = CatalogPath(language);
    fs::create_directories(target.parent_path());
    std::ofstream(target, std::ios::binary) << bytes;
}

TScopedEnv::TScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
        had_ = true;
        old_ = old;
    }
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}

TScopedEnv::~TScopedEnv() {
    if (had_)
        setenv(name_.c_str(), old_.c_str(), 1);
    else
        unsetenv(name_.c_str());
}

} // namespace norvane::test
