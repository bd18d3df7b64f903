#pragma once

// The profile table: a CSV file held in memory as an ordered list of rows with
// one current row.
//
//   TCsvDataSet table("profils");
//   table.SetFileName("profils.csv");           // relative to the working directory
//   table.SetCsvFieldDef("ID_PROF:%,NOM_PROF:$50,DHCP:!");
//   table.SetCsvKeyDef("ID_PROF");
//   auto& id = table.CreateField<TIntegerField>("ID_PROF");  // or FieldByName("id_prof")
//   table.SetAfterScroll([](TCsvDataSet& t) { ... });  // after every cursor move
//
//   table.Open();                                // reads the file; first row current
//   for (table.First(); !table.Eof(); table.Next()) read id.AsInteger() ...
//   table.Locate("nom_prof", std::string("Bureau"));   // true: that row is current
//   table.Edit(); field.SetAsString(...); table.Post();  // or Cancel()
//   table.Last(); table.Append(); ... table.Post();      // new rows go to the end
//   table.Delete();                              // the current row; nothing written yet
//   table.SaveIfChanged();                       // rewrites the file when changed
//   table.Close();                               // saves when changed, drops the rows
//
// Field reads and writes go through TField objects (see Field.h); observers
// subscribe through a TDataSource (see DataSource.h). Every failure raises a
// norvane::Exception with the text the user is shown; a refused post raises
// ECsvKeyError.

#include "common/LocateOptions.h"
#include "store/CsvColumns.h"
#include "store/CsvKeyError.h"
#include "store/CsvRows.h"
#include "store/DataSet.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace norvane {

// A value given to Locate for one field.
using TLocateValue = std::variant<std::string, std::int32_t, bool>;

class TCsvDataSet : public TDataSet {
public:
    using TAfterScroll = std::function<void(TCsvDataSet&)>;

    explicit TCsvDataSet(std::string name = "CsvDataSet");
    // Closes the table, saving it when changed; a failing save is ignored here.
    ~TCsvDataSet() override;

    // Settings, fixed before opening.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }
    const std::string& CsvFieldDef() const { return fieldDef_; }
    void SetCsvFieldDef(std::string fieldDef) { fieldDef_ = std::move(fieldDef); }
    const std::string& CsvKeyDef() const { return keyDef_; }
    void SetCsvKeyDef(std::string keyDef) { keyDef_ = std::move(keyDef); }
    bool CsvUniqueKeys() const { return uniqueKeys_; }
    void SetCsvUniqueKeys(bool unique) { uniqueKeys_ = unique; }
    bool CaseInsensitive() const { return caseInsensitive_; }
    void SetCaseInsensitive(bool insensitive) { caseInsensitive_ = insensitive; }
    bool EnquoteBackslash() const { return enquoteBackslash_; }
    void SetEnquoteBackslash(bool enquote) { enquoteBackslash_ = enquote; }
    bool SavesChanges() const { return savesChanges_; }
    void SetSavesChanges(bool saves) { savesChanges_ = saves; }
    char Separator() const { return separator_; }
    void SetSeparator(char separator) { separator_ = separator; }
    void SetAfterScroll(TAfterScroll handler) { afterScroll_ = std::move(handler); }

    // What the table holds.
    bool Changed() const { return changed_; }
    void SetChanged(bool changed) { changed_ = changed; }
    bool Modified() const { return modified_; }
    bool Eof() const { return eof_; }
    std::size_t RecordCount() const { return rows_.Count(); }
    const std::string& HeaderRow() const { return header_; }
    // The full path fixed at opening; every save until closing writes there.
    const std::filesystem::path& FullPath() const { return fullPath_; }
    const TCsvColumns& Columns() const { return columns_; }

    void Open();
    void Close();
    void First();
    void Next();
    void Last();
    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    // `fieldNames` holds one name or several separated by "," (or ";"), with as
    // many values. A name that is no field raises "<name>: Champ '%s' non trouvé".
    bool Locate(const std::string& fieldNames, const TLocateValue& value,
                TLocateOptions options = {});
    bool Locate(const std::string& fieldNames, const std::vector<TLocateValue>& values,
                TLocateOptions options = {});
    void SaveIfChanged();
    // Moves to the first row and back, firing the after-scroll event for both.
    void ReselectCurrentRow();

protected:
    std::optional<std::string> ReadField(const TField& field) const override;
    void WriteField(TField& field, const std::optional<std::string>& value) override;

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    void Load();
    void AddLines(const std::vector<std::string_view>& lines, std::size_t added);
    void BindFields();
    void CheckActive() const;
    void EndPending();
    void StartInsert();
    void CheckKey() const;
    bool KeysEqual(const TCsvRow& a, const TCsvRow& b) const;
    bool Matches(const TCsvRow& row, const std::vector<int>& columns,
                 const std::vector<TLocateValue>& values, TLocateOptions options) const;
    const TCsvColumn& ColumnOf(const TField& field) const;
    std::string TextOf(std::string_view raw, const TCsvColumn& column) const;
    void CloseOpenQuote(TCsvRow& row) const;
    const TCsvRow* RowForRead() const;
    void MoveTo(std::size_t row, bool eof);
    void FireAfterScroll();
    void WriteRows();

    std::string fileName_;
    std::string fieldDef_;
    std::string keyDef_;
    bool uniqueKeys_ = false;
    bool caseInsensitive_ = false;
    bool enquoteBackslash_ = false;
    bool savesChanges_ = true;
    char separator_ = ',';
    TAfterScroll afterScroll_;

    TCsvColumns columns_;
    TCsvRows rows_;
    std::string header_;
    std::filesystem::path fullPath_;
    std::size_t current_ = kNone;
    bool eof_ = true;
    std::optional<TCsvRow> working_;
    std::size_t editedRow_ = kNone; // the row an edit will replace
    bool modified_ = false;
    bool changed_ = false;
    bool rowsRetained_ = false; // a failed save in Close kept the rows for the next Open
};

} // namespace norvane
