#include "netconfig/WmiConnection.h"

#include "netconfig/WmiServiceCall.h"

namespace norvane {

namespace {

// The impersonation level "impersonate".
constexpr int Impersonate = 3;

} // namespace

TWmiConnection::TWmiConnection(platform::IManagementService& service, std::string name)
    : service_(service), name_(std::move(name)) {}

void TWmiConnection::SetMachineName(std::string machineName) {
    Close();
    machineName_ = std::move(machineName);
}

void TWmiConnection::SetNameSpace(std::string nameSpace) {
    Close();
    nameSpace_ = std::move(nameSpace);
}

void TWmiConnection::SetConnected(bool connected) {
    if (connected == Connected())
        return;
    if (connected)
        Connect();
    else
        services_.reset();
}

void TWmiConnection::Connect() {
    platform::ConnectRequest request;
    request.machineName = machineName_;
    request.nameSpace = nameSpace_;
    request.userName = credentials_.UserName;
    request.password = credentials_.Password;
    request.locale = credentials_.Locale;
    request.authority = credentials_.Authority;
    for (const auto& line : credentials_.Options) {
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            request.options.emplace_back(line, std::string());
        else
            request.options.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
    services_ = WmiServiceCall([&] {
        service_.initializeThread();
        auto services = service_.connectServer(request);
        services->setImpersonationLevel(Impersonate);
        return services;
    });
}

} // namespace norvane
