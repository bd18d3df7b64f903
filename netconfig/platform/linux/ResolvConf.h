#pragma once

#include <string>
#include <vector>

namespace norvane::platform::linux_backend {

// A resolver file's text with its name servers replaced by servers: the new
// lines take the place of the first old one (or go at the end), every other
// line stays as it was.
std::string WithNameServers(const std::string& text, const std::vector<std::string>& servers);

// The system's resolver file when no resolver daemon owns it. The first
// change keeps a copy of what was there, and going back to automatic DNS
// puts that copy back, unless something else (a DHCP client) has rewritten
// the file since, in which case its text is the automatic one and stays.
class ResolvConf {
public:
    // savedCopy and lastWritten are files of ours holding the text before
    // our first change and the text we last wrote.
    ResolvConf(std::string path, std::string savedCopy, std::string lastWritten);

    // Raises std::system_error when a file cannot be written.
    void setServers(const std::vector<std::string>& servers);
    void restoreAutomatic();

private:
    std::string path_;
    std::string savedCopy_;
    std::string lastWritten_;
};

} // namespace norvane::platform::linux_backend
