#include "EditorFixture.h"
#include "app/TranslateComponent.h"
#include "app/i18n/Translation.h"
#include "editing/IconComboBox.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace norvane::test {
namespace {

using Row = std::vector<std::string>;
const QStringList Empty = {"", "", "", ""};
const QStringList Interfaces = {"Connexion au réseau local", "Wi-Fi"};

class ProfileEditor : public EditorFixture {};

TEST_F(ProfileEditor, NewProfileOpensBlankWithStaticAddressAndStaticDns) {
    TForm_location& dialog = showNew();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Edit_location->text(), "");
    EXPECT_EQ(items(dialog.ComboBox_interface), Interfaces);
    EXPECT_EQ(dialog.Values, (QStringList{"1", "7"}));
    EXPECT_EQ(dialog.ComboBox_interface->currentIndex(), -1);

    EXPECT_TRUE(dialog.RadioButton_static->isChecked());
    EXPECT_FALSE(dialog.RadioButton_dhcp->isChecked());
    for (CEditIPAddr* field : {dialog.adresse_ip, dialog.masque, dialog.passerelle}) {
        EXPECT_TRUE(field->isEnabled());
        EXPECT_EQ(parts(field), Empty);
    }
    EXPECT_TRUE(dialog.lbl_ip->isEnabled());
    EXPECT_TRUE(dialog.RadioButton_dns_static->isChecked());
    EXPECT_FALSE(dialog.RadioButton_dns_auto->isEnabled());
    for (CEditIPAddr* field : {dialog.dns1, dialog.dns2}) {
        EXPECT_TRUE(field->isEnabled());
        EXPECT_EQ(parts(field), Empty);
    }
    EXPECT_EQ(dialog.imageComboBox->currentIndex(), 0);
    EXPECT_EQ(dialog.imageComboBox->currentText(), "1");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(ProfileEditor, StaticProfileIsLoadedIntoTheControls) {
    TForm_location& dialog = showModify("Bureau");
    EXPECT_EQ(dialog.Edit_location->text(), "Bureau");
    EXPECT_EQ(dialog.ComboBox_interface->currentIndex(), 0);
    EXPECT_TRUE(dialog.RadioButton_static->isChecked());
    EXPECT_EQ(dialog.adresse_ip->Text(), "192.168.1.20");
    EXPECT_EQ(dialog.masque->Text(), "255.255.255.0");
    EXPECT_EQ(dialog.passerelle->Text(), "192.168.1.1");
    EXPECT_TRUE(dialog.RadioButton_dns_static->isChecked());
    EXPECT_EQ(dialog.dns1->Text(), "192.168.1.1");
    EXPECT_EQ(dialog.dns2->Text(), "9.9.9.9");
    EXPECT_EQ(dialog.imageComboBox->currentText(), "4");
}

// The interface is found by its name without regard to letter case; a
// profile whose connection is gone shows none until one is chosen.
struct InterfaceCase {
    const char* profile;
    int selected;
};

class InterfaceSelection : public EditorFixture,
                           public ::testing::WithParamInterface<InterfaceCase> {};

TEST_P(InterfaceSelection, SelectsByNameAndSaveStoresTheChosenAdapter) {
    TForm_location& dialog = showModify(GetParam().profile);
    EXPECT_EQ(dialog.ComboBox_interface->currentIndex(), GetParam().selected);

    dialog.ComboBox_interface->setCurrentIndex(1);
    const int id = datamod->profilsID_PROF.AsInteger();
    click(dialog.BitBtn1);
    EXPECT_FALSE(dialog.isVisible());
    const Row saved = row(id);
    EXPECT_EQ(saved[2], "Wi-Fi");
    EXPECT_EQ(saved[3], "7");
}

INSTANTIATE_TEST_SUITE_P(ProfileEditor, InterfaceSelection,
                         ::testing::Values(InterfaceCase{"Bureau", 0}, InterfaceCase{"Maison", 1},
                                           InterfaceCase{"Ancien", -1}));

TEST_F(ProfileEditor, AdapterOrderChangedSinceSavingStoresTheIdentifierItHasNow) {
    writeMachine(R"({"adapters": [
      {"Index": 4, "NetConnectionID": "Wi-Fi", "AdapterType": "Ethernet 802.3"},
      {"Index": 9, "NetConnectionID": "Connexion au réseau local",
       "AdapterType": "Ethernet 802.3"}]})");
    TForm_location& dialog = showModify("Bureau");
    EXPECT_EQ(dialog.ComboBox_interface->currentText(), "Connexion au réseau local");
    click(dialog.BitBtn1);
    EXPECT_EQ(row(1)[3], "9");
}

