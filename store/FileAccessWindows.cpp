#include "store/FileAccess.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <windows.h>

namespace norvane::csv {

namespace fs = std::filesystem;

namespace {

// Closes a handle on every way out of a scope.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (valid())
            CloseHandle(handle_);
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }
    // Closes now, reporting the failure a delayed write error shows up as.
    bool Close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

// The system's text for an error code, in the form strerror gives elsewhere:
// no trailing full stop or line break.
std::string SystemText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer != nullptr ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() <= L' ' || text.back() == L'.'))
        text.pop_back();
    if (text.empty())
        return "Error " + std::to_string(code);
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::string ReadAll(HANDLE file) {
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &count, nullptr))
            throw FileAccessError(SystemText(GetLastError()));
        if (count == 0)
            return bytes;
        bytes.append(buffer, count);
    }
}

std::string RandomSuffix() {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::string suffix;
    for (int i = 0; i < 8; ++i)
        suffix += kLetters[device() % (sizeof kLetters - 1)];
    return suffix;
}

// Creates a temporary file beside `target` that no other process may open
// while it is being written.
HANDLE CreateTemporary(const fs::path& target, fs::path& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary =
            target.parent_path() / ("." + target.filename().string() + "." + RandomSuffix());
        const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteFully(HANDLE file, std::string_view contents) {
    while (!contents.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, contents.data(), chunk, &written, nullptr) || written == 0)
            return false;
        contents.remove_prefix(written);
    }
    return true;
}

// Puts the written file in the target's place. An existing target is
// replaced by ReplaceFileW, which keeps its permissions (ACL) and attributes.
bool PutInPlace(const fs::path& temporary, const fs::path& target, bool exists) {
    if (exists)
        return ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
    return MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

} // namespace

std::optional<std::string> ReadFileBytes(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (IsMissing(error))
            return std::nullopt;
        throw FileAccessError(SystemText(error));
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        throw FileAccessError(std::strerror(EISDIR));
    Handle file(CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        if (IsMissing(error))
            return std::nullopt;
        throw FileAccessError(SystemText(error));
    }
    // A pipe or a device is no profile file; reading one might never end.
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        throw FileAccessError("Not a regular file");
    return ReadAll(file.get());
}

std::optional<std::string> ReplaceFileContents(const fs::path& target, std::string_view contents) {
    if (!target.parent_path().empty()) {
        std::error_code dirError;
        fs::create_directories(target.parent_path(), dirError);
        if (dirError)
            return dirError.message();
    }
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::string(std::strerror(EISDIR));
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return SystemText(ERROR_ACCESS_DENIED);

    fs::path temporary;
    Handle file(CreateTemporary(target, temporary));
    if (!file.valid())
        return SystemText(GetLastError());
    DWORD error = 0;
    if (!WriteFully(file.get(), contents) || !FlushFileBuffers(file.get()))
        error = GetLastError();
    if (error == 0 && !file.Close())
        error = GetLastError();
    if (error == 0 && !PutInPlace(temporary, target, exists))
        error = GetLastError();
    if (error != 0) {
        if (file.valid())
            file.Close();
        DeleteFileW(temporary.c_str());
        return SystemText(error);
    }
    return std::nullopt;
}

} // namespace norvane::csv
