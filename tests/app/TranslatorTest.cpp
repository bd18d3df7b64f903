#include "app/i18n/Translator.h"

#include "TestLocale.h"
#include "app/i18n/CatalogLocation.h"
#include "app/i18n/LanguageSetting.h"
#include "app/i18n/UserLanguage.h"
#include "common/Errors.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

using norvane::i18n::TTranslator;
using norvane::test::TScopedEnv;
using norvane::test::TTestLocale;

namespace {

struct Problem {
    std::string title;
    std::string text;
};

class TranslatorTest : public ::testing::Test {
protected:
    TranslatorTest() {
        translator.SetCatalogDirectory(locale.CatalogDir());
        translator.SetProblemHandler([this](const std::string& title, const std::string& text) {
            problems.push_back({title, text});
        });
    }

    std::string SelectAndTranslate(const std::string& code, const std::string& text) {
        translator.SelectLanguage(code);
        return translator.Translate(text);
    }

    TTestLocale locale;
    TTranslator translator;
    std::vector<Problem> problems;
};

TEST_F(TranslatorTest, LooksTextsUpInTheSelectedLanguage) {
    locale.Install("en", "en");
    translator.SelectLanguage("en");
    EXPECT_EQ(translator.CurrentLanguage(), "en");
    EXPECT_EQ(translator.Translate("Nouveau"), "New");
    EXPECT_EQ(translator.Translate("Propriétés"), "Properties");
    EXPECT_EQ(translator.Translate("Pas dans le catalogue"), "Pas dans le catalogue");
    EXPECT_EQ(translator.Translate(""), "");
    EXPECT_TRUE(problems.empty());
}

TEST_F(TranslatorTest, LineBreaksMatchWithoutCarriageReturnsAndComeBackAsCrLf) {
    locale.Install("en", "en");
    translator.SelectLanguage("en");
    EXPECT_EQ(translator.Translate("Ligne un\r\nLigne deux"), "Line one\r\nLine two");
    EXPECT_EQ(translator.Translate("Ligne un\nLigne deux"), "Line one\r\nLine two");
}

TEST_F(TranslatorTest, SwitchingLanguageAndBackFollowsEachSelection) {
    locale.Install("en", "en");
    locale.Install("de", "de");
    EXPECT_EQ(SelectAndTranslate("en", "Nouveau"), "New");
    EXPECT_EQ(SelectAndTranslate("fr", "Nouveau"), "Nouveau"); // no French catalog
    EXPECT_EQ(SelectAndTranslate("de", "Nouveau"), "Neu");
    EXPECT_EQ(SelectAndTranslate("en", "Nouveau"), "New");
    EXPECT_EQ(SelectAndTranslate("C", "Nouveau"), "Nouveau");
}

// The exact directory first, then the first two characters of the code.
TEST_F(TranslatorTest, FallsBackToTheTwoLetterLanguage) {
    locale.Install("de", "de");
    locale.Install("de_CH", "en"); // a distinct catalog, to see which one is read
    const struct {
        const char* code;
        const char* expected;
    } cases[] = {{"de_DE", "Neu"}, {"de", "Neu"}, {"de_CH", "New"}, {"da_DK", "Nouveau"}};
    for (const auto& c : cases)
        EXPECT_EQ(SelectAndTranslate(c.code, "Nouveau"), c.expected) << c.code;
    EXPECT_EQ(norvane::i18n::FindCatalog(locale.CatalogDir(), "de_DE", "default")->path,
              locale.CatalogPath("de"));
}

TEST_F(TranslatorTest, EmptyCodeSelectsTheUserLanguage) {
    locale.Install("de", "de");
    const TScopedEnv lang("LANG", "de_DE.UTF-8");
    EXPECT_EQ(SelectAndTranslate("", "Nouveau"), "Neu");
    EXPECT_EQ(translator.CurrentLanguage(), "de_DE");
}

TEST_F(TranslatorTest, StoredValueEnglishSelectsEn) {
    locale.Install("en", "en");
    const std::string settings = (locale.Root() / "norvane.ini").string();
    std::ofstream(settings) << "[Language]\nLanguage=english\n";
    const std::string code = norvane::i18n::ReadLanguageSetting(settings);
    EXPECT_EQ(code, "en");
    EXPECT_EQ(SelectAndTranslate(code, "Nouveau"), "New");
}

TEST_F(TranslatorTest, CatalogWithoutUtf8TurnsTranslationsOffForTheRun) {
    locale.Install("en", "latin1");
    locale.Install("de", "de");
    EXPECT_EQ(SelectAndTranslate("en", "Nouveau"), "Nouveau");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].title, "Localization problem");
    EXPECT_EQ(problems[0].text, "The translation for the language code en (in " +
                                    locale.CatalogPath("en") +
                                    ") does not have charset=utf-8 in its Content-Type. "
                                    "Translations are turned off.");
    EXPECT_TRUE(translator.TranslationsOff());
    // Later selections, of a sound catalog too, change nothing and report nothing.
    EXPECT_EQ(SelectAndTranslate("de", "Nouveau"), "Nouveau");
    EXPECT_EQ(problems.size(), 1u);
}

std::string truncatedCatalog() {
    std::ifstream in(TTestLocale::Fixture("en"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    return bytes.substr(0, 40);
}

TEST_F(TranslatorTest, BrokenCatalogIsReportedOnceThenLeftAside) {
    const std::string broken[] = {"", "# not a catalog\nmsgid \"Nouveau\"\n", std::string(28, '\0'),
                                  truncatedCatalog()};
    for (const std::string& bytes : broken) {
        locale.Write("en", bytes);
        translator.SelectLanguage("en");
        try {
            translator.Translate("Nouveau");
            ADD_FAILURE() << "no error for a broken catalog of " << bytes.size() << " bytes";
        } catch (const norvane::Exception& e) {
            EXPECT_EQ(e.message(),
                      "This file is not a valid GNU gettext mo file: " + locale.CatalogPath("en"));
        }
        EXPECT_EQ(translator.Translate("Nouveau"), "Nouveau");
    }
    EXPECT_FALSE(translator.TranslationsOff());
    locale.Install("en", "en");
    EXPECT_EQ(SelectAndTranslate("en", "Nouveau"), "New");
}

TEST_F(TranslatorTest, MissingCatalogIsLookedForAgainOnlyAtTheNextSelection) {
    EXPECT_EQ(SelectAndTranslate("en", "Nouveau"), "Nouveau");
    locale.Install("en", "en");
    EXPECT_EQ(translator.Translate("Nouveau"), "Nouveau");
    EXPECT_EQ(SelectAndTranslate("en", "Nouveau"), "New");
}

// A code from a hand-edited settings file must not reach outside "locale".
TEST_F(TranslatorTest, CodesNamingOtherDirectoriesFindNoCatalog) {
    std::filesystem::create_directories(locale.Root() / "LC_MESSAGES");
    std::filesystem::copy_file(TTestLocale::Fixture("en"),
                               locale.Root() / "LC_MESSAGES" / "default.mo");
    locale.Install("a", "en");
    for (const char* code : {"..", ".", "a/", "a:"})
        EXPECT_EQ(SelectAndTranslate(code, "Nouveau"), "Nouveau") << code;
}

} // namespace
