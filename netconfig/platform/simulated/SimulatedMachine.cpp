#include "netconfig/platform/simulated/SimulatedMachine.h"

#include "common/Errors.h"
#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/TextCase.h"

#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#endif

namespace norvane::platform::simulated {

using memory::AdapterRecord;
using nlohmann::json;

namespace {

// ReturnValue codes of the configuration methods.
constexpr std::uint32_t InvalidSubnetMask = 66;
constexpr std::uint32_t InvalidIpAddress = 70;
constexpr std::uint32_t InvalidGateway = 71;
constexpr std::uint32_t IpNotEnabled = 84;

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::optional<std::string> optionalText(const json& entry, const char* key) {
    const auto it = entry.find(key);
    if (it == entry.end() || it->is_null())
        return std::nullopt;
    return it->get<std::string>();
}

std::vector<std::string> texts(const json& entry, const char* key) {
    const auto it = entry.find(key);
    if (it == entry.end() || it->is_null())
        return {};
    if (it->is_string())
        return {it->get<std::string>()};
    return it->get<std::vector<std::string>>();
}

AdapterRecord adapterFrom(const json& entry) {
    AdapterRecord adapter;
    adapter.index = entry.at("Index").get<std::uint32_t>();
    adapter.netConnectionId = optionalText(entry, "NetConnectionID");
    adapter.adapterType = optionalText(entry, "AdapterType");
    adapter.description = optionalText(entry, "Description").value_or("");
    adapter.macAddress = optionalText(entry, "MACAddress");
    if (entry.contains("Speed") && !entry.at("Speed").is_null())
        adapter.speed = entry.at("Speed").get<std::uint64_t>();
    adapter.ipEnabled = entry.value("IPEnabled", false);
    adapter.dhcpEnabled = entry.value("DHCPEnabled", false);
    adapter.ipAddress = texts(entry, "IPAddress");
    adapter.ipSubnet = texts(entry, "IPSubnet");
    adapter.defaultIPGateway = texts(entry, "DefaultIPGateway");
    adapter.dnsServerSearchOrder = texts(entry, "DNSServerSearchOrder");
    return adapter;
}

bool isIPv4(const std::string& text) {
    in_addr address{};
    return inet_pton(AF_INET, text.c_str(), &address) == 1;
}

bool allIPv4(const std::vector<std::string>& list) {
    for (const auto& text : list)
        if (!isIPv4(text))
            return false;
    return true;
}

json jsonOf(const Variant& value) {
    switch (value.kind()) {
    case Variant::Kind::Boolean:
        return value.asBoolean();
    case Variant::Kind::Integer:
        return value.asInteger();
    case Variant::Kind::Real:
        return value.asReal();
    case Variant::Kind::Text:
        return value.asText();
    case Variant::Kind::Array: {
        json array = json::array();
        for (const auto& item : value.items())
            array.push_back(jsonOf(item));
        return array;
    }
    default:
        return nullptr;
    }
}

} // namespace

std::uint32_t ParseResultCode(const json& value) {
    if (value.is_number())
        return value.get<std::uint32_t>();
    std::string text = value.get<std::string>();
    if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0)
        text.erase(0, 2);
    return static_cast<std::uint32_t>(std::stoul(text, nullptr, 16));
}

SimulatedMachine::SimulatedMachine(std::string machineFile, std::string journalFile)
    : machineFile_(std::move(machineFile)), journalFile_(std::move(journalFile)) {
    const auto text = readFile(machineFile_);
    if (!text)
        throw Exception("Cannot read the simulated machine file " + machineFile_);
    try {
        load(json::parse(*text));
    } catch (const json::exception& e) {
        throw Exception("Invalid simulated machine file " + machineFile_ + ": " + e.what());
    }
    loadedText_ = *text;
}

void SimulatedMachine::load(const json& machine) {
    std::vector<AdapterRecord> adapters;
    std::map<std::uint32_t, json> adapterMethods;
    for (const auto& entry : machine.value("adapters", json::array())) {
        adapters.push_back(adapterFrom(entry));
        if (entry.contains("methods"))
            adapterMethods[adapters.back().index] = entry.at("methods");
    }
    json methods = machine.value("methods", json::object());
    json failures = machine.value("failures", json::object());
    for (const auto& [name, failure] : failures.items())
        ParseResultCode(failure); // reject unreadable codes at load time

    // A method's "privileges" become its Privileges qualifier.
    for (auto& method : configurationClass().methods) {
        std::erase_if(method.qualifiers,
                      [](const Qualifier& q) { return EqualsIgnoreCase(q.name, "Privileges"); });
        const auto it = methods.find(method.name);
        if (it != methods.end() && it->contains("privileges")) {
            std::vector<Variant> names;
            for (const auto& name : it->at("privileges"))
                names.emplace_back(name.get<std::string>());
            method.qualifiers.push_back({"Privileges", Variant::Array(std::move(names))});
        }
    }
    adapters_ = std::move(adapters);
    adapterMethods_ = std::move(adapterMethods);
    methods_ = std::move(methods);
    failures_ = std::move(failures);
}

