// The profile file's bytes: reading, writing, header matching, quoting, limits.
#include "StoreTestSupport.h"
#include "store/CsvText.h"
#include "store/Field.h"

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

const std::string kWorkedExample =
    std::string(kProfileHeader) +
    "\r\n"
    "1,Bureau,Local Area Connection,1,192.168.1.20,255.255.255.0,192.168.1.1,192.168.1.1,,0,0,"
    "3,1\r\n"
    "2,\"Maison, \"\"box\"\"\",Wireless Network Connection,7,,,,,,1,1,0,0\r\n";

class ProfileFile : public ::testing::Test {
protected:
    ProfileFile() { SetUpProfileTable(table, dir); }

    std::filesystem::path file() const { return dir / "profils.csv"; }
    std::string Field(const char* name) const { return table.FieldByName(name).AsString(); }
    void SetField(const char* name, const std::string& value) {
        table.FieldByName(name).SetAsString(value);
    }
    // Opens a file holding `header` and one data line; returns the open table.
    void OpenWith(const std::string& contents) {
        WriteFile(file(), contents);
        table.Open();
    }

    TempDir dir;
    TCsvDataSet table{"profils"};
};

TEST_F(ProfileFile, WorkedExampleIsWrittenByteForByte) {
    table.Open();
    table.Append();
    for (auto [name, value] : {std::pair{"ID_PROF", "1"},
                               {"NOM_PROF", "Bureau"},
                               {"CARTE_RESEAU", "Local Area Connection"},
                               {"CONNEXION", "1"},
                               {"ADRESSE_IP", "192.168.1.20"},
                               {"MASK_RESEAU", "255.255.255.0"},
                               {"PASSRELLE_RESEAU", "192.168.1.1"},
                               {"DNS1", "192.168.1.1"},
                               {"IMAGE", "3"},
                               {"ACTIVE", "1"}})
        SetField(name, value);
    table.FieldByName("DHCP").SetAsBoolean(false);
    table.FieldByName("DNS_AUTO").SetAsBoolean(false);
    table.Append(); // posts the first row
    table.FieldByName("ID_PROF").SetAsInteger(2);
    SetField("NOM_PROF", "Maison, \"box\"");
    SetField("CARTE_RESEAU", "Wireless Network Connection");
    SetField("CONNEXION", "7");
    table.FieldByName("DHCP").SetAsBoolean(true);
    table.FieldByName("DNS_AUTO").SetAsBoolean(true);
    table.FieldByName("IMAGE").SetAsInteger(0);
    SetField("ACTIVE", "0");
    table.Post();
    table.SaveIfChanged();
    EXPECT_EQ(ReadFile(file()), kWorkedExample);
}

TEST_F(ProfileFile, WorkedExampleReadsBackFieldByField) {
    OpenWith(kWorkedExample);
    ASSERT_EQ(table.RecordCount(), 2u);
    EXPECT_EQ(table.FieldByName("ID_PROF").AsInteger(), 1);
    EXPECT_EQ(Field("NOM_PROF"), "Bureau");
    EXPECT_EQ(Field("CARTE_RESEAU"), "Local Area Connection");
    EXPECT_EQ(Field("CONNEXION"), "1");
    EXPECT_EQ(Field("ADRESSE_IP"), "192.168.1.20");
    EXPECT_EQ(Field("MASK_RESEAU"), "255.255.255.0");
    EXPECT_EQ(Field("PASSRELLE_RESEAU"), "192.168.1.1");
    EXPECT_EQ(Field("DNS1"), "192.168.1.1");
    EXPECT_EQ(Field("DNS2"), "");
    EXPECT_FALSE(table.FieldByName("DHCP").AsBoolean());
    EXPECT_EQ(Field("DHCP"), "Faux");
    EXPECT_EQ(Field("DNS_AUTO"), "Faux");
    EXPECT_EQ(table.FieldByName("IMAGE").AsInteger(), 3);
    EXPECT_EQ(Field("ACTIVE"), "1");
    table.Next();
    EXPECT_EQ(table.FieldByName("ID_PROF").AsInteger(), 2);
    EXPECT_EQ(Field("NOM_PROF"), "Maison, \"box\"");
    EXPECT_EQ(Field("CARTE_RESEAU"), "Wireless Network Connection");
    EXPECT_EQ(Field("CONNEXION"), "7");
    for (const char* empty : {"ADRESSE_IP", "MASK_RESEAU", "PASSRELLE_RESEAU", "DNS1", "DNS2"})
        EXPECT_EQ(Field(empty), "") << empty;
    EXPECT_EQ(Field("DHCP"), "Vrai");
    EXPECT_TRUE(table.FieldByName("DNS_AUTO").AsBoolean());
    EXPECT_EQ(table.FieldByName("IMAGE").AsInteger(), 0);
    EXPECT_EQ(Field("IMAGE"), "0");
    EXPECT_EQ(Field("ACTIVE"), "0");
}

