#pragma once

#include <string>

namespace norvane::platform::linux_backend {

// Where the backend finds and keeps the system's state. Tests point these at
// a directory of their own.
struct SystemPaths {
    std::string resolvConf = "/etc/resolv.conf";
    // Our own state: saved resolver file, DHCP client pid files.
    std::string stateDirectory = "/run/norvane";
    std::string proc = "/proc";
    std::string run = "/run";
};

} // namespace norvane::platform::linux_backend
