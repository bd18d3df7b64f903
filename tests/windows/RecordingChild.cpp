// A child program for the command-runner tests: writes its arguments after the
// first, one a line in UTF-8, to the file its first argument names, and exits
// with the code its second argument gives.
#include <cstdlib>
#include <fstream>
#include <string>
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

namespace {

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    return result;
}

} // namespace

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (args == nullptr || count < 3)
        return 100;
    std::ofstream record(args[1], std::ios::binary);
    for (int i = 2; i < count; ++i)
        record << utf8(args[i]) << '\n';
    return std::atoi(utf8(args[2]).c_str());
}
