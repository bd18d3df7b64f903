#include "RecordingAutoStartStore.h"
#include "app/Form_activate.h"
#include "app/Form_main.h"
#include "app/MessageBoxes.h"
#include "app/ProgramWindows.h"
#include "app/TrayIcon.h"
#include "app/autostart/AutoStartReg.h"
#include "editing/Form_location.h"
#include "store/database.h"
#include "tests/support/SimulatedProgramDirectory.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const machine = R"({"adapters": [
    {"Index": 1, "NetConnectionID": "Local Area Connection", "AdapterType": "Ethernet 802.3",
     "Description": "Carte 1", "IPEnabled": true, "DHCPEnabled": false},
    {"Index": 7, "NetConnectionID": "Wireless Network Connection", "AdapterType": "Ethernet 802.3",
     "Description": "Carte 2", "IPEnabled": true, "DHCPEnabled": true}]})";
const std::string bureau =
    "1,Bureau,Local Area Connection,1,192.168.1.20,255.255.255.0,192.168.1.1,192.168.1.1,,0,0,3,1";
const std::string labo =
    "4,Labo,Wireless Network Connection,7,10.0.0.5,255.0.0.0,10.0.0.1,10.0.0.1,,0,0,5,0";
const std::string program = "/opt/Norvane/norvane";

// The program's windows over a profile file of the test's own, with the
// notification area said to be there or not, and a recorded registration.
class Tray : public ::testing::Test {
protected:
    void TearDown() override {
        norvane::ui::setMessageResponder({});
        norvane::ui::DestroyProgramWindows();
        fs::current_path(previous_);
        fs::remove_all(directory_);
    }

    void start(const std::vector<std::string>& rows, bool area = true) {
        directory_ = norvane::test::FreshTestDirectory("norvane-tray");
        norvane::test::LayOutProgramDirectory(directory_, rows, machine);
        fs::current_path(directory_);

        norvane::ui::CreateProgramWindows();
        norvane::ui::setMessageResponder([this](const norvane::ui::MessageRequest& request) {
            messages_.push_back(request.text);
            return norvane::ui::MessageAnswer::No;
        });
        Form_main->TrayIcon1->setAreaProbe([this] { return area_; });
        area_ = area;
        useRegistration();
        Form_main->show();
        QApplication::processEvents();
    }

    void useRegistration() {
        Form_main->AutoStartReg = std::make_unique<norvane::autostart::TAutoStartReg>(
            std::make_unique<RecordingAutoStartStore>(registry_), program);
    }

    // Runs the event loop for a command; the result is 0 when the program
    // ended, 7 when it was still running a moment later.
    int runLoop(const std::function<void()>& command) {
        QTimer::singleShot(0, &context_, command);
        QTimer::singleShot(500, &context_, [] { QApplication::exit(7); });
        return QApplication::exec();
    }

    std::vector<bool> checkMarks() const {
        std::vector<bool> marks;
        for (QAction* entry : Form_main->MenuTrayProfilsdisponibles->actions())
            marks.push_back(entry->isChecked());
        return marks;
    }
    std::string journal() const {
        std::ifstream in(directory_ / "journal.jsonl");
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path previous_ = fs::current_path();
    fs::path directory_;
    bool area_ = true;
    RecordingAutoStartStore::Shared registry_;
    std::vector<QString> messages_;
    QObject context_;
};

} // namespace

TEST_F(Tray, IconIsInactiveUntilTheWindowIsShownAndCarriesTheMenu) {
    norvane::ui::CreateProgramWindows();
    TTrayIcon* icon = Form_main->TrayIcon1;
    EXPECT_FALSE(icon->Active());
    EXPECT_EQ(icon->icon()->contextMenu(), Form_main->PopupMenuTrayIcon);
    EXPECT_TRUE(icon->icon()->toolTip().isEmpty());
    EXPECT_FALSE(icon->icon()->icon().isNull());
    QStringList entries;
    for (QAction* entry : Form_main->PopupMenuTrayIcon->actions())
        entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    EXPECT_EQ(entries, (QStringList{"Profils", "-", "Ouvrir Norvane", "-", "Quitter"}));
    norvane::ui::DestroyProgramWindows();

    start({bureau, labo});
    EXPECT_TRUE(Form_main->TrayIcon1->Active());
    EXPECT_EQ(checkMarks(), (std::vector<bool>{true, false}));
}

