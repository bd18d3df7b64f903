#include "netconfig/platform/memory/MemoryServices.h"

#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/TextCase.h"
#include "netconfig/platform/memory/WqlQuery.h"

#include <deque>

namespace norvane::platform::memory {

namespace {

class ListEnumerator : public IObjectEnumerator {
public:
    explicit ListEnumerator(std::vector<std::shared_ptr<MemoryObject>> objects)
        : objects_(objects.begin(), objects.end()) {}

    std::shared_ptr<IManagementObject> next() override {
        if (objects_.empty())
            return nullptr;
        auto object = objects_.front();
        objects_.pop_front();
        return object;
    }

private:
    std::deque<std::shared_ptr<MemoryObject>> objects_;
};

} // namespace

MemoryServices::MemoryServices(std::shared_ptr<IInstanceProvider> provider)
    : provider_(std::move(provider)) {}

std::unique_ptr<IObjectEnumerator>
MemoryServices::execQuery(const std::string& query, const std::string& language, int /*flags*/) {
    provider_->checkOperation("query");
    if (!EqualsIgnoreCase(language, "WQL"))
        throw ServiceError::failed(hresult::WbemInvalidQueryType);
    const WqlQuery parsed = WqlQuery::parse(query);
    const auto cls = provider_->findClass(parsed.className);
    if (!cls)
        throw ServiceError::failed(hresult::WbemInvalidClass);
    if (parsed.whereProperty && cls->findProperty(*parsed.whereProperty) == nullptr)
        throw ServiceError::failed(hresult::WbemInvalidQuery);

    std::vector<std::shared_ptr<MemoryObject>> selected;
    for (auto& object : provider_->instances(*cls))
        if (!parsed.whereProperty || parsed.matches(object->value(*parsed.whereProperty)))
            selected.push_back(std::move(object));
    return std::make_unique<ListEnumerator>(std::move(selected));
}

std::shared_ptr<IManagementObject> MemoryServices::getClass(const std::string& className,
                                                            bool /*amended*/) {
    const auto cls = provider_->findClass(className);
    if (!cls)
        throw ServiceError::failed(hresult::WbemNotFound);
    return std::make_shared<MemoryObject>(cls, MemoryObject::Role::Class);
}

void MemoryServices::setImpersonationLevel(int level) {
    impersonationLevel_ = level;
}

} // namespace norvane::platform::memory
