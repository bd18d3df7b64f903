#include "netconfig/WmiQuery.h"

#include "netconfig/WmiServiceCall.h"
#include "netconfig/platform/TextCase.h"

namespace norvane {

TWmiQuery::TWmiQuery(std::string name) : TWmiDataSet(std::move(name)) {}

std::string TWmiQuery::WQLText() const {
    std::string text;
    for (const auto& line : wql_)
        text += line + "\r\n";
    return text;
}

std::shared_ptr<platform::IServices> TWmiQuery::GetWmiServices() {
    return connection_ != nullptr ? connection_->Services() : nullptr;
}

std::unique_ptr<platform::IObjectEnumerator> TWmiQuery::OpenEnumerator() {
    const std::string text = WQLText();
    if (platform::Trim(text).empty())
        DataSetError("WQL is not defined");
    if (connection_ == nullptr)
        DataSetError("Connection is not defined");
    connection_->SetConnected(true);
    const int flags =
        asynchronous_ ? platform::queryflags::ReturnImmediately | platform::queryflags::ForwardOnly
                      : platform::queryflags::ForwardOnly;
    auto services = connection_->Services();
    return WmiServiceCall([&] { return services->execQuery(text, "WQL", flags); });
}

} // namespace norvane
