#include "store/CsvDataSet.h"

#include "common/Errors.h"
#include "common/Format.h"
#include "store/BooleanField.h"
#include "store/CsvFile.h"
#include "store/CsvLimits.h"
#include "store/CsvText.h"
#include "store/DataSetTexts.h"
#include "store/IntegerField.h"
#include "store/StringField.h"
#include "store/Utf8.h"

#include <exception>

namespace norvane {

namespace fs = std::filesystem;

namespace {

// Whether the line, with `extra` characters added, is longer than a data line
// may be. Characters never outnumber bytes, so short lines need no counting.
bool TooLong(std::string_view line, std::size_t extra) {
    if (line.size() + extra <= csv::kMaxLineChars)
        return false;
    return utf8::Length(line) + extra > csv::kMaxLineChars;
}

// Re-enables observer notices however the scope is left.
class ControlsHeld {
public:
    explicit ControlsHeld(TDataSet& dataSet) : dataSet_(dataSet) { dataSet_.DisableControls(); }
    ~ControlsHeld() { dataSet_.EnableControls(); }
    ControlsHeld(const ControlsHeld&) = delete;
    ControlsHeld& operator=(const ControlsHeld&) = delete;

private:
    TDataSet& dataSet_;
};

} // namespace

TCsvDataSet::TCsvDataSet(std::string name) : TDataSet(std::move(name)) {}

TCsvDataSet::~TCsvDataSet() {
    // The program is ending; there is no one left to show a failure to. Rows an
    // earlier close could not save get one last try.
    try {
        Close();
        if (rowsRetained_)
            WriteRows();
    } catch (...) {
    }
}

void TCsvDataSet::Open() {
    if (IsActive())
        return;
    if (rowsRetained_) {
        // Rows a failed close could not save go to their file before it is read.
        WriteRows();
        rowsRetained_ = false;
    }
    std::error_code error;
    fullPath_ = fs::absolute(fileName_, error);
    if (error)
        throw Exception(
            Format("Impossible d'ouvrir le fichier \"%s\". %s", {fileName_, error.message()}));
    changed_ = false;
    try {
        Load();
    } catch (...) {
        rows_.Clear();
        throw;
    }
    SetState(TDataSetState::Browse);
    current_ = rows_.Empty() ? kNone : 0;
    eof_ = rows_.Empty();
    Notify(TDataEvent::DataSetChange);
}

void TCsvDataSet::Load() {
    rows_.Clear();
    columns_.Define(fieldDef_, keyDef_, separator_, fileName_);
    const auto text = csv::ReadText(fullPath_, fileName_);
    const auto lines = text ? csv::SplitLines(*text) : std::vector<std::string_view>{};
    std::size_t added = 0;
    if (lines.empty() || lines.front().empty())
        header_ = columns_.DefaultHeader(separator_);
    else
        header_ = columns_.MatchHeader(lines.front(), separator_, fileName_, added);
    AddLines(lines, added);
    BindFields();
}

void TCsvDataSet::AddLines(const std::vector<std::string_view>& lines, std::size_t added) {
    const std::string padding(added, separator_);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view text = lines[i];
        if (text.empty() || text.starts_with(">>"))
            continue;
        if (TooLong(text, added))
            throw Exception(csv::TooLongMessage(text));
        TCsvRow row(std::string(text) + padding, separator_, enquoteBackslash_);
        if (row.ValueCount() > csv::kMaxColumns)
            throw Exception(csv::TooManyColumnsMessage());
        rows_.Append(std::move(row));
    }
}

// Gives every column a field object and every field object its column.
void TCsvDataSet::BindFields() {
    for (std::size_t i = 0; i < columns_.Count(); ++i) {
        const TCsvColumn& column = columns_[i];
        if (FindField(column.name))
            continue;
        if (column.type == TCsvColumnType::Integer)
            CreateField<TIntegerField>(column.name);
        else if (column.type == TCsvColumnType::Boolean)
            CreateField<TBooleanField>(column.name);
        else
            CreateField<TStringField>(column.name, column.width);
    }
    for (TField* field : Fields())
        SetFieldSlot(*field, columns_.IndexOf(field->FieldName()));
}

void TCsvDataSet::Close() {
    if (!IsActive())
        return;
    std::exception_ptr saveFailure;
    try {
        SaveIfChanged();
    } catch (...) {
        saveFailure = std::current_exception();
    }
    working_.reset();
    SetState(TDataSetState::Inactive);
    current_ = kNone;
    eof_ = true;
    // Unsaved rows stay in memory so that the next Open can write them first.
    rowsRetained_ = saveFailure != nullptr;
    if (!rowsRetained_)
        rows_.Clear();
    Notify(TDataEvent::DataSetChange);
    if (saveFailure)
        std::rethrow_exception(saveFailure);
}

