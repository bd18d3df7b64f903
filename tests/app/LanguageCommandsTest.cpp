#include "app/LanguageCommands.h"

#include "TestLocale.h"
#include "app/TranslateComponent.h"
#include "app/i18n/LanguageSetting.h"
#include "app/i18n/Translation.h"
#include "common/Errors.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace norvane;

namespace {

class LanguageCommandsTest : public ::testing::Test {
protected:
    LanguageCommandsTest() {
        locale.Install("en", "en");
        i18n::InitTranslation(locale.CatalogDir());
        i18n::SelectLanguage("fr");
        ui::TranslateComponent(&main);
        ui::TranslateComponent(&editor);
    }

    // Steps that act on two real windows and log the data steps, so the log
    // shows which language each window had when the data closed and opened.
    ui::LanguageCommandSteps Steps(const std::string& settings) {
        return {settings,
                [this] {
                    ui::RetranslateComponent(&main);
                    log.push_back("main:" + main.text().toStdString());
                },
                [this](bool active) {
                    log.push_back(std::string(active ? "open" : "close") +
                                  ":editor:" + editor.text().toStdString());
                },
                [this] {
                    ui::RetranslateComponent(&editor);
                    log.push_back("editor:" + editor.text().toStdString());
                }};
    }

    test::TTestLocale locale;
    std::string settings = (locale.Root() / "norvane.ini").string();
    QLabel main{"Nouveau"};
    QLabel editor{"Propriétés"};
    std::vector<std::string> log;
};

TEST_F(LanguageCommandsTest, StoresSelectsAndRetranslatesInOrder) {
    ui::ChangeLanguage("en", Steps(settings));
    EXPECT_EQ(i18n::ReadLanguageSetting(settings), "en");
    EXPECT_EQ(i18n::CurrentLanguage(), "en");
    EXPECT_EQ(log, (std::vector<std::string>{"main:New", "close:editor:Propriétés",
                                             "editor:Properties", "open:editor:Properties"}));

    log.clear();
    ui::ChangeLanguage("fr", Steps(settings));
    EXPECT_EQ(i18n::ReadLanguageSetting(settings), "fr");
    EXPECT_EQ(main.text(), "Nouveau");
    EXPECT_EQ(editor.text(), "Propriétés");
}

TEST_F(LanguageCommandsTest, CurrentLanguageAgainStillStoresAndReopensTheData) {
    ui::ChangeLanguage("fr", Steps(settings));
    EXPECT_EQ(i18n::ReadLanguageSetting(settings), "fr");
    EXPECT_EQ(log, (std::vector<std::string>{"main:Nouveau", "close:editor:Propriétés",
                                             "editor:Propriétés", "open:editor:Propriétés"}));
}

TEST_F(LanguageCommandsTest, UnwritableSettingsEndTheCommandBeforeAnyChange) {
    const std::string unwritable = (locale.Root() / "missing" / "norvane.ini").string();
    try {
        ui::ChangeLanguage("en", Steps(unwritable));
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), "Impossible d'écrire dans " + unwritable);
    }
    EXPECT_EQ(i18n::CurrentLanguage(), "fr");
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(main.text(), "Nouveau");
}

} // namespace
