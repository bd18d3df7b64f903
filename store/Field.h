#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace norvane {

class TDataSet;

// One column of the current row of a data set. Reading a closed data set, or
// an empty one outside edit and insert, gives null: the empty text, 0, false.
// Writing is for the edit and insert states only.
class TField {
public:
    TField(TDataSet& dataSet, std::string fieldName);
    virtual ~TField() = default;
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;

    const std::string& FieldName() const { return fieldName_; }
    TDataSet& DataSet() const { return dataSet_; }
    bool IsNull() const { return !Value().has_value(); }

    virtual std::string AsString() const;
    virtual std::int32_t AsInteger() const;
    virtual bool AsBoolean() const;
    virtual void SetAsString(const std::string& value);
    virtual void SetAsInteger(std::int32_t value);
    virtual void SetAsBoolean(bool value);
    void Clear() { SetValue(std::nullopt); }

protected:
    // The value in canonical text: integers in decimal, Booleans "1" or "0".
    std::optional<std::string> Value() const;
    void SetValue(const std::optional<std::string>& value);

private:
    friend class TDataSet;

    TDataSet& dataSet_;
    std::string fieldName_;
    int slot_ = -1;
};

} // namespace norvane