TEST_F(Tray, ClosingHidesTheWindowAndTheProgramGoesOn) {
    start({bureau});
    EXPECT_EQ(runLoop([] { Form_main->close(); }), 7);
    EXPECT_FALSE(Form_main->isVisible());
    EXPECT_TRUE(Form_main->TrayIcon1->Active());
}

// Nobody could reach a hidden window without the notification area.
TEST_F(Tray, WithoutNotificationAreaClosingEndsTheProgram) {
    start({bureau}, false);
    EXPECT_EQ(runLoop([] { Form_main->close(); }), 0);
}

TEST_F(Tray, WithoutNotificationAreaMinimizingOnlyMinimizes) {
    start({bureau}, false);
    Form_main->setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    EXPECT_TRUE(Form_main->isVisible());
    EXPECT_TRUE(Form_main->isMinimized());
}

// A host that restarts is back within a check or two; one that stays away
// would leave the hidden window out of reach.
TEST_F(Tray, WindowComesBackWhenTheAreaStaysAway) {
    start({bureau, labo});
    Form_main->close();
    Form_main->lv->setCurrentRow(1);
    TTrayIcon* icon = Form_main->TrayIcon1;
    area_ = false;
    for (int i = 1; i < TTrayIcon::MissedChecksBeforeLost; ++i)
        icon->CheckArea();
    area_ = true;
    icon->CheckArea();
    area_ = false;
    for (int i = 1; i < TTrayIcon::MissedChecksBeforeLost; ++i)
        icon->CheckArea();
    EXPECT_FALSE(Form_main->isVisible());

    icon->CheckArea();
    EXPECT_TRUE(Form_main->isVisible());
    EXPECT_EQ(Form_main->lv->currentRow(), 0); // shown anew
    EXPECT_TRUE(icon->Active());
}

TEST_F(Tray, MinimizedWindowIsHiddenAndOpenedAgainWithItsListRebuilt) {
    start({bureau, labo});
    Form_main->lv->setCurrentRow(1);
    Form_main->setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    EXPECT_FALSE(Form_main->isVisible());

    Form_main->OuvrirNorvane1->trigger();
    EXPECT_TRUE(Form_main->isVisible());
    EXPECT_FALSE(Form_main->isMinimized());
    EXPECT_EQ(Form_main->lv->currentRow(), 0);
    EXPECT_EQ(datamod->profilsID_PROF.AsInteger(), 1);
}

TEST_F(Tray, QuitEntriesEndTheProgramThoughClosingOnlyHides) {
    start({bureau});
    EXPECT_EQ(runLoop([] { Form_main->MenuTrayQuitter->trigger(); }), 0);
}

TEST_F(Tray, ClicksOnTheIconItselfDoNothing) {
    start({bureau});
    Form_main->hide();
    for (auto reason :
         {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick})
        emit Form_main->TrayIcon1->icon()->activated(reason);
    QApplication::processEvents();
    EXPECT_FALSE(Form_main->isVisible());
    EXPECT_FALSE(Form_main->PopupMenuTrayIcon->isVisible());
}

TEST_F(Tray, QuickSwitchWhileHiddenAppliesTheProfileAndMovesTheCheckMark) {
    start({bureau, labo});
    Form_main->close();
    QListWidgetItem* before = Form_main->lv->item(0);
    Form_main->MenuTrayProfilsdisponibles->actions()[1]->trigger();

    EXPECT_NE(journal().find(R"({"call":"EnableStatic","Index":7)"), std::string::npos);
    EXPECT_EQ(checkMarks(), (std::vector<bool>{false, true}));
    ASSERT_EQ(Form_main->lv->count(), 2);
    EXPECT_NE(Form_main->lv->item(0), before); // rebuilt
    EXPECT_TRUE(Form_main->lv->item(0)->isSelected());
    EXPECT_FALSE(Form_main->isVisible());
    EXPECT_FALSE(Form_activate->isVisible());
    EXPECT_TRUE(messages_.empty());
}

// The toolkit ticks a checkable entry as it is clicked; a switch that fails
// must leave the mark on the profile that is still active.
TEST_F(Tray, FailedQuickSwitchLeavesTheCheckMarkOnTheActiveProfile) {
    const std::string nowhere = "5,Ailleurs,Missing Connection,99,10.0.0.5,255.0.0.0,,,,0,0,2,0";
    start({bureau, nowhere});
    Form_main->close();
    Form_main->MenuTrayProfilsdisponibles->actions()[1]->trigger();

    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_EQ(checkMarks(), (std::vector<bool>{true, false}));
    EXPECT_EQ(journal(), "");
    EXPECT_FALSE(Form_main->isVisible());
}

