// The profile table's cursor, states, events and messages.
#include "StoreTestSupport.h"
#include "store/CsvKeyError.h"
#include "store/DataSource.h"
#include "store/Field.h"

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

const std::string kThreeRows = std::string(kProfileHeader) + "\r\n1,Bureau,eth0,1,,,,,,1,1,2,0\r\n"
                                                             "2,Maison,eth1,2,,,,,,0,0,,1\r\n"
                                                             "3,Bureau,eth2,3,,,,,,1,0,5,0\r\n";

class ProfileTable : public ::testing::Test {
protected:
    ProfileTable() {
        SetUpProfileTable(table, dir);
        table.SetAfterScroll([this](TCsvDataSet&) { ++scrolls; });
    }

    void Open(const std::string& contents) {
        WriteFile(dir / "profils.csv", contents);
        table.Open();
    }
    int Id() const { return table.FieldByName("ID_PROF").AsInteger(); }
    std::string Name() const { return table.FieldByName("NOM_PROF").AsString(); }
    void SetName(const std::string& name) { table.FieldByName("NOM_PROF").SetAsString(name); }
    std::string Saved() const { return ReadFile(dir / "profils.csv"); }

    TempDir dir;
    TCsvDataSet table{"profils"};
    int scrolls = 0;
};

TEST_F(ProfileTable, WalkVisitsEveryRowAndLastLeavesFieldsReadable) {
    Open(kThreeRows);
    EXPECT_EQ(scrolls, 0); // opening fires nothing
    EXPECT_FALSE(table.Eof());
    std::vector<int> ids;
    for (table.First(); !table.Eof(); table.Next())
        ids.push_back(Id());
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(scrolls, 4); // First, two moves, and the Next that reached the end
    table.Next();
    EXPECT_EQ(scrolls, 4); // past the end nothing fires
    table.First();
    table.Last();
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(Id(), 3);
}

TEST_F(ProfileTable, EmptyTableGivesNullsAndTheFirstKeyIsOne) {
    table.Open();
    table.First();
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(Id(), 0);
    EXPECT_EQ(table.FieldByName("ID_PROF").AsString(), "");
    table.Last();
    const int next = Id() + 1;
    table.Append();
    table.FieldByName("ID_PROF").SetAsInteger(next);
    table.FieldByName("ACTIVE").SetAsString("0");
    table.Post();
    EXPECT_EQ(Id(), 1);
    EXPECT_FALSE(table.Eof());
}

TEST_F(ProfileTable, ClosedTableReadsNullAndRefusesCursorOperations) {
    Open(kThreeRows);
    table.Close();
    EXPECT_EQ(Name(), "");
    EXPECT_FALSE(table.FieldByName("DHCP").AsBoolean());
    EXPECT_FALSE(table.Locate("nom_prof", std::string("Bureau")));
    const std::string closed = "profils: Impossible d'effectuer cette opération sur un ensemble "
                               "de données fermé";
    for (auto operation : {&TCsvDataSet::First, &TCsvDataSet::Next, &TCsvDataSet::Last,
                           &TCsvDataSet::Append, &TCsvDataSet::Edit, &TCsvDataSet::Delete})
        EXPECT_EQ(MessageOf([&] { (table.*operation)(); }), closed);
    EXPECT_EQ(MessageOf([&] { table.Post(); }),
              "profils: L'ensemble de données n'est pas en mode Edition ou Insertion");
    table.Cancel(); // nothing to cancel, no error
    table.Close();
}

