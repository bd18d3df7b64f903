#include "netconfig/platform/linux/SystemState.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace norvane::platform::linux_backend {

namespace fs = std::filesystem;

namespace {

constexpr int CapNetAdmin = 12;

std::string firstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// The value of "key=value" in a state file, or nothing.
std::optional<std::string> keyValue(const fs::path& file, const std::string& key) {
    std::ifstream in(file);
    if (!in)
        return std::nullopt;
    for (std::string line; std::getline(in, line);)
        if (line.rfind(key + '=', 0) == 0)
            return line.substr(key.size() + 1);
    return std::nullopt;
}

bool isNumber(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

} // namespace

bool SystemState::canChangeNetwork() const {
    std::ifstream in(fs::path(paths_.proc) / "self/status");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("CapEff:", 0) != 0)
            continue;
        std::istringstream value(line.substr(7));
        unsigned long long mask = 0;
        value >> std::hex >> mask;
        return (mask >> CapNetAdmin & 1) != 0;
    }
    return false;
}

std::string SystemState::namespaceOf(const std::string& pid) const {
    std::error_code error;
    const auto target = fs::read_symlink(fs::path(paths_.proc) / pid / "ns/net", error);
    return error ? std::string() : target.string();
}

std::string SystemState::namespaceId() const {
    std::string id;
    for (const char c : namespaceOf("self"))
        if (std::isdigit(static_cast<unsigned char>(c)))
            id += c;
    return id.empty() ? "0" : id;
}

std::string SystemState::stateFile(const std::string& name) const {
    fs::create_directories(paths_.stateDirectory);
    return (fs::path(paths_.stateDirectory) / (name + "-net" + namespaceId())).string();
}

bool SystemState::runsHere(const std::string& command) const {
    const std::string ours = namespaceOf("self");
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(paths_.proc, error)) {
        const std::string pid = entry.path().filename().string();
        if (!isNumber(pid) || firstLine(entry.path() / "comm") != command)
            continue;
        // A namespace we may not look at counts as ours: better to warn
        // about a manager than to fight it unknowingly.
        const std::string theirs = namespaceOf(pid);
        if (theirs.empty() || theirs == ours)
            return true;
    }
    return false;
}

std::optional<std::string> SystemState::managerOf(int interfaceIndex) const {
    const std::string index = std::to_string(interfaceIndex);
    const fs::path run(paths_.run);
    // NetworkManager manages every device unless told otherwise, and records
    // that choice per device.
    if (runsHere("NetworkManager") &&
        keyValue(run / "NetworkManager/devices" / index, "managed").value_or("true") != "false")
        return "NetworkManager";
    // systemd-networkd records a state for every link; only some are its own.
    if (runsHere("systemd-network")) {
        const auto state = keyValue(run / "systemd/netif/links" / index, "ADMIN_STATE");
        if (state && *state != "unmanaged" && *state != "linger")
            return "systemd-networkd";
    }
    return std::nullopt;
}

} // namespace norvane::platform::linux_backend
