#pragma once

#include <map>
#include <string>

namespace norvane::i18n {

// A GNU gettext MO catalog checked for structural soundness before the
// gettext runtime gets to see it: the runtime skips a broken file silently,
// while we have to report it.
class TMoFile {
public:
    // Reads and checks the file; raises "This file is not a valid GNU gettext
    // mo file: " + path when it cannot be read as an MO file.
    static TMoFile Load(const std::string& path);

    // The header entry (translation of the empty msgid); empty when absent.
    const std::string& Header() const { return header_; }

    // The value of a header field ("Content-Type"), name matched without
    // regard to letter case; empty when absent.
    std::string HeaderField(const std::string& name) const;

    // Whether the header's Content-Type names the UTF-8 charset.
    bool DeclaresUtf8() const;

    // The translation of an original text (the singular form of a plural
    // entry); nullptr when the catalog has none or an empty one.
    const std::string* Find(const std::string& original) const;

private:
    TMoFile(std::string header, std::map<std::string, std::string> messages)
        : header_(std::move(header)), messages_(std::move(messages)) {}

    std::string header_;
    std::map<std::string, std::string> messages_;
};

} // namespace norvane::i18n
