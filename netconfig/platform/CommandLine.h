#pragma once

#include <string>
#include <vector>

namespace norvane::platform {

// Splits a command line into its words the way the system's C runtime does on
// the platform the command lines are written for: words are separated by
// blanks; double quotes group blanks into a word and are removed; 2n
// backslashes before a quote give n backslashes and the quote acts, 2n+1 give
// n backslashes and a literal quote; other backslashes stay as they are.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

} // namespace norvane::platform
