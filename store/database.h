#pragma once

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
public:
    Tdatamod();
    ~Tdatamod();
    Tdatamod(const Tdatamod&) = delete;
    Tdatamod& operator=(const Tdatamod&) = delete;

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

    // Management-service objects (connection, the two adapter queries, the
    // method invoker and their data sources) join here:
    // WmiConnection1, wqConfigurations, dsConfigurations, WmiAdapters,
    // dsWmiAdapters, WmiMethod1.

    // Runs after every move of the profile table's cursor: keeps the adapter
    // configuration on the current profile's adapter.
    void profilsAfterScroll(TCsvDataSet& dataSet);
};

} // namespace norvane

// The single data module; valid from start-up until the program ends.
extern norvane::Tdatamod* datamod;