TEST_F(ProfileFile, MissingOrEmptyFileOpensEmptyAndFirstSaveWritesHeader) {
    for (const char* contents : {"", "\r\n", kProfileHeader}) {
        TCsvDataSet other("profils");
        SetUpProfileTable(other, dir);
        WriteFile(file(), contents);
        other.Open();
        EXPECT_EQ(other.RecordCount(), 0u) << contents;
        EXPECT_TRUE(other.Eof());
    }
    std::filesystem::remove(file());
    table.Open();
    EXPECT_EQ(table.HeaderRow(), kProfileHeader);
    table.Append();
    table.FieldByName("ID_PROF").SetAsInteger(1);
    table.Post();
    table.Close();
    EXPECT_EQ(ReadFile(file()), std::string(kProfileHeader) + "\r\n1,,,,,,,,,,,,\r\n");
}

TEST_F(ProfileFile, HeaderIsMatchedByNameAndKeptOnSave) {
    OpenWith("nom_prof, id_prof:% ,carte_reseau,CONNEXION,ADRESSE_IP,MASK_RESEAU,"
             "PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO,IMAGE,ACTIVE\n"
             "Bureau,4,eth0,,,,,,,1,0,2,0\n");
    EXPECT_EQ(table.FieldByName("ID_PROF").AsInteger(), 4);
    EXPECT_EQ(Field("NOM_PROF"), "Bureau");
    table.Edit();
    SetField("NOM_PROF", "Atelier");
    table.Post();
    table.SaveIfChanged();
    EXPECT_EQ(ReadFile(file()),
              "nom_prof, id_prof:% ,carte_reseau,CONNEXION,ADRESSE_IP,MASK_RESEAU,"
              "PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO,IMAGE,ACTIVE\r\n"
              "Atelier,4,eth0,,,,,,,1,0,2,0\r\n");
}

TEST_F(ProfileFile, MissingColumnsAreAppendedToHeaderAndLines) {
    const std::string header = "ID_PROF,NOM_PROF,CARTE_RESEAU,CONNEXION,ADRESSE_IP,MASK_RESEAU,"
                               "PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO";
    OpenWith(header + "\n1,Bureau,eth0,1,,,,,,1,1\n2,Maison,eth1,2,,,,,,0,0\n");
    for (table.First(); !table.Eof(); table.Next()) {
        EXPECT_TRUE(table.FieldByName("IMAGE").IsNull());
        EXPECT_EQ(Field("ACTIVE"), "");
    }
    table.SetChanged(true);
    table.SaveIfChanged();
    EXPECT_EQ(ReadFile(file()), header + ",IMAGE,ACTIVE\r\n1,Bureau,eth0,1,,,,,,1,1,,\r\n"
                                         "2,Maison,eth1,2,,,,,,0,0,,\r\n");
}

