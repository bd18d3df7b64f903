#include "Form_main.h"

#include "app/ClickableLabel.h"
#include "app/CommandGuard.h"
#include "app/DesktopUrlOpener.h"
#include "app/ErrorDisplay.h"
#include "app/Form_activate.h"
#include "app/Form_apropos.h"
#include "app/GroupBarGroup.h"
#include "app/HeaderBand.h"
#include "app/LanguageCommands.h"
#include "app/MakerSite.h"
#include "app/MessageBoxes.h"
#include "app/ProfileListing.h"
#include "app/StartupProbe.h"
#include "app/TranslateComponent.h"
#include "app/TrayIcon.h"
#include "app/WindowPlacement.h"
#include "app/autostart/AutoStartReg.h"
#include "app/autostart/NativeAutoStartStore.h"
#include "app/i18n/ProgramPath.h"
#include "app/i18n/Translation.h"
#include "editing/Form_location.h"
#include "resources/Pictures.h"
#include "store/database.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>

TForm_main* Form_main = nullptr;

namespace {

constexpr int ClientWidth = 891;
constexpr int ClientHeight = 595;
constexpr int HeaderHeight = 42;
constexpr int CommandBarWidth = 205;
constexpr int BottomBandHeight = 18;
constexpr int StatusPaneHeight = 19;

const QColor listBackground(247, 247, 244);

QString translated(const char* text) {
    return QString::fromStdString(norvane::i18n::Translate(text));
}

void setBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

// A selected item keeps its picture's colours, so the active badge stays green.
QIcon untintedIcon(const QPixmap& picture) {
    QIcon icon;
    icon.addPixmap(picture, QIcon::Normal);
    icon.addPixmap(picture, QIcon::Selected);
    return icon;
}

QFont detailsFont() {
    QFont font(QStringLiteral("Arial"), 8);
    font.setBold(true);
    return font;
}

// Closes the please-wait window however the activation ends, so a failure
// does not leave it on top of everything.
class PleaseWait {
public:
    PleaseWait() { Form_activate->show(); }
    ~PleaseWait() { Form_activate->close(); }
    PleaseWait(const PleaseWait&) = delete;
    PleaseWait& operator=(const PleaseWait&) = delete;
};

} // namespace

TForm_main::TForm_main(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      urlOpener_(std::make_unique<TDesktopUrlOpener>()) {
    setObjectName(QStringLiteral("Form_main"));
    setWindowTitle(QStringLiteral("Norvane [v 1.7]"));
    setWindowIcon(norvane::pictures::programIcon());
    setFixedSize(ClientWidth, ClientHeight);

    for (const QPixmap& picture : norvane::pictures::profileImageList(64, true))
        ImageList_64.push_back(untintedIcon(picture));
    for (const QPixmap& picture : norvane::pictures::profileImageList(24, false))
        location_24.push_back(untintedIcon(picture));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new THeaderBand(this, HeaderHeight);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    layout->addWidget(Panel1);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    auto* commandBar = new QWidget(this);
    commandBar->setObjectName(QStringLiteral("GroupBar1"));
    commandBar->setFixedWidth(CommandBarWidth);
    setBackground(commandBar, QColor(214, 223, 240));
    buildCommandBar(commandBar);
    body->addWidget(commandBar);
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("Panel3"));
    buildProfileGroups(area);
    body->addWidget(area, 1);
    layout->addLayout(body, 1);

    auto* bottomBand = new QWidget(this);
    bottomBand->setObjectName(QStringLiteral("Panel2"));
    bottomBand->setFixedHeight(BottomBandHeight);
    layout->addWidget(bottomBand);
    auto* statusPane = new QWidget(this);
    statusPane->setObjectName(QStringLiteral("StatusBar1"));
    statusPane->setFixedHeight(StatusPaneHeight);
    setBackground(statusPane, QColor(235, 235, 226));
    layout->addWidget(statusPane);

    buildMenus();
    TrayIcon1 = new TTrayIcon(this, PopupMenuTrayIcon, norvane::pictures::programIcon());
    bindCommands();
    norvane::ui::installStartupProbe(this);
    FormCreate();
    AutoStartReg = std::make_unique<norvane::autostart::TAutoStartReg>(
        norvane::autostart::NativeAutoStartStore(), norvane::i18n::ProgramFilePath());
}

