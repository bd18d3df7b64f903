// The empty language code on POSIX systems: LANG, then the locale variables.
#include "TestLocale.h"
#include "app/i18n/UserLanguage.h"

#include <gtest/gtest.h>

using norvane::test::TScopedEnv;

namespace {

struct UserLanguageCase {
    const char* lang;
    const char* lcAll;
    const char* lcMessages;
    const char* expected;
};

class UserLanguageTest : public ::testing::TestWithParam<UserLanguageCase> {};

TEST_P(UserLanguageTest, ResolvesTheEmptyCode) {
    const UserLanguageCase& c = GetParam();
    const TScopedEnv lang("LANG", c.lang);
    const TScopedEnv lcAll("LC_ALL", c.lcAll);
    const TScopedEnv lcMessages("LC_MESSAGES", c.lcMessages);
    EXPECT_EQ(norvane::i18n::UserLanguage(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, UserLanguageTest,
    ::testing::Values(UserLanguageCase{"de_DE.UTF-8", "fr_FR.UTF-8", nullptr, "de_DE"},
                      UserLanguageCase{"fr", nullptr, nullptr, "fr"},
                      UserLanguageCase{"C.UTF-8", nullptr, nullptr, "C"},
                      UserLanguageCase{"", "de_DE.UTF-8@euro", nullptr, "de_DE"},
                      UserLanguageCase{nullptr, "no_NO.UTF-8", nullptr, "nb_NO"},
                      UserLanguageCase{nullptr, nullptr, "pt_BR", "pt_BR"},
                      UserLanguageCase{nullptr, "POSIX", nullptr, "C"},
                      UserLanguageCase{nullptr, "de", nullptr, "C"},
                      UserLanguageCase{nullptr, nullptr, nullptr, "C"}));

} // namespace
