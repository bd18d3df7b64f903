#pragma once

#include <stdexcept>
#include <string>

namespace norvane {

// The general error: a failure carrying the exact text the user is shown.
// Commands raise it and stop; the application's top-level handler displays it.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string message() const { return what(); }
};

// Raised where a routine's precondition does not hold. The message carries the
// source unit and line: "%s (%s, ligne %d)".
class EAssertionFailed : public Exception {
public:
    EAssertionFailed(const std::string& text, const std::string& unit, int line);

    const std::string& text() const { return text_; }
    const std::string& unit() const { return unit_; }
    int line() const { return line_; }

private:
    std::string text_;
    std::string unit_;
    int line_;
};

// Raises EAssertionFailed naming the calling source file's base name and line.
[[noreturn]] void assertionFailed(const std::string& text, const char* file, int line);

} // namespace norvane

#define NORVANE_ASSERT(condition, text)                                                            \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::norvane::assertionFailed((text), __FILE__, __LINE__);                                \
    } while (false)
