#include "Form_location.h"

#include "app/CommandGuard.h"
#include "app/ErrorDisplay.h"
#include "app/Form_main.h"
#include "app/TranslateComponent.h"
#include "app/WindowPlacement.h"
#include "common/Errors.h"
#include "common/Format.h"
#include "editing/IconComboBox.h"
#include "editing/UEditIPAddr.h"
#include "netconfig/ListConnexion.h"
#include "store/database.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <exception>
#include <utility>

TForm_location* Form_location = nullptr;

namespace {

constexpr int IconEntryCount = 18;

QString text(const norvane::TField& field) {
    return QString::fromStdString(field.AsString());
}

// A choice's handler runs only when the choice becomes selected.
template <typename Handler> auto whenSelected(Handler handler) {
    return [run = norvane::ui::guarded(std::move(handler))](bool checked) {
        if (checked)
            run();
    };
}

// The main window rebuilds its list and tray menu from the table.
void refreshProfileList() {
    if (Form_main)
        Form_main->RefreshProfileList();
}

} // namespace

TForm_location::TForm_location(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form_location"));
    buildControls();
    bindHandlers();
    FormCreate();
}

TForm_location::~TForm_location() = default;

void TForm_location::FormCreate() {
    norvane::ui::TranslateComponent(this);
    fitChoicesToText();
    loadConnections();
}

void TForm_location::bindHandlers() {
    using norvane::ui::guarded;
    connect(SpeedButton1, &QToolButton::clicked, this, guarded([this] { SpeedButton1Click(); }));
    connect(BitBtn1, &QPushButton::clicked, this, guarded([this] { BitBtn1Click(); }));
    connect(BitBtn2, &QPushButton::clicked, this, guarded([this] { BitBtn2Click(); }));
    connect(RadioButton_dhcp, &QRadioButton::toggled, this,
            whenSelected([this] { RadioButton_dhcpClick(); }));
    connect(RadioButton_static, &QRadioButton::toggled, this,
            whenSelected([this] { RadioButton_staticClick(); }));
    connect(RadioButton_dns_auto, &QRadioButton::toggled, this,
            whenSelected([this] { RadioButton_dns_autoClick(); }));
    connect(RadioButton_dns_static, &QRadioButton::toggled, this,
            whenSelected([this] { RadioButton_dns_staticClick(); }));
}

void TForm_location::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    norvane::ui::centreOnScreen(this);
    fitChoicesToText(); // the language may have changed since the last showing
    // The dialog opens even when its row cannot be shown whole.
    try {
        FormShow();
    } catch (const std::exception& failure) {
        norvane::ui::ShowException(failure);
    }
}

void TForm_location::FormShow() {
    SpeedButton1Click();
    loadRow();
}

void TForm_location::SpeedButton1Click() {
    const int position = ComboBox_interface->currentIndex();
    FillInterfaceList();
    if (connexions_->Count() > 0)
        ComboBox_interface->setCurrentIndex(position < ComboBox_interface->count() ? position : -1);
    else
        selectInterface(text(datamod->profilsCARTE_RESEAU));
}

void TForm_location::selectInterface(const QString& connectionName) {
    ComboBox_interface->setCurrentIndex(
        ComboBox_interface->findText(connectionName, Qt::MatchFixedString));
}

// Each step may stop the loading: a stored address that the address rules
// refuse leaves that control and the ones after it as they were.
void TForm_location::loadRow() {
    const norvane::Tdatamod& data = *datamod;
    Edit_location->setText(text(data.profilsNOM_PROF));
    selectInterface(text(data.profilsCARTE_RESEAU));

    const bool dhcp = data.profilsDHCP.AsBoolean();
    RadioButton_dhcp->setChecked(dhcp);
    RadioButton_static->setChecked(!dhcp);
    adresse_ip->SetText(text(data.profilsADRESSE_IP));
    masque->SetText(text(data.profilsMASK_RESEAU));
    passerelle->SetText(text(data.profilsPASSRELLE_RESEAU));

    const bool dnsAuto = data.profilsDNS_AUTO.AsBoolean();
    RadioButton_dns_auto->setChecked(dnsAuto);
    RadioButton_dns_static->setChecked(!dnsAuto);
    dns1->SetText(text(data.profilsDNS1));
    dns2->SetText(text(data.profilsDNS2));

    const int image = data.profilsIMAGE.AsInteger();
    imageComboBox->setCurrentIndex(image >= 0 && image < IconEntryCount ? image : -1);
}

