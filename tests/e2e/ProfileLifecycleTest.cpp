#include "app/Form_activate.h"
#include "app/Form_apropos.h"
#include "app/Form_main.h"
#include "app/MessageBoxes.h"
#include "app/NorvaneApplication.h"
#include "app/ProgramWindows.h"
#include "editing/Form_location.h"
#include "editing/IconComboBox.h"
#include "editing/UEditIPAddr.h"
#include "store/database.h"
#include "tests/support/SimulatedProgramDirectory.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const Machine = R"({"adapters": [
  {"Index": 1, "NetConnectionID": "Connexion au réseau local", "AdapterType": "Ethernet 802.3",
   "IPEnabled": true, "DHCPEnabled": true, "IPAddress": ["192.168.1.20"],
   "IPSubnet": ["255.255.255.0"]},
  {"Index": 7, "NetConnectionID": "Wi-Fi", "AdapterType": "Ethernet 802.3", "IPEnabled": true,
   "DHCPEnabled": true}
]})";

const std::string Header = "ID_PROF,NOM_PROF,CARTE_RESEAU,CONNEXION,ADRESSE_IP,MASK_RESEAU,"
                           "PASSRELLE_RESEAU,DNS1,DNS2,DHCP,DNS_AUTO,IMAGE,ACTIVE\r\n";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::string::size_type start = 0;
    for (auto end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        result.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

void typeAddress(CEditIPAddr* address, const QStringList& parts) {
    for (int p = 0; p < parts.size(); ++p)
        QTest::keyClicks(address->findChild<QLineEdit*>(QStringLiteral("part%1").arg(p)), parts[p]);
}

// The program as start-up builds it, in a directory of its own with the
// simulated machine chosen through the environment as a user would.
class ProfileLifecycle : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "norvane-e2e-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        previous_ = fs::current_path();
        fs::current_path(dir_);
        norvane::test::LayOutProgramDirectory(dir_, {"1,Bureau,Wi-Fi,7,,,,,,1,1,0,1"}, Machine);
        norvane::ui::setMessageResponder([this](const norvane::ui::MessageRequest& request) {
            messages_.push_back(request.text.toStdString());
            return norvane::ui::MessageAnswer::Ok;
        });

        norvane::ui::CreateProgramWindows();
    }

    void TearDown() override {
        quit();
        norvane::ui::setMessageResponder({});
        norvane::test::ForgetSimulatedMachine();
        fs::current_path(previous_);
        fs::remove_all(dir_);
    }

    // What the program does once its event loop has ended.
    void quit() { norvane::ui::DestroyProgramWindows(); }

    static void command(int index) {
        QTest::mouseClick(Form_main->Group1Items[static_cast<std::size_t>(index)], Qt::LeftButton);
    }

    // Fills the editor for a new static profile once it is shown, and saves.
    static void fillEditorAndSave() {
        TForm_location& editor = *Form_location;
        QTest::keyClicks(editor.Edit_location, QStringLiteral("Gare"));
        editor.ComboBox_interface->setCurrentIndex(
            editor.ComboBox_interface->findText(QStringLiteral("Connexion au réseau local")));
        typeAddress(editor.adresse_ip, {"10", "1", "2", "3"});
        typeAddress(editor.masque, {"255", "255", "0", "0"});
        typeAddress(editor.passerelle, {"10", "1", "0", "1"});
        typeAddress(editor.dns1, {"10", "1", "0", "53"});
        editor.imageComboBox->setCurrentIndex(6);
        QTest::mouseClick(editor.BitBtn1, Qt::LeftButton);
    }

    fs::path dir_;
    fs::path previous_;
    std::vector<std::string> messages_;
};

TEST_F(ProfileLifecycle, CreateSaveActivateQuit) {
    bool editorSeen = false;
    bool listedAfterSave = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            editorSeen = Form_location->isVisible();
            fillEditorAndSave();
        });
        command(0); // New: the editor, modal, until Save
        const QList<QListWidgetItem*> found =
            Form_main->lv->findItems(QStringLiteral("Gare"), Qt::MatchExactly);
        listedAfterSave =
            found.size() == 1 && readFile(dir_ / "profils.csv").find("Gare") != std::string::npos;
        if (!found.isEmpty())
            Form_main->lv->setCurrentItem(found.first());
        command(3); // Activate
        command(4); // Quit
    });
    QTimer::singleShot(30000, [] { QApplication::exit(1); });
    Form_main->show();
    EXPECT_EQ(QApplication::exec(), 0);
    quit();

    EXPECT_TRUE(editorSeen);
    EXPECT_TRUE(listedAfterSave);
    EXPECT_TRUE(messages_.empty()) << messages_.front();
    EXPECT_EQ(readFile(dir_ / "profils.csv"),
              Header + "1,Bureau,Wi-Fi,7,,,,,,1,1,0,0\r\n"
                       "2,Gare,Connexion au réseau local,1,10.1.2.3,255.255.0.0,10.1.0.1,"
                       "10.1.0.53,,0,0,6,1\r\n");
    EXPECT_EQ(lines(readFile(dir_ / "journal.jsonl")),
              (std::vector<std::string>{
                  R"({"call":"EnableStatic","Index":1,"in":{"IPAddress":["10.1.2.3"],)"
                  R"("SubnetMask":["255.255.0.0"]}})",
                  R"({"call":"SetGateways","Index":1,"in":{"DefaultIPGateway":["10.1.0.1"]}})",
                  R"({"call":"SetDNSServerSearchOrder","Index":1,"in":)"
                  R"({"DNSServerSearchOrder":["10.1.0.53"]}})"}));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    norvane::ui::TNorvaneApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
