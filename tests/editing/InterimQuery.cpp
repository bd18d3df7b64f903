// INTERIM
#include "InterimQuery.h"

#include "editing/InterimInventory.h"
#include "netconfig/platform/memory/MemoryManagementService.h"
#include "netconfig/platform/simulated/SimulatedMachine.h"
namespace norvane::test {
namespace {
std::unique_ptr<platform::IManagementService> service_;
std::unique_ptr<TWmiConnection> connection_;
std::unique_ptr<TWmiQuery> query_;
} // namespace
void openInterimQuery(const std::string& machine, const std::string& journal) {
    service_ = std::make_unique<platform::memory::MemoryManagementService>(
        std::make_shared<platform::simulated::SimulatedMachine>(machine, journal));
    connection_ = std::make_unique<TWmiConnection>(*service_, "WmiConnection1");
    query_ = std::make_unique<TWmiQuery>("wqConfigurations");
    query_->SetConnection(connection_.get());
    query_->SetWQL(
        {"SELECT *  FROM Win32_NetworkAdapter ", "WHERE AdapterType = 'Ethernet 802.3'"});
    interimConfigurations = query_.get();
}
void closeInterimQuery() {
    interimConfigurations = nullptr;
    query_.reset();
    connection_.reset();
    service_.reset();
}
void setInterimConnectionCount(int count) {
    interimConnectionCount = count;
}
} // namespace norvane::test
