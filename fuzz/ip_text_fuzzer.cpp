// Any byte string through the dotted-address rules: no crash, no sanitizer
// finding, acceptance agrees with a plain reading of the rules, and every
// accepted text is rebuilt exactly from its four octets.
#include "common/Errors.h"
#include "editing/UIPAddrUtils.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Independent restatement: four dot-separated pieces of 1-3 digits, no leading
// zero, each at most 255.
bool plainlyValid(const std::string& text) {
    int pieces = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('.', start);
        const std::string piece = text.substr(start, end == std::string::npos ? end : end - start);
        if (piece.empty() || piece.size() > 3 || (piece.size() > 1 && piece[0] == '0'))
            return false;
        for (char c : piece)
            if (c < '0' || c > '9')
                return false;
        if (std::stoi(piece) > 255)
            return false;
        ++pieces;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return pieces == 4;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    bool accepted = true;
    try {
        norvane::CheckIPString(text);
    } catch (const norvane::Exception&) {
        accepted = false;
    }
    if (accepted != plainlyValid(text))
        std::abort();
    if (!accepted) {
        try {
            norvane::GetOctet(text, 1);
        } catch (const norvane::Exception&) {
            return 0;
        }
        std::abort(); // GetOctet must refuse what CheckIPString refuses
    }
    std::string rebuilt;
    for (int n = 1; n <= 4; ++n) {
        const int octet = norvane::GetOctet(text, n);
        if (octet < 0 || octet > 255)
            std::abort();
        rebuilt += (n > 1 ? "." : "") + std::to_string(octet);
    }
    if (rebuilt != text || norvane::GetOctet(text, 0) != 0 || norvane::GetOctet(text, 5) != 0)
        std::abort();
    return 0;
}
