#include "netconfig/WmiQuery.h"

#include "SimulatedMachineFixture.h"
#include "netconfig/WmiException.h"
#include "netconfig/platform/memory/MemoryObject.h"

namespace norvane::test {
namespace {

using platform::Variant;

class WmiQueryTest : public SimulatedMachineFixture {
protected:
    TWmiQuery& adapters() {
        if (!connection_) {
            connection_ = std::make_unique<TWmiConnection>(service(), "WmiConnection1");
            query_ = std::make_unique<TWmiQuery>("WmiAdapters");
            query_->SetConnection(connection_.get());
            query_->SetWQL(
                {"SELECT * FROM Win32_NetworkAdapterConfiguration where IPEnabled=true"});
        }
        return *query_;
    }

    std::vector<std::string> column(TWmiQuery& query, const std::string& field) {
        std::vector<std::string> texts;
        for (query.First(); !query.Eof(); query.Next())
            texts.push_back(query.FieldByName(field).AsString());
        return texts;
    }

    std::unique_ptr<TWmiConnection> connection_;
    std::unique_ptr<TWmiQuery> query_;
};

TEST_F(WmiQueryTest, RowsAndFieldsFollowTheObjectsAndTheirProperties) {
    TWmiQuery& query = adapters();
    query.Open();
    EXPECT_TRUE(connection_->Connected());
    EXPECT_EQ(column(query, "Index"), (std::vector<std::string>{"7", "12"}));
    EXPECT_EQ(query.RecordCount(), 2);

    ASSERT_NE(query.FindField("ipaddress"), nullptr);
    const TWmiField& index = query.FieldByName("INDEX");
    EXPECT_EQ(index.FieldName(), "Index");
    EXPECT_EQ(index.DataType(), TFieldKind::ftInteger);
    EXPECT_TRUE(index.Required());
    EXPECT_EQ(query.FieldByName("IPAddress").DataType(), TFieldKind::ftVariant);
    EXPECT_EQ(query.FieldByName("DHCPEnabled").DataType(), TFieldKind::ftBoolean);
    EXPECT_EQ(query.Fields(0).FieldNo(), 1);

    query.First();
    EXPECT_EQ(query.FieldByName("IPAddress").AsString(), "{192.168.1.10, fe80::1}");
    query.Next();
    EXPECT_TRUE(query.FieldByName("DefaultIPGateway").IsNull());
    EXPECT_EQ(query.FieldByName("DefaultIPGateway").AsString(), "");
}

TEST_F(WmiQueryTest, CursorModelMatchesTheProfileTable) {
    TWmiQuery& query = adapters();
    query.Open();
    EXPECT_FALSE(query.Eof());
    EXPECT_EQ(query.RecNo(), 1);
    query.Next();
    query.Next(); // past the last row: Eof, still on the last row
    EXPECT_TRUE(query.Eof());
    EXPECT_EQ(query.FieldByName("Index").AsString(), "12");
    query.First();
    EXPECT_FALSE(query.Eof());
    query.Last();
    EXPECT_TRUE(query.Eof());
    EXPECT_EQ(query.RecNo(), 2);
    query.Prior();
    EXPECT_EQ(query.FieldByName("Index").AsString(), "7");
}

TEST_F(WmiQueryTest, SixtyFourBitAndNullPropertiesOfTheAdapterClass) {
    TWmiConnection connection(service());
    TWmiQuery query("wqConfigurations");
    query.SetConnection(&connection);
    query.SetWQL({"SELECT *  FROM Win32_NetworkAdapter ", "WHERE AdapterType = 'Ethernet 802.3'"});
    query.Open();
    EXPECT_EQ(query.FieldByName("Speed").DataType(), TFieldKind::ftLargeint);
    EXPECT_EQ(query.FieldByName("Speed").Value(), Variant(std::int64_t{1000000000}));
    EXPECT_EQ(query.FieldByName("DeviceID").AsString(), "7");
    EXPECT_EQ(query.FieldByName("NetConnectionID").AsString(), "Connexion au réseau local");
    EXPECT_EQ(column(query, "DeviceID"), (std::vector<std::string>{"7", "12", "70"}));
}

TEST_F(WmiQueryTest, EmptyResultHasNoFieldsAndLocatesNothing) {
    TWmiQuery& query = adapters();
    query.SetWQL({"SELECT * FROM Win32_NetworkAdapterConfiguration WHERE Index = 99"});
    query.Open();
    EXPECT_TRUE(query.Active());
    EXPECT_TRUE(query.Eof());
    EXPECT_EQ(query.FieldCount(), 0);
    EXPECT_EQ(query.RecNo(), 0);
    EXPECT_EQ(query.GetWmiObject(), nullptr);
    EXPECT_FALSE(query.Locate("index", Variant("7")));
    EXPECT_EQ(MessageOf<Exception>([&] { query.FieldByName("Index"); }),
              "WmiAdapters: Champ 'Index' non trouvé");
}

struct LocateCase {
    const char* fields;
    Variant key;
    TLocateOptions options;
    bool found;
    const char* rowAfter; // Index of the current row afterwards
};

class WmiQueryLocateTest : public WmiQueryTest, public ::testing::WithParamInterface<LocateCase> {};

TEST_P(WmiQueryLocateTest, ComparesTextFormsAndStaysPutWhenNothingMatches) {
    const LocateCase& c = GetParam();
    TWmiQuery& query = adapters();
    query.Open();
    query.Next(); // stand on 12, so a failed Locate visibly stays there
    query.Next();
    EXPECT_EQ(query.Locate(c.fields, c.key, c.options), c.found);
    EXPECT_EQ(query.FieldByName("Index").AsString(), c.rowAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, WmiQueryLocateTest,
    ::testing::Values(
        LocateCase{"index", Variant("7"), {}, true, "7"},
        LocateCase{"Index", Variant(7), {}, true, "7"},
        LocateCase{"index", Variant("07"), {}, false, "12"},
        LocateCase{"index", Variant("7 "), {}, false, "12"},
        LocateCase{"index", Variant("1"), {}, false, "12"},
        LocateCase{"index", Variant("1"), TLocateOptions{.partialKey = true}, true, "12"},
        LocateCase{"Description", Variant("CARTE RÉSEAU 1"), {}, false, "12"},
        LocateCase{"Description", Variant("CARTE RÉSEAU 1"),
                   TLocateOptions{.caseInsensitive = true}, true, "7"},
        LocateCase{"Description", Variant("carte s"), TLocateOptions{.partialKey = true}, true,
                   "12"},
        LocateCase{"Index;DHCPEnabled ; ",
                   Variant::Array({Variant("12"), Variant("True")}),
                   {},
                   true,
                   "12"},
        LocateCase{
            "Index;DHCPEnabled", Variant::Array({Variant("7"), Variant(true)}), {}, false, "12"},
        LocateCase{"IPAddress", Variant("{192.168.1.10, fe80::1}"), {}, true, "7"}));

TEST_F(WmiQueryTest, LocateFailures) {
    TWmiQuery& query = adapters();
    query.Open();
    EXPECT_EQ(MessageOf<Exception>([&] { query.Locate("Index;Description", Variant("7")); }),
              "WmiAdapters: Expression filtre formée incorrectement");
    EXPECT_EQ(MessageOf<Exception>(
                  [&] { query.Locate("Index;Description", Variant::Array({Variant("7")})); }),
              "WmiAdapters: Expression filtre formée incorrectement");
    EXPECT_EQ(MessageOf<Exception>([&] { query.Locate("Nom", Variant("7")); }),
              "WmiAdapters: Champ 'Nom' non trouvé");
}

TEST_F(WmiQueryTest, ReopeningRunsTheQueryAgain) {
    TWmiQuery& query = adapters();
    query.Open();
    ASSERT_EQ(query.RecordCount(), 2);
    std::string changed = StandardMachine;
    changed.replace(changed.find("\"IPEnabled\": false"), 18, "\"IPEnabled\": true");
    writeMachine(changed);
    query.Open(); // already open: nothing happens
    EXPECT_EQ(query.RecordCount(), 2);
    query.Close();
    EXPECT_EQ(query.FieldCount(), 0);
    query.Open();
    EXPECT_EQ(column(query, "Index"), (std::vector<std::string>{"7", "12", "70"}));
}

TEST_F(WmiQueryTest, PropertiesAreFetchedOncePerRow) {
    TWmiQuery& query = adapters();
    query.Open();
    auto object = std::dynamic_pointer_cast<platform::memory::MemoryObject>(query.GetWmiObject());
    ASSERT_NE(object, nullptr);
    const int before = object->fetchCount();
    query.FieldByName("Index").AsString();
    query.FieldByName("Index").AsString();
    query.Locate("Index", Variant("7"));
    EXPECT_EQ(object->fetchCount(), before + 1);
}

TEST_F(WmiQueryTest, OpeningFailuresLeaveTheQueryClosed) {
    TWmiQuery& query = adapters();
    query.SetWQL({"  ", ""});
    EXPECT_EQ(MessageOf<Exception>([&] { query.Open(); }), "WmiAdapters: WQL is not defined");
    EXPECT_FALSE(query.Active());

    TWmiQuery orphan("wqConfigurations");
    orphan.SetWQL({"SELECT * FROM Win32_NetworkAdapter"});
    EXPECT_EQ(MessageOf<Exception>([&] { orphan.Open(); }),
              "wqConfigurations: Connection is not defined");

    const struct {
        const char* wql;
        std::uint32_t code;
        const char* message;
    } cases[] = {
        {"SELECT * FROM Win32_Nothing", 0x80041010, "80041010: The specified class is not valid."},
        {"SELECT Index FROM Win32_NetworkAdapter", 0x80041017,
         "80041017: The query was not syntactically valid."},
        {"SELECT * FROM Win32_NetworkAdapter WHERE Nothing = 1", 0x80041017,
         "80041017: The query was not syntactically valid."},
    };
    for (const auto& c : cases) {
        query.SetWQL({c.wql});
        try {
            query.Open();
            ADD_FAILURE() << c.wql << " opened";
        } catch (const TWmiException& e) {
            EXPECT_EQ(e.ErrorCode(), c.code) << c.wql;
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_FALSE(query.Active());
    }
}

TEST_F(WmiQueryTest, ConnectionFailureCarriesTheServiceCode) {
    writeMachine(R"({"adapters": [], "failures": {"connect": "0x80041003"}})");
    TWmiQuery& query = adapters();
    try {
        query.Open();
        FAIL() << "opened";
    } catch (const TWmiException& e) {
        EXPECT_EQ(e.ErrorCode(), 0x80041003u);
        EXPECT_STREQ(e.what(),
                     "80041003: The current user does not have permission to perform the action.");
    }
    EXPECT_FALSE(connection_->Connected());
    EXPECT_FALSE(query.Active());
}

} // namespace
} // namespace norvane::test
