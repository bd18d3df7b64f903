#include "store/CsvRow.h"

#include "store/CsvText.h"

namespace norvane {

TCsvRow::TCsvRow(std::string line, char separator, bool backslashMode)
    : line_(std::move(line)), starts_(csv::ValueStarts(line_, separator, backslashMode)) {}

TCsvRow TCsvRow::Blank(std::size_t count, char separator) {
    TCsvRow row;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            row.line_ += separator;
        row.starts_.push_back(static_cast<std::uint32_t>(row.line_.size()));
    }
    return row;
}

std::size_t TCsvRow::ValueEnd(std::size_t index) const {
    return index + 1 < starts_.size() ? starts_[index + 1] - 1 : line_.size();
}

std::string_view TCsvRow::Value(std::size_t index) const {
    if (index >= starts_.size())
        return {};
    return std::string_view(line_).substr(starts_[index], ValueEnd(index) - starts_[index]);
}

void TCsvRow::SetValue(std::size_t index, std::string_view text, char separator) {
    if (starts_.empty())
        starts_.push_back(0);
    while (index >= starts_.size()) {
        line_ += separator;
        starts_.push_back(static_cast<std::uint32_t>(line_.size()));
    }
    const std::size_t start = starts_[index];
    const std::size_t oldLength = ValueEnd(index) - start;
    line_.replace(start, oldLength, text);
    const auto delta =
        static_cast<std::int64_t>(text.size()) - static_cast<std::int64_t>(oldLength);
    for (std::size_t i = index + 1; i < starts_.size(); ++i)
        starts_[i] = static_cast<std::uint32_t>(starts_[i] + delta);
}

bool TCsvRow::SplitsAsHeld(char separator, bool backslashMode) const {
    return csv::ValueStarts(line_, separator, backslashMode) == starts_;
}

} // namespace norvane