void TCsvDataSet::SaveIfChanged() {
    if (!changed_ || (!IsActive() && !rowsRetained_))
        return;
    if (savesChanges_)
        WriteRows();
    changed_ = false;
}

void TCsvDataSet::WriteRows() {
    std::string contents = header_ + "\r\n";
    for (const TCsvRow& row : rows_) {
        contents += row.Line();
        contents += "\r\n";
    }
    csv::WriteAtomically(fullPath_, contents);
}

void TCsvDataSet::CheckActive() const {
    if (!IsActive())
        Fail(texts::kClosed);
}

void TCsvDataSet::MoveTo(std::size_t row, bool eof) {
    current_ = row;
    eof_ = eof;
    Notify(TDataEvent::RecordChange);
}

void TCsvDataSet::FireAfterScroll() {
    if (afterScroll_)
        afterScroll_(*this);
}

// What First, Next, Last and Append do with an edit or insertion still open.
void TCsvDataSet::EndPending() {
    if (State() != TDataSetState::Edit && State() != TDataSetState::Insert)
        return;
    if (modified_)
        Post();
    else
        Cancel();
}

void TCsvDataSet::First() {
    CheckActive();
    EndPending();
    MoveTo(rows_.Empty() ? kNone : 0, rows_.Empty());
    FireAfterScroll();
}

void TCsvDataSet::Next() {
    CheckActive();
    EndPending();
    if (eof_)
        return;
    if (current_ + 1 >= rows_.Count())
        MoveTo(current_, true);
    else
        MoveTo(current_ + 1, false);
    FireAfterScroll();
}

void TCsvDataSet::Last() {
    CheckActive();
    EndPending();
    MoveTo(rows_.Empty() ? kNone : rows_.Count() - 1, true);
    FireAfterScroll();
}

void TCsvDataSet::Append() {
    CheckActive();
    EndPending();
    StartInsert();
}

void TCsvDataSet::StartInsert() {
    working_ = TCsvRow::Blank(columns_.PositionCount(), separator_);
    editedRow_ = kNone;
    modified_ = false;
    SetState(TDataSetState::Insert);
    Notify(TDataEvent::StateChange);
    FireAfterScroll();
}

void TCsvDataSet::Edit() {
    if (State() == TDataSetState::Edit || State() == TDataSetState::Insert)
        return;
    CheckActive();
    if (rows_.Empty() || current_ == kNone) {
        StartInsert();
        return;
    }
    working_ = rows_[current_];
    editedRow_ = current_;
    modified_ = false;
    SetState(TDataSetState::Edit);
    Notify(TDataEvent::StateChange);
}

void TCsvDataSet::Post() {
    if (State() != TDataSetState::Edit && State() != TDataSetState::Insert)
        Fail(texts::kNotEditing);
    Notify(TDataEvent::UpdateRecord);
    if (uniqueKeys_)
        CheckKey();
    if (State() == TDataSetState::Edit) {
        rows_[editedRow_] = std::move(*working_);
        current_ = editedRow_;
    } else {
        rows_.Append(std::move(*working_));
        current_ = rows_.Count() - 1;
    }
    working_.reset();
    changed_ = true;
    eof_ = false;
    SetState(TDataSetState::Browse);
    Notify(TDataEvent::StateChange);
}

void TCsvDataSet::Cancel() {
    const TDataSetState state = State();
    if (state != TDataSetState::Edit && state != TDataSetState::Insert)
        return;
    working_.reset();
    SetState(TDataSetState::Browse);
    if (state == TDataSetState::Edit) {
        MoveTo(editedRow_, false);
        Notify(TDataEvent::StateChange);
        return;
    }
    MoveTo(rows_.Empty() ? kNone : rows_.Count() - 1, rows_.Empty());
    Notify(TDataEvent::StateChange);
    FireAfterScroll();
}

void TCsvDataSet::Delete() {
    CheckActive();
    if (State() == TDataSetState::Insert) {
        Cancel();
        return;
    }
    if (rows_.Empty() || current_ == kNone)
        Fail(texts::kEmpty);
    working_.reset();
    rows_.Remove(current_);
    if (current_ >= rows_.Count())
        current_ = rows_.Empty() ? kNone : rows_.Count() - 1;
    eof_ = rows_.Empty();
    changed_ = true;
    SetState(TDataSetState::Browse);
    Notify(TDataEvent::DataSetChange);
    FireAfterScroll();
}

void TCsvDataSet::ReselectCurrentRow() {
    if (State() != TDataSetState::Browse)
        return;
    ControlsHeld held(*this);
    const std::size_t remembered = current_;
    First();
    if (remembered != kNone) {
        MoveTo(remembered, false);
        FireAfterScroll();
    }
}

} // namespace norvane
