#pragma once

#include "store/CsvRow.h"

#include <cstddef>
#include <vector>

namespace norvane {

// The table's rows in file order; new rows go to the end and nothing reorders.
class TCsvRows {
public:
    std::size_t Count() const { return rows_.size(); }
    bool Empty() const { return rows_.empty(); }
    TCsvRow& operator[](std::size_t index) { return rows_[index]; }
    const TCsvRow& operator[](std::size_t index) const { return rows_[index]; }
    void Append(TCsvRow row) { rows_.push_back(std::move(row)); }
    void Remove(std::size_t index) { rows_.erase(rows_.begin() + static_cast<long>(index)); }
    void Clear() { rows_.clear(); }

    auto begin() const { return rows_.begin(); }
    auto end() const { return rows_.end(); }

private:
    std::vector<TCsvRow> rows_;
};

} // namespace norvane
