// The empty language code on Windows: LANG, then the user's locale setting.
#include "TestLocale.h"
#include "app/i18n/UserLanguage.h"

#include <gtest/gtest.h>

using norvane::test::TScopedEnv;

namespace {

TEST(UserLanguage, LangWinsOverTheLocaleSetting) {
    const TScopedEnv lang("LANG", "de_DE.UTF-8");
    EXPECT_EQ(norvane::i18n::UserLanguage(), "de_DE");
}

TEST(UserLanguage, WithoutLangTheLocaleSettingGivesLanguageAndCountry) {
    const TScopedEnv lang("LANG", nullptr);
    const std::string language = norvane::i18n::UserLanguage();
    EXPECT_EQ(language, norvane::i18n::UserLocaleLanguage());
    // Windows (and Wine) always have a user locale with both parts.
    ASSERT_EQ(language.size(), 5u) << language;
    EXPECT_EQ(norvane::i18n::LanguageCountryOf(language), language);
}

TEST(UserLanguage, LocaleNamesOutsideTheFormGiveC) {
    const struct {
        const char* locale;
        const char* expected;
    } cases[] = {{"no_NO", "nb_NO"}, {"fil_PH", "fil_PH"}, {"EN_us", "C"},
                 {"e_US", "C"},      {"en_USA", "C"},      {"_", "C"}};
    for (const auto& c : cases)
        EXPECT_EQ(norvane::i18n::LanguageCountryOf(c.locale), c.expected) << c.locale;
}

} // namespace
