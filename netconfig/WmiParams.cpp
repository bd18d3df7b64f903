#include "netconfig/WmiParams.h"

#include "common/Errors.h"
#include "common/Format.h"
#include "netconfig/platform/TextCase.h"

namespace norvane {

TWmiParam& TWmiParams::Add(TWmiParam param) {
    items_.push_back(std::move(param));
    return items_.back();
}

TWmiParam* TWmiParams::FindParam(const std::string& name) {
    for (auto& param : items_)
        if (platform::EqualsIgnoreCase(param.Name(), name))
            return &param;
    return nullptr;
}

TWmiParam& TWmiParams::ParamByName(const std::string& name) {
    TWmiParam* param = FindParam(name);
    if (param == nullptr) {
        const std::string text = Format("Paramètres '%s' non trouvés", {name});
        throw Exception(ownerName_.empty() ? text : Format("%s: %s", {ownerName_, text}));
    }
    return *param;
}

} // namespace norvane
