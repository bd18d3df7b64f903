#pragma once

#include "common/LocateOptions.h"
#include "netconfig/WmiDataBuffer.h"
#include "netconfig/WmiField.h"
#include "netconfig/WmiObjectSource.h"
#include "netconfig/platform/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace norvane {

// A read-only data set over the objects a management-service query returns,
// with the profile table's cursor model:
//
//   query.SetActive(true);              // or Open(): runs the query
//   for (query.First(); !query.Eof(); query.Next())
//       use(query.FieldByName("Index").AsString());
//   query.Locate("index", "7");         // stands on the row whose Index reads "7"
//
// Rows are read from the service only as the cursor needs them. Fields are
// made from the first object's properties when the query opens; a query that
// returns nothing has no fields. Data-set failures carry the component's
// name: "WmiAdapters: Champ 'Index' non trouvé".
class TWmiDataSet : public IWmiObjectSource {
public:
    explicit TWmiDataSet(std::string name = {});
    ~TWmiDataSet() override;
    TWmiDataSet(const TWmiDataSet&) = delete;
    TWmiDataSet& operator=(const TWmiDataSet&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    bool Active() const { return buffer_ != nullptr; }
    void SetActive(bool active);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }

    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    bool IsEmpty();
    // The current row's number from 1; 0 without a current row.
    int RecNo() const;
    void SetRecNo(int recNo);
    // Reads the whole result.
    int RecordCount();

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    TWmiField& Fields(int index) { return *fields_.at(static_cast<std::size_t>(index)); }
    // Names match without regard to letter case; null when there is none.
    TWmiField* FindField(const std::string& fieldName);
    TWmiField& FieldByName(const std::string& fieldName);

    // Finds the first row whose fields (names separated by ";") hold the key
    // values (one value, or an array with one element per name), compared on
    // their text forms. Found: the cursor stands on that row. Not found: it
    // stays where it was.
    bool Locate(const std::string& keyFields, const platform::Variant& keyValues,
                TLocateOptions options = {});

    std::shared_ptr<platform::IManagementObject> GetWmiObject() override;

    // The value a field shows on the current row (used by TWmiField).
    platform::Variant CurrentValue(const TWmiField& field);

protected:
    // Runs the query; the result's enumeration.
    virtual std::unique_ptr<platform::IObjectEnumerator> OpenEnumerator() = 0;
    // A data-set failure: the component's name, ": " and the text.
    [[noreturn]] void DataSetError(const std::string& text) const;

private:
    void DoOpen();
    void DoClose();
    void CheckActive() const;
    void MakeFields(const platform::IManagementObject& object);
    bool HasRow() const;
    bool RowMatches(const std::vector<std::string>& names, const platform::Variant& keyValues,
                    TLocateOptions options);

    std::string name_;
    std::unique_ptr<TWmiDataBuffer> buffer_;
    std::vector<std::unique_ptr<TWmiField>> fields_;
    std::size_t current_ = 0;
    bool eof_ = true;
    bool bof_ = true;
};

} // namespace norvane