void TForm_location::RadioButton_dhcpClick() {
    EnableAddressFields(false);
    RadioButton_dns_auto->setEnabled(true);
}

void TForm_location::RadioButton_staticClick() {
    EnableAddressFields(true);
    RadioButton_dns_static->setChecked(true);
    RadioButton_dns_auto->setEnabled(false);
}

void TForm_location::RadioButton_dns_autoClick() {
    EnableDnsFields(false);
}

void TForm_location::RadioButton_dns_staticClick() {
    EnableDnsFields(true);
}

void TForm_location::EnableAddressFields(bool enabled) {
    for (CEditIPAddr* field : {adresse_ip, masque, passerelle}) {
        field->setEnabled(enabled);
        field->SetText(QString());
    }
    for (QLabel* caption : {lbl_ip, lbl_masque, lbl_passerelle})
        caption->setEnabled(enabled);
}

void TForm_location::EnableDnsFields(bool enabled) {
    for (CEditIPAddr* field : {dns1, dns2}) {
        field->setEnabled(enabled);
        field->SetText(QString());
    }
    for (QLabel* caption : {lbl_dns1, lbl_dns2})
        caption->setEnabled(enabled);
}

void TForm_location::BitBtn1Click() {
    saveRow();
    refreshProfileList();
    accept();
}

// Nothing is checked: what the controls show is what is stored.
void TForm_location::saveRow() {
    norvane::Tdatamod& data = *datamod;
    data.profils.Edit();
    data.profilsNOM_PROF.SetAsString(Edit_location->text().toStdString());
    const int selected = ComboBox_interface->currentIndex();
    data.profilsCARTE_RESEAU.SetAsString(
        selected >= 0 ? ComboBox_interface->itemText(selected).toStdString() : std::string());
    if (selected < 0 || selected >= Values.size())
        throw norvane::Exception(norvane::Format("Indice de liste hors limites (%d)", {selected}));
    data.profilsCONNEXION.SetAsString(Values.at(selected).toStdString());
    data.profilsDHCP.SetAsBoolean(RadioButton_dhcp->isChecked());
    data.profilsADRESSE_IP.SetAsString(adresse_ip->Text().toStdString());
    data.profilsMASK_RESEAU.SetAsString(masque->Text().toStdString());
    data.profilsPASSRELLE_RESEAU.SetAsString(passerelle->Text().toStdString());
    data.profilsDNS_AUTO.SetAsBoolean(RadioButton_dns_auto->isChecked());
    data.profilsDNS1.SetAsString(dns1->Text().toStdString());
    const QString alternate = dns2->Text();
    data.profilsDNS2.SetAsString(alternate == QLatin1String("0.0.0.0") ? std::string()
                                                                       : alternate.toStdString());
    data.profilsIMAGE.SetAsInteger(imageComboBox->currentIndex());
    data.profils.Post();
    data.profils.SaveIfChanged();
}

void TForm_location::BitBtn2Click() {
    datamod->profils.Cancel();
    refreshProfileList();
    reject();
}

// Dismissing the dialog with its close box abandons the change like
// "Annuler": a new row left pending would otherwise be posted, blank, by the
// next move through the table, and the next Modify would open on it.
void TForm_location::closeEvent(QCloseEvent* event) {
    if (isVisible()) {
        try {
            BitBtn2Click();
        } catch (const std::exception& failure) {
            norvane::ui::ShowException(failure);
            reject();
        }
    }
    event->accept();
}

// Escape is not a cancel key here.
void TForm_location::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
