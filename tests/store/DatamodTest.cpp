// The data module: its profile table settings and field objects.
#include "StoreTestSupport.h"
#include "store/database.h"

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

class DataModule : public ::testing::Test {
protected:
    DataModule() : before(std::filesystem::current_path()) {
        std::filesystem::current_path(dir.path());
    }
    ~DataModule() override { std::filesystem::current_path(before); }

    TempDir dir;
    std::filesystem::path before;
    Tdatamod module;
};

TEST_F(DataModule, FieldsAreTheTableColumnsInOrder) {
    EXPECT_FALSE(module.profils.IsActive());
    EXPECT_EQ(module.profils.Name(), "profils");
    EXPECT_EQ(module.profils.FileName(), "profils.csv");
    const std::vector<TField*> expected = {&module.profilsID_PROF,
                                           &module.profilsNOM_PROF,
                                           &module.profilsCARTE_RESEAU,
                                           &module.profilsCONNEXION,
                                           &module.profilsADRESSE_IP,
                                           &module.profilsMASK_RESEAU,
                                           &module.profilsPASSRELLE_RESEAU,
                                           &module.profilsDNS1,
                                           &module.profilsDNS2,
                                           &module.profilsDHCP,
                                           &module.profilsDNS_AUTO,
                                           &module.profilsIMAGE,
                                           &module.profilsACTIVE};
    EXPECT_EQ(module.profils.Fields(), expected);
    EXPECT_EQ(module.profilsCARTE_RESEAU.Size(), 254u);
    EXPECT_EQ(module.profilsACTIVE.Size(), 1u);
    EXPECT_EQ(module.profilsDHCP.TrueText(), "Vrai");
    EXPECT_EQ(module.profilsDNS_AUTO.FalseText(), "Faux");
    EXPECT_EQ(&module.profils.FieldByName("dns_auto"), &module.profilsDNS_AUTO);
    EXPECT_EQ(module.DS_profils.DataSet(), &module.profils);
}

TEST_F(DataModule, OpensProfilsCsvOfTheWorkingDirectory) {
    WriteFile(dir / "profils.csv", std::string(kProfileHeader) + "\r\n1,Bureau,,,,,,,,,,,0\r\n");
    module.profils.Open();
    EXPECT_EQ(module.profils.FieldByName("nom_prof").AsString(), "Bureau");
    EXPECT_TRUE(module.profilsDHCP.IsNull());
    EXPECT_EQ(module.profilsDHCP.AsString(), "");
    EXPECT_FALSE(module.profilsDHCP.AsBoolean());
}

TEST_F(DataModule, NewProfileOnAnEmptyTableGetsKeyOneAndIsSavedOnClose) {
    module.profils.Open();
    module.profils.Last();
    const int next = module.profilsID_PROF.AsInteger() + 1;
    module.profils.Append();
    module.profilsID_PROF.SetAsInteger(next);
    module.profilsACTIVE.SetAsString("0");
    module.profilsNOM_PROF.SetAsString("Bureau");
    module.profils.Post();
    module.profils.Close();
    EXPECT_EQ(ReadFile(dir / "profils.csv"),
              std::string(kProfileHeader) + "\r\n1,Bureau,,,,,,,,,,,0\r\n");
}

TEST_F(DataModule, KeyErrorNamesTheFileName) {
    WriteFile(dir / "profils.csv", std::string(kProfileHeader) + "\r\n1,A\r\n2,B\r\n");
    module.profils.Open();
    module.profils.Edit();
    module.profilsID_PROF.SetAsInteger(2);
    EXPECT_EQ(MessageOf([&] { module.profils.Post(); }), "profils.csv - Key is not unique ");
}

} // namespace
} // namespace norvane::test
