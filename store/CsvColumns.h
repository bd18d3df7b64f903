#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

enum class TCsvColumnType { Integer, Boolean, Text };

struct TCsvColumn {
    std::string name;
    TCsvColumnType type = TCsvColumnType::Text;
    std::size_t width = 0; // characters; text columns only
    int position = -1;     // index of the column's value in every line
    bool isKey = false;
};

// The columns of a table, parsed from its definition string ("NAME:%,NOM:$50,
// FLAG:!") and placed by the file's header line.
class TCsvColumns {
public:
    // Parses the definition and the key; messages name `fileName` first.
    void Define(std::string_view fieldDef, std::string_view keyDef, char separator,
                const std::string& fileName);

    // Places the columns by the header's names (any order, any letter case) and
    // appends the missing ones. Returns the header text to keep; `added` is set
    // to the number of columns the file's lines lack.
    std::string MatchHeader(std::string_view header, char separator, const std::string& fileName,
                            std::size_t& added);

    // Places the columns in definition order (no file, or an empty first line).
    std::string DefaultHeader(char separator);

    std::size_t Count() const { return columns_.size(); }
    const TCsvColumn& operator[](std::size_t index) const { return columns_[index]; }
    // Index of the column named `name` (letter case ignored), or -1.
    int IndexOf(std::string_view name) const;
    // How many values a line written from scratch holds.
    std::size_t PositionCount() const { return positionCount_; }

private:
    std::vector<TCsvColumn> columns_;
    std::size_t positionCount_ = 0;
};

// Letter-case-blind equality of column names (ASCII letters).
bool SameName(std::string_view a, std::string_view b);

} // namespace norvane