TEST_F(ProfileTable, MessagesOfTheOpenTable) {
    table.Open();
    EXPECT_EQ(MessageOf([&] { table.Delete(); }),
              "profils: Impossible d'effectuer cette opération sur un ensemble de données vide");
    EXPECT_EQ(MessageOf([&] { table.Post(); }),
              "profils: L'ensemble de données n'est pas en mode Edition ou Insertion");
    EXPECT_EQ(MessageOf([&] { SetName("x"); }),
              "profils: L'ensemble de données n'est pas en mode Edition ou Insertion");
    EXPECT_EQ(MessageOf([&] { table.Locate("MAC", std::string("x")); }),
              "profils: Champ 'MAC' non trouvé");
    EXPECT_EQ(MessageOf([&] { table.FieldByName("mac"); }), "profils: Champ 'mac' non trouvé");
    EXPECT_EQ(&table.FieldByName("nom_prof"), &table.FieldByName("NOM_PROF"));
}

TEST_F(ProfileTable, LocateFindsTheFirstExactMatchOrStays) {
    Open(kThreeRows);
    table.Last();
    EXPECT_TRUE(table.Locate("nom_prof", std::string("Bureau")));
    EXPECT_EQ(Id(), 1);
    EXPECT_FALSE(table.Eof());
    EXPECT_TRUE(table.Locate("id_prof", 2));
    EXPECT_EQ(Id(), 2);
    EXPECT_FALSE(table.Locate("nom_prof", std::string("bureau")));
    EXPECT_FALSE(table.Locate("id_prof", 9));
    EXPECT_EQ(Id(), 2);
    EXPECT_TRUE(table.Locate("NOM_PROF;DNS_AUTO", {std::string("Bureau"), false}));
    EXPECT_EQ(Id(), 3);
    EXPECT_TRUE(table.Locate("nom_prof", std::string("bur"), {true, true}));
    EXPECT_EQ(Id(), 1);
    EXPECT_EQ(scrolls, 1); // only Last fired
}

TEST_F(ProfileTable, LocateRefusesMalformedNameLists) {
    Open(kThreeRows);
    EXPECT_FALSE(table.Locate("", std::string("1")));
    EXPECT_FALSE(table.Locate("id_prof,nom_prof", 1));
    std::string many = "ID_PROF";
    std::vector<TLocateValue> values{1};
    for (int i = 0; i < 20; ++i) {
        many += ",ID_PROF";
        values.emplace_back(1);
    }
    EXPECT_FALSE(table.Locate(many, values));
    EXPECT_FALSE(table.Locate("ID_PROF", std::string("abc")));
}

TEST_F(ProfileTable, CancelledAppendAddsNothingButStillRewritesTheFile) {
    Open(kThreeRows);
    table.Append();
    EXPECT_EQ(scrolls, 1);
    table.FieldByName("ID_PROF").SetAsInteger(4);
    SetName("Nouveau");
    table.Cancel();
    EXPECT_EQ(scrolls, 2);
    EXPECT_EQ(table.RecordCount(), 3u);
    EXPECT_EQ(Id(), 3);
    EXPECT_TRUE(table.Changed());
    std::filesystem::remove(dir / "profils.csv");
    table.SaveIfChanged();
    EXPECT_EQ(Saved(), kThreeRows);
    EXPECT_FALSE(table.Changed());
}

TEST_F(ProfileTable, PostWithoutChangesStillMarksTheTableChanged) {
    Open(kThreeRows);
    table.Edit();
    EXPECT_EQ(table.State(), TDataSetState::Edit);
    table.Edit(); // nothing more in edit state
    table.Post();
    EXPECT_TRUE(table.Changed());
    EXPECT_EQ(scrolls, 0);
}

TEST_F(ProfileTable, EditChangesOnlyTheWorkingCopyUntilPosted) {
    Open(kThreeRows);
    table.Next();
    table.Edit();
    SetName("Chalet");
    EXPECT_TRUE(table.Modified());
    EXPECT_EQ(Name(), "Chalet");
    table.Cancel();
    EXPECT_EQ(Name(), "Maison");
    table.Edit();
    SetName("Chalet");
    table.Post();
    EXPECT_EQ(Name(), "Chalet");
    EXPECT_EQ(Id(), 2);
    table.Close();
    EXPECT_EQ(Saved(), std::string(kProfileHeader) + "\r\n1,Bureau,eth0,1,,,,,,1,1,2,0\r\n"
                                                     "2,Chalet,eth1,2,,,,,,0,0,,1\r\n"
                                                     "3,Bureau,eth2,3,,,,,,1,0,5,0\r\n");
}

