#include "netconfig/SystemErrorText.h"

#include <algorithm>
#include <iterator>

namespace norvane {

namespace {

struct Entry {
    std::uint32_t code;
    const char* text;
};

// The result codes a caller of the management service meets most, with the
// texts Windows gives them. Sorted by code.
constexpr Entry entries[] = {
    {0x80004001, "Not implemented"},
    {0x80004002, "No such interface supported"},
    {0x80004003, "Invalid pointer"},
    {0x80004004, "Operation aborted"},
    {0x80004005, "Unspecified error"},
    {0x8000FFFF, "Catastrophic failure"},
    {0x80010106, "Cannot change thread mode after it is set"},
    {0x80010119, "Security must be initialized before any interfaces are marshalled or "
                 "unmarshalled. It cannot be changed once initialized"},
    {0x80020003, "Member not found"},
    {0x80020005, "Type mismatch"},
    {0x80020006, "Unknown name"},
    {0x80020009, "Exception occurred"},
    {0x8002000E, "Invalid number of parameters"},
    {0x80020010, "Invalid callee"},
    {0x800401E4, "Invalid syntax"},
    {0x800401F0, "CoInitialize has not been called"},
    {0x80040154, "Class not registered"},
    {0x80070002, "The system cannot find the file specified"},
    {0x80070005, "Access is denied"},
    {0x80070006, "The handle is invalid"},
    {0x8007000E, "Not enough memory resources are available to complete this operation"},
    {0x80070057, "The parameter is incorrect"},
    {0x800706BA, "The RPC server is unavailable"},
    {0x800706BE, "The remote procedure call failed"},
};

} // namespace

std::string SystemErrorText(std::uint32_t code) {
    const auto it = std::lower_bound(std::begin(entries), std::end(entries), code,
                                     [](const Entry& e, std::uint32_t c) { return e.code < c; });
    return (it != std::end(entries) && it->code == code) ? it->text : std::string();
}

} // namespace norvane
