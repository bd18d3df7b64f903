#include "UIPAddrUtils.h"

#include "common/Errors.h"
#include "common/Format.h"

namespace norvane {
namespace {

constexpr std::size_t MaxIPStringLength = 15;
constexpr std::size_t TripletsLength = 12;
constexpr int OctetCount = 4;
constexpr int MaxOctet = 255;

int tripletValue(const std::string& triplets, int k) {
    int value = 0;
    for (char c : triplets.substr(static_cast<std::size_t>(3 * (k - 1)), 3))
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

std::string ExtractPiece(std::string_view text, int n, char separator) {
    std::string_view rest = text;
    std::string_view piece;
    for (int i = 0; i < n; ++i) {
        if (rest.empty())
            return {};
        const auto end = rest.find(separator);
        piece = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return std::string(piece);
}

int CountChar(std::string_view text, char c) {
    int count = 0;
    for (char each : text)
        count += each == c ? 1 : 0;
    return count;
}

bool AllDigits(std::string_view text) {
    // Compared by hand: isdigit() depends on the locale and takes no negative char.
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::string IPStringToTriplets(const std::string& ipString) {
    if (ipString.size() > MaxIPStringLength)
        assertionFailed(Format("Illegal length for IPString![%s(%d)]", {ipString, ipString.size()}),
                        __FILE__, __LINE__);
    if (CountChar(ipString, '.') != OctetCount - 1)
        assertionFailed(Format("Must include exactly 3 dots! [%s]", {ipString}), __FILE__,
                        __LINE__);

    std::string triplets;
    for (int k = 1; k <= OctetCount; ++k) {
        const std::string piece = ExtractPiece(ipString, k, '.');
        if (piece.empty() || piece.size() > 3)
            throw Exception(Format(
                "IPAddress must include 4 pieces of length 1..3. IPAddressString[%s]", {ipString}));
        if (piece.size() > 1 && piece.front() == '0')
            throw Exception(Format("Leading zero not allowed. IPAddressString[%s]", {ipString}));
        triplets += std::string(3 - piece.size(), '0') + piece;
    }
    return triplets;
}

void CheckTriplets(const std::string& triplets, const std::string& ipString) {
    if (triplets.size() != TripletsLength)
        assertionFailed(
            Format("Illegal length for IPString![%s (Length:%d) ]", {ipString, triplets.size()}),
            __FILE__, __LINE__);
    for (int k = 1; k <= OctetCount; ++k) {
        if (!AllDigits(std::string_view(triplets).substr(static_cast<std::size_t>(3 * (k - 1)), 3)))
            throw Exception(Format("%s. IPAddressString[%s]",
                                   {"IP Address contains illegal symbols", ipString}));
        const int value = tripletValue(triplets, k);
        if (value < 0 || value > MaxOctet)
            throw Exception(
                Format("Triplets must be of range 0..255  IPAddressString[%s]", {ipString}));
    }
}

void CheckIPString(const std::string& ipString) {
    CheckTriplets(IPStringToTriplets(ipString), ipString);
}

int GetOctet(const std::string& ipString, int n) {
    const std::string triplets = IPStringToTriplets(ipString);
    CheckTriplets(triplets, ipString);
    if (n < 1 || n > OctetCount)
        return 0;
    return tripletValue(triplets, n);
}

} // namespace norvane
