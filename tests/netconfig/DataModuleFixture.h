#pragma once

#include "SimulatedMachineFixture.h"
#include "netconfig/platform/Platform.h"
#include "netconfig/platform/memory/MemoryIpHelper.h"
#include "store/database.h"
#include "tests/support/SimulatedProgramDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace norvane::test {

inline const char ProfileHeader[] =
    "ID_PROF,NOM_PROF,CARTE_RESEAU,CONNEXION,ADRESSE_IP,MASK_RESEAU,"
    "PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO,IMAGE,ACTIVE";

// A data module on a simulated machine, with its profile table in the test's
// own directory. The companion netsh the activation starts sees the same
// machine and journal through the environment.
class DataModuleFixture : public SimulatedMachineFixture {
protected:
    void SetUp() override {
        SimulatedMachineFixture::SetUp();
        norvane::test::UseSimulatedMachine(machinePath(), journalPath());
    }
    void TearDown() override {
        module_.reset();
        norvane::test::ForgetSimulatedMachine();
        SimulatedMachineFixture::TearDown();
    }

    std::filesystem::path directory() const {
        return std::filesystem::path(machinePath()).parent_path();
    }

    void writeProfiles(const std::string& rows) {
        std::ofstream(directory() / "profils.csv", std::ios::binary | std::ios::trunc)
            << ProfileHeader << "\r\n"
            << rows;
    }

    // The data module, created on first use over the machine as it is then.
    Tdatamod& module() {
        if (!module_) {
            auto machine = std::make_shared<platform::simulated::SimulatedMachine>(machinePath(),
                                                                                   journalPath());
            platform::Platform services;
            services.managementService =
                std::make_unique<platform::memory::MemoryManagementService>(machine);
            services.ipHelper = std::make_unique<platform::memory::MemoryIpHelper>(
                machine, platform::memory::MemoryIpHelper::Naming::SettingId);
            services.commandRunner = platform::NativeCommandRunner();
            module_ = std::make_unique<Tdatamod>(std::move(services));
            module_->profils.SetFileName((directory() / "profils.csv").string());
        }
        return *module_;
    }

    // Opens the table, the connection and both queries, in the program's order.
    void openAll() {
        Tdatamod& dm = module();
        dm.profils.Open();
        dm.WmiConnection1.Open();
        dm.wqConfigurations.Open();
        dm.WmiAdapters.Open();
    }

    std::string currentAdapter() { return module().WmiAdapters.FieldByName("Index").AsString(); }

private:
    std::unique_ptr<Tdatamod> module_;
};

} // namespace norvane::test
