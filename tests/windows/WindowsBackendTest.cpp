#include "ExpectedAdapters.h"
#include "netconfig/DispatchError.h"
#include "netconfig/WmiConnection.h"
#include "netconfig/WmiException.h"
#include "netconfig/WmiField.h"
#include "netconfig/WmiFieldKind.h"
#include "netconfig/WmiLateBound.h"
#include "netconfig/WmiMethod.h"
#include "netconfig/WmiPrivilege.h"
#include "netconfig/WmiQuery.h"
#include "netconfig/platform/windows/WindowsManagementService.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace norvane::test {
namespace {

using platform::Variant;

const char* const RootNamespace = "winmgmts:\\\\.\\root\\cimv2";

// The data module's two queries on the real service. What Wine fakes (the
// connection names, the method results) is left unasserted; what it reads
// from the system (the adapters, their indexes and addresses) is checked
// against the namespace the harness built.
class WindowsBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto expected = ExpectedAdapters();
        if (!expected)
            GTEST_SKIP() << "needs the Wine harness (scripts/windows-tests.sh)";
        expected_ = *expected;
        configurations_.SetConnection(&connection_);
        configurations_.SetWQL(
            {"SELECT *  FROM Win32_NetworkAdapter ", "WHERE AdapterType = 'Ethernet 802.3'"});
        adapters_.SetConnection(&connection_);
        adapters_.SetWQL({"SELECT * FROM Win32_NetworkAdapterConfiguration where IPEnabled=true"});
    }

    std::set<std::pair<std::string, std::string>> expectedNamesAndIndexes() const {
        std::set<std::pair<std::string, std::string>> result;
        for (const auto& adapter : expected_)
            result.insert({adapter.name, std::to_string(adapter.index)});
        return result;
    }

    std::set<std::pair<std::string, std::string>> rows(TWmiQuery& query, const char* first,
                                                       const char* second) {
        std::set<std::pair<std::string, std::string>> result;
        for (query.First(); !query.Eof(); query.Next())
            result.insert(
                {query.FieldByName(first).AsString(), query.FieldByName(second).AsString()});
        return result;
    }

    platform::windows::WindowsManagementService service_;
    TWmiConnection connection_{service_, "WmiConnection1"};
    TWmiQuery configurations_{"wqConfigurations"};
    TWmiQuery adapters_{"WmiAdapters"};
    std::vector<ExpectedAdapter> expected_;
};

TEST_F(WindowsBackendTest, EthernetAdaptersAreTheNamespaceAdaptersWithTheirIndexes) {
    configurations_.Open();
    EXPECT_EQ(rows(configurations_, "Name", "Index"), expectedNamesAndIndexes());
    // The join rule of profiles rests on this: the identifier is the index as text.
    for (configurations_.First(); !configurations_.Eof(); configurations_.Next())
        EXPECT_EQ(configurations_.FieldByName("DeviceID").AsString(),
                  configurations_.FieldByName("Index").AsString());
}

TEST_F(WindowsBackendTest, IpEnabledConfigurationsCarryTheNamespaceAddresses) {
    adapters_.Open();
    EXPECT_EQ(rows(adapters_, "Description", "Index"), expectedNamesAndIndexes());
    for (const auto& adapter : expected_) {
        ASSERT_TRUE(adapters_.Locate("Index", Variant(std::to_string(adapter.index))));
        EXPECT_NE(adapters_.FieldByName("IPAddress").AsString().find(adapter.address),
                  std::string::npos);
    }
    // Reopening asks the service again and finds the same adapters.
    adapters_.Close();
    adapters_.Open();
    EXPECT_EQ(adapters_.RecordCount(), static_cast<int>(expected_.size()));
}

TEST_F(WindowsBackendTest, FieldsFollowTheCimTypes) {
    adapters_.Open();
    ASSERT_FALSE(adapters_.Eof());
    EXPECT_EQ(adapters_.FieldByName("Index").DataType(), TFieldKind::ftInteger);
    EXPECT_EQ(adapters_.FieldByName("IPAddress").DataType(), TFieldKind::ftVariant);
    EXPECT_EQ(adapters_.FieldByName("Description").DataType(), TFieldKind::ftWideString);
}

TEST_F(WindowsBackendTest, MissingAddressMethodFailsWithTheServiceCode) {
    adapters_.Open();
    ASSERT_TRUE(adapters_.Locate("Index", Variant(std::to_string(expected_.front().index))));
    TWmiMethod method("WmiMethod1");
    method.SetWmiObjectSource(&adapters_);
    method.Privileges() = AllWmiPrivileges();
    method.SetWmiMethodName("EnableStatic");
    try {
        method.Execute();
        FAIL() << "Wine has no EnableStatic";
    } catch (const TWmiException& e) {
        EXPECT_EQ(e.ErrorCode(), 0x8004102Eu);
        EXPECT_STREQ(e.what(), "8004102E: The requested method is not available.");
    }
}

TEST_F(WindowsBackendTest, LateBoundQueryThroughTheMoniker) {
    auto services = BindMoniker(service_, RootNamespace);
    const Variant result = DispatchCall(
        *services, "ExecQuery",
        {Variant("SELECT * FROM Win32_NetworkAdapterConfiguration where IPEnabled=true")});
    std::set<std::string> indexes;
    ForEachElement(*result.asDispatch(), [&](const Variant& object) {
        indexes.insert(std::to_string(DispatchCall(*object.asDispatch(), "Index").asInteger()));
    });
    std::set<std::string> expected;
    for (const auto& adapter : expected_)
        expected.insert(std::to_string(adapter.index));
    EXPECT_EQ(indexes, expected);
}

TEST_F(WindowsBackendTest, LateBoundFailuresCarryTheirTexts) {
    auto services = BindMoniker(service_, RootNamespace);
    try {
        DispatchCall(*services, "Frobnicate");
        FAIL() << "no failure";
    } catch (const EDispatchError& e) {
        EXPECT_STREQ(e.what(), "Méthode 'Frobnicate' non supportée par l'objet Automation");
    }
    EXPECT_THROW(BindMoniker(service_, "winmgmts:root\\nowhere"), EDispatchError);
}

} // namespace
} // namespace norvane::test
