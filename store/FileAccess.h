#pragma once

#include "common/Errors.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The operating system's side of the profile file, one implementation per
// platform: reading a regular file whole and replacing one in a single step.
namespace norvane::csv {

// A file that exists but cannot be read; the message is the system's reason.
class FileAccessError : public Exception {
public:
    using Exception::Exception;
};

// The bytes of the file; nothing when there is no such file. A directory, a
// pipe or a device raises FileAccessError: reading one would fail late or
// never end.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Writes `contents` to a new file beside `target` and puts it in the
// target's place in one step, keeping the target's permissions; a crash or a
// full disk leaves the old file or the new one. Nothing on success, else the
// system's reason, `target` then being untouched.
std::optional<std::string> ReplaceFileContents(const std::filesystem::path& target,
                                               std::string_view contents);

} // namespace norvane::csv
