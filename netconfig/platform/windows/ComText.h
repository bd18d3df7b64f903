#pragma once

#include <string>
#include <windows.h>

namespace norvane::platform::windows {

// Texts cross into COM as UTF-16; ours are UTF-8.
std::wstring Wide(const std::string& text);
std::string Utf8(const wchar_t* text, int length = -1);
std::string Utf8(BSTR text); // null gives the empty text

// Raises ServiceError for a failed result.
void Check(HRESULT hr);

// Owns one BSTR.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const std::string& text);
    ~Bstr();
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept;

    // Null for the empty text: how COM spells an argument not given.
    static Bstr Optional(const std::string& text);

    BSTR get() const { return value_; }
    BSTR* put();
    std::string text() const { return Utf8(value_); }

private:
    BSTR value_ = nullptr;
};

} // namespace norvane::platform::windows