TEST_F(ProfileFile, SkippedLinesAndLoneLineBreaksAreNormalisedOnSave) {
    OpenWith(std::string(kProfileHeader) + "\n1,A\r\n\r>>note\n2,B\r3,C");
    EXPECT_EQ(table.RecordCount(), 3u);
    table.SetChanged(true);
    table.Close();
    EXPECT_EQ(ReadFile(file()), std::string(kProfileHeader) + "\r\n1,A\r\n2,B\r\n3,C\r\n");
}

TEST_F(ProfileFile, UnchangedRowsAndColumnsAreWrittenAsRead) {
    const std::string row = "1 , \"Bureau\" ,eth0,1,,,,,,-1,oui,7,0,extra,\"more\"";
    OpenWith(std::string(kProfileHeader) + "\r\n" + row + "\r\n2,B\r\n");
    EXPECT_EQ(Field("NOM_PROF"), "Bureau");
    table.Next();
    table.Edit();
    SetField("ACTIVE", "1"); // a short line grows to hold the value
    table.Post();
    table.SaveIfChanged();
    EXPECT_EQ(ReadFile(file()),
              std::string(kProfileHeader) + "\r\n" + row + "\r\n2,B,,,,,,,,,,,1\r\n");
}

// A data line in definition order with `value` in the column `field`.
std::string LineWith(const std::string& field, const std::string& value) {
    static const char* const kNames[] = {
        "ID_PROF",    "NOM_PROF",    "CARTE_RESEAU",     "CONNEXION",
        "ADRESSE_IP", "MASK_RESEAU", "PASSRELLE_RESEAU", "DNS1",
        "DNS2",       "DHCP",        "DNS_AUTO",         "IMAGE",
        "ACTIVE"};
    std::string line;
    for (const char* name : kNames) {
        if (name != kNames[0])
            line += ',';
        line += name == field ? value : (name == kNames[0] ? "1" : "");
    }
    return line;
}

struct ValueCase {
    const char* stored;   // as it stands in the line
    const char* field;    // which field reads it
    const char* asString; // what AsString gives
    bool isNull;
};

class ValueReading : public ProfileFile, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ValueReading, ReadsAsTheFieldKindSays) {
    const ValueCase& c = GetParam();
    OpenWith(std::string(kProfileHeader) + "\r\n" + LineWith(c.field, c.stored) + "\r\n");
    EXPECT_EQ(Field(c.field), c.asString);
    EXPECT_EQ(table.FieldByName(c.field).IsNull(), c.isNull);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueReading,
    ::testing::Values(
        ValueCase{"-1", "DHCP", "Vrai", false}, ValueCase{"1", "DHCP", "Vrai", false},
        ValueCase{"0", "DHCP", "Faux", false}, ValueCase{"Vrai", "DHCP", "Faux", false},
        ValueCase{"oui", "DNS_AUTO", "Faux", false}, ValueCase{"", "DHCP", "", true},
        ValueCase{"", "IMAGE", "", true}, ValueCase{"abc", "IMAGE", "", true},
        ValueCase{" 12 ", "IMAGE", "12", false}, ValueCase{"99999999999", "IMAGE", "", true},
        ValueCase{"  Bureau  ", "NOM_PROF", "Bureau", false},
        ValueCase{"\"a\"\"b\"", "NOM_PROF", "a\"b", false},
        ValueCase{"\"a\"b", "NOM_PROF", "\"a\"b", false},
        ValueCase{"\"x\\ny\"", "NOM_PROF", "x\\ny", false}, ValueCase{"\"\"", "NOM_PROF", "", true},
        ValueCase{"\"open, never closed", "NOM_PROF", "\"open, never closed,,,,,,,,,,,", false},
        ValueCase{"12", "ACTIVE", "1", false}));

