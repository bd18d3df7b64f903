#include "IniFile.h"

#include "common/Errors.h"
#include "common/Format.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <utility>
#include <vector>

namespace norvane::i18n {
namespace {

constexpr std::size_t MaxValueLength = 2047;

std::string trimmed(const std::string& text) {
    const auto isSpace = [](unsigned char c) { return std::isspace(c) != 0; };
    auto begin = std::find_if_not(text.begin(), text.end(), isSpace);
    auto end = std::find_if_not(text.rbegin(), std::make_reverse_iterator(begin), isSpace).base();
    return std::string(begin, end);
}

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// "[name]" gives name; any other line gives nothing.
std::optional<std::string> sectionOf(const std::string& line) {
    const std::string text = trimmed(line);
    if (text.size() < 2 || text.front() != '[')
        return std::nullopt;
    const auto close = text.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return trimmed(text.substr(1, close - 1));
}

// "key=value" gives the pair; comments and lines without "=" give nothing.
std::optional<std::pair<std::string, std::string>> entryOf(const std::string& line) {
    const std::string text = trimmed(line);
    if (text.empty() || text.front() == ';')
        return std::nullopt;
    const auto equals = text.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    return std::make_pair(trimmed(text.substr(0, equals)), trimmed(text.substr(equals + 1)));
}

std::string unquoted(std::string value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

struct KeyPosition {
    std::optional<std::size_t> section; // line of "[section]"
    std::optional<std::size_t> key;     // line of "key=..."
    std::size_t sectionEnd = 0;         // one past the section's last non-blank line
};

KeyPosition locate(const std::vector<std::string>& lines, const std::string& section,
                   const std::string& key) {
    KeyPosition found;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionOf(lines[i])) {
            if (inside)
                break;
            inside = sameName(*name, section);
            if (inside) {
                found.section = i;
                found.sectionEnd = i + 1;
            }
            continue;
        }
        if (!inside)
            continue;
        if (!trimmed(lines[i]).empty())
            found.sectionEnd = i + 1;
        const auto entry = entryOf(lines[i]);
        if (entry && !found.key && sameName(entry->first, key))
            found.key = i;
    }
    return found;
}

} // namespace

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    const std::vector<std::string> lines = readLines(path_);
    const KeyPosition position = locate(lines, section, key);
    if (!position.key)
        return defaultValue.substr(0, MaxValueLength);
    return unquoted(entryOf(lines[*position.key])->second).substr(0, MaxValueLength);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) const {
    // An existing file we cannot read would be replaced by a file holding
    // only this key: refuse rather than lose its other settings.
    if (std::filesystem::exists(path_) && !std::ifstream(path_).is_open())
        throw Exception(Format("Impossible d'écrire dans %s", {path_}));
    std::vector<std::string> lines = readLines(path_);
    const KeyPosition position = locate(lines, section, key);
    const std::string entry = key + "=" + value;
    if (position.key) {
        lines[*position.key] = entry;
    } else if (position.section) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(position.sectionEnd), entry);
    } else {
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    }

    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines)
        out << line << '\n';
    out.close();
    if (!out)
        throw Exception(Format("Impossible d'écrire dans %s", {path_}));
}

} // namespace norvane::i18n
