#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The profile file on disk: read whole, written whole and atomically.
namespace norvane::csv {

// The file's text as UTF-8 (bytes that are not UTF-8, as an 8-bit Windows
// program writes them, are read as Windows-1252); nothing when there is no such
// file. `fileName` names the file
// in messages about its contents.
std::optional<std::string> ReadText(const std::filesystem::path& path, const std::string& fileName);

// Lines end at CR LF, a lone LF or a lone CR; a last line needs no line break.
std::vector<std::string_view> SplitLines(std::string_view text);

// Replaces the file's contents in one step: a crash or a full disk leaves
// either the old file or the new one. Writes through a symbolic link to its
// target and keeps the file's permissions.
void WriteAtomically(const std::filesystem::path& path, std::string_view contents);

} // namespace norvane::csv
