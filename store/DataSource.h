#pragma once

#include "store/DataSet.h"

#include <functional>
#include <utility>
#include <vector>

namespace norvane {

// Links windows to a data set: each subscriber is called with every notice the
// data set sends (see TDataEvent), so bound controls can follow the current row
// and the state. A data set that goes first detaches its data sources.
class TDataSource {
public:
    using TObserver = std::function<void(TDataEvent event, const TField* field)>;

    explicit TDataSource(TDataSet& dataSet);
    ~TDataSource();
    TDataSource(const TDataSource&) = delete;
    TDataSource& operator=(const TDataSource&) = delete;

    // The data set, or nullptr once it has been destroyed.
    TDataSet* DataSet() const { return dataSet_; }

    // Returns a handle for Unsubscribe.
    int Subscribe(TObserver observer);
    void Unsubscribe(int handle);

private:
    friend class TDataSet;
    void Dispatch(TDataEvent event, const TField* field);

    TDataSet* dataSet_;
    std::vector<std::pair<int, TObserver>> observers_;
    int nextHandle_ = 1;
};

} // namespace norvane
