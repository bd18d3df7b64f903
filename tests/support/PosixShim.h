#pragma once

// The few POSIX calls the tests use to set up their surroundings, for the
// Windows build, where the C runtime spells them differently or lacks them.
// Added to every test source of a Windows build by tests/CMakeLists.txt.

#ifdef _WIN32

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <direct.h>
#include <io.h>
#include <process.h>
#include <string>

inline int setenv(const char* name, const char* value, int overwrite) {
    if (!overwrite && std::getenv(name) != nullptr)
        return 0;
    // An empty value removes the variable here, unlike POSIX.
    return _putenv_s(name, value) == 0 ? 0 : -1;
}

inline int unsetenv(const char* name) {
    return _putenv_s(name, "") == 0 ? 0 : -1;
}

// Replaces the trailing "XXXXXX" until a new directory could be made.
inline char* mkdtemp(char* pattern) {
    const std::size_t length = std::strlen(pattern);
    if (length < 6 || std::strcmp(pattern + length - 6, "XXXXXX") != 0) {
        errno = EINVAL;
        return nullptr;
    }
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 1000; ++attempt) {
        unsigned value = static_cast<unsigned>(std::rand()) ^
                         (static_cast<unsigned>(_getpid()) << 8) ^
                         static_cast<unsigned>(attempt * 7919);
        for (std::size_t i = length - 6; i < length; ++i) {
            pattern[i] = letters[value % (sizeof letters - 1)];
            value = value / (sizeof letters - 1) + static_cast<unsigned>(std::rand());
        }
        if (_mkdir(pattern) == 0)
            return pattern;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

#endif