TForm_main::~TForm_main() {
    if (detailsSource_ && detailsSource_ == datamod)
        datamod->DS_profils.Unsubscribe(detailsSubscription_);
}

void TForm_main::buildCommandBar(QWidget* bar) {
    auto* layout = new QVBoxLayout(bar);
    layout->setContentsMargins(6, 8, 6, 8);
    layout->setSpacing(8);

    GroupProfils = new TGroupBarGroup(
        QStringLiteral("Profils"),
        norvane::pictures::groupImage(norvane::pictures::GroupImage::Profiles), bar);
    GroupProfils->setObjectName(QStringLiteral("GroupProfils"));
    const char* captions[] = {"Nouveau", "Modifier", "Supprimer", "Activer", "Quitter"};
    for (int i = 0; i < norvane::pictures::CommandImageCount; ++i) {
        auto* item = new QToolButton(GroupProfils->content());
        item->setObjectName(QStringLiteral("Group1Items%1").arg(i));
        item->setText(QString::fromUtf8(captions[i]));
        item->setIcon(norvane::pictures::commandImage(i));
        item->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        item->setAutoRaise(true);
        item->setCursor(Qt::PointingHandCursor);
        item->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        item->setStyleSheet(QStringLiteral("QToolButton { text-align: left; color: #1f3a68; }"));
        GroupProfils->contentLayout()->addWidget(item);
        Group1Items.push_back(item);
    }
    layout->addWidget(GroupProfils);

    GroupOptions = new TGroupBarGroup(
        QStringLiteral("Options"),
        norvane::pictures::groupImage(norvane::pictures::GroupImage::Options), bar);
    GroupOptions->setObjectName(QStringLiteral("GroupOptions"));
    auto* linkRow = new QHBoxLayout;
    linkRow->setSpacing(4);
    Image2 = new QLabel(GroupOptions->content());
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(norvane::pictures::updateLinkImage());
    linkRow->addWidget(Image2);
    Label8 = new TClickableLabel(GroupOptions->content());
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setText(QStringLiteral("Vérifier la mise à jour"));
    Label8->setToolTip(QStringLiteral("Vérifier la mise à jour"));
    QFont linkFont(QStringLiteral("Arial"), 8);
    linkFont.setUnderline(true);
    Label8->setFont(linkFont);
    Label8->setStyleSheet(QStringLiteral("color: blue;"));
    linkRow->addWidget(Label8, 1);
    GroupOptions->contentLayout()->addLayout(linkRow);

    auto* languageRow = new QHBoxLayout;
    languageRow->setSpacing(6);
    Label9 = new QLabel(QStringLiteral("Language :"), GroupOptions->content());
    Label9->setObjectName(QStringLiteral("Label9"));
    languageRow->addWidget(Label9);
    Image4 = new TClickableLabel(GroupOptions->content());
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setPixmap(norvane::pictures::flagEnglish());
    Image4->setFixedSize(16, 11);
    languageRow->addWidget(Image4);
    Image3 = new TClickableLabel(GroupOptions->content());
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setPixmap(norvane::pictures::flagFrench());
    Image3->setFixedSize(16, 11);
    languageRow->addWidget(Image3);
    languageRow->addStretch(1);
    GroupOptions->contentLayout()->addLayout(languageRow);

    CheckBox1 = new QCheckBox(QStringLiteral("Lancer avec windows"), GroupOptions->content());
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setVisible(false);
    GroupOptions->contentLayout()->addWidget(CheckBox1);
    layout->addWidget(GroupOptions);

    GroupApropos = new TGroupBarGroup(
        QStringLiteral("A propos..."),
        norvane::pictures::groupImage(norvane::pictures::GroupImage::About), bar);
    GroupApropos->setObjectName(QStringLiteral("GroupApropos"));
    GroupApropos->setCollapsible(false);
    GroupApropos->contentLayout()->setContentsMargins(2, 6, 2, 6);
    Image1 = new TClickableLabel(GroupApropos->content());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(185, 70);
    Image1->setScaledContents(true);
    Image1->setPixmap(norvane::pictures::logo(QSize(185, 70)));
    GroupApropos->contentLayout()->addWidget(Image1, 0, Qt::AlignHCenter);
    layout->addWidget(GroupApropos);
    layout->addStretch(1);
}

