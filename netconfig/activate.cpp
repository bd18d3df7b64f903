#include "netconfig/activate.h"

#include "app/i18n/Translation.h"
#include "common/Errors.h"
#include "common/Format.h"
#include "netconfig/WmiLateBound.h"
#include "store/database.h"

namespace norvane {

using platform::Variant;

namespace {

const char AddressCommandStart[] = "netsh interface ip set address \"";
const char DnsCommandStart[] = "netsh interface ip set dns \"";
const char DhcpCommandEnd[] = "\" source=dhcp";
const char AddressStep[] = "netsh interface ip set address";
const char DnsStep[] = "netsh interface ip set dns";
const char EnableStaticStep[] = "EnableStatic";
const char SetGatewaysStep[] = "SetGateways";
const char SetDnsStep[] = "SetDNSServerSearchOrder";
const char ServicesMoniker[] = "winmgmts:\\\\.\\root\\cimv2";
const char AdapterQuery[] = "Select * from Win32_NetworkAdapterConfiguration where Index=";

const char AlreadyRunningText[] = "Une activation est déjà en cours.";
const char AdapterMissingText[] =
    "La connexion '%s' n'a pas de configuration TCP/IP active (carte %s introuvable).";
const char StepNotStartedText[] = "L'étape %s n'a pas pu être lancée pour la connexion '%s' "
                                  "(code %d).";
const char StepFailedText[] = "L'étape %s a échoué pour la connexion '%s' (code %d).";
const char StepErrorText[] = "L'étape %s a échoué pour la connexion '%s' : %s";
const char ProfileGoneText[] = "Le profil %d a été supprimé pendant son activation.";
const char InvalidConnectionNameText[] = "Nom de connexion invalide : '%s'.";

// What a method that reports no ReturnValue at all counts as.
constexpr std::int64_t MissingReturnValue = -1;

// 0: done; 1: done, effective after the computer restarts.
bool Succeeded(std::int64_t returnValue) {
    return returnValue == 0 || returnValue == 1;
}

std::int64_t ReturnValueOf(const Variant& result) {
    if (result.isNull())
        return 0;
    if (result.isEmpty())
        return MissingReturnValue;
    return result.asInteger();
}

// Puts the given cursor back however the scope is left.
class CursorReset {
public:
    CursorReset(IActivationHost& host, TCursor cursor) : host_(host), cursor_(cursor) {}
    ~CursorReset() { host_.SetCursor(cursor_); }
    CursorReset(const CursorReset&) = delete;
    CursorReset& operator=(const CursorReset&) = delete;

private:
    IActivationHost& host_;
    TCursor cursor_;
};

} // namespace

TProfileActivation::TProfileActivation(Tdatamod& datamod, IActivationHost& host)
    : datamod_(datamod), host_(host) {}

TProfileActivation::Target TProfileActivation::CurrentTarget() const {
    Target target;
    target.id = datamod_.profilsID_PROF.AsInteger();
    target.connectionName = datamod_.profilsCARTE_RESEAU.AsString();
    target.adapterIndex = datamod_.profilsCONNEXION.AsString();
    target.dhcp = datamod_.profilsDHCP.AsBoolean();
    target.dnsAuto = datamod_.profilsDNS_AUTO.AsBoolean();
    return target;
}

const TProfileActivation::Target& TProfileActivation::Profile() {
    if (!running_)
        target_ = CurrentTarget();
    return *target_;
}

void TProfileActivation::ActivateCurrentProfile() {
    if (running_)
        throw Exception(i18n::Translate(AlreadyRunningText));
    running_ = true;
    struct RunningMark {
        TProfileActivation& self;
        ~RunningMark() {
            self.running_ = false;
            self.target_.reset();
        }
    } mark{*this};

    datamod_.profils.ReselectCurrentRow();
    target_ = CurrentTarget();
    // Read before any message is handled: nothing may change them under us.
    const std::string ip = datamod_.profilsADRESSE_IP.AsString();
    const std::string mask = datamod_.profilsMASK_RESEAU.AsString();
    const std::string gateway = datamod_.profilsPASSRELLE_RESEAU.AsString();
    const std::string dns1 = datamod_.profilsDNS1.AsString();
    const std::string dns2 = datamod_.profilsDNS2.AsString();
    RequireAdapter();

    if (target_->dhcp)
        ApplyDhcp();
    else
        ApplyStaticAddress(ip, mask, gateway);
    if (target_->dnsAuto)
        ApplyDnsServers({}, {});
    else
        ApplyDnsServers(dns1, dns2);
    MarkActive();
    host_.RefreshProfileList();
}

// Stops before any change when the profile's adapter has no TCP/IP
// configuration; otherwise WmiAdapters stands on it. Run again before each
// method, since the messages handled between the steps may move the query.
void TProfileActivation::RequireAdapter() {
    const Target& profile = Profile();
    TWmiQuery& adapters = datamod_.WmiAdapters;
    if (!adapters.Active() || !adapters.Locate("index", Variant(profile.adapterIndex)))
        throw Exception(Format(i18n::Translate(AdapterMissingText),
                               {profile.connectionName, profile.adapterIndex}));
}

void TProfileActivation::ApplyDhcp() {
    const Target profile = Profile();
    // A quote or backslash would let the name change the command's other words.
    if (profile.connectionName.find_first_of("\"\\") != std::string::npos)
        throw Exception(
            Format(i18n::Translate(InvalidConnectionNameText), {profile.connectionName}));
    CursorReset reset(host_, TCursor::Default);
    host_.SetCursor(TCursor::HourGlass);
    host_.ProcessMessages();
    const std::string addressLine = AddressCommandStart + profile.connectionName + DhcpCommandEnd;
    host_.ProcessMessages();
    RunStep(AddressStep, addressLine);
    host_.ProcessMessages();
    if (profile.dnsAuto) {
        const std::string dnsLine = DnsCommandStart + profile.connectionName + DhcpCommandEnd;
        host_.ProcessMessages();
        RunStep(DnsStep, dnsLine);
        host_.ProcessMessages();
    }
}

void TProfileActivation::ApplyStaticAddress(const std::string& ip, const std::string& mask,
                                            const std::string& gateway) {
    CursorReset reset(host_, TCursor::Default);
    host_.SetCursor(TCursor::HourGlass);
    host_.ProcessMessages();
    if (gateway.empty())
        ApplyDhcp();
    TWmiMethod& method = datamod_.WmiMethod1;
    RequireAdapter();
    method.SetWmiMethodName(EnableStaticStep);
    method.InParams().ParamByName("IPAddress").SetAsString(ip);
    method.InParams().ParamByName("SubnetMask").SetAsString(mask);
    ExecuteMethod(EnableStaticStep);
    method.SetWmiMethodName(SetGatewaysStep);
    if (!gateway.empty()) {
        method.InParams().ParamByName("DefaultIPGateway").SetAsString(gateway);
        host_.ProcessMessages();
        RequireAdapter();
        ExecuteMethod(SetGatewaysStep);
    }
}

void TProfileActivation::ApplyDnsServers(const std::string& dns1, const std::string& dns2) {
    std::vector<Variant> servers;
    for (const std::string* server : {&dns1, &dns2})
        if (!server->empty())
            servers.emplace_back(*server);
    const Variant serverList =
        servers.empty() ? Variant::Omitted() : Variant::Array(std::move(servers), 1);

    RequireAdapter();
    const Target profile = Profile();
    auto services = BindMoniker(*datamod_.Platform().managementService, ServicesMoniker);
    const std::string query = AdapterQuery + datamod_.WmiAdapters.FieldByName("Index").AsString();
    const Variant result = DispatchCall(*services, "ExecQuery", {Variant(query)});
    int configurations = 0;
    ForEachElement(*result.asDispatch(), [&](const Variant& object) {
        ++configurations;
        Variant returned;
        try {
            returned = DispatchCall(*object.asDispatch(), SetDnsStep, {serverList});
        } catch (const Exception& failure) {
            throw Exception(Format(i18n::Translate(StepErrorText),
                                   {SetDnsStep, profile.connectionName, failure.what()}));
        }
        CheckReturnValue(SetDnsStep, ReturnValueOf(returned));
    });
    if (configurations == 0)
        throw Exception(Format(i18n::Translate(AdapterMissingText),
                               {profile.connectionName, profile.adapterIndex}));
}

platform::CommandOutcome TProfileActivation::RunHidden(const std::string& commandLine) {
    CursorReset reset(host_, host_.Cursor());
    host_.SetCursor(TCursor::HourGlass);
    platform::ICommandRunner* runner = datamod_.Platform().commandRunner.get();
    NORVANE_ASSERT(runner != nullptr, "No command runner");
    return runner->run(commandLine);
}

void TProfileActivation::RunStep(const std::string& step, const std::string& commandLine) {
    const platform::CommandOutcome outcome = RunHidden(commandLine);
    const std::string& connection = Profile().connectionName;
    if (!outcome.started)
        throw Exception(
            Format(i18n::Translate(StepNotStartedText), {step, connection, outcome.code}));
    if (outcome.code != 0)
        throw Exception(Format(i18n::Translate(StepFailedText), {step, connection, outcome.code}));
}

void TProfileActivation::ExecuteMethod(const std::string& step) {
    CheckReturnValue(step, datamod_.WmiMethod1.Execute());
}

void TProfileActivation::CheckReturnValue(const std::string& step, std::int64_t returnValue) const {
    if (!Succeeded(returnValue))
        throw Exception(Format(
            i18n::Translate(StepFailedText),
            {step, target_ ? target_->connectionName : datamod_.profilsCARTE_RESEAU.AsString(),
             static_cast<long long>(returnValue)}));
}

void TProfileActivation::MarkActive() {
    TCsvDataSet& profils = datamod_.profils;
    const std::int32_t id = Profile().id;
    // Commands handled meanwhile may have moved the table; the mark goes to
    // the profile that was applied.
    if (!profils.Locate("id_prof", id))
        throw Exception(Format(i18n::Translate(ProfileGoneText), {id}));
    profils.Edit();
    datamod_.profilsACTIVE.SetAsString("1");
    profils.Post();
    for (profils.First(); !profils.Eof(); profils.Next()) {
        if (datamod_.profilsID_PROF.AsInteger() != id) {
            profils.Edit();
            datamod_.profilsACTIVE.SetAsString("0");
            profils.Post();
        }
    }
    profils.Locate("id_prof", id);
}

} // namespace norvane
