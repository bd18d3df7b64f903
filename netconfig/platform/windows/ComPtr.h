#pragma once

#include <utility>
#include <windows.h>

namespace norvane::platform::windows {

// Holds one COM reference.
template <typename T> class ComPtr {
public:
    ComPtr() = default;
    explicit ComPtr(T* raw) : raw_(raw) {} // takes over a reference
    ComPtr(const ComPtr& other) : raw_(other.raw_) {
        if (raw_)
            raw_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : raw_(std::exchange(other.raw_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(raw_, other.raw_);
        return *this;
    }
    ~ComPtr() {
        if (raw_)
            raw_->Release();
    }

    // Shares a reference the caller keeps.
    static ComPtr Share(T* raw) {
        if (raw)
            raw->AddRef();
        return ComPtr(raw);
    }

    T* get() const { return raw_; }
    T* operator->() const { return raw_; }
    explicit operator bool() const { return raw_ != nullptr; }
    T** put() {
        *this = ComPtr();
        return &raw_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

    template <typename U> ComPtr<U> query(REFIID iid) const {
        ComPtr<U> result;
        if (raw_)
            raw_->QueryInterface(iid, result.putVoid());
        return result;
    }

private:
    T* raw_ = nullptr;
};

} // namespace norvane::platform::windows
