#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// One row: its line text as it stands in the file, and where each value starts.
// Setting a value rewrites only that value, so everything else in the line (the
// quoting and spacing of a hand-edited file, values beyond the last column)
// is written back as it was read.
class TCsvRow {
public:
    TCsvRow(std::string line, char separator, bool backslashMode);
    // A row of `count` empty values.
    static TCsvRow Blank(std::size_t count, char separator);

    const std::string& Line() const { return line_; }
    std::size_t ValueCount() const { return starts_.size(); }
    // The value at `index` as it stands between its separators; empty past the
    // end of a short line.
    std::string_view Value(std::size_t index) const;
    // Replaces the value at `index` with already encoded text; a short line is
    // first padded with empty values.
    void SetValue(std::size_t index, std::string_view text, char separator);
    // True when splitting the line anew finds the values where the row has them.
    bool SplitsAsHeld(char separator, bool backslashMode) const;

private:
    TCsvRow() = default;
    std::size_t ValueEnd(std::size_t index) const;

    std::string line_;
    std::vector<std::uint32_t> starts_;
};

} // namespace norvane
