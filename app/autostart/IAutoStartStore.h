#pragma once

#include <optional>
#include <string>

namespace norvane::autostart {

// Where the system keeps the commands it starts when the user logs on: named
// text values in a place that belongs to the system (the Run key on Windows,
// the XDG autostart directory elsewhere). The place is opened as it is and
// never created.
class IAutoStartStore {
public:
    virtual ~IAutoStartStore() = default;

    // The program path as it begins a stored command: between double quotes,
    // with whatever escaping the place's command syntax needs.
    virtual std::string QuoteProgram(const std::string& programPath) const = 0;

    // The command stored under name, empty when there is none; nothing when
    // the place cannot be opened.
    virtual std::optional<std::string> ReadCommand(const std::string& name) = 0;

    // Store or remove the command under name. False, and nothing changed,
    // when the place cannot be opened.
    virtual bool WriteCommand(const std::string& name, const std::string& command) = 0;
    virtual bool DeleteCommand(const std::string& name) = 0;
};

} // namespace norvane::autostart