void SimulatedMachine::reloadIfChanged() {
    const auto text = readFile(machineFile_);
    if (!text || *text == loadedText_)
        return;
    try {
        load(json::parse(*text));
        loadedText_ = *text;
    } catch (const std::exception&) {
        // A file caught half-written keeps the last state that made sense.
    }
}

void SimulatedMachine::checkOperation(const std::string& operation) {
    reloadIfChanged();
    const auto it = failures_.find(operation);
    if (it != failures_.end())
        throw ServiceError::failed(ParseResultCode(*it));
}

std::vector<AdapterRecord> SimulatedMachine::readAdapters() {
    reloadIfChanged();
    return adapters_;
}

const json* SimulatedMachine::methodSettings(std::uint32_t index, const std::string& method) const {
    const auto adapter = adapterMethods_.find(index);
    if (adapter != adapterMethods_.end() && adapter->second.contains(method))
        return &adapter->second.at(method);
    const auto it = methods_.find(method);
    return it == methods_.end() ? nullptr : &*it;
}

void SimulatedMachine::writeJournal(std::uint32_t index, const std::string& method,
                                    const memory::MemoryObject* in) const {
    if (journalFile_.empty())
        return;
    nlohmann::ordered_json line;
    line["call"] = method;
    line["Index"] = index;
    line["in"] = nlohmann::ordered_json::object();
    if (in != nullptr)
        for (const auto& property : in->properties())
            if (!in->value(property.name).isNull())
                line["in"][property.name] = jsonOf(in->value(property.name));
    std::ofstream out(journalFile_, std::ios::app | std::ios::binary);
    out << line.dump() << '\n';
}

std::shared_ptr<memory::MemoryObject>
SimulatedMachine::runMethod(std::uint32_t index, const memory::MethodDefinition& method,
                            const memory::MemoryObject* in) {
    reloadIfChanged();
    AdapterRecord* adapter = nullptr;
    for (auto& candidate : adapters_)
        if (candidate.index == index)
            adapter = &candidate;
    if (adapter == nullptr)
        throw ServiceError::failed(hresult::WbemNotFound);

    writeJournal(index, method.name, in);
    const json* settings = methodSettings(index, method.name);
    if (settings != nullptr && settings->contains("exception")) {
        const auto& exception = settings->at("exception");
        throw ServiceError(ServiceError::Kind::ObjectException,
                           ParseResultCode(exception.at("code")),
                           exception.value("description", ""));
    }
    if (settings != nullptr && settings->contains("failWith"))
        throw ServiceError::failed(ParseResultCode(settings->at("failWith")));
    if (settings != nullptr && settings->value("omitReturnValue", false))
        return memory::MemoryObject::parameters({});
    if (settings != nullptr && settings->contains("ReturnValue")) {
        // A configured result replaces the method's own; only 0 lets the change through.
        const auto& configured = settings->at("ReturnValue");
        if (configured.is_null())
            return outParameters(method, Variant::Null());
        const auto result = configured.get<std::int64_t>();
        if (result == 0)
            apply(*adapter, method.name, in);
        return outParameters(method, Variant(result));
    }
    return outParameters(method,
                         Variant(static_cast<std::int64_t>(apply(*adapter, method.name, in))));
}

std::uint32_t SimulatedMachine::apply(AdapterRecord& adapter, const std::string& method,
                                      const memory::MemoryObject* in) const {
    if (!adapter.ipEnabled)
        return IpNotEnabled;
    const auto parameter = [in](const char* name) {
        return in == nullptr ? std::vector<std::string>{} : memory::TextsOf(in->value(name));
    };
    if (EqualsIgnoreCase(method, "EnableStatic")) {
        const auto addresses = parameter("IPAddress");
        const auto masks = parameter("SubnetMask");
        if (addresses.empty() || !allIPv4(addresses))
            return InvalidIpAddress;
        if (masks.size() != addresses.size() || !allIPv4(masks))
            return InvalidSubnetMask;
        adapter.ipAddress = addresses;
        adapter.ipSubnet = masks;
        adapter.dhcpEnabled = false;
    } else if (EqualsIgnoreCase(method, "SetGateways")) {
        const auto gateways = parameter("DefaultIPGateway");
        if (!allIPv4(gateways))
            return InvalidGateway;
        adapter.defaultIPGateway = gateways;
    } else if (EqualsIgnoreCase(method, "SetDNSServerSearchOrder")) {
        const auto servers = parameter("DNSServerSearchOrder");
        if (!allIPv4(servers))
            return InvalidIpAddress;
        adapter.dnsServerSearchOrder = servers;
    }
    return 0;
}

} // namespace norvane::platform::simulated
