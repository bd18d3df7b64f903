// The profile table's field values, key check and Locate.
#include "common/Errors.h"
#include "common/Format.h"
#include "store/CsvDataSet.h"
#include "store/CsvLimits.h"
#include "store/CsvText.h"
#include "store/DataSetTexts.h"
#include "store/Field.h"
#include "store/Utf8.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace norvane {

namespace {

constexpr std::size_t kMaxLocateFields = 20;

std::vector<std::string> SplitNames(const std::string& names) {
    const char separator = names.find(',') != std::string::npos ? ',' : ';';
    std::vector<std::string> result;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = names.find(separator, start);
        result.emplace_back(csv::Trim(std::string_view(names).substr(start, end - start)));
        if (end == std::string::npos)
            return result;
        start = end + 1;
    }
}

std::string AsText(const TLocateValue& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    if (const auto* number = std::get_if<std::int32_t>(&value))
        return std::to_string(*number);
    return std::get<bool>(value) ? "1" : "0";
}

bool SameText(std::string_view a, std::string_view b, bool caseInsensitive) {
    return caseInsensitive ? SameName(a, b) : a == b;
}

bool TextMatches(std::string_view rowValue, std::string_view wanted, TLocateOptions options) {
    if (options.partialKey && rowValue.size() >= wanted.size())
        rowValue = rowValue.substr(0, wanted.size());
    return SameText(rowValue, wanted, options.caseInsensitive);
}

std::optional<bool> WantedBoolean(const TLocateValue& value) {
    if (const auto* flag = std::get_if<bool>(&value))
        return *flag;
    return csv::ParseBoolean(csv::Trim(AsText(value)));
}

// A text value as the table holds it: no NUL (it would end the file's text),
// valid UTF-8, at most `width` characters.
std::string Normalised(const std::string& value, const TCsvColumn& column) {
    std::string text = utf8::Sanitize(value);
    std::erase(text, '\0');
    if (column.type == TCsvColumnType::Text)
        text.resize(utf8::Left(text, column.width).size());
    return text;
}

} // namespace

const TCsvColumn& TCsvDataSet::ColumnOf(const TField& field) const {
    const int index = FieldSlot(field);
    if (index < 0 || static_cast<std::size_t>(index) >= columns_.Count())
        Fail(Format("Champ '%s' non trouvé", {field.FieldName()}));
    return columns_[static_cast<std::size_t>(index)];
}

const TCsvRow* TCsvDataSet::RowForRead() const {
    if (State() == TDataSetState::Edit || State() == TDataSetState::Insert)
        return &*working_;
    if (State() == TDataSetState::Browse && current_ != kNone)
        return &rows_[current_];
    return nullptr;
}

std::string TCsvDataSet::TextOf(std::string_view raw, const TCsvColumn& column) const {
    std::string text = csv::Unquote(raw, enquoteBackslash_);
    text.resize(utf8::Left(text, column.width).size());
    return text;
}

std::optional<std::string> TCsvDataSet::ReadField(const TField& field) const {
    const TCsvRow* row = RowForRead();
    if (!row)
        return std::nullopt;
    const TCsvColumn& column = ColumnOf(field);
    const std::string_view raw = csv::Trim(row->Value(static_cast<std::size_t>(column.position)));
    switch (column.type) {
    case TCsvColumnType::Integer:
        if (const auto number = csv::ParseInteger(raw))
            return std::to_string(*number);
        return std::nullopt;
    case TCsvColumnType::Boolean:
        if (const auto flag = csv::ParseBoolean(raw))
            return *flag ? "1" : "0";
        return std::nullopt;
    case TCsvColumnType::Text:
        break;
    }
    std::string text = TextOf(raw, column);
    if (text.empty())
        return std::nullopt;
    return text;
}

void TCsvDataSet::WriteField(TField& field, const std::optional<std::string>& value) {
    if (State() != TDataSetState::Edit && State() != TDataSetState::Insert)
        Fail(texts::kNotEditing);
    const TCsvColumn& column = ColumnOf(field);
    const std::string text = Normalised(value.value_or(std::string()), column);
    const auto position = static_cast<std::size_t>(column.position);
    TCsvRow row = *working_;
    if (position >= row.ValueCount())
        CloseOpenQuote(row);
    row.SetValue(position, csv::Enquote(text, separator_, enquoteBackslash_), separator_);
    // A row whose line came out empty or starting with ">>" would be skipped as
    // no row at the next opening; quoting its first value keeps it a row.
    if (position == 0 && (row.Line().empty() || row.Line().starts_with(">>")))
        row.SetValue(position, csv::Enquote(text, separator_, enquoteBackslash_, true), separator_);
    NORVANE_ASSERT(row.SplitsAsHeld(separator_, enquoteBackslash_),
                   "Row would not read back as written");
    // A longer line could be saved but never read again.
    if (utf8::Length(row.Line()) > csv::kMaxLineChars)
        throw Exception(csv::TooLongMessage(row.Line()));
    *working_ = std::move(row);
    modified_ = true;
    changed_ = true;
    Notify(TDataEvent::FieldChange, &field);
}