void TForm_main::buildProfileGroups(QWidget* area) {
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(6);

    GroupBoxProfils = new QGroupBox(QStringLiteral("Profils"), area);
    GroupBoxProfils->setObjectName(QStringLiteral("GroupBoxProfils"));
    auto* listLayout = new QVBoxLayout(GroupBoxProfils);
    listLayout->setContentsMargins(4, 4, 4, 4);
    lv = new QListWidget(GroupBoxProfils);
    lv->setObjectName(QStringLiteral("lv"));
    lv->setViewMode(QListView::IconMode);
    lv->setIconSize(QSize(64, 64));
    lv->setGridSize(QSize(104, 100));
    lv->setMovement(QListView::Static);
    lv->setResizeMode(QListView::Adjust);
    lv->setWrapping(true);
    lv->setWordWrap(true);
    lv->setUniformItemSizes(true);
    lv->setSelectionMode(QAbstractItemView::SingleSelection);
    lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette palette = lv->palette();
    palette.setColor(QPalette::Base, listBackground);
    lv->setPalette(palette);
    lv->viewport()->installEventFilter(this);
    listLayout->addWidget(lv);
    layout->addWidget(GroupBoxProfils, 1);

    GroupBoxDetails = new QGroupBox(QStringLiteral("Détails profil"), area);
    GroupBoxDetails->setObjectName(QStringLiteral("GroupBoxDetails"));
    GroupBoxDetails->setFixedHeight(150);
    const char* captions[] = {"Carte réseau :", "Adresse IP :",   "Masque :",
                              "Passerelle :",   "DNS préféré : ", "DNS auxiliere :"};
    QLabel** values[] = {&DBText1, &DBText3, &DBText4, &DBText5, &DBText6, &DBText7};
    const char* valueNames[] = {"DBText1", "DBText3", "DBText4", "DBText5", "DBText6", "DBText7"};
    for (int row = 0; row < 6; ++row) {
        const int top = 24 + row * 20;
        auto* label = new QLabel(QString::fromUtf8(captions[row]), GroupBoxDetails);
        label->setObjectName(QStringLiteral("Label%1").arg(row + 1));
        label->setFont(detailsFont());
        label->setStyleSheet(QStringLiteral("color: navy;"));
        label->setGeometry(12, top, 90, 16);
        auto* value = new QLabel(GroupBoxDetails);
        value->setObjectName(QLatin1String(valueNames[row]));
        value->setFont(detailsFont());
        value->setStyleSheet(QStringLiteral("color: blue;"));
        value->setGeometry(104, top, 540, 16);
        *values[row] = value;
    }
    layout->addWidget(GroupBoxDetails);
}

void TForm_main::buildMenus() {
    PopupMenuProfil = new QMenu(this);
    PopupMenuProfil->setObjectName(QStringLiteral("PopupMenuProfil"));
    struct Entry {
        QAction** action;
        const char* name;
        const char* caption;
        int image;
        QKeySequence shortcut;
    };
    const Entry entries[] = {
        {&Activer1, "Activer1", "Activer", 3, QKeySequence(Qt::Key_F9)},
        {&Nouveau1, "Nouveau1", "Nouveau", 0, QKeySequence(Qt::Key_F7)},
        {&Modifier1, "Modifier1", "Modifier...", 1, QKeySequence(Qt::Key_F8)},
        {&Supprimer1, "Supprimer1", "Supprimer", 2, QKeySequence(Qt::Key_Delete)},
    };
    for (const Entry& entry : entries) {
        auto* action = new QAction(norvane::pictures::commandImage(entry.image),
                                   QString::fromUtf8(entry.caption), PopupMenuProfil);
        action->setObjectName(QLatin1String(entry.name));
        action->setShortcut(entry.shortcut);
        // The shortcuts belong to the list: they act while it has the focus.
        action->setShortcutContext(Qt::WidgetShortcut);
        PopupMenuProfil->addAction(action);
        lv->addAction(action);
        *entry.action = action;
    }

    PopupMenuTrayIcon = new QMenu(this);
    PopupMenuTrayIcon->setObjectName(QStringLiteral("PopupMenuTrayIcon"));
    MenuTrayProfilsdisponibles = PopupMenuTrayIcon->addMenu(QStringLiteral("Profils"));
    MenuTrayProfilsdisponibles->setObjectName(QStringLiteral("MenuTrayProfilsdisponibles"));
    PopupMenuTrayIcon->addSeparator();
    OuvrirNorvane1 = PopupMenuTrayIcon->addAction(QStringLiteral("Ouvrir Norvane"));
    OuvrirNorvane1->setObjectName(QStringLiteral("OuvrirNorvane1"));
    PopupMenuTrayIcon->addSeparator();
    MenuTrayQuitter = PopupMenuTrayIcon->addAction(QStringLiteral("Quitter"));
    MenuTrayQuitter->setObjectName(QStringLiteral("MenuTrayQuitter"));
}

