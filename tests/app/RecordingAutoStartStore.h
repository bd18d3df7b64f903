#pragma once

#include "app/autostart/IAutoStartStore.h"

#include <map>
#include <string>
#include <vector>

// A place for start-at-login commands held in memory, quoting as the Run key
// does; it notes every change asked of it.
class RecordingAutoStartStore : public norvane::autostart::IAutoStartStore {
public:
    struct Shared {
        bool opens = true;
        std::map<std::string, std::string> values;
        std::vector<std::string> changes; // "write name=command", "delete name"
        int reads = 0;
    };

    explicit RecordingAutoStartStore(Shared& shared) : shared_(shared) {}

    std::string QuoteProgram(const std::string& programPath) const override {
        return "\"" + programPath + "\"";
    }
    std::optional<std::string> ReadCommand(const std::string& name) override {
        ++shared_.reads;
        if (!shared_.opens)
            return std::nullopt;
        const auto found = shared_.values.find(name);
        return found == shared_.values.end() ? std::string() : found->second;
    }
    bool WriteCommand(const std::string& name, const std::string& command) override {
        if (!shared_.opens)
            return false;
        shared_.changes.push_back("write " + name + "=" + command);
        shared_.values[name] = command;
        return true;
    }
    bool DeleteCommand(const std::string& name) override {
        if (!shared_.opens)
            return false;
        shared_.changes.push_back("delete " + name);
        shared_.values.erase(name);
        return true;
    }

private:
    Shared& shared_;
};
