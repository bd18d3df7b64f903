#include "app/autostart/AutoStartReg.h"
#include "app/autostart/NativeAutoStartStore.h"
#include "app/autostart/RunKeyAutoStartStore.h"
#include "app/i18n/ProgramPath.h"

#include <gtest/gtest.h>
#include <string>
#include <windows.h>

using norvane::autostart::TAutoStartReg;
using norvane::autostart::TRunKeyAutoStartStore;

namespace {

std::wstring testKey(const char* purpose) {
    return L"Software\\NorvaneTest-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::wstring(purpose, purpose + std::char_traits<char>::length(purpose));
}

bool keyExists(const std::wstring& subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

} // namespace

// Nothing registers this test program, so the machine's Run key holds no
// command that starts it.
TEST(RunKeyAutoStart, ThisProgramReadsAsNotRegistered) {
    const TAutoStartReg reg(norvane::autostart::NativeAutoStartStore(),
                            norvane::i18n::ProgramFilePath());
    EXPECT_FALSE(reg.AutoStart());
    EXPECT_EQ(reg.ValueName(), "Norvane");
}

TEST(RunKeyAutoStart, MissingKeyIsNeitherReadNorCreated) {
    const std::wstring subKey = testKey("missing");
    TRunKeyAutoStartStore store(subKey);
    EXPECT_EQ(store.ReadCommand("Norvane"), std::nullopt);
    EXPECT_FALSE(store.WriteCommand("Norvane", "\"C:\\x.exe\""));
    EXPECT_FALSE(keyExists(subKey));
}

TEST(RunKeyAutoStart, CommandWrittenReadsBackAndIsRemoved) {
    const std::wstring subKey = testKey("present");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    const std::string program = R"(C:\Tools\prog.exe)";
    {
        TAutoStartReg reg(std::make_unique<TRunKeyAutoStartStore>(subKey), program);
        EXPECT_FALSE(reg.AutoStart());
        reg.SetAutoStart(true);
    }
    TRunKeyAutoStartStore store(subKey);
    EXPECT_EQ(store.ReadCommand("Norvane"), R"("C:\Tools\prog.exe" --auto --min)");
    {
        TAutoStartReg reg(std::make_unique<TRunKeyAutoStartStore>(subKey), program);
        EXPECT_TRUE(reg.AutoStart());
        reg.SetAutoStart(false);
    }
    EXPECT_EQ(store.ReadCommand("Norvane"), "");
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, subKey.c_str());
}
