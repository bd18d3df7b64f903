#pragma once

#include "netconfig/platform/IManagementObject.h"
#include "netconfig/platform/IServices.h"

#include <memory>

namespace norvane {

// What a method invoker takes its target from: the management object of a
// query's current row and the services object of the query's connection.
class IWmiObjectSource {
public:
    virtual ~IWmiObjectSource() = default;
    // Null when the query is closed or has no current row.
    virtual std::shared_ptr<platform::IManagementObject> GetWmiObject() = 0;
    // Null without a connection.
    virtual std::shared_ptr<platform::IServices> GetWmiServices() = 0;
};

} // namespace norvane
