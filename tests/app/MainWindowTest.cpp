#include "app/ClickableLabel.h"
#include "app/Form_activate.h"
#include "app/Form_apropos.h"
#include "app/Form_main.h"
#include "app/MessageBoxes.h"
#include "app/ProgramWindows.h"
#include "app/UrlOpener.h"
#include "app/i18n/Translation.h"
#include "common/Errors.h"
#include "editing/Form_location.h"
#include "store/database.h"
#include "tests/support/SimulatedProgramDirectory.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using norvane::ui::MessageAnswer;
using norvane::ui::MessageRequest;

namespace {

// The two connections of the worked example's profiles.
const char* const machine = R"({
  "adapters": [
    {"Index": 1, "NetConnectionID": "Local Area Connection", "AdapterType": "Ethernet 802.3",
     "Description": "Carte 1", "IPEnabled": true, "DHCPEnabled": false,
     "IPAddress": ["192.168.1.20"], "IPSubnet": ["255.255.255.0"]},
    {"Index": 7, "NetConnectionID": "Wireless Network Connection", "AdapterType": "Ethernet 802.3",
     "Description": "Carte 2", "IPEnabled": true, "DHCPEnabled": true}
  ]
})";

class RecordingUrlOpener : public TUrlOpener {
public:
    explicit RecordingUrlOpener(std::vector<QString>& opened) : opened_(opened) {}
    void openUrl(const QString& address) override { opened_.push_back(address); }

private:
    std::vector<QString>& opened_;
};

// The main window with the data module and the dialogs it uses, over a
// profils.csv of the test's own in a directory of its own.
class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { previous_ = fs::current_path(); }

    void TearDown() override {
        norvane::ui::setMessageResponder({});
        norvane::ui::DestroyProgramWindows();
        fs::current_path(previous_);
        fs::remove_all(directory_);
    }

    void start(const std::vector<std::string>& rows) {
        directory_ = norvane::test::FreshTestDirectory(
            "norvane-main-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        norvane::test::LayOutProgramDirectory(directory_, rows, machine);
        fs::current_path(directory_);

        norvane::ui::CreateProgramWindows();
        Form_main->setUrlOpener(std::make_unique<RecordingUrlOpener>(opened_));
        Form_main->setSettingsPath((directory_ / "norvane.ini").string());
        Form_activate->setActivation([this] { ++activations_; });
        norvane::ui::setMessageResponder([this](const MessageRequest& request) {
            questions_.push_back(request);
            return answer_;
        });
        Form_main->SetDataActive(true);
        Form_main->RefreshProfileList();
    }

    // Runs a command that may open modal dialogs; each is closed as soon as
    // it shows, and counted.
    template <typename Command> void withDialogsClosed(Command command) {
        armed_ = true;
        QTimer::singleShot(0, &context_, [this] { closeModal(); });
        command();
        armed_ = false;
    }

    void closeModal() {
        if (!armed_)
            return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++dialogs_;
            // The row as the editor got it; closing the editor abandons it.
            editedKey_ = datamod->profilsID_PROF.AsInteger();
            editedActive_ = field("ACTIVE");
            modal->close();
        }
        QTimer::singleShot(0, &context_, [this] { closeModal(); });
    }

    QListWidget* list() const { return Form_main->lv; }
    int selectedRow() const {
        const auto selected = list()->selectedItems();
        return selected.isEmpty() ? -1 : list()->row(selected.first());
    }
    std::vector<QString> captions() const {
        std::vector<QString> texts;
        for (int i = 0; i < list()->count(); ++i)
            texts.push_back(list()->item(i)->text());
        return texts;
    }
    std::string field(const char* name) const {
        return datamod->profils.FieldByName(name).AsString();
    }

    fs::path previous_;
    fs::path directory_;
    std::vector<QString> opened_;
    std::vector<MessageRequest> questions_;
    MessageAnswer answer_ = MessageAnswer::No;
    int activations_ = 0;
    int dialogs_ = 0;
    int editedKey_ = 0;
    std::string editedActive_;
    bool armed_ = false;
    QObject context_; // ends the test's pending timers with the test
};

const std::string bureau =
    "1,Bureau,Local Area Connection,1,192.168.1.20,255.255.255.0,192.168.1.1,192.168.1.1,,0,0,3,1";
const std::string maison = "2,\"Maison, \"\"box\"\"\",Wireless Network Connection,7,,,,,,1,1,0,0";

} // namespace

