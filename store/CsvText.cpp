#include "store/CsvText.h"

#include <charconv>

namespace norvane::csv {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Skips a quoted part that opens at `pos`; returns the offset after its closing
// quote, or the line's end when it never closes.
std::size_t SkipQuoted(std::string_view line, std::size_t pos, bool backslashMode) {
    for (++pos; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (backslashMode && c == '\\') {
            ++pos;
        } else if (c == '"') {
            if (pos + 1 < line.size() && line[pos + 1] == '"')
                ++pos;
            else
                return pos + 1;
        }
    }
    return line.size();
}

// Reads the escapes of a quoted value written while backslashes were doubled.
std::string UnescapeBackslashes(std::string_view inner) {
    std::string out;
    out.reserve(inner.size());
    for (std::size_t i = 0; i < inner.size(); ++i) {
        const char c = inner[i];
        if (c == '\\' && i + 1 < inner.size()) {
            const char next = inner[++i];
            switch (next) {
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 's':
                out += ' ';
                break;
            case 't':
                out += '\t';
                break;
            default:
                out += next;
                break;
            }
        } else if (c == '"' && i + 1 < inner.size() && inner[i + 1] == '"') {
            // The writer doubles quotes in this mode too; reading the pair as one
            // keeps a name with quotes from growing at every save.
            out += '"';
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

std::string UndoubleQuotes(std::string_view inner) {
    std::string out;
    out.reserve(inner.size());
    for (std::size_t i = 0; i < inner.size(); ++i) {
        out += inner[i];
        if (inner[i] == '"' && i + 1 < inner.size() && inner[i + 1] == '"')
            ++i;
    }
    return out;
}

// from_chars takes no "+"; a plus sign followed by a digit is still a number.
bool DropPlusSign(std::string_view& raw) {
    if (!raw.empty() && raw.front() == '+') {
        raw.remove_prefix(1);
        if (!raw.empty() && raw.front() == '-')
            return false;
    }
    return !raw.empty();
}

} // namespace

std::vector<std::uint32_t> ValueStarts(std::string_view line, char separator, bool backslashMode) {
    std::vector<std::uint32_t> starts{0};
    std::size_t pos = 0;
    if (pos < line.size() && line[pos] == '"')
        pos = SkipQuoted(line, pos, backslashMode);
    while (pos < line.size()) {
        if (line[pos] != separator) {
            ++pos;
            continue;
        }
        ++pos;
        starts.push_back(static_cast<std::uint32_t>(pos));
        if (pos < line.size() && line[pos] == '"')
            pos = SkipQuoted(line, pos, backslashMode);
    }
    return starts;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Unquote(std::string_view raw, bool backslashMode) {
    if (raw.size() < 2 || raw.front() != '"' || raw.back() != '"')
        return std::string(raw);
    const std::string_view inner = raw.substr(1, raw.size() - 2);
    return backslashMode ? UnescapeBackslashes(inner) : UndoubleQuotes(inner);
}

std::string Enquote(std::string_view value, char separator, bool backslashMode, bool force) {
    const bool hasLineBreak = value.find_first_of("\r\n") != std::string_view::npos;
    const bool needsQuotes = force || hasLineBreak ||
                             value.find(separator) != std::string_view::npos ||
                             value.find('"') != std::string_view::npos ||
                             (backslashMode && value.find('\\') != std::string_view::npos);
    if (!needsQuotes)
        return std::string(value);
    const bool doubleBackslashes = backslashMode || hasLineBreak;
    std::string out = "\"";
    out.reserve(value.size() + 8);
    for (char c : value) {
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\\' && doubleBackslashes) {
            out += "\\\\";
        } else if (c == '\t' || static_cast<unsigned char>(c) >= 32) {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::optional<std::int32_t> ParseInteger(std::string_view raw) {
    if (!DropPlusSign(raw))
        return std::nullopt;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(raw.data(), raw.data() + raw.size(), value);
    if (error != std::errc() || end != raw.data() + raw.size())
        return std::nullopt;
    return value;
}

std::optional<bool> ParseBoolean(std::string_view raw) {
    if (raw.empty())
        return std::nullopt;
    const auto number = ParseInteger(raw);
    return number.has_value() && *number != 0;
}

double ParseKeyNumber(std::string_view raw) {
    if (!DropPlusSign(raw))
        return kNotANumber;
    double value = 0;
    const auto [end, error] =
        std::from_chars(raw.data(), raw.data() + raw.size(), value, std::chars_format::general);
    if (error != std::errc() || end != raw.data() + raw.size())
        return kNotANumber;
    return value;
}

} // namespace norvane::csv
