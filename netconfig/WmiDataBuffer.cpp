#include "netconfig/WmiDataBuffer.h"

#include "netconfig/WmiServiceCall.h"

namespace norvane {

TWmiDataBuffer::TWmiDataBuffer(std::unique_ptr<platform::IObjectEnumerator> enumerator)
    : enumerator_(std::move(enumerator)) {}

bool TWmiDataBuffer::Fetch(std::size_t row) {
    while (rows_.size() <= row && enumerator_) {
        auto object = WmiServiceCall([&] { return enumerator_->next(); });
        if (!object) {
            enumerator_.reset(); // the end: nothing more will come
            break;
        }
        rows_.push_back({std::move(object), {}});
    }
    return row < rows_.size();
}

std::size_t TWmiDataBuffer::FetchAll() {
    while (enumerator_)
        Fetch(rows_.size());
    return rows_.size();
}

std::shared_ptr<platform::IManagementObject> TWmiDataBuffer::Object(std::size_t row) const {
    return row < rows_.size() ? rows_[row].object : nullptr;
}

const platform::Variant& TWmiDataBuffer::Value(std::size_t row, const std::string& property) {
    auto& values = rows_.at(row).values;
    auto it = values.find(property);
    if (it == values.end()) {
        auto value = WmiServiceCall([&] { return rows_[row].object->get(property); });
        it = values.emplace(property, std::move(value)).first;
    }
    return it->second;
}

} // namespace norvane