TEST_F(MainWindow, EmptyTableOffersOnlyNew) {
    start({});
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(selectedRow(), -1);
    for (QLabel* value : {Form_main->DBText1, Form_main->DBText3, Form_main->DBText4,
                          Form_main->DBText5, Form_main->DBText6, Form_main->DBText7})
        EXPECT_TRUE(value->text().isEmpty());

    answer_ = MessageAnswer::Yes;
    withDialogsClosed([] {
        Form_main->Group1Items1Click();
        Form_main->Group1Items2Click();
        Form_main->Group1Items3Click();
    });
    QApplication::processEvents();
    EXPECT_EQ(dialogs_, 0);
    EXPECT_TRUE(questions_.empty());
    EXPECT_EQ(activations_, 0);

    withDialogsClosed([] { Form_main->Group1Items0Click(); });
    EXPECT_EQ(dialogs_, 1);
    EXPECT_EQ(editedKey_, 1);
    EXPECT_EQ(editedActive_, "0");
}

struct NewKeyCase {
    std::vector<std::string> rows;
    int expected;
};

class NewProfileKey : public MainWindow, public ::testing::WithParamInterface<NewKeyCase> {};

// The key follows the table's last row, whatever the others hold.
TEST_P(NewProfileKey, FollowsTheLastRow) {
    start(GetParam().rows);
    withDialogsClosed([] { Form_main->Group1Items0Click(); });
    EXPECT_EQ(editedKey_, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, NewProfileKey,
                         ::testing::Values(NewKeyCase{{bureau, maison}, 3},
                                           NewKeyCase{{"7,A,,,,,,,,0,0,0,0", "3,B,,,,,,,,0,0,0,0"},
                                                      4}));

TEST_F(MainWindow, NewAfterDeletingTheLastRowReusesItsKey) {
    start({bureau, maison});
    list()->setCurrentRow(1);
    answer_ = MessageAnswer::Yes;
    Form_main->Group1Items2Click();
    ASSERT_EQ(captions(), std::vector<QString>{QStringLiteral("Bureau")});
    withDialogsClosed([] { Form_main->Group1Items0Click(); });
    EXPECT_EQ(editedKey_, 2);
}

TEST_F(MainWindow, TwoProfilesWithOneNameBothListedFirstActedOn) {
    start({"1,Gare,eth0,1,10.0.0.1,255.0.0.0,,,,0,0,3,0",
           "2,Gare,eth1,2,10.0.0.2,255.0.0.0,,,,0,0,4,0"});
    EXPECT_EQ(captions(), (std::vector<QString>{QStringLiteral("Gare"), QStringLiteral("Gare")}));
    list()->setCurrentRow(1);
    EXPECT_EQ(datamod->profilsID_PROF.AsInteger(), 1);
    EXPECT_EQ(Form_main->DBText1->text(), QStringLiteral("eth0"));

    answer_ = MessageAnswer::Yes;
    Form_main->Group1Items2Click();
    ASSERT_EQ(list()->count(), 1);
    Form_main->Group1Items3Click(); // the remaining one is the second profile
    EXPECT_EQ(field("ID_PROF"), "2");
}

TEST_F(MainWindow, ActiveProfileShowsTheActiveFormOfItsIcon) {
    start({"1,A,,,,,,,,0,0,5,1", "2,B,,,,,,,,0,0,5,0", "3,C,,,,,,,,0,0,17,0"});
    const auto& images = Form_main->ImageList_64;
    ASSERT_EQ(images.size(), 36u);
    EXPECT_EQ(list()->item(0)->icon().cacheKey(), images[23].cacheKey());
    EXPECT_EQ(list()->item(1)->icon().cacheKey(), images[5].cacheKey());
    EXPECT_EQ(list()->item(2)->icon().cacheKey(), images[17].cacheKey());

    const auto entries = Form_main->MenuTrayProfilsdisponibles->actions();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_TRUE(entries[0]->isChecked());
    EXPECT_FALSE(entries[1]->isChecked());
    EXPECT_EQ(entries[2]->data().toInt(), 3);
}

struct DetailsCase {
    std::string row;
    std::vector<const char*> shown; // connection, address, mask, gateway, DNS 1, DNS 2
};

class DetailsPane : public MainWindow, public ::testing::WithParamInterface<DetailsCase> {};

TEST_P(DetailsPane, ShowsTheRowWithSubstitutes) {
    start({GetParam().row});
    const QLabel* values[] = {Form_main->DBText1, Form_main->DBText3, Form_main->DBText4,
                              Form_main->DBText5, Form_main->DBText6, Form_main->DBText7};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(values[i]->text().toStdString(), GetParam().shown[i]) << "value " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DetailsPane,
    ::testing::Values(DetailsCase{bureau,
                                  {"Local Area Connection", "192.168.1.20", "255.255.255.0",
                                   "192.168.1.1", "192.168.1.1", ""}},
                      DetailsCase{"1,W,Wi-Fi,7,,,,9.9.9.9,1.1.1.1,1,0,0,0",
                                  {"Wi-Fi", "IP Automatique (DHCP)", "Automatique", "Automatique",
                                   "9.9.9.9", "1.1.1.1"}},
                      DetailsCase{maison,
                                  {"Wireless Network Connection", "IP Automatique (DHCP)",
                                   "Automatique", "Automatique", "DNS Automatique",
                                   "DNS Automatique"}},
                      DetailsCase{"1,S,eth0,2,10.0.0.5,255.0.0.0,10.0.0.1,,,0,1,0,0",
                                  {"eth0", "10.0.0.5", "255.0.0.0", "10.0.0.1", "DNS Automatique",
                                   "DNS Automatique"}}));

TEST_F(MainWindow, DeleteAnsweredNoChangesNothing) {
    start({bureau, maison});
    list()->setCurrentRow(1);
    answer_ = MessageAnswer::No;
    Form_main->Group1Items2Click();
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0].title, QStringLiteral("Confirmation"));
    EXPECT_EQ(questions_[0].text,
              QStringLiteral("Etes-vous sure de vouloir supprimer : Maison, \"box\""));
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(datamod->profils.RecordCount(), 2u);
    EXPECT_FALSE(datamod->profils.Changed());
}

