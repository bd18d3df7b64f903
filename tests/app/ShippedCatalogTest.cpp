#include "app/Form_activate.h"
#include "app/Form_apropos.h"
#include "app/TranslateComponent.h"
#include "app/i18n/Translation.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace norvane;

// The English catalog built from po/en.po covers the windows as they are
// designed, and a window goes back to French with the language.
TEST(ShippedCatalog, TranslatesTheSmallWindowsBothWays) {
    i18n::InitTranslation(NORVANE_SHIPPED_CATALOGS);
    i18n::SelectLanguage("en");
    TForm_apropos about;
    TForm_activate wait;
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(wait.Label1->text(), "Please wait....");
    for (const char* text : {"&Oui", "&Non", "Erreur", "Vrai", "Faux"})
        EXPECT_NE(i18n::Translate(text), text) << text;

    i18n::SelectLanguage("fr");
    ui::RetranslateComponent(&about);
    ui::RetranslateComponent(&wait);
    EXPECT_EQ(about.windowTitle(), "A propos");
    EXPECT_EQ(wait.Label1->text(), "Veuillez patienter....");
}
