#include "MoFile.h"

#include "common/Errors.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <vector>

namespace norvane::i18n {
namespace {

constexpr std::uint32_t Magic = 0x950412de;
constexpr std::uint32_t SwappedMagic = 0xde120495;
constexpr std::size_t HeaderSize = 28;

std::uint32_t swapped(std::uint32_t v) {
    return (v >> 24) | ((v >> 8) & 0xff00) | ((v << 8) & 0xff0000) | (v << 24);
}

// The file's words in the byte order the file declares through its magic.
class TWords {
public:
    explicit TWords(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

    std::optional<std::uint32_t> at(std::uint64_t offset) const {
        if (offset + 4 > bytes_.size())
            return std::nullopt;
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | bytes_[offset + static_cast<std::uint64_t>(i)];
        return swap_ ? swapped(v) : v;
    }

    bool recogniseMagic() {
        const auto magic = at(0);
        if (magic == SwappedMagic)
            swap_ = true;
        return magic == Magic || magic == SwappedMagic;
    }

private:
    const std::vector<unsigned char>& bytes_;
    bool swap_ = false;
};

struct StringRef {
    std::uint32_t length;
    std::uint32_t offset;
};

// Entry i of a string table, checked to lie inside the file with its
// terminating zero.
std::optional<StringRef> stringAt(const TWords& words, std::size_t fileSize, std::uint32_t table,
                                  std::uint32_t index, const std::vector<unsigned char>& bytes) {
    const std::uint64_t entry = static_cast<std::uint64_t>(table) + 8ull * index;
    const auto length = words.at(entry);
    const auto offset = words.at(entry + 4);
    if (!length || !offset)
        return std::nullopt;
    const std::uint64_t end = static_cast<std::uint64_t>(*offset) + *length;
    if (end >= fileSize || bytes[end] != 0)
        return std::nullopt;
    return StringRef{*length, *offset};
}

// A plural entry holds its forms one after the other, each ended by a zero.
std::string firstForm(const std::vector<unsigned char>& bytes, const StringRef& ref) {
    const auto begin = bytes.begin() + ref.offset;
    return std::string(begin, std::find(begin, begin + ref.length, 0));
}

std::vector<unsigned char> readAll(const std::string& path, bool& ok) {
    std::ifstream in(path, std::ios::binary);
    ok = in.is_open();
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

} // namespace

TMoFile TMoFile::Load(const std::string& path) {
    const Exception invalid("This file is not a valid GNU gettext mo file: " + path);
    bool opened = false;
    const std::vector<unsigned char> bytes = readAll(path, opened);
    TWords words(bytes);
    if (!opened || bytes.size() < HeaderSize || !words.recogniseMagic())
        throw invalid;
    const std::uint32_t revision = *words.at(4);
    const std::uint32_t count = *words.at(8);
    const std::uint32_t originals = *words.at(12);
    const std::uint32_t translations = *words.at(16);
    // The runtime reads major revisions 0 and 1 only.
    if ((revision >> 16) > 1)
        throw invalid;

    std::string header;
    std::map<std::string, std::string> messages;
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto original = stringAt(words, bytes.size(), originals, i, bytes);
        const auto translation = stringAt(words, bytes.size(), translations, i, bytes);
        if (!original || !translation)
            throw invalid;
        if (original->length == 0)
            header.assign(bytes.begin() + translation->offset,
                          bytes.begin() + translation->offset + translation->length);
        else
            messages.emplace(firstForm(bytes, *original), firstForm(bytes, *translation));
    }
    return TMoFile(std::move(header), std::move(messages));
}

std::string TMoFile::HeaderField(const std::string& name) const {
    std::istringstream lines(header_);
    const std::string wanted = upper(name) + ":";
    for (std::string line; std::getline(lines, line);) {
        if (upper(line.substr(0, wanted.size())) == wanted)
            return line.substr(wanted.size());
    }
    return "";
}

const std::string* TMoFile::Find(const std::string& original) const {
    const auto entry = messages_.find(original);
    if (entry == messages_.end() || entry->second.empty())
        return nullptr;
    return &entry->second;
}

bool TMoFile::DeclaresUtf8() const {
    return upper(HeaderField("Content-Type")).find("CHARSET=UTF-8") != std::string::npos;
}

} // namespace norvane::i18n