TEST_F(MainWindow, ActivateKeepsTheSelectionAndClosesThePleaseWaitWindow) {
    start({bureau, maison, "3,Hotel,eth0,1,,,,,,1,1,5,0"});
    bool shownDuring = false;
    Form_activate->setActivation([&] {
        shownDuring = Form_activate->isVisible();
        // What the activation does at its end: a new active mark and a fresh list.
        datamod->profils.Edit();
        datamod->profilsACTIVE.SetAsString("1");
        datamod->profils.Post();
        Form_main->RefreshProfileList();
    });
    list()->setCurrentRow(2);
    Form_main->Group1Items3Click();
    EXPECT_TRUE(shownDuring);
    EXPECT_FALSE(Form_activate->isVisible());
    EXPECT_EQ(selectedRow(), 2);
    EXPECT_EQ(field("ID_PROF"), "3");
    EXPECT_EQ(Form_main->DBText3->text(), QStringLiteral("IP Automatique (DHCP)"));
}

TEST_F(MainWindow, FailedActivationStillClosesThePleaseWaitWindow) {
    start({bureau});
    Form_activate->setActivation([] { throw norvane::Exception("WmiAdapters: échec"); });
    EXPECT_THROW(Form_main->Group1Items3Click(), norvane::Exception);
    EXPECT_FALSE(Form_activate->isVisible());
    EXPECT_FALSE(Form_activate->isActivating());
}

TEST_F(MainWindow, CommandsWaitForARunningActivation) {
    start({bureau, maison});
    answer_ = MessageAnswer::Yes;
    Form_activate->setActivation([this] {
        // Clicks handled while the activation lets events through.
        withDialogsClosed([] {
            Form_main->Group1Items0Click();
            Form_main->Group1Items1Click();
            Form_main->Group1Items2Click();
            Form_main->Group1Items3Click();
            Form_main->MenuTrayProfilClick(Form_main->MenuTrayProfilsdisponibles->actions()[1]);
        });
        ++activations_;
    });
    Form_main->Group1Items3Click();
    QApplication::processEvents();
    EXPECT_EQ(activations_, 1);
    EXPECT_EQ(dialogs_, 0);
    EXPECT_TRUE(questions_.empty());
    EXPECT_EQ(datamod->profils.RecordCount(), 2u);
    EXPECT_EQ(datamod->profils.State(), norvane::TDataSetState::Browse);
}

