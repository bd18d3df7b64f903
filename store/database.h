#pragma once

#include "netconfig/WmiConnection.h"
#include "netconfig/WmiDataSource.h"
#include "netconfig/WmiMethod.h"
#include "netconfig/WmiQuery.h"
#include "netconfig/platform/Platform.h"
#include "store/BooleanField.h"
#include "store/CsvDataSet.h"
#include "store/DataSource.h"
#include "store/IntegerField.h"
#include "store/StringField.h"

namespace norvane {

// The data module: the one owner of the program's data objects. Windows reach
// the profile table, its fields and the management-service objects through the
// single instance `datamod`, created at start-up after the main window.
class Tdatamod {
    // First, so the management-service objects below can use it.
    platform::Platform platform_;

public:
    // The platform chosen from the environment (platform::CreatePlatform).
    Tdatamod();
    explicit Tdatamod(platform::Platform platform);
    ~Tdatamod();
    Tdatamod(const Tdatamod&) = delete;
    Tdatamod& operator=(const Tdatamod&) = delete;

    // The platform's services the data objects run on.
    platform::Platform& Platform() { return platform_; }

    // The profile table, closed until the main window opens it.
    TCsvDataSet profils;
    TIntegerField& profilsID_PROF;
    TStringField& profilsNOM_PROF;
    TStringField& profilsCARTE_RESEAU;
    TStringField& profilsCONNEXION;
    TStringField& profilsADRESSE_IP;
    TStringField& profilsMASK_RESEAU;
    TStringField& profilsPASSRELLE_RESEAU;
    TStringField& profilsDNS1;
    TStringField& profilsDNS2;
    TBooleanField& profilsDHCP;
    TBooleanField& profilsDNS_AUTO;
    TIntegerField& profilsIMAGE;
    TStringField& profilsACTIVE;
    // The details pane and the editor follow the current profile through it.
    TDataSource DS_profils;

    // The management service's namespace root\cimv2.
    TWmiConnection WmiConnection1;
    // The Ethernet adapters a profile can name.
    TWmiQuery wqConfigurations;
    TWmiDataSource dsConfigurations;
    // The adapter configurations with TCP/IP enabled; the target of WmiMethod1.
    TWmiQuery WmiAdapters;
    TWmiDataSource dsWmiAdapters;
    TWmiMethod WmiMethod1;

    // Runs after every move of the profile table's cursor: keeps the adapter
    // configuration on the current profile's adapter.
    void profilsAfterScroll(TCsvDataSet& dataSet);
    // Places WmiAdapters on the row whose Index reads as the current
    // profile's CONNEXION; false (and WmiAdapters where it was) when none does.
    bool LocateProfileAdapter();
};

} // namespace norvane

// The single data module; valid from start-up until the program ends.
extern norvane::Tdatamod* datamod;