// The editor holds the profile it shows as the table's working copy; a switch
// then would read that copy in place of the chosen profile.
TEST_F(Tray, QuickSwitchWaitsWhileAProfileIsBeingEdited) {
    start({bureau, labo});
    datamod->profils.Edit();
    datamod->profilsADRESSE_IP.SetAsString("192.168.1.99");
    Form_main->MenuTrayProfilsdisponibles->actions()[1]->trigger();

    EXPECT_EQ(journal(), "");
    EXPECT_EQ(checkMarks(), (std::vector<bool>{true, false}));
    EXPECT_EQ(datamod->profilsADRESSE_IP.AsString(), "192.168.1.99");
    datamod->profils.Cancel();
    EXPECT_EQ(datamod->profilsADRESSE_IP.AsString(), "192.168.1.20");
}

// Delete acts on the current row once its confirmation is answered; a switch
// in the meantime would have made another profile current.
TEST_F(Tray, QuickSwitchWaitsWhileAModalWindowIsOpen) {
    start({bureau, labo});
    QDialog box(Form_main);
    QTimer::singleShot(0, &box, [&box] {
        Form_main->MenuTrayProfilsdisponibles->actions()[1]->trigger();
        box.reject();
    });
    box.exec();

    EXPECT_EQ(journal(), "");
    EXPECT_EQ(checkMarks(), (std::vector<bool>{true, false}));
    EXPECT_EQ(datamod->profilsID_PROF.AsInteger(), 1);
}

// Ways the main window comes back while the editor is open over it; none may
// rebuild the list under the editor, which would leave its Save to another
// profile.
struct ComeBackCase {
    const char* name;
    std::function<void()> comeBack;
};

void PrintTo(const ComeBackCase& entry, std::ostream* out) {
    *out << entry.name;
}

class TrayWhileEditing : public Tray, public ::testing::WithParamInterface<ComeBackCase> {};

TEST_P(TrayWhileEditing, EditorSavesTheProfileItWasOpenedOn) {
    start({bureau, labo});
    Form_main->lv->setCurrentRow(1);
    QTimer::singleShot(0, &context_, [] {
        GetParam().comeBack();
        QApplication::processEvents();
        ASSERT_TRUE(Form_main->isVisible());
        Form_location->Edit_location->setText("Labo 2");
        Form_location->BitBtn1->click();
    });
    Form_main->Group1Items1Click();

    datamod->profils.First();
    EXPECT_EQ(datamod->profilsNOM_PROF.AsString(), "Bureau");
    datamod->profils.Next();
    EXPECT_EQ(datamod->profilsNOM_PROF.AsString(), "Labo 2");
}

INSTANTIATE_TEST_SUITE_P(
    Ways, TrayWhileEditing,
    ::testing::Values(ComeBackCase{"MinimizedThenOpenedFromTheTray",
                                   [] {
                                       Form_main->setWindowState(Qt::WindowMinimized);
                                       QApplication::processEvents();
                                       Form_main->OuvrirNorvane1->trigger();
                                   }},
                      ComeBackCase{"RestoredByTheWindowSystem",
                                   [] {
                                       QShowEvent restored;
                                       QSpontaneKeyEvent::setSpontaneous(&restored);
                                       // Past sendEvent, which would make it ours.
                                       static_cast<QObject*>(Form_main)->event(&restored);
                                   }}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(Tray, EntryWhoseProfileIsGoneDoesNothing) {
    start({bureau, labo});
    QAction* entry = Form_main->MenuTrayProfilsdisponibles->actions()[1];
    datamod->profils.Last();
    datamod->profils.Delete();
    entry->trigger();
    EXPECT_EQ(journal(), "");
    EXPECT_EQ(datamod->profilsACTIVE.AsString(), "1");
}

TEST_F(Tray, EmptyTableLeavesTheSubmenuEmpty) {
    start({});
    EXPECT_TRUE(Form_main->MenuTrayProfilsdisponibles->actions().isEmpty());
}

TEST_F(Tray, HiddenCheckBoxShowsTheRegistrationWithoutWritingIt) {
    registry_.values["Norvane"] = "\"" + program + "\" --auto --min";
    start({bureau});
    EXPECT_FALSE(Form_main->CheckBox1->isVisible());
    EXPECT_TRUE(Form_main->CheckBox1->isChecked());
    Form_main->hide();
    registry_.values.clear();
    useRegistration(); // now reads as absent
    Form_main->show();
    EXPECT_FALSE(Form_main->CheckBox1->isChecked());
    EXPECT_TRUE(registry_.changes.empty());
}
