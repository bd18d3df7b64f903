#pragma once

#include "netconfig/WmiDataSet.h"

namespace norvane {

// The link from windows to a management-service query; the data module keeps
// one per query so controls can be bound to it.
class TWmiDataSource {
public:
    explicit TWmiDataSource(TWmiDataSet& dataSet) : dataSet_(&dataSet) {}

    TWmiDataSet* DataSet() const { return dataSet_; }

private:
    TWmiDataSet* dataSet_;
};

} // namespace norvane