TEST_F(ProfileTable, DuplicateKeysRefuseAnEditOfTheSecondRowOnly) {
    Open(std::string(kProfileHeader) + "\r\n7,Premier\r\n7.01,Second\r\n8,Autre\r\n");
    table.Next();
    table.Edit();
    SetName("Changé");
    try {
        table.Post();
        FAIL() << "the post went through";
    } catch (const ECsvKeyError& error) {
        EXPECT_EQ(std::string(error.what()),
                  (dir / "profils.csv").string() + " - Key is not unique ");
    }
    EXPECT_EQ(table.State(), TDataSetState::Edit);
    EXPECT_EQ(Name(), "Changé");
    table.Cancel();
    table.First();
    table.Edit();
    SetName("Changé");
    table.Post();
    EXPECT_EQ(Name(), "Changé");
    // New rows go to the end and are never refused, whatever their key.
    table.Append();
    table.FieldByName("ID_PROF").SetAsInteger(8);
    table.Post();
    EXPECT_EQ(table.RecordCount(), 4u);
}

TEST_F(ProfileTable, EditToAKeyHeldByAnotherRowIsRefused) {
    Open(kThreeRows);
    table.Edit();
    table.FieldByName("ID_PROF").SetAsInteger(3);
    EXPECT_THROW(table.Post(), ECsvKeyError);
}

TEST_F(ProfileTable, DeleteMovesToTheFollowingOrNewLastRowWithoutSaving) {
    Open(kThreeRows);
    table.Delete();
    EXPECT_EQ(Id(), 2);
    table.Last();
    scrolls = 0;
    table.Delete();
    EXPECT_EQ(Id(), 2);
    EXPECT_FALSE(table.Eof());
    EXPECT_EQ(scrolls, 1);
    EXPECT_TRUE(table.Changed());
    EXPECT_EQ(Saved(), kThreeRows);
    table.Delete();
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(table.RecordCount(), 0u);
    table.Append();
    table.Delete(); // cancels the insertion
    EXPECT_EQ(table.State(), TDataSetState::Browse);
}

TEST_F(ProfileTable, MovingEndsAPendingInsertionByPostingOrDropping) {
    Open(kThreeRows);
    table.Append();
    table.Next(); // nothing set: dropped
    EXPECT_EQ(table.RecordCount(), 3u);
    table.Append();
    table.FieldByName("ID_PROF").SetAsInteger(4);
    table.Next(); // set: posted, then past the end
    EXPECT_EQ(table.RecordCount(), 4u);
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(Id(), 4);
    table.First();
    table.Edit();
    SetName("Premier");
    table.Last(); // a modified edit is posted too
    table.First();
    EXPECT_EQ(Name(), "Premier");
}

TEST_F(ProfileTable, EditOnAnEmptyTableStartsAnInsertion) {
    table.Open();
    table.Edit();
    EXPECT_EQ(table.State(), TDataSetState::Insert);
    EXPECT_EQ(scrolls, 1);
    table.Cancel();
    EXPECT_TRUE(table.Eof());
}

TEST_F(ProfileTable, NullImageReadsAsZeroAndEmptyText) {
    Open(kThreeRows);
    table.Next();
    EXPECT_EQ(table.FieldByName("IMAGE").AsInteger(), 0);
    EXPECT_EQ(table.FieldByName("IMAGE").AsString(), "");
    EXPECT_TRUE(table.FieldByName("IMAGE").IsNull());
}

