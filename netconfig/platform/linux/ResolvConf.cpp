#include "netconfig/platform/linux/ResolvConf.h"

#include "netconfig/platform/linux/TextFile.h"

#include <cstdio>
#include <sstream>

namespace norvane::platform::linux_backend {

namespace {

bool isNameServerLine(const std::string& line) {
    std::istringstream words(line);
    std::string keyword;
    return words >> keyword && keyword == "nameserver";
}

} // namespace

std::string WithNameServers(const std::string& text, const std::vector<std::string>& servers) {
    std::string ours;
    for (const auto& server : servers)
        ours += "nameserver " + server + '\n';

    std::string result;
    bool placed = false;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!isNameServerLine(line)) {
            result += line + '\n';
            continue;
        }
        if (!placed)
            result += ours;
        placed = true;
    }
    if (!placed)
        result += ours;
    return result;
}

ResolvConf::ResolvConf(std::string path, std::string savedCopy, std::string lastWritten)
    : path_(std::move(path)), savedCopy_(std::move(savedCopy)),
      lastWritten_(std::move(lastWritten)) {}

void ResolvConf::setServers(const std::vector<std::string>& servers) {
    const std::string current = ReadTextFile(path_).value_or("");
    // Once the file has been changed by someone else since our last write,
    // that text is the automatic one to come back to.
    if (!ReadTextFile(savedCopy_) || ReadTextFile(lastWritten_) != current)
        WriteTextFile(savedCopy_, current);
    const std::string text = WithNameServers(current, servers);
    WriteTextFile(path_, text);
    WriteTextFile(lastWritten_, text);
}

void ResolvConf::restoreAutomatic() {
    const auto saved = ReadTextFile(savedCopy_);
    if (!saved)
        return;
    if (ReadTextFile(lastWritten_) == ReadTextFile(path_))
        WriteTextFile(path_, *saved);
    std::remove(savedCopy_.c_str());
    std::remove(lastWritten_.c_str());
}

} // namespace norvane::platform::linux_backend
