#include "store/DataSet.h"

#include "common/Errors.h"
#include "common/Format.h"
#include "store/CsvColumns.h"
#include "store/DataSource.h"
#include "store/Field.h"

#include <algorithm>

namespace norvane {

TDataSet::TDataSet(std::string name) : name_(std::move(name)) {}

TDataSet::~TDataSet() {
    for (TDataSource* source : sources_)
        source->dataSet_ = nullptr;
}

TField* TDataSet::FindField(std::string_view fieldName) const {
    for (TField* field : fields_)
        if (SameName(field->FieldName(), fieldName))
            return field;
    return nullptr;
}

TField& TDataSet::FieldByName(std::string_view fieldName) const {
    if (TField* field = FindField(fieldName))
        return *field;
    Fail(Format("Champ '%s' non trouvé", {fieldName}));
}

void TDataSet::EnableControls() {
    if (disableCount_ > 0 && --disableCount_ == 0)
        Notify(TDataEvent::DataSetChange);
}

void TDataSet::Notify(TDataEvent event, const TField* field) {
    // Pending control values must reach the row even while notices are held back.
    if (disableCount_ > 0 && event != TDataEvent::UpdateRecord)
        return;
    const auto sources = sources_; // an observer may drop its data source
    for (TDataSource* source : sources)
        source->Dispatch(event, field);
}

void TDataSet::Fail(const std::string& text) const {
    throw Exception(Format("%s: %s", {name_, text}));
}

int TDataSet::FieldSlot(const TField& field) {
    return field.slot_;
}

void TDataSet::SetFieldSlot(TField& field, int slot) {
    field.slot_ = slot;
}

void TDataSet::AdoptField(std::unique_ptr<TField> field) {
    fields_.push_back(field.get());
    ownedFields_.push_back(std::move(field));
}

void TDataSet::Attach(TDataSource* source) {
    sources_.push_back(source);
}

void TDataSet::Detach(TDataSource* source) {
    sources_.erase(std::remove(sources_.begin(), sources_.end(), source), sources_.end());
}

} // namespace norvane
