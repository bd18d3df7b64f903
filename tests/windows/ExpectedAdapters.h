#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace norvane::test {

// One adapter of the network namespace the tests run in, as the harness
// made it.
struct ExpectedAdapter {
    std::string name;
    std::int64_t index = 0;
    std::string address; // dotted IPv4
};

// "name,index,address;name,index,address" from NORVANE_EXPECTED_ADAPTERS;
// nothing when the variable is not set (not inside the harness).
std::optional<std::vector<ExpectedAdapter>> ExpectedAdapters();

} // namespace norvane::test
