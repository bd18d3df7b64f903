#pragma once

#include "netconfig/WmiParam.h"

#include <string>
#include <vector>

namespace norvane {

// The ordered parameters of a method invoker.
class TWmiParams {
public:
    // ownerName: the invoker's component name, which prefixes lookup failures.
    explicit TWmiParams(const std::string& ownerName) : ownerName_(ownerName) {}

    int Count() const { return static_cast<int>(items_.size()); }
    TWmiParam& Items(int index) { return items_.at(static_cast<std::size_t>(index)); }
    const TWmiParam& Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    TWmiParam& Add(TWmiParam param);
    void Clear() { items_.clear(); }

    // The first parameter of this name, ignoring letter case; null when none.
    TWmiParam* FindParam(const std::string& name);
    // As FindParam; none fails with "<owner>: Paramètres '<name>' non trouvés".
    TWmiParam& ParamByName(const std::string& name);

    std::vector<TWmiParam>::iterator begin() { return items_.begin(); }
    std::vector<TWmiParam>::iterator end() { return items_.end(); }

private:
    const std::string& ownerName_;
    std::vector<TWmiParam> items_;
};

} // namespace norvane
