#pragma once

#include "netconfig/WmiFieldKind.h"
#include "netconfig/platform/Variant.h"

#include <cstdint>
#include <string>

namespace norvane {

// One parameter of a method invoker: its name, kind and value. A parameter
// whose value is empty or null is not sent.
class TWmiParam {
public:
    explicit TWmiParam(std::string name, TFieldKind dataType = TFieldKind::ftUnknown,
                       platform::Variant value = {});

    const std::string& Name() const { return name_; }
    TFieldKind DataType() const { return dataType_; }
    void SetDataType(TFieldKind dataType) { dataType_ = dataType; }
    const platform::Variant& Value() const { return value_; }
    void SetValue(platform::Variant value);
    bool IsNull() const { return isNull_; }

    // The value becomes this text (an empty text is a value too).
    void SetAsString(const std::string& text);
    std::string AsString() const;
    std::int64_t AsInteger() const { return value_.asInteger(); }

private:
    std::string name_;
    TFieldKind dataType_;
    platform::Variant value_;
    bool isNull_ = true;
};

} // namespace norvane
