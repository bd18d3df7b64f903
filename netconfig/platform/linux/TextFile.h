#pragma once

#include <optional>
#include <string>

namespace norvane::platform::linux_backend {

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);

// Replaces a file's content so that readers see the old or the new text,
// never a mix: a new file beside the real one (through a symbolic link, the
// file it points to) renamed over it. A file that is a mount point of its
// own, such as the resolver file a network namespace gets, cannot be renamed
// over and is rewritten in place. Raises std::system_error.
void WriteTextFile(const std::string& path, const std::string& content);

} // namespace norvane::platform::linux_backend
