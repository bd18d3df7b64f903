#include "netconfig/platform/CommandLine.h"

namespace norvane::platform {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    std::size_t i = 0;
    while (i < commandLine.size()) {
        const char c = commandLine[i];
        if (isBlank(c) && !quoted) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            ++i;
            continue;
        }
        inWord = true;
        if (c == '\\') {
            std::size_t backslashes = 0;
            while (i < commandLine.size() && commandLine[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < commandLine.size() && commandLine[i] == '"') {
                word.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    word.push_back('"');
                    ++i;
                }
            } else {
                word.append(backslashes, '\\');
            }
            continue;
        }
        if (c == '"')
            quoted = !quoted;
        else
            word.push_back(c);
        ++i;
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

} // namespace norvane::platform
