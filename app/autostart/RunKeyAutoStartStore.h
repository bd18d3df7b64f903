#pragma once

#include "app/autostart/IAutoStartStore.h"

#include <string>

namespace norvane::autostart {

// String values of a key under HKEY_LOCAL_MACHINE, by default the machine's
// Run key. The key is opened for each step with only the access that step
// needs, and never created: reading must work for a user without
// administrator rights, who cannot open that key for writing.
class TRunKeyAutoStartStore : public IAutoStartStore {
public:
    static constexpr const wchar_t* RunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

    explicit TRunKeyAutoStartStore(std::wstring subKey = RunKey);

    std::string QuoteProgram(const std::string& programPath) const override;
    std::optional<std::string> ReadCommand(const std::string& name) override;
    bool WriteCommand(const std::string& name, const std::string& command) override;
    bool DeleteCommand(const std::string& name) override;

private:
    std::wstring subKey_;
};

} // namespace norvane::autostart
