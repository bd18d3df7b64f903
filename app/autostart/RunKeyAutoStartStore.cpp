#include "RunKeyAutoStartStore.h"

#include "app/autostart/NativeAutoStartStore.h"

#include <filesystem>
#include <vector>
#include <windows.h>

namespace norvane::autostart {

namespace {

// Texts travel in the program's narrow encoding, the one its own path comes
// in; the registry is asked in UTF-16.
std::wstring wide(const std::string& text) {
    return std::filesystem::path(text).wstring();
}

std::string narrow(const std::wstring& text) {
    try {
        return std::filesystem::path(text).string();
    } catch (const std::exception&) {
        // A value the narrow encoding cannot hold is not a command of ours.
        return {};
    }
}

// Closes the key however the step ends.
class OpenKey {
public:
    OpenKey(const std::wstring& subKey, REGSAM access) {
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, access, &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~OpenKey() {
        if (key_)
            RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    explicit operator bool() const { return key_ != nullptr; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// A missing value, or one that holds no text, reads as the empty text.
std::wstring readString(HKEY key, const std::wstring& name) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
    DWORD read = static_cast<DWORD>((data.size() - 1) * sizeof(wchar_t));
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                         &read) != ERROR_SUCCESS)
        return {};
    // The stored data need not end with a zero.
    std::wstring text(data.data(), read / sizeof(wchar_t));
    if (const auto end = text.find(L'\0'); end != std::wstring::npos)
        text.resize(end);
    return text;
}

} // namespace

TRunKeyAutoStartStore::TRunKeyAutoStartStore(std::wstring subKey) : subKey_(std::move(subKey)) {}

std::string TRunKeyAutoStartStore::QuoteProgram(const std::string& programPath) const {
    return "\"" + programPath + "\"";
}

std::optional<std::string> TRunKeyAutoStartStore::ReadCommand(const std::string& name) {
    OpenKey key(subKey_, KEY_QUERY_VALUE);
    if (!key)
        return std::nullopt;
    return narrow(readString(key.get(), wide(name)));
}

bool TRunKeyAutoStartStore::WriteCommand(const std::string& name, const std::string& command) {
    OpenKey key(subKey_, KEY_SET_VALUE);
    if (!key)
        return false;
    const std::wstring data = wide(command);
    RegSetValueExW(key.get(), wide(name).c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    return true;
}

bool TRunKeyAutoStartStore::DeleteCommand(const std::string& name) {
    OpenKey key(subKey_, KEY_SET_VALUE);
    if (!key)
        return false;
    RegDeleteValueW(key.get(), wide(name).c_str());
    return true;
}

std::unique_ptr<IAutoStartStore> NativeAutoStartStore() {
    return std::make_unique<TRunKeyAutoStartStore>();
}

} // namespace norvane::autostart
