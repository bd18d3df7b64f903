#include "common/Errors.h"
#include "editing/UIPAddrUtils.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

using namespace norvane;

TEST(IPAddrPieces, ExtractPieceSplitsLikeTheRulesExpect) {
    EXPECT_EQ(ExtractPiece("1.22.333.4", 1, '.'), "1");
    EXPECT_EQ(ExtractPiece("1.22.333.4", 3, '.'), "333");
    EXPECT_EQ(ExtractPiece("1.22.333.4", 4, '.'), "4");
    EXPECT_EQ(ExtractPiece("1.22.333.4", 5, '.'), "");
    EXPECT_EQ(ExtractPiece("1.2.3.", 4, '.'), "");
    EXPECT_EQ(ExtractPiece(".1.2.3", 1, '.'), "");
    EXPECT_EQ(ExtractPiece("1..2", 2, '.'), "");
    EXPECT_EQ(ExtractPiece("1..2", 3, '.'), "2");
    EXPECT_EQ(ExtractPiece("abc", 1, '.'), "abc");
    EXPECT_EQ(ExtractPiece("", 1, '.'), "");
    EXPECT_EQ(ExtractPiece("1.2", 0, '.'), "");

    EXPECT_EQ(CountChar("1.2.3.4", '.'), 3);
    EXPECT_EQ(CountChar("", '.'), 0);
    EXPECT_TRUE(AllDigits(""));
    EXPECT_TRUE(AllDigits("0123456789"));
    EXPECT_FALSE(AllDigits("12 "));
    EXPECT_FALSE(AllDigits("\xB2")); // a high 8-bit character, not a digit in any code page sense
}

namespace {

enum class Outcome { Accepted, Assertion, General };

struct RuleCase {
    const char* text;
    Outcome outcome;
    const char* message; // the error text; for an assertion, without its location suffix
    std::array<int, 4> octets;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

constexpr const char* Pieces =
    "IPAddress must include 4 pieces of length 1..3. IPAddressString[%s]";

std::string withText(const char* pattern, const std::string& text) {
    std::string out = pattern;
    out.replace(out.find("%s"), 2, text);
    return out;
}

class IPStringRules : public testing::TestWithParam<RuleCase> {};

// Runs CheckIPString and reports the failure as (kind, message without location).
std::optional<std::pair<Outcome, std::string>> failureOf(const std::string& text) {
    try {
        CheckIPString(text);
        return std::nullopt;
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.unit(), "UIPAddrUtils.cpp");
        return std::make_pair(Outcome::Assertion, e.text());
    } catch (const Exception& e) {
        return std::make_pair(Outcome::General, e.message());
    }
}

} // namespace

