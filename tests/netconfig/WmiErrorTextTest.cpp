#include "netconfig/SystemErrorText.h"
#include "netconfig/WbemErrorTable.h"
#include "netconfig/WmiException.h"
#include "netconfig/WmiFieldKind.h"
#include "netconfig/platform/CimType.h"

#include <gtest/gtest.h>
#include <string>

namespace norvane {
namespace {

TEST(WmiErrorText, DocumentedCodesGiveTheirFixedTexts) {
    EXPECT_EQ(WmiErrorText(0x80041002), "80041002: The object could not be found.");
    EXPECT_EQ(WmiErrorText(0x80041008),
              "80041008: One of the parameters to the call is not correct.");
    EXPECT_EQ(WmiErrorText(0x8004102F),
              "8004102F: The parameters provided for the method are not valid.");
    EXPECT_EQ(WmiErrorText(0x80041021), "80041021: Reserved for future use: WBEM_E_INVALID_SYNTAX");
    EXPECT_EQ(WmiErrorText(0x80041044), "80041044: Reserved for future use.");
    EXPECT_EQ(WmiErrorText(0x80043002),
              "80043002: Reserved for future use: WBEM_E_RESOURCE_CONTENTION");
}

TEST(WmiErrorText, OtherCodesGiveTheSystemText) {
    // Windows and Wine word this one differently.
    const std::string denied = SystemErrorText(0x80070005);
    EXPECT_TRUE(denied == "Access is denied" || denied == "Access denied") << denied;
    EXPECT_EQ(WmiErrorText(0x80070005), "80070005: " + denied);
    EXPECT_EQ(WmiErrorText(0x80041000), "80041000: Unknown error");
    EXPECT_EQ(WmiErrorText(0x12AB), "000012AB: Unknown error");
}

TEST(WmiErrorText, TableCoversExactlyTheDocumentedRanges) {
    const struct {
        std::uint32_t first, last;
    } ranges[] = {{0x80041001, 0x80041049}, {0x80041050, 0x8004105D}, {0x8004105F, 0x8004107A},
                  {0x80041080, 0x80041087}, {0x80042001, 0x80042002}, {0x80043001, 0x80043002}};
    int count = 0;
    for (std::uint32_t code = 0x80041000; code <= 0x80043003; ++code) {
        bool listed = false;
        for (const auto& range : ranges)
            listed = listed || (code >= range.first && code <= range.last);
        const char* text = WbemErrorDescription(code);
        EXPECT_EQ(text != nullptr, listed) << std::hex << code;
        count += text != nullptr;
        const bool windowsXp = (code >= 0x80041067 && code <= 0x8004107A) ||
                               (code >= 0x80041080 && code <= 0x80041087);
        if (text != nullptr) {
            EXPECT_EQ(std::string(text).rfind("Windows XP: ", 0) == 0, windowsXp)
                << std::hex << code;
        }
    }
    EXPECT_EQ(count, 127);
}

TEST(WmiException, CarriesTheCodeOfAFailedCall) {
    const TWmiException failed = TWmiException::FromCode(0x80041008);
    EXPECT_EQ(failed.ErrorCode(), 0x80041008u);
    EXPECT_STREQ(failed.what(), "80041008: One of the parameters to the call is not correct.");
    EXPECT_EQ(TWmiException("WmiMethodName is not specified.").ErrorCode(), 0u);
}

struct KindCase {
    int cimType;
    bool isArray;
    TFieldKind kind;
};

class FieldKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(FieldKindTest, FollowsTheCimType) {
    EXPECT_EQ(FieldKindOfCimType(GetParam().cimType, GetParam().isArray), GetParam().kind);
}

namespace cim = platform::cim;
INSTANTIATE_TEST_SUITE_P(CimTypes, FieldKindTest,
                         ::testing::Values(KindCase{cim::Sint8, false, TFieldKind::ftSmallint},
                                           KindCase{cim::Sint16, false, TFieldKind::ftSmallint},
                                           KindCase{cim::Uint8, false, TFieldKind::ftWord},
                                           KindCase{cim::Uint16, false, TFieldKind::ftWord},
                                           KindCase{cim::Sint32, false, TFieldKind::ftInteger},
                                           KindCase{cim::Uint32, false, TFieldKind::ftInteger},
                                           KindCase{cim::Sint64, false, TFieldKind::ftLargeint},
                                           KindCase{cim::Uint64, false, TFieldKind::ftLargeint},
                                           KindCase{cim::Real32, false, TFieldKind::ftFloat},
                                           KindCase{cim::Real64, false, TFieldKind::ftFloat},
                                           KindCase{cim::Boolean, false, TFieldKind::ftBoolean},
                                           KindCase{cim::String, false, TFieldKind::ftWideString},
                                           KindCase{cim::Char16, false,
                                                    TFieldKind::ftFixedWideChar},
                                           KindCase{cim::Datetime, false, TFieldKind::ftDateTime},
                                           KindCase{cim::Reference, false, TFieldKind::ftVariant},
                                           KindCase{cim::Object, false, TFieldKind::ftInterface},
                                           KindCase{cim::String, true, TFieldKind::ftVariant},
                                           KindCase{cim::Uint16, true, TFieldKind::ftVariant}));

TEST(FieldKind, UnknownCimTypeIsRefused) {
    try {
        FieldKindOfCimType(999, false);
        FAIL();
    } catch (const TWmiException& e) {
        EXPECT_STREQ(e.what(), "Unsupported CIM data type: 999");
        EXPECT_EQ(e.ErrorCode(), 0u);
    }
}

} // namespace
} // namespace norvane
