#pragma once

#include "netconfig/WmiConnection.h"
#include "netconfig/WmiDataSet.h"

#include <string>
#include <vector>

namespace norvane {

// A data set over the result of a WQL query:
//
//   TWmiQuery WmiAdapters("WmiAdapters");
//   WmiAdapters.SetConnection(&WmiConnection1);
//   WmiAdapters.SetWQL({"SELECT * FROM Win32_NetworkAdapterConfiguration where IPEnabled=true"});
//   WmiAdapters.Open();
//
// Opening connects the connection when needed. The query is sent as each
// line followed by CR LF.
class TWmiQuery : public TWmiDataSet {
public:
    explicit TWmiQuery(std::string name = {});

    TWmiConnection* Connection() const { return connection_; }
    void SetConnection(TWmiConnection* connection) { connection_ = connection; }
    const std::vector<std::string>& WQL() const { return wql_; }
    void SetWQL(std::vector<std::string> lines) { wql_ = std::move(lines); }
    std::string WQLText() const;
    // true: the service returns at once and the rows stream in (the default).
    bool Asynchronous() const { return asynchronous_; }
    void SetAsynchronous(bool asynchronous) { asynchronous_ = asynchronous; }
    bool IrregularView() const { return irregularView_; }
    void SetIrregularView(bool irregularView) { irregularView_ = irregularView; }

    std::shared_ptr<platform::IServices> GetWmiServices() override;

protected:
    std::unique_ptr<platform::IObjectEnumerator> OpenEnumerator() override;

private:
    TWmiConnection* connection_ = nullptr;
    std::vector<std::string> wql_;
    bool asynchronous_ = true;
    bool irregularView_ = false;
};

} // namespace norvane
