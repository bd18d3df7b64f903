#include "store/database.h"

#include "app/i18n/Translation.h"

#include <utility>

norvane::Tdatamod* datamod = nullptr;

namespace norvane {

namespace {

const char kProfileFields[] =
    "ID_PROF:%,NOM_PROF:$50,CARTE_RESEAU:$254,CONNEXION:$200,ADRESSE_IP:$50,MASK_RESEAU:$50,"
    "PASSRELLE_RESEAU:$50,DNS1:$50,DNS2:$50,DHCP:!,DNS_AUTO:!,IMAGE:%,ACTIVE:$1";

} // namespace

Tdatamod::Tdatamod() : Tdatamod(platform::CreatePlatform()) {}

Tdatamod::Tdatamod(platform::Platform platform)
    : platform_(std::move(platform)), profils("profils"),
      profilsID_PROF(profils.CreateField<TIntegerField>("ID_PROF")),
      profilsNOM_PROF(profils.CreateField<TStringField>("NOM_PROF", 50)),
      profilsCARTE_RESEAU(profils.CreateField<TStringField>("CARTE_RESEAU", 254)),
      profilsCONNEXION(profils.CreateField<TStringField>("CONNEXION", 200)),
      profilsADRESSE_IP(profils.CreateField<TStringField>("ADRESSE_IP", 50)),
      profilsMASK_RESEAU(profils.CreateField<TStringField>("MASK_RESEAU", 50)),
      profilsPASSRELLE_RESEAU(profils.CreateField<TStringField>("PASSRELLE_RESEAU", 50)),
      profilsDNS1(profils.CreateField<TStringField>("DNS1", 50)),
      profilsDNS2(profils.CreateField<TStringField>("DNS2", 50)),
      profilsDHCP(profils.CreateField<TBooleanField>("DHCP")),
      profilsDNS_AUTO(profils.CreateField<TBooleanField>("DNS_AUTO")),
      profilsIMAGE(profils.CreateField<TIntegerField>("IMAGE")),
      profilsACTIVE(profils.CreateField<TStringField>("ACTIVE", 1)), DS_profils(profils),
      WmiConnection1(*platform_.managementService, "WmiConnection1"),
      wqConfigurations("wqConfigurations"), dsConfigurations(wqConfigurations),
      WmiAdapters("WmiAdapters"), dsWmiAdapters(WmiAdapters), WmiMethod1("WmiMethod1") {
    profils.SetFileName("profils.csv");
    profils.SetCsvFieldDef(kProfileFields);
    profils.SetCsvKeyDef("ID_PROF");
    profils.SetCsvUniqueKeys(true);
    profils.SetCaseInsensitive(false);
    profils.SetChanged(false);
    profils.SetAfterScroll([this](TCsvDataSet& dataSet) { profilsAfterScroll(dataSet); });

    WmiConnection1.SetNameSpace("root\\cimv2");
    wqConfigurations.SetConnection(&WmiConnection1);
    wqConfigurations.SetWQL(
        {"SELECT *  FROM Win32_NetworkAdapter ", "WHERE AdapterType = 'Ethernet 802.3'"});
    WmiAdapters.SetConnection(&WmiConnection1);
    WmiAdapters.SetWQL({"SELECT * FROM Win32_NetworkAdapterConfiguration where IPEnabled=true"});
    WmiMethod1.SetWmiObjectSource(&WmiAdapters);
    WmiMethod1.Privileges() = AllWmiPrivileges();

    // The Boolean texts follow the language selected at start-up for the whole run.
    const std::string trueText = i18n::Translate("Vrai");
    const std::string falseText = i18n::Translate("Faux");
    profilsDHCP.SetDisplayValues(trueText, falseText);
    profilsDNS_AUTO.SetDisplayValues(trueText, falseText);
}

// Closing the table here saves what changed while the data sources still exist.
Tdatamod::~Tdatamod() {
    try {
        profils.Close();
    } catch (...) {
        // The program is ending; a failed save has no one to be shown to.
    }
}

void Tdatamod::profilsAfterScroll(TCsvDataSet& /*dataSet*/) {
    if (WmiAdapters.Active())
        LocateProfileAdapter();
}

bool Tdatamod::LocateProfileAdapter() {
    return WmiAdapters.Locate("index", platform::Variant(profilsCONNEXION.AsString()));
}

} // namespace norvane
