#include "TestLocale.h"
#include "app/i18n/LanguageSetting.h"
#include "app/i18n/ProgramPath.h"
#include "common/Errors.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using norvane::i18n::ReadLanguageSetting;
using norvane::i18n::WriteLanguageSetting;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void Store(const std::string& content) const {
        std::ofstream(path, std::ios::binary) << content;
    }
    std::string Content() const {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }

    norvane::test::TTestLocale dir;
    std::string path = (dir.Root() / "norvane.ini").string();
};

TEST_F(SettingsTest, ReadsTheFirstTwoCharactersOfTheStoredLanguage) {
    const struct {
        const char* content;
        const char* expected;
    } cases[] = {
        {"[Language]\nLanguage=en\n", "en"},
        {"[Language]\nLanguage=fr_FR\n", "fr"},
        {"[Language]\nLanguage=f\n", "f"},
        {"[Language]\nLanguage=\n", ""},
        {"[language]\r\n  LANGUAGE = en \r\n", "en"},
        {"[Other]\nLanguage=en\n[Language]\nKey=x\n", ""},
        {"Language=en\n", ""},
        {"[Language]\n; Language=de\nLanguage=\"en\"\n", "en"},
        {"", ""},
    };
    for (const auto& c : cases) {
        Store(c.content);
        EXPECT_EQ(ReadLanguageSetting(path), c.expected) << c.content;
    }
    std::filesystem::remove(path);
    EXPECT_EQ(ReadLanguageSetting(path), "");
}

TEST_F(SettingsTest, WritingCreatesTheFileThenReplacesOnlyTheKey) {
    WriteLanguageSetting(path, "en");
    EXPECT_EQ(Content(), "[Language]\nLanguage=en\n");
    EXPECT_EQ(ReadLanguageSetting(path), "en");

    Store("[Window]\nLeft=10\n\n[Language]\nLanguage=en\nOther=1\n");
    WriteLanguageSetting(path, "fr");
    EXPECT_EQ(Content(), "[Window]\nLeft=10\n\n[Language]\nLanguage=fr\nOther=1\n");

    Store("[Language]\nOther=1\n\n[Window]\nLeft=10\n");
    WriteLanguageSetting(path, "en");
    EXPECT_EQ(Content(), "[Language]\nOther=1\nLanguage=en\n\n[Window]\nLeft=10\n");
}

TEST_F(SettingsTest, WriteFailureNamesTheFile) {
    for (const std::string& target :
         {(dir.Root() / "missing" / "norvane.ini").string(), dir.Root().string()}) {
        try {
            WriteLanguageSetting(target, "en");
            ADD_FAILURE() << "no error writing " << target;
        } catch (const norvane::Exception& e) {
            EXPECT_EQ(e.message(), "Impossible d'écrire dans " + target);
        }
    }
}

TEST(ProgramPath, SettingsFileSitsBesideTheProgram) {
    EXPECT_EQ(norvane::i18n::SettingsFilePathFor("/opt/norvane/norvane"),
              "/opt/norvane/norvane.ini");
    EXPECT_EQ(norvane::i18n::SettingsFilePathFor("/opt/norvane/prog.exe"), "/opt/norvane/prog.ini");
    const std::filesystem::path self = norvane::i18n::ProgramFilePath();
    EXPECT_EQ(self.stem(), "i18n_tests"); // "i18n_tests.exe" on Windows
    EXPECT_EQ(norvane::i18n::ProgramDirectory(), self.parent_path().string());
}

} // namespace
