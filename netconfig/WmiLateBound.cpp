#include "netconfig/WmiLateBound.h"

#include "common/Format.h"
#include "netconfig/SystemErrorText.h"
#include "netconfig/platform/ServiceError.h"

namespace norvane {

using platform::ServiceError;
using platform::Variant;

namespace {

constexpr std::size_t MaxDispatchArgs = 64;

std::string trimDescription(std::string text) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

EDispatchError systemError(std::uint32_t code) {
    const std::string text = SystemErrorText(code);
    return EDispatchError(
        text.empty() ? Format("Erreur OLE %.8x", {static_cast<unsigned long>(code)}) : text, code);
}

template <typename Call> decltype(auto) lateBound(Call&& call) {
    try {
        return std::forward<Call>(call)();
    } catch (const ServiceError& e) {
        throw DispatchErrorOf(e);
    }
}

} // namespace

EDispatchError DispatchErrorOf(const ServiceError& error) {
    switch (error.kind()) {
    case ServiceError::Kind::UnknownName:
        return EDispatchError(
            Format("Méthode '%s' non supportée par l'objet Automation", {error.description()}),
            error.code());
    case ServiceError::Kind::ObjectException: {
        // An exception without any description would reach the user as an
        // empty box; the code's own text says at least what failed.
        const std::string description = trimDescription(error.description());
        if (description.empty())
            return systemError(error.code());
        return EDispatchError(description, error.code());
    }
    default:
        return systemError(error.code());
    }
}

std::shared_ptr<platform::IDispatchObject> BindMoniker(platform::IManagementService& service,
                                                       const std::string& displayName) {
    return lateBound([&] {
        service.initializeThread();
        return service.bindMoniker(displayName);
    });
}

Variant DispatchCall(platform::IDispatchObject& object, const std::string& name,
                     const std::vector<Variant>& args, bool wantResult) {
    if (args.size() > MaxDispatchArgs)
        throw EDispatchError("Les méthodes Dispatch ne gèrent pas plus de 64 paramètres");
    using Kind = platform::IDispatchObject::CallKind;
    const Kind kind = wantResult && args.empty() ? Kind::MethodOrPropertyGet : Kind::Method;
    return lateBound([&] { return object.invoke(name, args, kind); });
}

void ForEachElement(platform::IDispatchObject& collection,
                    const std::function<void(const Variant&)>& visit) {
    auto enumerator = lateBound([&] { return collection.newEnum(); });
    Variant element;
    while (lateBound([&] { return enumerator->next(element); }))
        visit(element);
}

} // namespace norvane
