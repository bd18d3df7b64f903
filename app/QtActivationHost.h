#pragma once

#include "netconfig/ActivationHost.h"

#include <functional>

// What an activation needs from the windows, done with Qt: the application's
// override cursor, the event loop's pending events, and a refresh of the main
// window's list.
class TQtActivationHost : public norvane::IActivationHost {
public:
    explicit TQtActivationHost(std::function<void()> refreshProfileList);
    ~TQtActivationHost() override;
    TQtActivationHost(const TQtActivationHost&) = delete;
    TQtActivationHost& operator=(const TQtActivationHost&) = delete;

    norvane::TCursor Cursor() const override;
    void SetCursor(norvane::TCursor cursor) override;
    void ProcessMessages() override;
    void RefreshProfileList() override;

private:
    std::function<void()> refreshProfileList_;
    bool busy_ = false; // this host has pushed the wait cursor
};
