#include "store/DataSource.h"

#include <algorithm>

namespace norvane {

TDataSource::TDataSource(TDataSet& dataSet) : dataSet_(&dataSet) {
    dataSet.Attach(this);
}

TDataSource::~TDataSource() {
    if (dataSet_)
        dataSet_->Detach(this);
}

int TDataSource::Subscribe(TObserver observer) {
    observers_.emplace_back(nextHandle_, std::move(observer));
    return nextHandle_++;
}

void TDataSource::Unsubscribe(int handle) {
    std::erase_if(observers_, [handle](const auto& entry) { return entry.first == handle; });
}

void TDataSource::Dispatch(TDataEvent event, const TField* field) {
    const auto observers = observers_; // an observer may unsubscribe while called
    for (const auto& entry : observers)
        entry.second(event, field);
}

} // namespace norvane