TEST_F(ProfileFile, TextValuesRoundTripThroughQuoting) {
    const std::vector<std::string> names = {"Maison, \"box\"", "  padded  ", "a\"", "\"",
                                            "back\\slash,",    "tab\there",  "é,à"};
    table.Open();
    for (std::size_t i = 0; i < names.size(); ++i) {
        table.Append();
        table.FieldByName("ID_PROF").SetAsInteger(static_cast<int>(i));
        SetField("NOM_PROF", names[i]);
    }
    table.Post();
    table.Close();
    table.Open();
    for (const std::string& name : names) {
        EXPECT_EQ(Field("NOM_PROF"), csv::Trim(name));
        table.Next();
    }
}

TEST_F(ProfileFile, NameStartingWithMarkerInTheFirstColumnStaysARow) {
    OpenWith("NOM_PROF,ID_PROF\r\nBureau,1\r\n");
    table.Edit();
    SetField("NOM_PROF", ">>Bureau");
    table.Post();
    table.Close();
    EXPECT_EQ(ReadFile(file()).substr(0, 30), "NOM_PROF,ID_PROF,CARTE_RESEAU,");
    EXPECT_NE(ReadFile(file()).find("\r\n\">>Bureau\",1,,"), std::string::npos);
    table.Open();
    EXPECT_EQ(Field("NOM_PROF"), ">>Bureau");
}

TEST_F(ProfileFile, ValueAddedBehindAnOpenQuoteKeepsBothValues) {
    OpenWith(std::string(kProfileHeader) + "\r\n1,\"open, \"\"never closed\r\n");
    EXPECT_EQ(Field("NOM_PROF"), "\"open, \"\"never closed");
    table.Edit();
    SetField("ACTIVE", "1");
    table.Post();
    table.Close();
    table.Open();
    EXPECT_EQ(Field("NOM_PROF"), "\"open, \"\"never closed");
    EXPECT_EQ(Field("ACTIVE"), "1");
}

TEST_F(ProfileFile, LineBreaksAreEscapedWithoutChangingHowOtherRowsRead) {
    const std::string other = "2,\"x,y\\z\"";
    OpenWith(std::string(kProfileHeader) + "\r\n1,a\r\n" + other + "\r\n");
    table.Edit();
    SetField("NOM_PROF", "C:\\new\nline");
    table.Post();
    EXPECT_FALSE(table.EnquoteBackslash());
    table.Close();
    EXPECT_EQ(ReadFile(file()),
              std::string(kProfileHeader) + "\r\n1,\"C:\\\\new\\nline\"\r\n" + other + "\r\n");
    table.Open();
    table.Next();
    EXPECT_EQ(Field("NOM_PROF"), "x,y\\z");
}

TEST_F(ProfileFile, BackslashModeReadsBackWhatItWrites) {
    table.SetEnquoteBackslash(true);
    table.Open();
    table.Append();
    SetField("NOM_PROF", "Maison, \"box\" C:\\x\tend");
    table.Post();
    table.Close();
    EXPECT_EQ(ReadFile(file()), std::string(kProfileHeader) +
                                    "\r\n,\"Maison, \"\"box\"\" C:\\\\x\tend\",,,,,,,,,,,\r\n");
    table.Open();
    EXPECT_EQ(Field("NOM_PROF"), "Maison, \"box\" C:\\x\tend");
}

TEST_F(ProfileFile, TextIsCutToItsWidthInCharacters) {
    table.Open();
    table.Append();
    SetField("NOM_PROF", std::string(60, 'x'));
    EXPECT_EQ(Field("NOM_PROF"), std::string(50, 'x'));
    std::string accented;
    for (int i = 0; i < 60; ++i)
        accented += "é";
    SetField("NOM_PROF", accented);
    EXPECT_EQ(Field("NOM_PROF"), accented.substr(0, 100)); // 50 two-byte characters
    SetField("ACTIVE", "é1");
    EXPECT_EQ(Field("ACTIVE"), "é");
}