// A hand-edited line whose last value opens a quote and never closes it would
// swallow any value added behind it. Writing that value quoted, with the text
// it reads as, keeps what it shows and lets the line grow.
void TCsvDataSet::CloseOpenQuote(TCsvRow& row) const {
    if (row.ValueCount() == 0)
        return;
    const std::size_t last = row.ValueCount() - 1;
    const std::string probe = std::string(row.Value(last)) + separator_;
    if (csv::ValueStarts(probe, separator_, enquoteBackslash_).size() > 1)
        return;
    const std::string text = csv::Unquote(csv::Trim(row.Value(last)), enquoteBackslash_);
    row.SetValue(last, csv::Enquote(text, separator_, enquoteBackslash_, true), separator_);
}

bool TCsvDataSet::KeysEqual(const TCsvRow& a, const TCsvRow& b) const {
    for (std::size_t i = 0; i < columns_.Count(); ++i) {
        const TCsvColumn& column = columns_[i];
        if (!column.isKey)
            continue;
        const auto position = static_cast<std::size_t>(column.position);
        const std::string_view rawA = csv::Trim(a.Value(position));
        const std::string_view rawB = csv::Trim(b.Value(position));
        if (column.type == TCsvColumnType::Text) {
            if (!SameText(rawA, rawB, caseInsensitive_))
                return false;
        } else if (std::fabs(csv::ParseKeyNumber(rawA) - csv::ParseKeyNumber(rawB)) > 0.02) {
            return false;
        }
    }
    return true;
}

void TCsvDataSet::CheckKey() const {
    // New rows always go to the end, where the key is never checked; an edit is
    // refused when the first row holding the key is another row.
    if (State() != TDataSetState::Edit)
        return;
    for (std::size_t i = 0; i < rows_.Count(); ++i) {
        if (!KeysEqual(rows_[i], *working_))
            continue;
        if (i != editedRow_)
            throw ECsvKeyError(Format("%s - Key is not unique ", {fileName_}));
        return;
    }
}

bool TCsvDataSet::Locate(const std::string& fieldNames, const TLocateValue& value,
                         TLocateOptions options) {
    return Locate(fieldNames, std::vector<TLocateValue>{value}, options);
}

bool TCsvDataSet::Locate(const std::string& fieldNames, const std::vector<TLocateValue>& values,
                         TLocateOptions options) {
    if (!IsActive())
        return false;
    const auto names = SplitNames(fieldNames);
    if (names.size() != values.size() || names.front().empty() || names.size() > kMaxLocateFields)
        return false;
    std::vector<int> columns;
    for (const std::string& name : names) {
        const TField& field = FieldByName(name);
        ColumnOf(field); // raises for a field the file has no column for
        columns.push_back(FieldSlot(field));
    }
    for (std::size_t i = 0; i < rows_.Count(); ++i) {
        if (Matches(rows_[i], columns, values, options)) {
            MoveTo(i, false);
            return true;
        }
    }
    return false;
}

bool TCsvDataSet::Matches(const TCsvRow& row, const std::vector<int>& columns,
                          const std::vector<TLocateValue>& values, TLocateOptions options) const {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const TCsvColumn& column = columns_[static_cast<std::size_t>(columns[i])];
        const std::string_view raw =
            csv::Trim(row.Value(static_cast<std::size_t>(column.position)));
        bool equal = false;
        if (column.type == TCsvColumnType::Integer) {
            const auto rowNumber = csv::ParseInteger(raw);
            equal = rowNumber && rowNumber == csv::ParseInteger(csv::Trim(AsText(values[i])));
        } else if (column.type == TCsvColumnType::Boolean) {
            const auto rowFlag = csv::ParseBoolean(raw);
            equal = rowFlag && rowFlag == WantedBoolean(values[i]);
        } else {
            equal = TextMatches(TextOf(raw, column), AsText(values[i]), options);
        }
        if (!equal)
            return false;
    }
    return true;
}

} // namespace norvane
