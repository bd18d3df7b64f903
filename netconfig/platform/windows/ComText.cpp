#include "netconfig/platform/windows/ComText.h"

#include "netconfig/platform/ServiceError.h"

#include <cstdint>
#include <oleauto.h>

namespace norvane::platform::windows {

std::wstring Wide(const std::string& text) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        size);
    return result;
}

std::string Utf8(const wchar_t* text, int length) {
    if (text == nullptr)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, result.data(), size, nullptr, nullptr);
    if (length < 0 && !result.empty())
        result.pop_back(); // the terminating zero
    return result;
}

std::string Utf8(BSTR text) {
    return text ? Utf8(text, static_cast<int>(SysStringLen(text))) : std::string();
}

void Check(HRESULT hr) {
    if (FAILED(hr))
        throw ServiceError::failed(static_cast<std::uint32_t>(hr));
}

Bstr::Bstr(const std::string& text) : value_(SysAllocString(Wide(text).c_str())) {}

Bstr::~Bstr() {
    SysFreeString(value_);
}

Bstr::Bstr(Bstr&& other) noexcept : value_(other.value_) {
    other.value_ = nullptr;
}

Bstr Bstr::Optional(const std::string& text) {
    return text.empty() ? Bstr() : Bstr(text);
}

BSTR* Bstr::put() {
    SysFreeString(value_);
    value_ = nullptr;
    return &value_;
}

} // namespace norvane::platform::windows