TEST_F(ProfileEditor, RefreshKeepsThePositionWhileTheHelperListsConnections) {
    TForm_location& dialog = showModify("Bureau", 2);
    ASSERT_EQ(dialog.ComboBox_interface->currentIndex(), 0);
    writeMachine(R"({"adapters": [
      {"Index": 4, "NetConnectionID": "Ethernet 2", "AdapterType": "Ethernet 802.3"},
      {"Index": 1, "NetConnectionID": "Connexion au réseau local",
       "AdapterType": "Ethernet 802.3"}]})");
    click(dialog.SpeedButton1);
    EXPECT_EQ(dialog.ComboBox_interface->currentText(), "Ethernet 2");
    EXPECT_EQ(dialog.Values, (QStringList{"4", "1"}));

    dialog.ComboBox_interface->setCurrentIndex(1);
    writeMachine(R"({"adapters": [{"Index": 4, "NetConnectionID": "Ethernet 2",
                     "AdapterType": "Ethernet 802.3"}]})");
    click(dialog.SpeedButton1);
    EXPECT_EQ(dialog.ComboBox_interface->currentIndex(), -1);
}

TEST_F(ProfileEditor, RefreshWithoutHelperConnectionsSelectsTheProfilesInterface) {
    TForm_location& dialog = showModify("Maison");
    dialog.ComboBox_interface->setCurrentIndex(0);
    writeMachine(R"({"adapters": [
      {"Index": 4, "NetConnectionID": "Ethernet 2", "AdapterType": "Ethernet 802.3"},
      {"Index": 5, "NetConnectionID": "Ethernet 3", "AdapterType": "Ethernet 802.3"},
      {"Index": 7, "NetConnectionID": "Wi-Fi", "AdapterType": "Ethernet 802.3"}]})");
    click(dialog.SpeedButton1);
    EXPECT_EQ(dialog.ComboBox_interface->currentIndex(), 2);
}

TEST_F(ProfileEditor, SaveStoresTheControlsAndWritesTheFile) {
    TForm_location& dialog = showNew();
    const std::string name(60, 'n');
    dialog.Edit_location->setText(QString::fromStdString(name));
    dialog.ComboBox_interface->setCurrentIndex(0);
    setParts(dialog.adresse_ip, {"192", "168", "", "1"});
    dialog.masque->SetText("255.255.255.0");
    dialog.dns1->SetText("0.0.0.0");
    dialog.dns2->SetText("0.0.0.0");
    dialog.imageComboBox->setCurrentIndex(17);
    click(dialog.BitBtn1);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(parts(dialog.adresse_ip), (QStringList{"192", "168", "0", "1"}));
    EXPECT_EQ(datamod->profils.State(), TDataSetState::Browse);
    EXPECT_EQ(row(5),
              (Row{"5", std::string(50, 'n'), "Connexion au réseau local", "1", "192.168.0.1",
                   "255.255.255.0", "", "0.0.0.0", "", "Faux", "Faux", "17", "0"}));
    const std::string line = "5," + std::string(50, 'n') +
                             ",Connexion au réseau local,1,192.168.0.1,255.255.255.0,,0.0.0.0,,"
                             "0,0,17,0\r\n";
    EXPECT_NE(profileFile().find(line), std::string::npos) << profileFile();
    EXPECT_TRUE(messages_.empty());
}

