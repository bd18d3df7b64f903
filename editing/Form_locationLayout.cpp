// The editor's controls, built as the dialog is designed: positions are in
// pixels inside the enclosing group box or the dialog.
#include "Form_location.h"
#include "editing/IconComboBox.h"
#include "editing/UEditIPAddr.h"
#include "resources/Pictures.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr int ClientWidth = 352;
constexpr int ClientHeight = 444;
const QColor Background(247, 247, 244);
constexpr int IconEntryCount = 18;
constexpr int IconDropDownWidth = 153;

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Labels are given room for longer translations than the French texts.
QLabel* label(QWidget* parent, const char* name, const char* text, int x, int y, int width) {
    auto* result = named(new QLabel(QString::fromUtf8(text), parent), name);
    result->setGeometry(x, y, width, 13);
    return result;
}

QRadioButton* choice(QWidget* parent, const char* name, const char* text, QRect geometry) {
    auto* result = named(new QRadioButton(QString::fromUtf8(text), parent), name);
    result->setGeometry(geometry);
    result->setProperty("designedWidth", geometry.width());
    return result;
}

CEditIPAddr* address(QWidget* parent, const char* name, int y) {
    auto* result = named(new CEditIPAddr(parent), name);
    result->setGeometry(150, y, 109, 21);
    result->SetAcceptOctal(false);
    return result;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const char* title, QRect geometry) {
    auto* result = named(new QGroupBox(QString::fromUtf8(title), parent), name);
    result->setGeometry(geometry);
    return result;
}

} // namespace

void TForm_location::buildControls() {
    setWindowTitle(QStringLiteral("Propriétés de Protocole Internet (TCP/IP)"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Background);
    setPalette(background);
    // The designed face where there is one; elsewhere a narrow face keeps
    // the texts within the designed sizes.
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("Liberation Sans Narrow")});
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    // Tab follows the order in which the controls are made: the name, the
    // addresses, then the icon and the interface.
    GroupBox1 = groupBox(this, "GroupBox1", "Propriétés", QRect(6, 8, 339, 385));
    buildNameBox();
    buildAddressBox();
    buildDnsBox();
    buildLists();
    buildButtons();
    keepTabOnSelectedChoice(RadioButton_dhcp, RadioButton_static);
    keepTabOnSelectedChoice(RadioButton_dns_auto, RadioButton_dns_static);
}

void TForm_location::buildNameBox() {
    Label1 = label(GroupBox1, "Label1", "Nom du profil :", 8, 15, 170);
    Edit_location = named(new QLineEdit(GroupBox1), "Edit_location");
    Edit_location->setGeometry(10, 31, 167, 21);
}

void TForm_location::buildLists() {
    Label3 = label(GroupBox1, "Label3", "Associer une icône :", 185, 15, 150);
    imageComboBox = named(new TIconComboBox(GroupBox1), "imageComboBox");
    imageComboBox->setGeometry(181, 30, 121, 30);
    imageComboBox->SetDropDownWidth(IconDropDownWidth);
    for (int k = 0; k < IconEntryCount; ++k)
        imageComboBox->addItem(QIcon(norvane::pictures::profileImage(k, 24)),
                               QString::number(k + 1));
    imageComboBox->setCurrentIndex(-1);

    Label2 = label(GroupBox1, "Label2", "Interface :", 8, 57, 290);
    ComboBox_interface = named(new QComboBox(GroupBox1), "ComboBox_interface");
    ComboBox_interface->setEditable(false);
    ComboBox_interface->setGeometry(8, 73, 294, 21);

    SpeedButton1 = named(new QToolButton(GroupBox1), "SpeedButton1");
    SpeedButton1->setGeometry(305, 72, 23, 22);
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    SpeedButton1->setToolTip(QStringLiteral("Actualiser"));
}

void TForm_location::buildAddressBox() {
    GroupBox2 = groupBox(GroupBox1, "GroupBox2", "TCP/IP :", QRect(8, 102, 319, 139));
    RadioButton_dhcp =
        choice(GroupBox2, "RadioButton_dhcp", "Obtenir une adresse IP automatiquement (DHCP)",
               QRect(10, 18, 259, 17));
    RadioButton_static = choice(GroupBox2, "RadioButton_static",
                                "Utiliser l'adresse IP suivante :", QRect(10, 38, 161, 17));
    lbl_ip = label(GroupBox2, "lbl_ip", "Adresse IP :", 10, 66, 138);
    adresse_ip = address(GroupBox2, "adresse_ip", 60);
    lbl_masque = label(GroupBox2, "lbl_masque", "Masque de sous-réseau :", 10, 90, 138);
    masque = address(GroupBox2, "masque", 84);
    lbl_passerelle = label(GroupBox2, "lbl_passerelle", "Passerelle par défaut :", 10, 114, 138);
    passerelle = address(GroupBox2, "passerelle", 108);
}

void TForm_location::buildDnsBox() {
    GroupBox3 = groupBox(GroupBox1, "GroupBox3", "DNS :", QRect(8, 253, 319, 118));
    RadioButton_dns_auto =
        choice(GroupBox3, "RadioButton_dns_auto",
               "Obtenir les adresses des serveurs DNS automatiquement", QRect(10, 18, 291, 17));
    RadioButton_dns_static =
        choice(GroupBox3, "RadioButton_dns_static",
               "Utiliser l'adresse de serveur DNS suivante :", QRect(10, 38, 231, 17));
    lbl_dns1 = label(GroupBox3, "lbl_dns1", "Serveur DNS préféré :", 10, 66, 138);
    dns1 = address(GroupBox3, "dns1", 60);
    lbl_dns2 = label(GroupBox3, "lbl_dns2", "Serveur DNS auxiliere :", 10, 90, 138);
    dns2 = address(GroupBox3, "dns2", 84);
}

void TForm_location::buildButtons() {
    BitBtn1 = named(new QPushButton(QStringLiteral("Enregistrer"), this), "BitBtn1");
    BitBtn1->setGeometry(172, 403, 80, 25);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    BitBtn2 = named(new QPushButton(QStringLiteral("Annuler"), this), "BitBtn2");
    BitBtn2->setGeometry(269, 403, 75, 25);
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    // Neither is a default button: Enter in the dialog saves nothing.
    for (QPushButton* button : {BitBtn1, BitBtn2}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

// Of two choices, Tab reaches only the selected one; arrow keys still move
// between them.
void TForm_location::keepTabOnSelectedChoice(QRadioButton* choice, QRadioButton* other) {
    auto follow = [choice, other] {
        const bool none = !choice->isChecked() && !other->isChecked();
        for (QRadioButton* button : {choice, other})
            button->setFocusPolicy(button->isChecked() || none ? Qt::StrongFocus : Qt::ClickFocus);
    };
    connect(choice, &QRadioButton::toggled, this, follow);
    connect(other, &QRadioButton::toggled, this, follow);
}

// A choice's text is never cut: in a wider face, or in a longer
// translation, its box grows to the right as far as its group allows.
void TForm_location::fitChoicesToText() {
    for (QRadioButton* button :
         {RadioButton_dhcp, RadioButton_static, RadioButton_dns_auto, RadioButton_dns_static}) {
        const int room = button->parentWidget()->width() - button->x() - 4;
        const int needed =
            std::max(button->property("designedWidth").toInt(), button->sizeHint().width());
        button->resize(std::min(needed, room), button->height());
    }
}
