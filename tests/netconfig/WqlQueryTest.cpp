#include "netconfig/platform/memory/WqlQuery.h"

#include "netconfig/platform/ServiceError.h"

#include <gtest/gtest.h>

namespace norvane::platform::memory {
namespace {

TEST(WqlQuery, AcceptsTheFormsTheProgramSends) {
    const auto all = WqlQuery::parse("select * from Win32_NetworkAdapter\r\n");
    EXPECT_EQ(all.className, "Win32_NetworkAdapter");
    EXPECT_FALSE(all.whereProperty);

    const auto ethernet = WqlQuery::parse(
        "SELECT *  FROM Win32_NetworkAdapter \r\nWHERE AdapterType = 'Ethernet 802.3'\r\n");
    EXPECT_EQ(*ethernet.whereProperty, "AdapterType");
    EXPECT_TRUE(ethernet.matches(Variant("ethernet 802.3")));
    EXPECT_FALSE(ethernet.matches(Variant::Null()));

    const auto enabled =
        WqlQuery::parse("SELECT * FROM Win32_NetworkAdapterConfiguration where IPEnabled=true");
    EXPECT_TRUE(enabled.matches(Variant(true)));
    EXPECT_FALSE(enabled.matches(Variant(false)));

    const auto index =
        WqlQuery::parse("Select * from Win32_NetworkAdapterConfiguration where Index=12");
    EXPECT_TRUE(index.matches(Variant(12)));
    EXPECT_FALSE(index.matches(Variant(120)));
}

TEST(WqlQuery, RefusesEverythingElseAsInvalidQuery) {
    for (const char* text :
         {"", "SELECT", "SELECT Index FROM X", "SELECT * FROM", "SELECT * FROM X WHERE",
          "SELECT * FROM X WHERE A", "SELECT * FROM X WHERE A = 'open",
          "SELECT * FROM X WHERE A = 1x", "SELECT * FROM X WHERE A = 1 AND B = 2",
          "DELETE * FROM X", "SELECT * FROM X ORDER BY A"}) {
        try {
            WqlQuery::parse(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const ServiceError& e) {
            EXPECT_EQ(e.code(), hresult::WbemInvalidQuery) << text;
        }
    }
}

} // namespace
} // namespace norvane::platform::memory
