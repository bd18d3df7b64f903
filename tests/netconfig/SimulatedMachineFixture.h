#pragma once

#include "netconfig/platform/memory/MemoryManagementService.h"
#include "netconfig/platform/simulated/SimulatedMachine.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace norvane::test {

// Two IP-enabled Ethernet adapters (indexes 7 and 12), one disabled one
// (index 70) and one without a connection name (index 3).
inline const char* const StandardMachine = R"({
  "adapters": [
    {"Index": 7, "NetConnectionID": "Connexion au réseau local", "AdapterType": "Ethernet 802.3",
     "Description": "Carte réseau 1", "MACAddress": "08:00:27:00:00:07",
     "IPEnabled": true, "DHCPEnabled": false, "Speed": 1000000000,
     "IPAddress": ["192.168.1.10", "fe80::1"], "IPSubnet": ["255.255.255.0", "64"],
     "DefaultIPGateway": ["192.168.1.1"], "DNSServerSearchOrder": ["192.168.1.1"]},
    {"Index": 12, "NetConnectionID": "Wi-Fi", "AdapterType": "Ethernet 802.3",
     "Description": "Carte sans fil", "MACAddress": "08:00:27:00:00:0C",
     "IPEnabled": true, "DHCPEnabled": true, "IPAddress": ["10.0.0.12"],
     "IPSubnet": ["255.0.0.0"]},
    {"Index": 70, "NetConnectionID": "Connexion 2", "AdapterType": "Ethernet 802.3",
     "Description": "Carte désactivée", "IPEnabled": false},
    {"Index": 3, "NetConnectionID": null, "AdapterType": "Tunnel", "Description": "Tunnel",
     "IPEnabled": false}
  ]
})";

// A simulated machine in a temporary directory of its own.
class SimulatedMachineFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (auto& c : name)
            if (c == '/')
                c = '_';
        dir_ = std::filesystem::temp_directory_path() /
               ("norvane-wmi-" + name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        writeMachine(StandardMachine);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string machinePath() const { return (dir_ / "machine.json").string(); }
    std::string journalPath() const { return (dir_ / "journal.jsonl").string(); }

    void writeMachine(const std::string& json) {
        std::ofstream(machinePath(), std::ios::trunc) << json;
    }

    platform::IManagementService& service() {
        if (!service_)
            service_ = std::make_unique<platform::memory::MemoryManagementService>(
                std::make_shared<platform::simulated::SimulatedMachine>(machinePath(),
                                                                        journalPath()));
        return *service_;
    }

    std::vector<std::string> journalLines() const {
        std::ifstream in(journalPath());
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

private:
    std::filesystem::path dir_;
    std::unique_ptr<platform::IManagementService> service_;
};

// Runs a statement and returns the message of the exception it raises.
template <typename Exception, typename Statement> std::string MessageOf(Statement statement) {
    try {
        statement();
    } catch (const Exception& e) {
        return e.what();
    }
    return "<nothing raised>";
}

} // namespace norvane::test
