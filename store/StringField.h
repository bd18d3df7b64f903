#pragma once

#include "store/Field.h"

#include <cstddef>

namespace norvane {

// A text column; values longer than the column's width are cut when written.
class TStringField : public TField {
public:
    TStringField(TDataSet& dataSet, std::string fieldName, std::size_t size = 20)
        : TField(dataSet, std::move(fieldName)), size_(size) {}

    std::size_t Size() const { return size_; }

private:
    std::size_t size_;
};

} // namespace norvane