void TForm_main::bindCommands() {
    using norvane::ui::guarded;
    void (TForm_main::*commands[])() = {
        &TForm_main::Group1Items0Click, &TForm_main::Group1Items1Click,
        &TForm_main::Group1Items2Click, &TForm_main::Group1Items3Click,
        &TForm_main::Group1Items4Click};
    for (std::size_t i = 0; i < Group1Items.size(); ++i) {
        auto command = commands[i];
        connect(Group1Items[i], &QToolButton::clicked, this,
                guarded([this, command] { (this->*command)(); }));
    }
    connect(Activer1, &QAction::triggered, this, guarded([this] { Group1Items3Click(); }));
    connect(Nouveau1, &QAction::triggered, this, guarded([this] { Group1Items0Click(); }));
    connect(Modifier1, &QAction::triggered, this, guarded([this] { Group1Items1Click(); }));
    connect(Supprimer1, &QAction::triggered, this, guarded([this] { Group1Items2Click(); }));
    connect(lv, &QListWidget::itemSelectionChanged, this, guarded([this] { lvSelectItem(); }));
    connect(lv, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenuProfil->popup(lv->viewport()->mapToGlobal(at)); });
    connect(Label8, &TClickableLabel::clicked, this, guarded([this] { Label8Click(); }));
    connect(Image1, &TClickableLabel::clicked, this, guarded([this] { Image1Click(); }));
    connect(Image3, &TClickableLabel::clicked, this, guarded([this] { Image3Click(); }));
    connect(Image4, &TClickableLabel::clicked, this, guarded([this] { Image4Click(); }));
    connect(OuvrirNorvane1, &QAction::triggered, this, guarded([this] { OuvrirNorvane1Click(); }));
    // Without the area the hidden window would be out of reach.
    connect(TrayIcon1, &TTrayIcon::areaLost, this, guarded([this] { OuvrirNorvane1Click(); }));
    // One connection for the whole submenu: its entries are rebuilt with every
    // refresh and there may be many.
    connect(MenuTrayProfilsdisponibles, &QMenu::triggered, this, [this](QAction* entry) {
        // The toolkit has already flipped the entry's mark. The marks show the
        // active profile only, and a switch that fails changes none.
        entry->setChecked(!entry->isChecked());
        try {
            MenuTrayProfilClick(entry);
        } catch (const std::exception& failure) {
            norvane::ui::ShowException(failure);
        }
    });
    connect(MenuTrayQuitter, &QAction::triggered, this,
            guarded([this] { MenuTrayQuitterClick(); }));
    // Also when the state is set from the registration, as a click would.
    connect(CheckBox1, &QCheckBox::toggled, this, guarded([this] { CheckBox1Click(); }));
}

void TForm_main::FormCreate() {
    norvane::ui::TranslateComponent(this);
}

void TForm_main::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placed_) {
        norvane::ui::centreOnScreen(this);
        placed_ = true;
    }
    // The window system's own show events come when a minimized window is
    // restored. That is no new showing: the list stays as it is, and a
    // profile open in the editor keeps its place in the table.
    if (event->spontaneous())
        return;
    try {
        FormShow();
    } catch (const std::exception& failure) {
        norvane::ui::ShowException(failure);
    }
}

