#pragma once

#include <filesystem>
#include <string>

namespace norvane::test {

// A temporary program directory with a "locale" catalog tree, removed at the
// end of the test. Catalogs come from the compiled fixtures.
class TTestLocale {
public:
    TTestLocale();
    ~TTestLocale();
    TTestLocale(const TTestLocale&) = delete;
    TTestLocale& operator=(const TTestLocale&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    std::string CatalogDir() const { return (root_ / "locale").string(); }
    std::string CatalogPath(const std::string& language) const;

    // Copies fixture <fixture>.mo to locale/<language>/LC_MESSAGES/default.mo.
    void Install(const std::string& language, const std::string& fixture) const;
    // Writes raw bytes where the language's catalog goes.
    void Write(const std::string& language, const std::string& bytes) const;

    static std::string Fixture(const std::string& fixture);

private:
    std::filesystem::path root_;
};

// Sets or clears environment variables for one test and restores them after.
class TScopedEnv {
public:
    TScopedEnv(const char* name, const char* value);
    ~TScopedEnv();
    TScopedEnv(const TScopedEnv&) = delete;
    TScopedEnv& operator=(const TScopedEnv&) = delete;

private:
    std::string name_;
    bool had_ = false;
    std::string old_;
};

} // namespace norvane::test
