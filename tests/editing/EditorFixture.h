#pragma once

#include "app/MessageBoxes.h"
#include "editing/Form_location.h"
#include "editing/UEditIPAddr.h"
#include "netconfig/ListConnexion.h"
#include "netconfig/platform/memory/MemoryIpHelper.h"
#include "netconfig/platform/memory/MemoryManagementService.h"
#include "netconfig/platform/simulated/SimulatedMachine.h"
#include "store/database.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace norvane::test {

// Three Ethernet adapters, one of them without a connection, and a tunnel
// that the editor's query leaves out.
inline const char* const EditorMachine = R"({"adapters": [
  {"Index": 1, "NetConnectionID": "Connexion au réseau local", "AdapterType": "Ethernet 802.3",
   "IPEnabled": true},
  {"Index": 7, "NetConnectionID": "Wi-Fi", "AdapterType": "Ethernet 802.3", "IPEnabled": true},
  {"Index": 12, "NetConnectionID": null, "AdapterType": "Ethernet 802.3"},
  {"Index": 30, "NetConnectionID": "Tunnel", "AdapterType": "Tunnel"}
]})";

inline const char* const ProfileHeader = "ID_PROF,NOM_PROF,CARTE_RESEAU,CONNEXION,ADRESSE_IP,"
                                         "MASK_RESEAU,PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO,"
                                         "IMAGE,ACTIVE";

// A static profile, a DHCP profile whose connection differs in letter case,
// one whose adapter is gone, and one holding an address the rules refuse.
inline const char* const EditorProfiles[] = {
    "1,Bureau,Connexion au réseau local,1,192.168.1.20,255.255.255.0,192.168.1.1,"
    "192.168.1.1,9.9.9.9,0,0,3,1",
    "2,Maison,wi-fi,7,10.0.0.5,255.0.0.0,10.0.0.1,,,1,1,5,0",
    "3,Ancien,Carte retirée,42,10.1.0.5,255.255.0.0,10.1.0.1,10.1.0.1,,0,0,25,0",
    "4,Abîmé,Wi-Fi,7,10.0.0.05,255.0.0.0,,,,0,0,2,0",
};

inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The editor over a profile table in a directory of its own and a simulated
// machine, with the main window's New and Modify played by the fixture.
class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "norvane-editor-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        previousDir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        WriteWholeFile(dir_ / "machine.json", EditorMachine);
        writeProfiles(
            std::vector<std::string>(std::begin(EditorProfiles), std::end(EditorProfiles)));
        ui::setMessageResponder([this](const ui::MessageRequest& request) {
            messages_.push_back(request.text.toStdString());
            return ui::MessageAnswer::Ok;
        });
        openData();
    }

    void TearDown() override {
        delete Form_location;
        Form_location = nullptr;
        closeData();
        ui::setMessageResponder({});
        std::filesystem::current_path(previousDir_);
        std::filesystem::remove_all(dir_);
    }

    void openData() {
        auto machine = std::make_shared<platform::simulated::SimulatedMachine>(
            (dir_ / "machine.json").string(), (dir_ / "journal.jsonl").string());
        platform::Platform platform;
        platform.managementService =
            std::make_unique<platform::memory::MemoryManagementService>(machine);
        platform.ipHelper = std::make_unique<platform::memory::MemoryIpHelper>(
            machine, platform::memory::MemoryIpHelper::Naming::SettingId);
        datamod = new Tdatamod(std::move(platform));
        datamod->profils.Open();
    }

    void closeData() {
        delete datamod;
        datamod = nullptr;
    }

    void writeProfiles(const std::vector<std::string>& rows) {
        std::string text = std::string(ProfileHeader) + "\r\n";
        for (const std::string& row : rows)
            text += row + "\r\n";
        WriteWholeFile(dir_ / "profils.csv", text);
    }

    void writeMachine(const std::string& json) { WriteWholeFile(dir_ / "machine.json", json); }

    std::string profileFile() const { return ReadWholeFile(dir_ / "profils.csv"); }

    // The dialog as start-up creates it, with as many IP-helper connections.
    TForm_location& editor(int connections = 0) {
        if (!Form_location) {
            Form_location = new TForm_location;
            // Whatever the simulated helper lists, the test decides how many.
            TListConnexion& list = Form_location->Connections();
            list.Clear();
            for (int i = 0; i < connections; ++i)
                list.Add(std::make_unique<TConnexion>());
        }
        return *Form_location;
    }

    // New: a row appended with the next key, then the editor shown.
    TForm_location& showNew(int connections = 0) {
        TCsvDataSet& table = datamod->profils;
        table.Last();
        const int last = datamod->profilsID_PROF.AsInteger();
        table.Append();
        datamod->profilsID_PROF.SetAsInteger(last + 1);
        datamod->profilsACTIVE.SetAsString("0");
        return show(connections);
    }

    // Modify: the named profile current and in edit mode, then the editor shown.
    TForm_location& showModify(const std::string& name, int connections = 0) {
        EXPECT_TRUE(datamod->profils.Locate("NOM_PROF", name)) << name;
        datamod->profils.Edit();
        return show(connections);
    }

    TForm_location& show(int connections) {
        TForm_location& dialog = editor(connections);
        dialog.show();
        return dialog;
    }

    // The fields of the profile with this key, as text, in file order.
    std::vector<std::string> row(int id) {
        EXPECT_TRUE(datamod->profils.Locate("ID_PROF", id)) << id;
        std::vector<std::string> values;
        for (TField* field : datamod->profils.Fields())
            values.push_back(field->AsString());
        return values;
    }

    static QLineEdit* part(CEditIPAddr* address, int p) {
        return address->findChild<QLineEdit*>(QStringLiteral("part%1").arg(p));
    }

    static QStringList parts(CEditIPAddr* address) {
        QStringList texts;
        for (int p = 0; p < 4; ++p)
            texts << part(address, p)->text();
        return texts;
    }

    static void setParts(CEditIPAddr* address, const QStringList& texts) {
        for (int p = 0; p < 4; ++p)
            part(address, p)->setText(texts.value(p));
    }

    static QStringList items(const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    }

    static void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::filesystem::path dir_;
    std::filesystem::path previousDir_;
    std::vector<std::string> messages_;
};

} // namespace norvane::test
