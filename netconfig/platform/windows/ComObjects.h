#pragma once

// The management service through its scripting object model over COM.
// Windows only; CMake adds this folder's sources for WIN32 builds.

#include "netconfig/platform/IDispatchObject.h"
#include "netconfig/platform/IManagementObject.h"
#include "netconfig/platform/IServices.h"

#include <memory>
#include <string>
#include <utility>
#include <wbemdisp.h>
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
    T* get() const { return raw_; }
    T* operator->() const { return raw_; }
    explicit operator bool() const { return raw_ != nullptr; }
    T** put() {
        *this = ComPtr();
        return &raw_;
    }
    template <typename U> ComPtr<U> query(REFIID iid) const {
        ComPtr<U> result;
        if (raw_)
            raw_->QueryInterface(iid, reinterpret_cast<void**>(result.put()));
        return result;
    }

private:
    T* raw_ = nullptr;
};

// Raises ServiceError for a failed result.
void Check(HRESULT hr);

std::wstring Wide(const std::string& text);
std::string Utf8(const wchar_t* text, int length = -1);

// VARIANT conversions; a VARIANT made here is cleared by its owner.
Variant FromVariant(const VARIANT& value);
void ToVariant(const Variant& value, VARIANT& out);

class WbemObject : public IManagementObject {
public:
    explicit WbemObject(ComPtr<ISWbemObject> object) : object_(std::move(object)) {}

    std::string className() const override;
    std::vector<PropertyInfo> properties() const override;
    Variant get(const std::string& name) const override;
    void put(const std::string& name, const Variant& value) override;
    std::vector<MethodInfo> methods() const override;
    std::shared_ptr<IManagementObject> spawnInstance() const override;
    std::shared_ptr<IManagementObject>
    execMethod(const std::string& method,
               const std::shared_ptr<IManagementObject>& inParameters) override;
    void addPrivilege(int number, bool enabled) override;
    std::string objectText() const override;

    ISWbemObject* raw() const { return object_.get(); }

private:
    ComPtr<ISWbemObject> object_;
};

class WbemServices : public IServices {
public:
    explicit WbemServices(ComPtr<ISWbemServices> services) : services_(std::move(services)) {}

    std::unique_ptr<IObjectEnumerator> execQuery(const std::string& query,
                                                 const std::string& language, int flags) override;
    std::shared_ptr<IManagementObject> getClass(const std::string& className,
                                                bool amended) override;
    void setImpersonationLevel(int level) override;

private:
    ComPtr<ISWbemServices> services_;
};

// Any automation object, members called by name.
class DispatchObject : public IDispatchObject {
public:
    explicit DispatchObject(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    Variant invoke(const std::string& name, const std::vector<Variant>& args,
                   CallKind kind) override;
    std::unique_ptr<IVariantEnumerator> newEnum() override;

    IDispatch* raw() const { return object_.get(); }

private:
    ComPtr<IDispatch> object_;
};

} // namespace norvane::platform::windows
