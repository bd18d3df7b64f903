#include "netconfig/platform/memory/MemoryDispatch.h"

#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/TextCase.h"

#include <vector>

namespace norvane::platform::memory {

namespace {

[[noreturn]] void unknownName(const std::string& name) {
    throw ServiceError(ServiceError::Kind::UnknownName, hresult::DispUnknownName, name);
}

class ObjectDispatch : public IDispatchObject {
public:
    explicit ObjectDispatch(std::shared_ptr<IManagementObject> object)
        : object_(std::move(object)) {}

    Variant invoke(const std::string& name, const std::vector<Variant>& args,
                   CallKind kind) override {
        for (const auto& method : object_->methods())
            if (EqualsIgnoreCase(method.name, name))
                return run(method, args);
        if (kind == CallKind::MethodOrPropertyGet && args.empty())
            for (const auto& property : object_->properties())
                if (EqualsIgnoreCase(property.name, name))
                    return object_->get(property.name);
        unknownName(name);
    }

    std::unique_ptr<IVariantEnumerator> newEnum() override { unknownName("_NewEnum"); }

private:
    Variant run(const MethodInfo& method, const std::vector<Variant>& args) {
        std::shared_ptr<IManagementObject> in;
        if (method.inParameters) {
            in = method.inParameters->spawnInstance();
            const auto parameters = in->properties();
            if (args.size() > parameters.size())
                throw ServiceError::failed(hresult::WbemInvalidMethodParameters);
            for (std::size_t i = 0; i < args.size(); ++i)
                if (args[i].kind() != Variant::Kind::Omitted)
                    in->put(parameters[i].name, args[i]);
        } else if (!args.empty()) {
            throw ServiceError::failed(hresult::WbemInvalidMethodParameters);
        }
        const auto out = object_->execMethod(method.name, in);
        if (!out)
            return {};
        for (const auto& property : out->properties())
            if (EqualsIgnoreCase(property.name, "ReturnValue"))
                return out->get(property.name);
        return {};
    }

    std::shared_ptr<IManagementObject> object_;
};

class CollectionEnumerator : public IVariantEnumerator {
public:
    explicit CollectionEnumerator(std::vector<std::shared_ptr<IDispatchObject>> items)
        : items_(std::move(items)) {}

    bool next(Variant& element) override {
        if (position_ >= items_.size())
            return false;
        element = Variant(items_[position_++]);
        return true;
    }

private:
    std::vector<std::shared_ptr<IDispatchObject>> items_;
    std::size_t position_ = 0;
};

class CollectionDispatch : public IDispatchObject {
public:
    explicit CollectionDispatch(std::vector<std::shared_ptr<IDispatchObject>> items)
        : items_(std::move(items)) {}

    Variant invoke(const std::string& name, const std::vector<Variant>& args,
                   CallKind /*kind*/) override {
        if (EqualsIgnoreCase(name, "Count") && args.empty())
            return Variant(static_cast<std::int64_t>(items_.size()));
        unknownName(name);
    }

    std::unique_ptr<IVariantEnumerator> newEnum() override {
        return std::make_unique<CollectionEnumerator>(items_);
    }

private:
    std::vector<std::shared_ptr<IDispatchObject>> items_;
};

class ServicesDispatch : public IDispatchObject {
public:
    explicit ServicesDispatch(std::shared_ptr<IServices> services)
        : services_(std::move(services)) {}

    Variant invoke(const std::string& name, const std::vector<Variant>& args,
                   CallKind /*kind*/) override {
        if (!EqualsIgnoreCase(name, "ExecQuery"))
            unknownName(name);
        if (args.empty() || args[0].kind() != Variant::Kind::Text)
            throw ServiceError::failed(hresult::WbemInvalidParameter);
        std::string language = "WQL";
        if (args.size() > 1 && args[1].kind() == Variant::Kind::Text)
            language = args[1].asText();
        auto enumerator = services_->execQuery(args[0].asText(), language, 0);
        std::vector<std::shared_ptr<IDispatchObject>> items;
        while (auto object = enumerator->next())
            items.push_back(std::make_shared<ObjectDispatch>(std::move(object)));
        return Variant(std::shared_ptr<IDispatchObject>(
            std::make_shared<CollectionDispatch>(std::move(items))));
    }

    std::unique_ptr<IVariantEnumerator> newEnum() override { unknownName("_NewEnum"); }

private:
    std::shared_ptr<IServices> services_;
};

} // namespace

std::shared_ptr<IDispatchObject> MakeServicesDispatch(std::shared_ptr<IServices> services) {
    return std::make_shared<ServicesDispatch>(std::move(services));
}

} // namespace norvane::platform::memory
