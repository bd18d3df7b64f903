#pragma once

#include "netconfig/platform/Variant.h"

#include <optional>
#include <string>

namespace norvane::platform::memory {

// The forms of query the in-memory model answers:
//   SELECT * FROM class [WHERE property = 'text' | true | false | number]
// in any letter case and spacing. Anything else raises the service's
// invalid-query code.
struct WqlQuery {
    std::string className;
    std::optional<std::string> whereProperty;
    Variant whereValue;

    static WqlQuery parse(const std::string& text);
    // Whether a property value satisfies the WHERE condition (texts compare
    // without regard to letter case, as the service does).
    bool matches(const Variant& value) const;
};

} // namespace norvane::platform::memory
