#include "netconfig/WmiValueText.h"

#include "netconfig/platform/IManagementObject.h"

#include <charconv>
#include <sstream>

namespace norvane {

using platform::Variant;

std::string WmiValueText(const Variant& value) {
    switch (value.kind()) {
    case Variant::Kind::Text:
        return value.asText();
    case Variant::Kind::Integer:
        return std::to_string(value.asInteger());
    case Variant::Kind::Boolean:
        return value.asBoolean() ? "True" : "False";
    case Variant::Kind::Real: {
        std::ostringstream text;
        text << value.asReal();
        return text.str();
    }
    case Variant::Kind::Array: {
        std::string text = "{";
        const char* separator = "";
        for (const auto& item : value.items()) {
            text += separator;
            text += WmiValueText(item);
            separator = ", ";
        }
        return text + "}";
    }
    case Variant::Kind::Object:
        return value.asObject() ? value.asObject()->objectText() : std::string();
    case Variant::Kind::Dispatch:
        return "IDispatch";
    default:
        return {};
    }
}

Variant WmiFieldValue(TFieldKind kind, const Variant& value) {
    if (kind != TFieldKind::ftLargeint || value.kind() != Variant::Kind::Text)
        return value;
    const std::string& text = value.asText();
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc() && end == text.data() + text.size())
        return Variant(number);
    std::uint64_t unsignedNumber = 0;
    const auto [uend, uerror] =
        std::from_chars(text.data(), text.data() + text.size(), unsignedNumber);
    if (uerror == std::errc() && uend == text.data() + text.size())
        return Variant(static_cast<std::int64_t>(unsignedNumber));
    return value;
}

} // namespace norvane