TEST_F(ProfileFile, LongerValuesInTheFileAreCutWhenRead) {
    OpenWith(std::string(kProfileHeader) + "\r\n" + LineWith("NOM_PROF", std::string(60, 'n')) +
             "\r\n");
    EXPECT_EQ(Field("NOM_PROF"), std::string(50, 'n'));
}

TEST_F(ProfileFile, Windows1252FileIsReadAndWrittenBackAsUtf8) {
    OpenWith(std::string(kProfileHeader) + "\r\n1,Caf\xe9 \x80,eth0\r\n");
    EXPECT_EQ(Field("NOM_PROF"), "Café €");
    table.SetChanged(true);
    table.Close();
    EXPECT_EQ(ReadFile(file()), std::string(kProfileHeader) + "\r\n1,Café €,eth0\r\n");
}

TEST_F(ProfileFile, Utf8FileEditedIn8BitKeepsItsUtf8Names) {
    OpenWith(std::string(kProfileHeader) + "\r\n1,Élodie\r\n2,Caf\xe9\r\n");
    EXPECT_EQ(Field("NOM_PROF"), "Élodie");
    table.Next();
    EXPECT_EQ(Field("NOM_PROF"), "Café");
}

TEST_F(ProfileFile, InvalidUtf8GivenToAFieldIsStoredAsValidText) {
    table.Open();
    table.Append();
    SetField("NOM_PROF", std::string("Caf\xe9\0!", 6));
    EXPECT_EQ(Field("NOM_PROF"), "Café!");
}

TEST_F(ProfileFile, LineLengthLimitCountsCharacters) {
    const std::string prefix = "1,";
    std::string fits = prefix;
    while (fits.size() < 2046)
        fits += 'a';
    OpenWith(std::string(kProfileHeader) + "\r\n" + fits + "\r\n");
    EXPECT_EQ(table.RecordCount(), 1u);
    table.Close();

    // 2046 characters of two bytes each still fit.
    std::string wide = prefix;
    for (std::size_t i = prefix.size(); i < 2046; ++i)
        wide += "é";
    OpenWith(std::string(kProfileHeader) + "\r\n" + wide + "\r\n");
    EXPECT_EQ(table.RecordCount(), 1u);
    table.Close();

    WriteFile(file(), std::string(kProfileHeader) + "\r\n" + fits + "b\r\n");
    EXPECT_EQ(MessageOf([&] { table.Open(); }),
              "CSV string is too long: 1,aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa...");
    EXPECT_FALSE(table.IsActive());
}

TEST_F(ProfileFile, FieldWriteThatWouldMakeAnUnreadableLineIsRefused) {
    std::string line = "1,,,,,,,,,,,,0,";
    line += std::string(2046 - line.size() - 10, 'z');
    OpenWith(std::string(kProfileHeader) + "\r\n" + line + "\r\n");
    table.Edit();
    EXPECT_EQ(MessageOf([&] { SetField("NOM_PROF", std::string(50, 'n')); }).substr(0, 24),
              "CSV string is too long: ");
    EXPECT_EQ(Field("NOM_PROF"), "");
    SetField("NOM_PROF", "short");
    table.Post();
}

TEST_F(ProfileFile, TooManyValuesInALineStopsTheOpening) {
    const std::string tooMany = "1" + std::string(120, ',');
    const std::string most = "1" + std::string(119, ',');
    const std::string message = "CsvData - Internal Limit of MAXCOLUMNS (120) reached. CSV Data "
                                "has too many columns";
    OpenWith(std::string(kProfileHeader) + "\r\n" + most + "\r\n\"a,,,\"\r\n");
    EXPECT_EQ(table.RecordCount(), 2u);
    table.Close();
    WriteFile(file(), std::string(kProfileHeader) + "\r\n" + tooMany + "\r\n");
    EXPECT_EQ(MessageOf([&] { table.Open(); }), message);
    WriteFile(file(), std::string(kProfileHeader) + std::string(120, ',') + "\r\n");
    EXPECT_EQ(MessageOf([&] { table.Open(); }), message);
}

