#pragma once

namespace norvane {

enum class TCursor { Default, HourGlass };

// What an activation needs from the windows: the application's cursor, a
// chance for pending window messages to be handled between its steps, and
// the main window's list rebuilt at its end.
class IActivationHost {
public:
    virtual ~IActivationHost() = default;
    virtual TCursor Cursor() const = 0;
    virtual void SetCursor(TCursor cursor) = 0;
    virtual void ProcessMessages() = 0;
    virtual void RefreshProfileList() = 0;
};

} // namespace norvane
