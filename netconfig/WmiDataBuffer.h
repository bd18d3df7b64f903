#pragma once

#include "netconfig/platform/IObjectEnumerator.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace norvane {

// The rows a query has read so far. The enumeration is forward-only, so the
// objects already read are kept to let the cursor go back; each row keeps
// the property values fetched for it, so a property is fetched only once.
class TWmiDataBuffer {
public:
    explicit TWmiDataBuffer(std::unique_ptr<platform::IObjectEnumerator> enumerator);

    // Reads on until the row (from 0) is cached; false when there is no such row.
    bool Fetch(std::size_t row);
    // Reads the enumeration to its end; returns the number of rows.
    std::size_t FetchAll();
    std::size_t CachedCount() const { return rows_.size(); }

    std::shared_ptr<platform::IManagementObject> Object(std::size_t row) const;
    // The value of a property of a cached row, fetched from the service the first time.
    const platform::Variant& Value(std::size_t row, const std::string& property);

private:
    struct Row {
        std::shared_ptr<platform::IManagementObject> object;
        std::map<std::string, platform::Variant> values;
    };

    std::unique_ptr<platform::IObjectEnumerator> enumerator_;
    std::vector<Row> rows_;
};

} // namespace norvane
