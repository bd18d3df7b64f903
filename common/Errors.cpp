#include "Errors.h"

#include "Format.h"

namespace norvane {

EAssertionFailed::EAssertionFailed(const std::string& text, const std::string& unit, int line)
    : Exception(Format("%s (%s, ligne %d)", {text, unit, line})), text_(text), unit_(unit),
      line_(line) {}

void assertionFailed(const std::string& text, const char* file, int line) {
    std::string unit = file;
    const auto slash = unit.find_last_of("/\\");
    if (slash != std::string::npos)
        unit.erase(0, slash + 1);
    throw EAssertionFailed(text, unit, line);
}

} // namespace norvane
