#pragma once

#include <QIcon>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QToolButton;
class TClickableLabel;
class TGroupBarGroup;
class THeaderBand;
class TTrayIcon;
class TUrlOpener;

namespace norvane {
class Tdatamod;
namespace autostart {
class TAutoStartReg;
}
} // namespace norvane

// The main window: the profiles as large icons, the current profile's details
// and the commands that act on the profile table's current row.
class TForm_main : public QWidget {
    Q_OBJECT
public:
    explicit TForm_main(QWidget* parent = nullptr);
    ~TForm_main() override;

    // Rebuilds the list and the tray's profile submenu from the profile table
    // and selects the first profile.
    void RefreshProfileList();

    // Opens or closes, together, the profile table and the adapter queries.
    void SetDataActive(bool active);

    void setUrlOpener(std::unique_ptr<TUrlOpener> opener);
    // Where the language commands store the language; the program's own
    // settings file unless set (tests keep theirs in a directory of their own).
    void setSettingsPath(std::string path) { settingsPath_ = std::move(path); }

    // Command handlers, named after the control and event that run them.
    void Group1Items0Click(); // New
    void Group1Items1Click(); // Modify
    void Group1Items2Click(); // Delete
    void Group1Items3Click(); // Activate
    void Group1Items4Click(); // Quit
    void lvSelectItem();
    void Label8Click(); // the maker's web page
    void Image1Click(); // about box
    void Image3Click(); // French
    void Image4Click(); // English
    void MenuTrayProfilClick(QAction* entry);
    void OuvrirNorvane1Click();
    void MenuTrayQuitterClick();
    void CheckBox1Click();

    THeaderBand* Panel1 = nullptr;
    TGroupBarGroup* GroupProfils = nullptr;
    TGroupBarGroup* GroupOptions = nullptr;
    TGroupBarGroup* GroupApropos = nullptr;
    std::vector<QToolButton*> Group1Items; // New, Modify, Delete, Activate, Quit
    QLabel* Image2 = nullptr;              // picture beside the link
    TClickableLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;          // "Language :"
    TClickableLabel* Image3 = nullptr; // French flag
    TClickableLabel* Image4 = nullptr; // British flag
    QCheckBox* CheckBox1 = nullptr;
    TClickableLabel* Image1 = nullptr; // logo

    QGroupBox* GroupBoxProfils = nullptr;
    QListWidget* lv = nullptr;
    QGroupBox* GroupBoxDetails = nullptr;
    QLabel* DBText1 = nullptr; // connection
    QLabel* DBText3 = nullptr; // address
    QLabel* DBText4 = nullptr; // mask
    QLabel* DBText5 = nullptr; // gateway
    QLabel* DBText6 = nullptr; // preferred DNS
    QLabel* DBText7 = nullptr; // alternate DNS

    QMenu* PopupMenuProfil = nullptr;
    QAction* Activer1 = nullptr;
    QAction* Nouveau1 = nullptr;
    QAction* Modifier1 = nullptr;
    QAction* Supprimer1 = nullptr;

    QMenu* PopupMenuTrayIcon = nullptr;
    QMenu* MenuTrayProfilsdisponibles = nullptr;
    QAction* OuvrirNorvane1 = nullptr;
    QAction* MenuTrayQuitter = nullptr;
    TTrayIcon* TrayIcon1 = nullptr;

    // Read when the window is made; tests put a registration of their own in
    // its place before the window is shown.
    std::unique_ptr<norvane::autostart::TAutoStartReg> AutoStartReg;

    // Profile pictures: 36 at 64 pixels (18 plain, then 18 active), 18 at 24.
    std::vector<QIcon> ImageList_64;
    std::vector<QIcon> location_24;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();

    void buildCommandBar(QWidget* bar);
    void buildProfileGroups(QWidget* area);
    void buildMenus();
    void bindCommands();

    // The details pane shows the current row: it follows the table's notices
    // from the moment the data module exists.
    void bindDetails();
    void refreshDetails();
    void selectItemAt(int position);
    int selectedPosition() const;
    // Places the adapter list on the current profile's connection.
    void locateProfileConnection();
    bool busy() const;
    void languageCommand(const std::string& code);

    std::unique_ptr<TUrlOpener> urlOpener_;
    std::string settingsPath_;
    bool placed_ = false;
    norvane::Tdatamod* detailsSource_ = nullptr;
    int detailsSubscription_ = 0;
};

extern TForm_main* Form_main;