struct HeaderCase {
    const char* header;
    const char* message;
};

class HeaderErrors : public ProfileFile, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderErrors, StopTheOpeningWithTheFileName) {
    WriteFile(file(), std::string(GetParam().header) + "\r\n1,a\r\n");
    EXPECT_EQ(MessageOf([&] { table.Open(); }),
              (dir / "profils.csv").string() + ": " + GetParam().message);
    EXPECT_FALSE(table.IsActive());
    EXPECT_EQ(table.RecordCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, HeaderErrors,
    ::testing::Values(
        HeaderCase{"ID_PROF,MAC,NOM_PROF",
                   "ProcessCsvHeaderRow: Field MAC found in file, but not in field definitions"},
        HeaderCase{"ID_PROF, mac:$17 ,NOM_PROF",
                   "ProcessCsvHeaderRow: Field mac found in file, but not in field definitions"},
        HeaderCase{"ID_PROF,,NOM_PROF", "Error processing first line of CSV file"},
        HeaderCase{"ID_PROF,NOM_PROF,", "Error processing first line of CSV file"},
        HeaderCase{"ID_PROF, :x", "Error processing first line of CSV file"}));

struct DefinitionCase {
    const char* fieldDef;
    const char* keyDef;
    const char* message; // behind the file name
};

class DefinitionErrors : public ProfileFile,
                         public ::testing::WithParamInterface<DefinitionCase> {};

TEST_P(DefinitionErrors, StopTheOpening) {
    table.SetCsvFieldDef(GetParam().fieldDef);
    table.SetCsvKeyDef(GetParam().keyDef);
    EXPECT_EQ(MessageOf([&] { table.Open(); }),
              (dir / "profils.csv").string() + ": " + GetParam().message);
    EXPECT_FALSE(table.IsActive());
}

INSTANTIATE_TEST_SUITE_P(
    Definitions, DefinitionErrors,
    ::testing::Values(
        DefinitionCase{"", "ID",
                       "Field Definition Error. CsvFieldDef, FieldDefs, and file contents must "
                       "match"},
        DefinitionCase{"ID:%,NOM:*5", "ID", "Invalid field type character: *"},
        DefinitionCase{"ID:%,:$5", "ID", "Unexpected error parsing CSV Field Definitions"},
        DefinitionCase{"ID:%,NOM", "", "Invalid CsvKeyDef property. InternalInitFieldDefs failed"},
        DefinitionCase{"ID:%", "ID,NOM",
                       "Invalid CsvKeyDef property. InternalInitFieldDefs failed"},
        DefinitionCase{"ID:%,NOM", "NAME",
                       "CsvKeyDef contains field 'NAME' which is not defined. "
                       "InternalInitFieldDefs failed"}));

TEST_F(ProfileFile, DefinitionGrammarGivesTypesAndWidths) {
    table.SetCsvFieldDef(" A:% , B;! ,C:$3,D,E:$,F:$x,G:,H:Z");
    table.SetCsvKeyDef("a");
    table.Open();
    const TCsvColumns& columns = table.Columns();
    ASSERT_EQ(columns.Count(), 8u);
    EXPECT_EQ(columns[0].type, TCsvColumnType::Integer);
    EXPECT_TRUE(columns[0].isKey);
    EXPECT_EQ(columns[1].type, TCsvColumnType::Boolean);
    const std::size_t widths[] = {3, 80, 80, 80, 80, 80};
    for (std::size_t i = 2; i < 8; ++i) {
        EXPECT_EQ(columns[i].type, TCsvColumnType::Text) << i;
        EXPECT_EQ(columns[i].width, widths[i - 2]) << i;
    }
}

} // namespace
} // namespace norvane::test
