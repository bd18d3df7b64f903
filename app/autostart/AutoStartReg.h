#pragma once

#include "app/autostart/IAutoStartStore.h"

#include <memory>
#include <string>

namespace norvane::autostart {

// The program's start-at-login registration: a command named ValueName that
// starts the program file with Parameter. The state is read once, when the
// registration object is made; the program itself only reads it.
class TAutoStartReg {
public:
    TAutoStartReg(std::unique_ptr<IAutoStartStore> store, std::string programPath,
                  std::string valueName = "Norvane", std::string parameter = "--auto --min");

    const std::string& ValueName() const { return valueName_; }
    const std::string& Parameter() const { return parameter_; }

    // True when the stored command starts this very program file: it begins
    // with the quoted path, letter case included.
    bool AutoStart() const { return autoStart_; }

    // Registers or removes the command. The new state is kept even when the
    // place cannot be opened; nothing is written when the state is unchanged.
    void SetAutoStart(bool value);

private:
    bool readState();
    std::string command() const;

    std::unique_ptr<IAutoStartStore> store_;
    std::string programPath_;
    std::string valueName_;
    std::string parameter_;
    bool autoStart_ = false;
};

} // namespace norvane::autostart
