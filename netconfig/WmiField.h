#pragma once

#include "netconfig/WmiFieldKind.h"
#include "netconfig/platform/Variant.h"

#include <cstdint>
#include <string>

namespace norvane {

class TWmiDataSet;

// One field of a query data set: a property of the objects, read on the
// data set's current row.
class TWmiField {
public:
    TWmiField(TWmiDataSet& dataSet, std::string fieldName, int fieldNo, TFieldKind dataType,
              int size);

    const std::string& FieldName() const { return fieldName_; }
    int FieldNo() const { return fieldNo_; } // from 1, in property order
    TFieldKind DataType() const { return dataType_; }
    int Size() const { return size_; }
    bool Required() const { return required_; }
    bool ReadOnly() const { return readOnly_; }
    void SetRequired(bool required) { required_ = required; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // The current row's value; null without a current row.
    platform::Variant Value() const;
    bool IsNull() const;
    // The text form of the value (empty for null).
    std::string AsString() const;
    std::int64_t AsInteger() const;
    bool AsBoolean() const;

private:
    TWmiDataSet& dataSet_;
    std::string fieldName_;
    int fieldNo_;
    TFieldKind dataType_;
    int size_;
    bool required_ = false;
    bool readOnly_ = false;
};

} // namespace norvane