TEST_F(ProfileEditor, DhcpProfileShowsAndKeepsItsStoredAddresses) {
    TForm_location& dialog = showModify("Maison");
    EXPECT_TRUE(dialog.RadioButton_dhcp->isChecked());
    EXPECT_TRUE(dialog.RadioButton_dns_auto->isChecked());
    EXPECT_TRUE(dialog.RadioButton_dns_auto->isEnabled());
    for (CEditIPAddr* field : {dialog.adresse_ip, dialog.masque, dialog.passerelle, dialog.dns1})
        EXPECT_FALSE(field->isEnabled());
    EXPECT_FALSE(dialog.lbl_passerelle->isEnabled());
    EXPECT_FALSE(dialog.lbl_dns2->isEnabled());
    EXPECT_EQ(parts(dialog.adresse_ip), (QStringList{"10", "0", "0", "5"}));
    EXPECT_EQ(parts(dialog.passerelle), (QStringList{"10", "0", "0", "1"}));

    click(dialog.BitBtn1);
    EXPECT_EQ(row(2), (Row{"2", "Maison", "Wi-Fi", "7", "10.0.0.5", "255.0.0.0", "10.0.0.1", "", "",
                           "Vrai", "Vrai", "5", "0"}));
}

TEST_F(ProfileEditor, StaticAddressForcesStaticDnsUntilDhcpIsChosenAgain) {
    TForm_location& dialog = showModify("Maison");
    dialog.dns1->SetText("1.1.1.1"); // disabled fields still hold text
    click(dialog.RadioButton_static);
    EXPECT_TRUE(dialog.RadioButton_dns_static->isChecked());
    EXPECT_FALSE(dialog.RadioButton_dns_auto->isEnabled());
    EXPECT_EQ(parts(dialog.dns1), Empty);
    EXPECT_EQ(parts(dialog.adresse_ip), Empty);
    EXPECT_TRUE(dialog.dns1->isEnabled());
    EXPECT_TRUE(dialog.masque->isEnabled());

    dialog.dns1->SetText("1.1.1.1");
    click(dialog.RadioButton_dhcp);
    EXPECT_TRUE(dialog.RadioButton_dns_auto->isEnabled());
    EXPECT_TRUE(dialog.RadioButton_dns_static->isChecked());
    EXPECT_EQ(dialog.dns1->Text(), "1.1.1.1");
    EXPECT_FALSE(dialog.adresse_ip->isEnabled());
}

TEST_F(ProfileEditor, IconOutsideTheListShowsNoneAndIsSavedAsMinusOne) {
    TForm_location& dialog = showModify("Ancien");
    EXPECT_EQ(dialog.imageComboBox->currentIndex(), -1);
    dialog.ComboBox_interface->setCurrentIndex(0);
    click(dialog.BitBtn1);
    EXPECT_EQ(row(3)[11], "-1");
}

TEST_F(ProfileEditor, SaveWithoutInterfaceFailsAndKeepsTheDialogOpen) {
    writeMachine(R"({"adapters": []})");
    const std::string before = profileFile();
    TForm_location& dialog = showNew();
    EXPECT_EQ(dialog.ComboBox_interface->count(), 0);
    dialog.Edit_location->setText("Nouveau");
    click(dialog.BitBtn1);

    EXPECT_EQ(messages_, (std::vector<std::string>{"Indice de liste hors limites (-1)"}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(datamod->profils.State(), TDataSetState::Insert);
    EXPECT_EQ(datamod->profilsNOM_PROF.AsString(), "Nouveau");
    EXPECT_EQ(datamod->profilsCARTE_RESEAU.AsString(), "");
    EXPECT_EQ(datamod->profils.RecordCount(), 4u);
    EXPECT_EQ(profileFile(), before);

    click(dialog.BitBtn2);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(datamod->profils.State(), TDataSetState::Browse);
    EXPECT_EQ(datamod->profils.RecordCount(), 4u);
}

TEST_F(ProfileEditor, StoredAddressTheRulesRefuseStopsLoadingThere) {
    TForm_location& dialog = showModify("Bureau");
    click(dialog.BitBtn2);
    showModify("Abîmé");

    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].rfind("Bad IP address string given to component (", 0), 0u)
        << messages_[0];
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Edit_location->text(), "Abîmé");
    EXPECT_EQ(dialog.ComboBox_interface->currentText(), "Wi-Fi");
    // The address and everything after it still show the previous profile.
    EXPECT_EQ(dialog.adresse_ip->Text(), "192.168.1.20");
    EXPECT_EQ(dialog.dns2->Text(), "9.9.9.9");
    EXPECT_EQ(dialog.imageComboBox->currentIndex(), 3);
}