TEST_P(IPStringRules, AcceptsOrReportsTheFirstFault) {
    const RuleCase& c = GetParam();
    const auto failure = failureOf(c.text);
    if (c.outcome == Outcome::Accepted) {
        ASSERT_FALSE(failure) << failure->second;
        for (int n = 1; n <= 4; ++n)
            EXPECT_EQ(GetOctet(c.text, n), c.octets[n - 1]) << "octet " << n;
        EXPECT_EQ(GetOctet(c.text, 0), 0);
        EXPECT_EQ(GetOctet(c.text, 5), 0);
        return;
    }
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->first, c.outcome);
    EXPECT_EQ(failure->second, withText(c.message, c.text));
    // GetOctet checks the same way, whatever octet is asked for.
    for (int n : {0, 1, 4, 5})
        EXPECT_THROW(GetOctet(c.text, n), Exception);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IPStringRules,
    testing::Values(
        RuleCase{"0.0.0.0", Outcome::Accepted, "", {0, 0, 0, 0}},
        RuleCase{"255.255.255.255", Outcome::Accepted, "", {255, 255, 255, 255}},
        RuleCase{"10.0.0.1", Outcome::Accepted, "", {10, 0, 0, 1}},
        RuleCase{"192.168.1.10", Outcome::Accepted, "", {192, 168, 1, 10}},
        RuleCase{"0.2.3.4", Outcome::Accepted, "", {0, 2, 3, 4}},
        RuleCase{"100.20.3.199", Outcome::Accepted, "", {100, 20, 3, 199}},
        // Length is tested first, even where the dots are also wrong.
        RuleCase{
            "192.168.100.1000", Outcome::Assertion, "Illegal length for IPString![%s(16)]", {}},
        RuleCase{
            "1234567890123456", Outcome::Assertion, "Illegal length for IPString![%s(16)]", {}},
        RuleCase{"", Outcome::Assertion, "Must include exactly 3 dots! [%s]", {}},
        RuleCase{"1.2.3", Outcome::Assertion, "Must include exactly 3 dots! [%s]", {}},
        RuleCase{"1.2.3.4.5", Outcome::Assertion, "Must include exactly 3 dots! [%s]", {}},
        RuleCase{"a.b.c", Outcome::Assertion, "Must include exactly 3 dots! [%s]", {}},
        RuleCase{"1..2.3", Outcome::General, Pieces, {}},
        RuleCase{"1.2.3.", Outcome::General, Pieces, {}},
        RuleCase{".1.2.3", Outcome::General, Pieces, {}},
        RuleCase{"...", Outcome::General, Pieces, {}},
        RuleCase{"1.2.3.1000", Outcome::General, Pieces, {}},
        RuleCase{"01.2.3.4", Outcome::General, "Leading zero not allowed. IPAddressString[%s]", {}},
        RuleCase{
            "1.2.3.000", Outcome::General, "Leading zero not allowed. IPAddressString[%s]", {}},
        // Structural faults of a later piece come before value faults of an earlier one,
        RuleCase{
            "300.01.2.3", Outcome::General, "Leading zero not allowed. IPAddressString[%s]", {}},
        RuleCase{"a.2.3.1000", Outcome::General, Pieces, {}},
        // but each piece is tested for length before the next piece's leading zero.
        RuleCase{"1.2345.01.1", Outcome::General, Pieces, {}},
        RuleCase{"1.2.3.256",
                 Outcome::General,
                 "Triplets must be of range 0..255  IPAddressString[%s]",
                 {}},
        RuleCase{"999.1.1.1",
                 Outcome::General,
                 "Triplets must be of range 0..255  IPAddressString[%s]",
                 {}},
        // and, triplet by triplet, illegal symbols before range.
        RuleCase{"1.2.3.a",
                 Outcome::General,
                 "IP Address contains illegal symbols. IPAddressString[%s]",
                 {}},
        RuleCase{" 1.2.3.4",
                 Outcome::General,
                 "IP Address contains illegal symbols. IPAddressString[%s]",
                 {}},
        RuleCase{"1.2.3.+4",
                 Outcome::General,
                 "IP Address contains illegal symbols. IPAddressString[%s]",
                 {}},
        RuleCase{"300.2.3.x",
                 Outcome::General,
                 "Triplets must be of range 0..255  IPAddressString[%s]",
                 {}},
        RuleCase{"x.2.3.300",
                 Outcome::General,
                 "IP Address contains illegal symbols. IPAddressString[%s]",
                 {}}));

TEST(IPTriplets, NormaliseEachPieceToThreeDigits) {
    EXPECT_EQ(IPStringToTriplets("192.168.1.10"), "192168001010");
    EXPECT_EQ(IPStringToTriplets("0.0.0.0"), "000000000000");
    // Only structure is tested here; values and symbols are CheckTriplets' business.
    EXPECT_EQ(IPStringToTriplets("999.a.b c.1"), "99900ab c001");
}

TEST(IPTriplets, CheckTripletsNamesTheDottedTextAndTripletLength) {
    EXPECT_NO_THROW(CheckTriplets("255000001010", "255.0.1.10"));
    try {
        CheckTriplets("1234", "1.2.3.4");
        FAIL();
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.text(), "Illegal length for IPString![1.2.3.4 (Length:4) ]");
    }
    EXPECT_THROW(CheckTriplets("", "x"), EAssertionFailed);
    try {
        CheckTriplets("001002003-04", "1.2.3.-4");
        FAIL();
    } catch (const EAssertionFailed&) {
        FAIL() << "not a length fault";
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), "IP Address contains illegal symbols. IPAddressString[1.2.3.-4]");
    }
}
