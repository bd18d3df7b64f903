#include "ExpectedAdapters.h"

#include <cstdlib>
#include <sstream>

namespace norvane::test {

std::optional<std::vector<ExpectedAdapter>> ExpectedAdapters() {
    const char* text = std::getenv("NORVANE_EXPECTED_ADAPTERS");
    if (text == nullptr || *text == '\0')
        return std::nullopt;
    std::vector<ExpectedAdapter> adapters;
    std::istringstream entries(text);
    for (std::string entry; std::getline(entries, entry, ';');) {
        std::istringstream fields(entry);
        ExpectedAdapter adapter;
        std::string index;
        std::getline(fields, adapter.name, ',');
        std::getline(fields, index, ',');
        std::getline(fields, adapter.address, ',');
        adapter.index = std::stoll(index);
        adapters.push_back(adapter);
    }
    return adapters;
}

} // namespace norvane::test
