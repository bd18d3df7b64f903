#include "store/CsvColumns.h"

#include "common/Errors.h"
#include "common/Format.h"
#include "store/CsvLimits.h"
#include "store/CsvText.h"
#include "store/Utf8.h"

#include <algorithm>
#include <cctype>

namespace norvane {

namespace {

constexpr std::size_t kDefaultWidth = 80;

[[noreturn]] void FileError(const std::string& fileName, const std::string& message) {
    throw Exception(Format("%0:s: %1:s", {fileName, message}));
}

std::vector<std::string_view> SplitAll(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t pos = text.find(separator); pos != std::string_view::npos;
         pos = text.find(separator, start)) {
        pieces.push_back(text.substr(start, pos - start));
        start = pos + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

// Header lines and definition strings share the line limits of the data lines.
void CheckListLimits(std::string_view text, char separator) {
    if (utf8::Length(text) >= csv::kMaxListChars ||
        static_cast<std::size_t>(std::count(text.begin(), text.end(), separator)) >=
            csv::kMaxColumns)
        throw Exception(csv::TooManyColumnsMessage());
}

std::size_t ParseWidth(std::string_view digits) {
    const auto width = csv::ParseInteger(digits);
    if (!width || *width < 0 || digits.front() == '+' || digits.front() == '-')
        return kDefaultWidth;
    return static_cast<std::size_t>(*width);
}

TCsvColumn ParseItem(std::string_view item, const std::string& fileName) {
    item = csv::Trim(item);
    TCsvColumn column;
    const std::size_t colon = item.find_first_of(":;");
    column.name = std::string(csv::Trim(item.substr(0, colon)));
    if (column.name.empty())
        FileError(fileName, "Unexpected error parsing CSV Field Definitions");
    column.width = kDefaultWidth;
    if (colon == std::string_view::npos || colon + 1 == item.size())
        return column;
    const std::string_view typeText = item.substr(colon + 1);
    const char type = typeText.front();
    if (type == '%') {
        column.type = TCsvColumnType::Integer;
    } else if (type == '!') {
        column.type = TCsvColumnType::Boolean;
    } else if (type == '$') {
        column.width = typeText.size() > 1 ? ParseWidth(typeText.substr(1)) : kDefaultWidth;
    } else if (static_cast<unsigned char>(type) >= 'A') {
        column.width = ParseWidth(typeText);
    } else {
        FileError(fileName, Format("Invalid field type character: %s", {std::string(1, type)}));
    }
    return column;
}

} // namespace

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

void TCsvColumns::Define(std::string_view fieldDef, std::string_view keyDef, char separator,
                         const std::string& fileName) {
    columns_.clear();
    positionCount_ = 0;
    if (csv::Trim(fieldDef).empty())
        FileError(fileName,
                  "Field Definition Error. CsvFieldDef, FieldDefs, and file contents must match");
    CheckListLimits(fieldDef, separator);
    for (std::string_view item : SplitAll(fieldDef, separator))
        columns_.push_back(ParseItem(item, fileName));

    const auto keys = SplitAll(keyDef, separator);
    if (csv::Trim(keyDef).empty() || keys.size() > columns_.size())
        FileError(fileName, "Invalid CsvKeyDef property. InternalInitFieldDefs failed");
    for (std::string_view key : keys) {
        const int index = IndexOf(csv::Trim(key));
        if (index < 0)
            FileError(fileName, Format("CsvKeyDef contains field '%s' which is not defined. "
                                       "InternalInitFieldDefs failed",
                                       {std::string(csv::Trim(key))}));
        columns_[static_cast<std::size_t>(index)].isKey = true;
    }
}

std::string TCsvColumns::MatchHeader(std::string_view header, char separator,
                                     const std::string& fileName, std::size_t& added) {
    CheckListLimits(header, separator);
    for (auto& column : columns_)
        column.position = -1;
    const auto pieces = SplitAll(header, separator);
    for (std::size_t position = 0; position < pieces.size(); ++position) {
        std::string_view name = csv::Trim(pieces[position]);
        name = csv::Trim(name.substr(0, name.find(':')));
        if (name.empty())
            FileError(fileName, "Error processing first line of CSV file");
        const int index = IndexOf(name);
        if (index < 0)
            FileError(fileName, Format("ProcessCsvHeaderRow: Field %s found in file, but not in "
                                       "field definitions",
                                       {std::string(name)}));
        columns_[static_cast<std::size_t>(index)].position = static_cast<int>(position);
    }
    std::string kept(header);
    positionCount_ = pieces.size();
    added = 0;
    for (auto& column : columns_) {
        if (column.position >= 0)
            continue;
        column.position = static_cast<int>(positionCount_++);
        kept += separator;
        kept += column.name;
        ++added;
    }
    // The header is written back as kept; one that could not be read again
    // must not be accepted.
    if (added > 0)
        CheckListLimits(kept, separator);
    return kept;
}

std::string TCsvColumns::DefaultHeader(char separator) {
    std::string header;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (i > 0)
            header += separator;
        header += columns_[i].name;
        columns_[i].position = static_cast<int>(i);
    }
    positionCount_ = columns_.size();
    return header;
}

int TCsvColumns::IndexOf(std::string_view name) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (SameName(columns_[i].name, name))
            return static_cast<int>(i);
    return -1;
}

} // namespace norvane
