#include "netconfig/platform/memory/MemoryManagementService.h"

#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/TextCase.h"
#include "netconfig/platform/memory/MemoryDispatch.h"
#include "netconfig/platform/memory/MemoryServices.h"

namespace norvane::platform::memory {

namespace {

bool isLocalMachine(const std::string& name) {
    return name.empty() || name == "." || EqualsIgnoreCase(name, "localhost");
}

bool isOwnNamespace(const std::string& name) {
    return EqualsIgnoreCase(name, "root\\cimv2") || EqualsIgnoreCase(name, "root/cimv2");
}

} // namespace

MemoryManagementService::MemoryManagementService(std::shared_ptr<IInstanceProvider> provider)
    : provider_(std::move(provider)) {}

std::shared_ptr<IServices> MemoryManagementService::connectServer(const ConnectRequest& request) {
    provider_->checkOperation("connect");
    if (!isLocalMachine(request.machineName))
        throw ServiceError::failed(0x800706BA); // the RPC server is unavailable
    if (!isOwnNamespace(request.nameSpace))
        throw ServiceError::failed(hresult::WbemInvalidNamespace);
    return std::make_shared<MemoryServices>(provider_);
}

// Accepts "winmgmts:" followed by an optional "{...}!" security part and a
// path "\\machine\namespace" or "namespace".
std::shared_ptr<IDispatchObject>
MemoryManagementService::bindMoniker(const std::string& displayName) {
    provider_->checkOperation("bind");
    const std::string prefix = "winmgmts:";
    if (!EqualsIgnoreCase(displayName.substr(0, prefix.size()), prefix))
        throw ServiceError::failed(hresult::MkInvalidSyntax);
    std::string path = displayName.substr(prefix.size());
    if (!path.empty() && path.front() == '{') {
        const auto close = path.find('}');
        if (close == std::string::npos)
            throw ServiceError::failed(hresult::MkInvalidSyntax);
        path.erase(0, close + 1);
        if (!path.empty() && path.front() == '!')
            path.erase(0, 1);
    }
    ConnectRequest request;
    request.nameSpace = "root\\cimv2";
    if (path.rfind("\\\\", 0) == 0 || path.rfind("//", 0) == 0) {
        const auto slash = path.find_first_of("\\/", 2);
        request.machineName = path.substr(2, slash == std::string::npos ? slash : slash - 2);
        path = slash == std::string::npos ? std::string() : path.substr(slash + 1);
    }
    if (!path.empty())
        request.nameSpace = path;
    return MakeServicesDispatch(connectServer(request));
}

} // namespace norvane::platform::memory
