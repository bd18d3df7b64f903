#include "XdgAutoStartStore.h"

#include "app/autostart/NativeAutoStartStore.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace norvane::autostart {

namespace fs = std::filesystem;

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// A desktop entry's string values escape backslashes and control characters.
std::string escapedValue(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string unescapedValue(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            out += text[i];
        }
    }
    return out;
}

// The Exec and Hidden keys of the [Desktop Entry] group; an entry marked
// hidden counts as removed.
std::string execOfEntry(std::istream& in) {
    std::string line, group, exec;
    bool hidden = false;
    while (std::getline(in, line)) {
        const std::string text = trimmed(line);
        if (text.empty() || text.front() == '#')
            continue;
        if (text.front() == '[') {
            group = text;
            continue;
        }
        const auto equals = text.find('=');
        if (group != "[Desktop Entry]" || equals == std::string::npos)
            continue;
        const std::string key = trimmed(text.substr(0, equals));
        const std::string value = trimmed(text.substr(equals + 1));
        if (key == "Exec")
            exec = unescapedValue(value);
        else if (key == "Hidden")
            hidden = value == "true";
    }
    return hidden ? std::string() : exec;
}

} // namespace

TXdgAutoStartStore::TXdgAutoStartStore(fs::path directory) : directory_(std::move(directory)) {}

fs::path TXdgAutoStartStore::UserDirectory() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && fs::path(config).is_absolute())
        return fs::path(config) / "autostart";
    const char* home = std::getenv("HOME");
    if (home && *home)
        return fs::path(home) / ".config" / "autostart";
    return {};
}

// Inside double quotes the command syntax reserves the quote, backquote,
// dollar and backslash, and every "%" starts a field code.
std::string TXdgAutoStartStore::QuoteProgram(const std::string& programPath) const {
    std::string quoted = "\"";
    for (char c : programPath) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    return quoted + "\"";
}

bool TXdgAutoStartStore::directoryExists() const {
    std::error_code error;
    return !directory_.empty() && fs::is_directory(directory_, error);
}

fs::path TXdgAutoStartStore::entryPath(const std::string& name) const {
    return directory_ / (name + ".desktop");
}

std::optional<std::string> TXdgAutoStartStore::ReadCommand(const std::string& name) {
    if (!directoryExists())
        return std::nullopt;
    std::ifstream in(entryPath(name), std::ios::binary);
    if (!in)
        return std::string();
    return execOfEntry(in);
}

bool TXdgAutoStartStore::WriteCommand(const std::string& name, const std::string& command) {
    if (!directoryExists())
        return false;
    // Written aside and renamed, so the session never reads half an entry.
    const fs::path target = entryPath(name);
    fs::path temporary = target;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << "[Desktop Entry]\nType=Application\nName=" << escapedValue(name)
            << "\nExec=" << escapedValue(command) << "\n";
        out.close();
        if (!out)
            return false;
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error)
        fs::remove(temporary, error);
    return true;
}

bool TXdgAutoStartStore::DeleteCommand(const std::string& name) {
    if (!directoryExists())
        return false;
    std::error_code error;
    fs::remove(entryPath(name), error);
    return true;
}

std::unique_ptr<IAutoStartStore> NativeAutoStartStore() {
    return std::make_unique<TXdgAutoStartStore>(TXdgAutoStartStore::UserDirectory());
}

} // namespace norvane::autostart
