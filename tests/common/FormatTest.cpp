#include "common/Format.h"

#include "common/Errors.h"

#include <gtest/gtest.h>

using norvane::Format;

TEST(Format, FillsTheMessageForms) {
    EXPECT_EQ(Format("%s: %s", {"profils", "Champ 'x' non trouvé"}),
              "profils: Champ 'x' non trouvé");
    EXPECT_EQ(Format("%0:s: %1:s", {"profils.csv", "boom"}), "profils.csv: boom");
    EXPECT_EQ(Format("%1:s-%0:s", {"a", "b"}), "b-a");
    EXPECT_EQ(Format("MAXCOLUMNS (%d) reached", {120}), "MAXCOLUMNS (120) reached");
    EXPECT_EQ(Format("Erreur OLE %.8x", {0x80041002u}), "Erreur OLE 80041002");
    EXPECT_EQ(Format("%.8X", {-2147217406}), "80041002");
    EXPECT_EQ(Format("%.8X", {5}), "00000005");
    EXPECT_EQ(Format("100%% %s", {"sûr"}), "100% sûr");
    EXPECT_EQ(Format("trailing %", {}), "trailing %");
    EXPECT_EQ(Format("missing %s", {}), "missing ");
}

TEST(AssertionFailure, NamesUnitAndLine) {
    try {
        norvane::assertionFailed("Bad IP address string given to component",
                                 "/src/editing/UEditIPAddr.cpp", 42);
        FAIL();
    } catch (const norvane::EAssertionFailed& e) {
        EXPECT_STREQ(e.what(),
                     "Bad IP address string given to component (UEditIPAddr.cpp, ligne 42)");
        EXPECT_EQ(e.line(), 42);
    }
}