TEST_F(ProfileTable, LocateDuringAnEditKeepsTheEditOnItsRow) {
    Open(kThreeRows);
    table.Edit();
    SetName("Gardé");
    EXPECT_TRUE(table.Locate("id_prof", 3));
    table.Post();
    EXPECT_EQ(Id(), 1);
    table.Last();
    EXPECT_EQ(Name(), "Bureau");
    table.First();
    EXPECT_EQ(Name(), "Gardé");
}

TEST_F(ProfileTable, ReselectFiresTwoScrollsAndOneRefresh) {
    Open(kThreeRows);
    TDataSource source(table);
    std::vector<TDataEvent> events;
    source.Subscribe([&](TDataEvent event, const TField*) { events.push_back(event); });
    table.Locate("id_prof", 2);
    events.clear();
    std::vector<int> seen;
    table.SetAfterScroll([&](TCsvDataSet&) { seen.push_back(Id()); });
    table.ReselectCurrentRow();
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    EXPECT_EQ(events, std::vector<TDataEvent>{TDataEvent::DataSetChange});
    EXPECT_EQ(Id(), 2);
    table.Edit();
    table.ReselectCurrentRow(); // only in browse state
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(ProfileTable, ReselectReleasesControlsWhenTheHookFails) {
    Open(kThreeRows);
    table.SetAfterScroll([](TCsvDataSet&) { throw Exception("hook"); });
    EXPECT_THROW(table.ReselectCurrentRow(), Exception);
    EXPECT_FALSE(table.ControlsDisabled());
}

TEST_F(ProfileTable, ObserversHearOfChangesUnlessHeldBack) {
    TDataSource source(table);
    std::vector<TDataEvent> events;
    const TField* changed = nullptr;
    const int handle = source.Subscribe([&](TDataEvent event, const TField* field) {
        events.push_back(event);
        if (event == TDataEvent::FieldChange)
            changed = field;
    });
    Open(kThreeRows);
    table.Edit();
    SetName("x");
    table.Post();
    using E = TDataEvent;
    EXPECT_EQ(events, (std::vector<E>{E::DataSetChange, E::StateChange, E::FieldChange,
                                      E::UpdateRecord, E::StateChange}));
    EXPECT_EQ(changed, &table.FieldByName("NOM_PROF"));
    events.clear();
    table.DisableControls();
    table.DisableControls();
    table.Next();
    table.Next();
    table.EnableControls();
    EXPECT_TRUE(events.empty());
    table.EnableControls();
    EXPECT_EQ(events, std::vector<E>{E::DataSetChange});
    source.Unsubscribe(handle);
    table.First();
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(ProfileTable, UpdateRecordLetsBoundControlsWriteBeforeThePost) {
    Open(kThreeRows);
    TDataSource source(table);
    source.Subscribe([&](TDataEvent event, const TField*) {
        if (event == TDataEvent::UpdateRecord)
            SetName("Depuis le contrôle");
    });
    table.Edit();
    table.Post();
    EXPECT_EQ(Name(), "Depuis le contrôle");
}

TEST_F(ProfileTable, FieldConversions) {
    Open(kThreeRows);
    table.Edit();
    TField& image = table.FieldByName("IMAGE");
    image.SetAsString("-1");
    EXPECT_EQ(image.AsInteger(), -1);
    EXPECT_EQ(MessageOf([&] { image.SetAsString("abc"); }),
              "'abc' n'est pas une valeur entière correcte");
    image.SetAsString("");
    EXPECT_TRUE(image.IsNull());
    TField& dhcp = table.FieldByName("DHCP");
    dhcp.SetAsString("faux");
    EXPECT_EQ(dhcp.AsString(), "Faux");
    dhcp.SetAsString("Vrai");
    EXPECT_TRUE(dhcp.AsBoolean());
    EXPECT_EQ(MessageOf([&] { dhcp.SetAsString("oui"); }),
              "'oui' n'est pas une valeur booléenne correcte");
    dhcp.Clear();
    EXPECT_EQ(dhcp.AsString(), "");
}

} // namespace
} // namespace norvane::test
