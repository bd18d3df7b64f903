#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

class TField;
class TDataSource;

enum class TDataSetState { Inactive, Browse, Edit, Insert };

// What observers of a data set are told.
enum class TDataEvent {
    DataSetChange, // opened, closed, rows removed, or controls enabled again: show all anew
    StateChange,   // browse / edit / insert changed
    RecordChange,  // another row is current
    FieldChange,   // a field of the current row was written (the field is given)
    UpdateRecord,  // about to post: bound controls write their pending values now
};

// What every data set shares: a component name for its messages, a state, its
// field objects, and the observers (data sources) that bound controls follow.
// The profile table and the management-service queries derive from it.
class TDataSet {
public:
    explicit TDataSet(std::string name);
    virtual ~TDataSet();
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    const std::string& Name() const { return name_; }
    TDataSetState State() const { return state_; }
    bool IsActive() const { return state_ != TDataSetState::Inactive; }

    // Letter case is ignored. FieldByName raises "<name>: Champ '<field>' non trouvé".
    TField* FindField(std::string_view fieldName) const;
    TField& FieldByName(std::string_view fieldName) const;
    const std::vector<TField*>& Fields() const { return fields_; }

    // Creates a field object owned by this data set, e.g.
    // `auto& id = table.CreateField<TIntegerField>("ID_PROF");`
    template <class F, class... Args> F& CreateField(Args&&... args) {
        auto field = std::make_unique<F>(*this, std::forward<Args>(args)...);
        F& result = *field;
        AdoptField(std::move(field));
        return result;
    }

    // Notices to observers are held back while DisableControls has been called
    // more often than EnableControls; the last EnableControls sends one
    // DataSetChange so that every observer shows the current row anew.
    void DisableControls() { ++disableCount_; }
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

protected:
    friend class TField;
    friend class TDataSource;

    // A field's value in canonical text (integers in decimal, Booleans "1" or
    // "0"); nothing when null.
    virtual std::optional<std::string> ReadField(const TField& field) const = 0;
    virtual void WriteField(TField& field, const std::optional<std::string>& value) = 0;

    void SetState(TDataSetState state) { state_ = state; }
    void Notify(TDataEvent event, const TField* field = nullptr);
    // Raises "<name>: <text>", the form of every data-set error.
    [[noreturn]] void Fail(const std::string& text) const;

    // A slot each field keeps for its data set (the profile table keeps the
    // column index there).
    static int FieldSlot(const TField& field);
    static void SetFieldSlot(TField& field, int slot);

private:
    void AdoptField(std::unique_ptr<TField> field);
    void Attach(TDataSource* source);
    void Detach(TDataSource* source);

    std::string name_;
    TDataSetState state_ = TDataSetState::Inactive;
    std::vector<std::unique_ptr<TField>> ownedFields_;
    std::vector<TField*> fields_;
    std::vector<TDataSource*> sources_;
    int disableCount_ = 0;
};

} // namespace norvane
