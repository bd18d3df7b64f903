#pragma once

#include "netconfig/ActivationHost.h"
#include "netconfig/platform/ICommandRunner.h"

#include <cstdint>
#include <optional>
#include <string>

namespace norvane {

class Tdatamod;

// Applies the profile table's current row to its network connection and
// marks it as the only active profile:
//
//   TProfileActivation activation(*datamod, host);
//   activation.ActivateCurrentProfile();
//
// DHCP goes through the companion netsh, a static address through the
// adapter configuration's EnableStatic and SetGateways, the DNS servers
// through SetDNSServerSearchOrder. Any step the system refuses (a command
// that does not start or exits non-zero, a method whose ReturnValue is
// neither 0 nor 1) raises an error naming the step, the connection and the
// code; the profile is then not marked active. Nothing is changed when the
// profile's adapter has no TCP/IP configuration. A second activation started
// while one runs (through the messages it lets through) is refused.
class TProfileActivation {
public:
    TProfileActivation(Tdatamod& datamod, IActivationHost& host);

    void ActivateCurrentProfile();
    bool Running() const { return running_; }

    // The steps, on the profile being activated (the current row when none is).
    void ApplyDhcp();
    void ApplyStaticAddress(const std::string& ip, const std::string& mask,
                            const std::string& gateway);
    void ApplyDnsServers(const std::string& dns1, const std::string& dns2);
    // Runs a command line as a hidden child process and waits for it.
    platform::CommandOutcome RunHidden(const std::string& commandLine);

private:
    // What the activation reads of its profile, taken once at its start so
    // that messages handled between the steps cannot move it to another one.
    struct Target {
        std::int32_t id = 0;
        std::string connectionName; // CARTE_RESEAU
        std::string adapterIndex;   // CONNEXION
        bool dhcp = false;
        bool dnsAuto = false;
    };

    Target CurrentTarget() const;
    const Target& Profile();
    void RequireAdapter();
    void RunStep(const std::string& step, const std::string& commandLine);
    void ExecuteMethod(const std::string& step);
    void CheckReturnValue(const std::string& step, std::int64_t returnValue) const;
    void MarkActive();

    Tdatamod& datamod_;
    IActivationHost& host_;
    bool running_ = false;
    std::optional<Target> target_;
};

} // namespace norvane
