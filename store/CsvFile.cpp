#include "store/CsvFile.h"

#include "common/Errors.h"
#include "common/Format.h"
#include "store/FileAccess.h"
#include "store/Utf8.h"

#include <utility>

namespace norvane::csv {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void OpenError(const fs::path& path, const std::string& reason) {
    throw Exception(Format("Impossible d'ouvrir le fichier \"%s\". %s", {path.string(), reason}));
}

[[noreturn]] void CreateError(const fs::path& path, const std::string& reason) {
    throw Exception(Format("Impossible de créer le fichier \"%s\". %s", {path.string(), reason}));
}

// A byte 0 ends the text. Zero padding at the end loses nothing, but text after
// a 0 would vanish at the next save, so such a file is refused instead.
void CutAtNul(std::string& bytes, const std::string& fileName) {
    const std::size_t nul = bytes.find('\0');
    if (nul == std::string::npos)
        return;
    if (bytes.find_first_not_of('\0', nul) != std::string::npos)
        throw Exception(
            Format("%0:s: %1:s", {fileName, Format("Unexpected NUL byte at offset %d; the file "
                                                   "was not read",
                                                   {static_cast<long long>(nul)})}));
    bytes.resize(nul);
}

// The file a save must replace: the end of any chain of symbolic links.
fs::path FollowLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

} // namespace

std::optional<std::string> ReadText(const fs::path& path, const std::string& fileName) {
    std::optional<std::string> read;
    try {
        read = ReadFileBytes(path);
    } catch (const FileAccessError& e) {
        OpenError(path, e.what());
    }
    if (!read)
        return std::nullopt;
    std::string bytes = std::move(*read);
    CutAtNul(bytes, fileName);
    // Stray bytes are read as Windows-1252 one by one rather than the whole
    // file: a UTF-8 file touched by an 8-bit editor keeps its other names.
    return utf8::Sanitize(bytes);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

void WriteAtomically(const fs::path& path, std::string_view contents) {
    if (const auto reason = ReplaceFileContents(FollowLinks(path), contents))
        CreateError(path, *reason);
}

} // namespace norvane::csv