TEST_F(MainWindow, ImageThatIsNoIntegerStopsTheRefresh) {
    start({bureau, maison});
    const auto trayBefore = Form_main->MenuTrayProfilsdisponibles->actions().size();
    datamod->profils.Last();
    datamod->profils.Edit();
    datamod->profilsIMAGE.Clear();
    datamod->profils.Post();
    try {
        Form_main->RefreshProfileList();
        FAIL() << "no failure";
    } catch (const norvane::Exception& failure) {
        EXPECT_EQ(failure.message(), "'' n'est pas une valeur entière correcte");
    }
    EXPECT_EQ(captions(), std::vector<QString>{QStringLiteral("Bureau")});
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_EQ(Form_main->MenuTrayProfilsdisponibles->actions().size(), trayBefore);
}

// After the editor, the profile is selected and current again and the pane
// shows its substitutes, although the table refreshed the pane meanwhile.
TEST_F(MainWindow, DoubleClickOnAnEmptyPartModifiesTheSelectedProfile) {
    start({bureau, maison});
    list()->setCurrentRow(1);
    withDialogsClosed([] {
        QTest::mouseDClick(Form_main->lv->viewport(), Qt::LeftButton, {}, QPoint(600, 250));
    });
    EXPECT_EQ(dialogs_, 1);
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(field("ID_PROF"), "2");
    EXPECT_EQ(Form_main->DBText3->text(), QStringLiteral("IP Automatique (DHCP)"));
}

TEST_F(MainWindow, TrayEntryActivatesItsProfile) {
    start({bureau, maison});
    std::vector<int> activated;
    Form_activate->setActivation([&] { activated.push_back(datamod->profilsID_PROF.AsInteger()); });
    const auto entries = Form_main->MenuTrayProfilsdisponibles->actions();
    ASSERT_EQ(entries.size(), 2);
    entries[1]->trigger();
    EXPECT_EQ(activated, std::vector<int>{2});
    EXPECT_EQ(datamod->wqConfigurations.FieldByName("Index").AsString(), "7");
    EXPECT_FALSE(Form_activate->isVisible());

    // An entry whose profile is gone does nothing.
    entries[1]->setData(99);
    entries[1]->trigger();
    EXPECT_EQ(activated, std::vector<int>{2});
}

TEST_F(MainWindow, SelectionFollowsTheProfilesConnection) {
    start({bureau, maison});
    list()->setCurrentRow(1);
    EXPECT_EQ(datamod->wqConfigurations.FieldByName("Index").AsString(), "7");
    list()->setCurrentRow(0);
    EXPECT_EQ(datamod->wqConfigurations.FieldByName("Index").AsString(), "1");
}

// Reopening the data leaves the table on its first row; the selected profile
// is made current again.
TEST_F(MainWindow, LanguageCommandKeepsTheSelectedProfileCurrent) {
    start({bureau, maison});
    list()->setCurrentRow(1);
    const std::string language = norvane::i18n::CurrentLanguage();
    Form_main->Image4Click();
    norvane::i18n::SelectLanguage(language);
    EXPECT_TRUE(datamod->profils.IsActive());
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(field("ID_PROF"), "2");
    EXPECT_EQ(Form_main->DBText3->text(), QStringLiteral("IP Automatique (DHCP)"));
    std::ifstream settings(directory_ / "norvane.ini");
    const std::string stored((std::istreambuf_iterator<char>(settings)), {});
    EXPECT_NE(stored.find("Language=en"), std::string::npos) << stored;
}

// The context menu's shortcuts act while the list has the focus.
TEST_F(MainWindow, ListShortcutsRunTheCommands) {
    start({bureau, maison});
    Form_main->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form_main));
    list()->setFocus();
    list()->setCurrentRow(1);
    QTest::keyClick(list(), Qt::Key_Delete);
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_TRUE(questions_[0].text.endsWith(QStringLiteral("Maison, \"box\"")));
    QTest::keyClick(list(), Qt::Key_F9);
    EXPECT_EQ(activations_, 1);
    withDialogsClosed([this] { QTest::keyClick(list(), Qt::Key_F8); });
    EXPECT_EQ(dialogs_, 1);
}

TEST_F(MainWindow, LinkOpensTheMakersPage) {
    start({});
    QTest::mouseClick(Form_main->Label8, Qt::LeftButton);
    EXPECT_EQ(opened_, std::vector<QString>{QStringLiteral("https://www.norvane.org")});
}