TEST_F(ProfileEditor, CancelAndCloseBoxDiscardThePendingChange) {
    const std::string before = profileFile();
    TForm_location& dialog = showModify("Bureau");
    dialog.Edit_location->setText("Autre");
    click(dialog.RadioButton_dhcp);
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(datamod->profils.State(), TDataSetState::Browse);
    EXPECT_EQ(row(1)[1], "Bureau");
    EXPECT_EQ(row(1)[9], "Faux");

    showNew();
    dialog.Edit_location->setText("Abandonné");
    dialog.close();
    EXPECT_EQ(datamod->profils.State(), TDataSetState::Browse);
    EXPECT_EQ(datamod->profils.RecordCount(), 4u);
    datamod->profils.SaveIfChanged();
    EXPECT_EQ(profileFile(), before);
}

TEST_F(ProfileEditor, LayoutCaptionsAndKeys) {
    TForm_location& dialog = showModify("Bureau");
    EXPECT_EQ(dialog.windowTitle(), "Propriétés de Protocole Internet (TCP/IP)");
    EXPECT_EQ(dialog.size(), QSize(352, 444));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.SpeedButton1->toolTip(), "Actualiser");
    EXPECT_EQ(dialog.SpeedButton1->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(dialog.imageComboBox->count(), 18);
    EXPECT_EQ(dialog.imageComboBox->itemText(17), "18");
    EXPECT_FALSE(dialog.imageComboBox->itemIcon(0).isNull());
    EXPECT_EQ(dialog.BitBtn1->geometry(), QRect(172, 403, 80, 25));
    EXPECT_EQ(dialog.adresse_ip->geometry(), QRect(150, 60, 109, 21));

    // Enter and Escape are no shortcuts for the buttons.
    dialog.Edit_location->setFocus();
    QTest::keyClick(dialog.Edit_location, Qt::Key_Return);
    QTest::keyClick(dialog.Edit_location, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(datamod->profils.State(), TDataSetState::Edit);
}

TEST_F(ProfileEditor, TabVisitsTheSelectedChoicesAndTheAddressesFirst) {
    TForm_location& dialog = showModify("Bureau");
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.Edit_location->setFocus();
    const QList<QWidget*> expected = {dialog.RadioButton_static,
                                      part(dialog.adresse_ip, 0),
                                      part(dialog.masque, 0),
                                      part(dialog.passerelle, 0),
                                      dialog.RadioButton_dns_static,
                                      part(dialog.dns1, 0),
                                      part(dialog.dns2, 0),
                                      dialog.imageComboBox,
                                      dialog.ComboBox_interface,
                                      dialog.BitBtn1,
                                      dialog.BitBtn2,
                                      dialog.Edit_location};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next)
            << QApplication::focusWidget()->objectName().toStdString() << " instead of "
            << next->objectName().toStdString();
    }
}

// Every designed text of the dialog is in the shipped English catalog, and
// the dialog follows the language back to French.
TEST_F(ProfileEditor, TranslatesIntoEnglishAndBack) {
    i18n::InitTranslation(NORVANE_SHIPPED_CATALOGS);
    i18n::SelectLanguage("en");
    TForm_location& dialog = editor();
    auto texts = [&dialog] {
        QStringList all = {dialog.windowTitle(), dialog.SpeedButton1->toolTip()};
        for (const QLabel* label : dialog.findChildren<QLabel*>(Qt::FindChildrenRecursively))
            if (label->objectName().startsWith(QLatin1String("lbl_")) ||
                label->objectName().startsWith(QLatin1String("Label")))
                all << label->text();
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            if (!button->text().isEmpty())
                all << button->text();
        for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
            all << box->title();
        return all;
    };
    const QStringList english = texts();
    i18n::SelectLanguage("fr");
    ui::RetranslateComponent(&dialog);
    const QStringList french = texts();

    ASSERT_EQ(english.size(), 19);
    EXPECT_TRUE(french.contains("Serveur DNS auxiliere :"));
    EXPECT_TRUE(english.contains("Internet Protocol (TCP/IP) Properties"));
    for (qsizetype i = 0; i < english.size(); ++i)
        EXPECT_NE(english[i], french[i]) << french[i].toStdString();
}

} // namespace
} // namespace norvane::test

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
