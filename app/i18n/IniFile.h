#pragma once

#include <string>

namespace norvane::i18n {

// A small ini file (sections in square brackets, key=value lines) read and
// written the way the platform's private-profile functions treat it: section
// and key names match without regard to letter case, values are trimmed, and
// a write keeps every other line of the file as it was.
class TIniFile {
public:
    explicit TIniFile(std::string path);

    const std::string& FileName() const { return path_; }

    // The value, or defaultValue when the file, section or key is missing.
    // At most 2047 characters are returned.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

    // Creates the file, section or key as needed. Raises "Impossible d'écrire
    // dans %s" when the file cannot be written.
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) const;

private:
    std::string path_;
};

} // namespace norvane::i18n