// A double click anywhere in the list, on an empty part too, modifies the
// selected profile.
bool TForm_main::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lv->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        try {
            Group1Items1Click();
        } catch (const std::exception& failure) {
            norvane::ui::ShowException(failure);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm_main::setUrlOpener(std::unique_ptr<TUrlOpener> opener) {
    urlOpener_ = std::move(opener);
}

void TForm_main::Label8Click() {
    urlOpener_->openUrl(QString::fromLatin1(norvane::ui::MakerSiteUrl));
}

void TForm_main::Image1Click() {
    Form_apropos->exec();
}

int TForm_main::selectedPosition() const {
    const QList<QListWidgetItem*> selected = lv->selectedItems();
    return selected.isEmpty() ? -1 : lv->row(selected.first());
}

// Selecting the item again must make its profile current and restore the
// substitutes even when the item was still selected, so the handler runs
// whether or not the selection changes.
void TForm_main::selectItemAt(int position) {
    if (position < 0 || position >= lv->count())
        return;
    QListWidgetItem* item = lv->item(position);
    if (item->isSelected()) {
        lvSelectItem();
        return;
    }
    lv->setCurrentItem(item);
}

void TForm_main::locateProfileConnection() {
    datamod->wqConfigurations.Locate(
        "Index", norvane::platform::Variant(datamod->profilsCONNEXION.AsString()));
}

bool TForm_main::busy() const {
    return Form_activate && Form_activate->isActivating();
}

// ---- data-bound part -------------------------------------------------------

void TForm_main::SetDataActive(bool active) {
    bindDetails();
    auto& table = datamod->profils;
    if (active)
        table.Open();
    else
        table.Close();
    datamod->WmiConnection1.SetConnected(active);
    datamod->wqConfigurations.SetActive(active);
    datamod->WmiAdapters.SetActive(active);
}

void TForm_main::RefreshProfileList() {
    bindDetails();
    lv->clear();
    auto& table = datamod->profils;
    if (!table.IsActive())
        table.Open();

    table.First();
    while (!table.Eof()) {
        const int image = norvane::ui::ProfileImageIndex(datamod->profilsIMAGE.AsString(),
                                                         datamod->profilsACTIVE.AsString());
        auto* item =
            new QListWidgetItem(QString::fromStdString(datamod->profilsNOM_PROF.AsString()));
        if (image >= 0)
            item->setIcon(ImageList_64[static_cast<std::size_t>(image)]);
        lv->addItem(item);
        table.Next();
    }

    table.First();
    MenuTrayProfilsdisponibles->clear();
    QList<QAction*> entries;
    while (!table.Eof()) {
        auto* entry = new QAction(QString::fromStdString(datamod->profilsNOM_PROF.AsString()),
                                  MenuTrayProfilsdisponibles);
        entry->setData(datamod->profilsID_PROF.AsInteger());
        entry->setCheckable(true);
        entry->setChecked(datamod->profilsACTIVE.AsString() == "1");
        entries.append(entry);
        table.Next();
    }
    MenuTrayProfilsdisponibles->addActions(entries);

    if (lv->count() > 0)
        selectItemAt(0);
}

void TForm_main::lvSelectItem() {
    const QList<QListWidgetItem*> selected = lv->selectedItems();
    if (selected.isEmpty())
        return;
    datamod->profils.Locate("nom_prof", selected.first()->text().toStdString());
    locateProfileConnection();

    // Booleans are compared as values: their display texts follow the language.
    if (datamod->profilsDHCP.AsBoolean()) {
        DBText3->setText(QStringLiteral("IP Automatique (DHCP)"));
        DBText4->setText(QStringLiteral("Automatique"));
        DBText5->setText(QStringLiteral("Automatique"));
    }
    if (datamod->profilsDNS_AUTO.AsBoolean()) {
        DBText6->setText(QStringLiteral("DNS Automatique"));
        DBText7->setText(QStringLiteral("DNS Automatique"));
    }
}

void TForm_main::bindDetails() {
    if (detailsSource_ == datamod || !datamod)
        return;
    detailsSource_ = datamod;
    QPointer<TForm_main> self(this);
    detailsSubscription_ =
        datamod->DS_profils.Subscribe([self](norvane::TDataEvent event, const norvane::TField*) {
            if (self && event != norvane::TDataEvent::UpdateRecord)
                self->refreshDetails();
        });
    refreshDetails();
}

void TForm_main::refreshDetails() {
    const std::pair<QLabel*, const norvane::TField*> bound[] = {
        {DBText1, &datamod->profilsCARTE_RESEAU}, {DBText3, &datamod->profilsADRESSE_IP},
        {DBText4, &datamod->profilsMASK_RESEAU},  {DBText5, &datamod->profilsPASSRELLE_RESEAU},
        {DBText6, &datamod->profilsDNS1},         {DBText7, &datamod->profilsDNS2}};
    for (const auto& [label, field] : bound)
        label->setText(QString::fromStdString(field->AsString()));
}

void TForm_main::Group1Items0Click() {
    if (busy())
        return;
    auto& table = datamod->profils;
    table.Last();
    const int last = datamod->profilsID_PROF.AsInteger();
    table.Append();
    datamod->profilsID_PROF.SetAsInteger(last + 1);
    datamod->profilsACTIVE.SetAsString("0");
    Form_location->exec();
}

void TForm_main::Group1Items1Click() {
    if (busy())
        return;
    const int position = selectedPosition();
    if (position < 0)
        return;
    datamod->profils.Edit();
    Form_location->exec();
    selectItemAt(position);
}

void TForm_main::Group1Items2Click() {
    if (busy())
        return;
    const QList<QListWidgetItem*> selected = lv->selectedItems();
    if (selected.isEmpty())
        return;
    const QString question =
        QStringLiteral("Etes-vous sure de vouloir supprimer : ") + selected.first()->text();
    if (norvane::ui::askYesNo(this, translated("Confirmation"), question) !=
        norvane::ui::MessageAnswer::Yes)
        return;
    datamod->profils.Delete();
    RefreshProfileList();
}

void TForm_main::Group1Items3Click() {
    if (busy())
        return;
    const int position = selectedPosition();
    if (position < 0)
        return;
    {
        PleaseWait window;
        Form_activate->ActivateCurrentProfile();
    }
    selectItemAt(position);
}

void TForm_main::Group1Items4Click() {
    if (busy())
        return;
    QApplication::quit();
}

void TForm_main::MenuTrayProfilClick(QAction* entry) {
    if (busy() || !entry)
        return;
    // The tray stays reachable while a modal window is open. The command that
    // opened it goes on with the table's current row afterwards (Delete after
    // its confirmation), and the switch would have moved that row.
    if (QApplication::activeModalWidget())
        return;
    // The profile open in the editor is the table's working copy, which the
    // switch would read and post in place of the chosen profile.
    const norvane::TDataSetState state = datamod->profils.State();
    if (state == norvane::TDataSetState::Edit || state == norvane::TDataSetState::Insert)
        return;
    if (!datamod->profils.Locate("id_prof", entry->data().toInt()))
        return;
    locateProfileConnection();
    Form_activate->ActivateCurrentProfile();
}

void TForm_main::FormShow() {
    TrayIcon1->SetActive(true);
    SetDataActive(true);
    RefreshProfileList();
    CheckBox1->setChecked(AutoStartReg->AutoStart());
}

// A window hidden while minimized comes back in its normal state.
void TForm_main::OuvrirNorvane1Click() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TForm_main::MenuTrayQuitterClick() {
    Group1Items4Click();
}

// The check box mirrors the registration, so this writes nothing unless the
// box is changed by hand.
void TForm_main::CheckBox1Click() {
    AutoStartReg->SetAutoStart(CheckBox1->isChecked());
}

void TForm_main::Image3Click() {
    languageCommand("fr");
}

void TForm_main::Image4Click() {
    languageCommand("en");
}

void TForm_main::languageCommand(const std::string& code) {
    if (busy())
        return;
    const int position = selectedPosition();
    auto steps = norvane::ui::ProgramLanguageSteps([this](bool active) { SetDataActive(active); });
    if (!settingsPath_.empty())
        steps.settingsPath = settingsPath_;
    norvane::ui::ChangeLanguage(code, steps);
    // Reopening the data leaves the table on its first row; the selected
    // profile becomes current again so the details pane and the list agree.
    selectItemAt(position);
}
