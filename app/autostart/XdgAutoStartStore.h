#pragma once

#include "app/autostart/IAutoStartStore.h"

#include <filesystem>

namespace norvane::autostart {

// The XDG autostart directory: one desktop entry per name, "<name>.desktop",
// whose Exec value is the command. The directory is used as it is and never
// created, as the Run key on Windows.
class TXdgAutoStartStore : public IAutoStartStore {
public:
    explicit TXdgAutoStartStore(std::filesystem::path directory);

    // $XDG_CONFIG_HOME/autostart, or ~/.config/autostart; empty when neither
    // the variable holds an absolute path nor HOME is set.
    static std::filesystem::path UserDirectory();

    std::string QuoteProgram(const std::string& programPath) const override;
    std::optional<std::string> ReadCommand(const std::string& name) override;
    bool WriteCommand(const std::string& name, const std::string& command) override;
    bool DeleteCommand(const std::string& name) override;

private:
    bool directoryExists() const;
    std::filesystem::path entryPath(const std::string& name) const;

    std::filesystem::path directory_;
};

} // namespace norvane::autostart
