#include "netconfig/WmiDataSet.h"

#include "common/Format.h"
#include "netconfig/WmiServiceCall.h"
#include "netconfig/WmiValueText.h"
#include "netconfig/platform/TextCase.h"

namespace norvane {

using platform::Variant;

namespace {

std::vector<std::string> splitFieldNames(const std::string& keyFields) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= keyFields.size()) {
        const auto end = keyFields.find(';', start);
        const auto piece = keyFields.substr(start, end == std::string::npos ? end : end - start);
        names.push_back(platform::Trim(piece));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    if (!names.empty() && names.back().empty())
        names.pop_back();
    return names;
}

bool hasQualifier(const platform::PropertyInfo& property, const char* name) {
    for (const auto& qualifier : property.qualifiers)
        if (platform::EqualsIgnoreCase(qualifier.name, name))
            return qualifier.value.asBoolean();
    return false;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

TWmiDataSet::TWmiDataSet(std::string name) : name_(std::move(name)) {}

TWmiDataSet::~TWmiDataSet() = default;

void TWmiDataSet::DataSetError(const std::string& text) const {
    throw Exception(name_.empty() ? text : Format("%s: %s", {name_, text}));
}

void TWmiDataSet::CheckActive() const {
    if (!Active())
        DataSetError("Impossible d'effectuer cette opération sur un ensemble de données fermé");
}

void TWmiDataSet::SetActive(bool active) {
    if (active == Active())
        return;
    if (active)
        DoOpen();
    else
        DoClose();
}

void TWmiDataSet::DoOpen() {
    auto buffer = std::make_unique<TWmiDataBuffer>(OpenEnumerator());
    if (buffer->Fetch(0)) {
        try {
            MakeFields(*buffer->Object(0));
        } catch (...) {
            fields_.clear();
            throw;
        }
    }
    buffer_ = std::move(buffer);
    current_ = 0;
    eof_ = buffer_->CachedCount() == 0;
    bof_ = true;
}

void TWmiDataSet::DoClose() {
    buffer_.reset();
    fields_.clear();
    current_ = 0;
    eof_ = bof_ = true;
}

void TWmiDataSet::MakeFields(const platform::IManagementObject& object) {
    const auto properties = WmiServiceCall([&] { return object.properties(); });
    int fieldNo = 1;
    for (const auto& property : properties) {
        const TFieldKind kind = FieldKindOfCimType(property.cimType, property.isArray);
        const int size = kind == TFieldKind::ftFixedWideChar ? 2 : 0;
        auto field = std::make_unique<TWmiField>(*this, property.name, fieldNo++, kind, size);
        field->SetRequired(hasQualifier(property, "KEY"));
        field->SetReadOnly(hasQualifier(property, "READONLY"));
        fields_.push_back(std::move(field));
    }
}

bool TWmiDataSet::HasRow() const {
    return buffer_ && current_ < buffer_->CachedCount();
}

void TWmiDataSet::First() {
    CheckActive();
    current_ = 0;
    eof_ = !buffer_->Fetch(0);
    bof_ = true;
}

void TWmiDataSet::Next() {
    CheckActive();
    if (eof_)
        return;
    if (buffer_->Fetch(current_ + 1)) {
        ++current_;
        bof_ = false;
    } else {
        eof_ = true;
    }
}

void TWmiDataSet::Prior() {
    CheckActive();
    if (current_ == 0) {
        bof_ = true;
        return;
    }
    --current_;
    eof_ = false;
}

void TWmiDataSet::Last() {
    CheckActive();
    const std::size_t count = buffer_->FetchAll();
    current_ = count == 0 ? 0 : count - 1;
    eof_ = true;
    bof_ = count <= 1;
}

bool TWmiDataSet::IsEmpty() {
    return !Active() || !buffer_->Fetch(0);
}

int TWmiDataSet::RecNo() const {
    return HasRow() ? static_cast<int>(current_) + 1 : 0;
}

void TWmiDataSet::SetRecNo(int recNo) {
    CheckActive();
    if (recNo >= 1 && buffer_->Fetch(static_cast<std::size_t>(recNo - 1))) {
        current_ = static_cast<std::size_t>(recNo - 1);
        eof_ = false;
        bof_ = current_ == 0;
    }
}

int TWmiDataSet::RecordCount() {
    return Active() ? static_cast<int>(buffer_->FetchAll()) : 0;
}

TWmiField* TWmiDataSet::FindField(const std::string& fieldName) {
    for (const auto& field : fields_)
        if (platform::EqualsIgnoreCase(field->FieldName(), fieldName))
            return field.get();
    return nullptr;
}

TWmiField& TWmiDataSet::FieldByName(const std::string& fieldName) {
    TWmiField* field = FindField(fieldName);
    if (field == nullptr)
        DataSetError(Format("Champ '%s' non trouvé", {fieldName}));
    return *field;
}

Variant TWmiDataSet::CurrentValue(const TWmiField& field) {
    if (!HasRow())
        return Variant::Null();
    return WmiFieldValue(field.DataType(), buffer_->Value(current_, field.FieldName()));
}

bool TWmiDataSet::RowMatches(const std::vector<std::string>& names, const Variant& keyValues,
                             TLocateOptions options) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        const TWmiField& field = FieldByName(names[i]);
        Variant key = keyValues;
        if (keyValues.isArray())
            key = i < keyValues.items().size() ? keyValues.items()[i] : Variant();
        std::string valueText = WmiValueText(field.Value());
        std::string keyText = WmiValueText(key);
        if (options.caseInsensitive || options.partialKey) {
            valueText = platform::UpperText(valueText);
            keyText = platform::UpperText(keyText);
        }
        const bool match =
            options.partialKey ? startsWith(valueText, keyText) : valueText == keyText;
        if (!match)
            return false;
    }
    return true;
}

bool TWmiDataSet::Locate(const std::string& keyFields, const Variant& keyValues,
                         TLocateOptions options) {
    const auto names = splitFieldNames(keyFields);
    if (names.size() > 1 && (!keyValues.isArray() || keyValues.items().size() != names.size()))
        DataSetError("Expression filtre formée incorrectement");
    CheckActive();
    const std::size_t savedCurrent = current_;
    const bool savedEof = eof_;
    const bool savedBof = bof_;
    for (First(); !Eof(); Next())
        if (RowMatches(names, keyValues, options))
            return true;
    current_ = savedCurrent;
    eof_ = savedEof;
    bof_ = savedBof;
    return false;
}

std::shared_ptr<platform::IManagementObject> TWmiDataSet::GetWmiObject() {
    return HasRow() ? buffer_->Object(current_) : nullptr;
}

} // namespace norvane
