#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>

class CEditIPAddr;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class TIconComboBox;

namespace norvane {
class TListConnexion;
} // namespace norvane

// The profile editor: a modal dialog that edits the profile table's current
// row, which the main window has put into insert or edit mode. Showing it
// loads the row; "Enregistrer" writes it back, posts it and saves the file;
// "Annuler" and the close box discard the pending change.
class TForm_location : public QDialog {
    Q_OBJECT
public:
    explicit TForm_location(QWidget* parent = nullptr);
    ~TForm_location() override;

    // Handlers, named after the control and event that run them.
    void FormShow();
    void SpeedButton1Click();
    void FillInterfaceList();
    void RadioButton_dhcpClick();
    void RadioButton_staticClick();
    void RadioButton_dns_autoClick();
    void RadioButton_dns_staticClick();
    void EnableAddressFields(bool enabled);
    void EnableDnsFields(bool enabled);
    void BitBtn1Click();
    void BitBtn2Click();

    // The connections known at creation; only their number matters here.
    norvane::TListConnexion& Connections() { return *connexions_; }

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit_location = nullptr;
    QLabel* Label3 = nullptr;
    TIconComboBox* imageComboBox = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ComboBox_interface = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton* RadioButton_dhcp = nullptr;
    QRadioButton* RadioButton_static = nullptr;
    QLabel* lbl_ip = nullptr;
    CEditIPAddr* adresse_ip = nullptr;
    QLabel* lbl_masque = nullptr;
    CEditIPAddr* masque = nullptr;
    QLabel* lbl_passerelle = nullptr;
    CEditIPAddr* passerelle = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QRadioButton* RadioButton_dns_auto = nullptr;
    QRadioButton* RadioButton_dns_static = nullptr;
    QLabel* lbl_dns1 = nullptr;
    CEditIPAddr* dns1 = nullptr;
    QLabel* lbl_dns2 = nullptr;
    CEditIPAddr* dns2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    // The adapter identifier of each interface entry, at the entry's position.
    QStringList Values;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void buildControls();
    void buildNameBox();
    void buildAddressBox();
    void buildDnsBox();
    void buildLists();
    void buildButtons();
    void keepTabOnSelectedChoice(QRadioButton* choice, QRadioButton* other);
    void fitChoicesToText();
    void bindHandlers();

    void selectInterface(const QString& connectionName);
    void loadRow();
    void saveRow();
    void loadConnections();

    std::unique_ptr<norvane::TListConnexion> connexions_;
};

extern TForm_location* Form_location;
