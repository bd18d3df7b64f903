#include "app/autostart/AutoStartReg.h"

#include "RecordingAutoStartStore.h"

#include <gtest/gtest.h>
#include <memory>

using norvane::autostart::TAutoStartReg;

namespace {

const std::string program = R"(C:\Tools\prog.exe)";

std::unique_ptr<TAutoStartReg> registration(RecordingAutoStartStore::Shared& shared,
                                            std::string valueName = "Norvane") {
    return std::make_unique<TAutoStartReg>(std::make_unique<RecordingAutoStartStore>(shared),
                                           program, std::move(valueName));
}

struct ReadCase {
    const char* name;
    const char* stored; // nullptr: no value
    bool registered;
};

void PrintTo(const ReadCase& entry, std::ostream* out) {
    *out << entry.name;
}

class RegistrationRead : public ::testing::TestWithParam<ReadCase> {};

} // namespace

TEST_P(RegistrationRead, OnlyTheExactQuotedPathCounts) {
    RecordingAutoStartStore::Shared shared;
    if (GetParam().stored)
        shared.values["Norvane"] = GetParam().stored;
    EXPECT_EQ(registration(shared)->AutoStart(), GetParam().registered);
    EXPECT_TRUE(shared.changes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, RegistrationRead,
    ::testing::Values(ReadCase{"AsWritten", R"("C:\Tools\prog.exe" --auto --min)", true},
                      ReadCase{"OtherSwitches", R"("C:\Tools\prog.exe" /x)", true},
                      ReadCase{"PathAlone", R"("C:\Tools\prog.exe")", true},
                      ReadCase{"OtherLetterCase", R"("c:\tools\PROG.EXE" --auto --min)", false},
                      ReadCase{"Unquoted", R"(C:\Tools\prog.exe --auto --min)", false},
                      ReadCase{"LongerFileName", R"("C:\Tools\prog.exe.old" --auto --min)", false},
                      ReadCase{"PathCutShort", R"("C:\Tools\prog.exe)", false},
                      ReadCase{"Empty", "", false}, ReadCase{"Missing", nullptr, false}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(Registration, UnopenablePlaceOrNoValueNameReadsAsAbsent) {
    RecordingAutoStartStore::Shared shared;
    shared.values["Norvane"] = R"("C:\Tools\prog.exe" --auto --min)";
    shared.values[""] = R"("C:\Tools\prog.exe" --auto --min)";
    EXPECT_FALSE(registration(shared, "")->AutoStart());
    EXPECT_EQ(shared.reads, 0);
    shared.opens = false;
    EXPECT_FALSE(registration(shared)->AutoStart());
}

TEST(Registration, SetAutoStartWritesAndRemovesTheCommand) {
    RecordingAutoStartStore::Shared shared;
    auto reg = registration(shared);
    EXPECT_EQ(reg->ValueName(), "Norvane");
    EXPECT_EQ(reg->Parameter(), "--auto --min");

    reg->SetAutoStart(false); // unchanged: nothing written
    EXPECT_TRUE(shared.changes.empty());
    reg->SetAutoStart(true);
    reg->SetAutoStart(true);
    EXPECT_TRUE(reg->AutoStart());
    reg->SetAutoStart(false);
    EXPECT_FALSE(reg->AutoStart());
    EXPECT_EQ(shared.changes,
              (std::vector<std::string>{R"(write Norvane="C:\Tools\prog.exe" --auto --min)",
                                        "delete Norvane"}));
}

TEST(Registration, StateFollowsEvenWhenNothingCanBeWritten) {
    RecordingAutoStartStore::Shared shared;
    shared.opens = false;
    auto reg = registration(shared);
    reg->SetAutoStart(true);
    EXPECT_TRUE(reg->AutoStart());
    EXPECT_TRUE(shared.values.empty());

    RecordingAutoStartStore::Shared unnamed;
    auto nameless = registration(unnamed, "");
    nameless->SetAutoStart(true);
    EXPECT_FALSE(nameless->AutoStart());
    EXPECT_TRUE(unnamed.changes.empty());
}
