#pragma once

#include "netconfig/platform/memory/AdapterProvider.h"

#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace norvane::platform::simulated {

// A computer described by a JSON machine file (docs/simulation.md): its
// adapters, how its methods answer, and which service calls fail. The file
// is read again whenever its content changes; the methods change the
// adapters in memory and append each call to the journal file.
class SimulatedMachine : public memory::AdapterProvider {
public:
    // Raises norvane::Exception when the file cannot be read or parsed.
    SimulatedMachine(std::string machineFile, std::string journalFile);

    void checkOperation(const std::string& operation) override;

protected:
    std::vector<memory::AdapterRecord> readAdapters() override;
    std::shared_ptr<memory::MemoryObject> runMethod(std::uint32_t index,
                                                    const memory::MethodDefinition& method,
                                                    const memory::MemoryObject* in) override;

private:
    void reloadIfChanged();
    void load(const nlohmann::json& machine);
    const nlohmann::json* methodSettings(std::uint32_t index, const std::string& method) const;
    void writeJournal(std::uint32_t index, const std::string& method,
                      const memory::MemoryObject* in) const;
    std::uint32_t apply(memory::AdapterRecord& adapter, const std::string& method,
                        const memory::MemoryObject* in) const;

    std::string machineFile_;
    std::string journalFile_;
    std::string loadedText_;
    std::vector<memory::AdapterRecord> adapters_;
    std::map<std::uint32_t, nlohmann::json> adapterMethods_;
    nlohmann::json methods_;
    nlohmann::json failures_;
};

// A result code written in the machine file: a number, or hexadecimal text
// with or without "0x".
std::uint32_t ParseResultCode(const nlohmann::json& value);

} // namespace norvane::platform::simulated
