#include "AutoStartReg.h"

#include "common/Errors.h"

namespace norvane::autostart {

TAutoStartReg::TAutoStartReg(std::unique_ptr<IAutoStartStore> store, std::string programPath,
                             std::string valueName, std::string parameter)
    : store_(std::move(store)), programPath_(std::move(programPath)),
      valueName_(std::move(valueName)), parameter_(std::move(parameter)) {
    NORVANE_ASSERT(store_ != nullptr, "The registration needs a place to read");
    autoStart_ = readState();
}

bool TAutoStartReg::readState() {
    if (valueName_.empty())
        return false;
    const std::optional<std::string> stored = store_->ReadCommand(valueName_);
    return stored && stored->starts_with(store_->QuoteProgram(programPath_));
}

std::string TAutoStartReg::command() const {
    return store_->QuoteProgram(programPath_) + " " + parameter_;
}

void TAutoStartReg::SetAutoStart(bool value) {
    if (value == autoStart_ || valueName_.empty())
        return;
    if (value)
        store_->WriteCommand(valueName_, command());
    else
        store_->DeleteCommand(valueName_);
    autoStart_ = value;
}

} // namespace norvane::autostart
