#include "app/TranslateComponent.h"

#include "TestLocale.h"
#include "app/MessageBoxes.h"
#include "app/TranslationRecord.h"
#include "app/i18n/Translation.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace norvane;

namespace {

// A window with one of each kind of text the windows of the program carry.
struct TestWindow {
    TestWindow() {
        window->setObjectName("Nouveau");
        window->setWindowTitle("Propriétés");
        auto* layout = new QVBoxLayout(window.get());
        label = new QLabel("Nouveau", window.get());
        label->setObjectName("Profils");
        button = new QPushButton("Supprimer", window.get());
        button->setToolTip("Activer");
        group = new QGroupBox("Profils", window.get());
        edit = new QLineEdit(window.get());
        edit->setPlaceholderText("Nouveau");
        combo = new QComboBox(window.get());
        combo->addItems({"Nouveau", "1"});
        list = new QListWidget(window.get());
        list->addItems({"Activer", "Pas traduit"});
        tree = new QTreeWidget(window.get());
        tree->setHeaderLabels({"Profils", "Propriétés"});
        auto* top = new QTreeWidgetItem(tree, QStringList{"Activer"});
        new QTreeWidgetItem(top, QStringList{"Supprimer", "Nouveau"});
        spin = new QSpinBox(window.get());
        spin->setValue(5);
        menu = new QMenu("Profils", window.get());
        action = menu->addAction("Activer");
        for (QWidget* w :
             std::vector<QWidget*>{label, button, group, edit, combo, list, tree, spin})
            layout->addWidget(w);
    }

    std::vector<QString> Texts() const {
        const QTreeWidgetItem* top = tree->topLevelItem(0);
        return {window->windowTitle(),
                label->text(),
                button->text(),
                button->toolTip(),
                group->title(),
                edit->placeholderText(),
                combo->itemText(0),
                list->item(0)->text(),
                tree->headerItem()->text(0),
                tree->headerItem()->text(1),
                top->text(0),
                top->child(0)->text(0),
                top->child(0)->text(1),
                menu->title(),
                menu->menuAction()->text(),
                action->text(),
                action->iconText()};
    }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLabel* label;
    QPushButton* button;
    QGroupBox* group;
    QLineEdit* edit;
    QComboBox* combo;
    QListWidget* list;
    QTreeWidget* tree;
    QSpinBox* spin;
    QMenu* menu;
    QAction* action;
};

const std::vector<QString> French = {
    "Propriétés", "Nouveau", "Supprimer", "Activer",    "Profils", "Nouveau",
    "Nouveau",    "Activer", "Profils",   "Propriétés", "Activer", "Supprimer",
    "Nouveau",    "Profils", "Profils",   "Activer",    "Activer"};
const std::vector<QString> English = {"Properties", "New",     "Delete",   "Activate", "Profiles",
                                      "New",        "New",     "Activate", "Profiles", "Properties",
                                      "Activate",   "Delete",  "New",      "Profiles", "Profiles",
                                      "Activate",   "Activate"};

class TranslateComponentTest : public ::testing::Test {
protected:
    TranslateComponentTest() {
        locale.Install("en", "en");
        i18n::InitTranslation(locale.CatalogDir());
        ui::setMessageResponder([this](const ui::MessageRequest& request) {
            messages.push_back(request.text);
            return ui::MessageAnswer::Ok;
        });
    }
    ~TranslateComponentTest() override { ui::setMessageResponder({}); }

    test::TTestLocale locale;
    std::vector<QString> messages;
};

TEST_F(TranslateComponentTest, TranslatesEveryTextAndFollowsEachLanguageSwitch) {
    i18n::SelectLanguage("en");
    TestWindow w;
    ui::TranslateComponent(w.window.get());
    EXPECT_EQ(w.Texts(), English);
    EXPECT_EQ(w.window->objectName(), "Nouveau");
    EXPECT_EQ(w.label->objectName(), "Profils");
    EXPECT_EQ(w.combo->itemText(1), "1");
    EXPECT_EQ(w.list->item(1)->text(), "Pas traduit");

    i18n::SelectLanguage("fr");
    ui::RetranslateComponent(w.window.get());
    EXPECT_EQ(w.Texts(), French);

    i18n::SelectLanguage("en");
    ui::RetranslateComponent(w.window.get());
    EXPECT_EQ(w.Texts(), English);
    // A derived text stays derived: it follows a later change of the action.
    w.action->setText("Later");
    EXPECT_EQ(w.action->iconText(), "Later");
    EXPECT_TRUE(messages.empty());
}

TEST_F(TranslateComponentTest, RetranslatesOnlyWhenTheLanguageChanged) {
    i18n::SelectLanguage("fr");
    TestWindow w;
    ui::TranslateComponent(w.window.get());
    EXPECT_EQ(w.Texts(), French);
    w.label->setText("Bureau"); // a text the program sets at run time
    w.spin->setValue(7);

    ui::RetranslateComponent(w.window.get());
    EXPECT_EQ(w.label->text(), "Bureau");

    i18n::SelectLanguage("en");
    ui::RetranslateComponent(w.window.get());
    EXPECT_EQ(w.label->text(), "New");
    EXPECT_EQ(w.spin->value(), 7);
}

// A second call must not record the translations as the window's sources.
TEST_F(TranslateComponentTest, TranslatesOnceAndSurvivesDestroyedParts) {
    i18n::SelectLanguage("en");
    TestWindow w;
    ui::TranslateComponent(w.window.get());
    ui::TranslateComponent(w.window.get());
    EXPECT_EQ(w.window->findChildren<ui::TTranslationRecord*>().size(), 1);

    delete w.button;
    delete w.menu;
    i18n::SelectLanguage("fr");
    ui::RetranslateComponent(w.window.get());
    EXPECT_EQ(w.label->text(), "Nouveau");
    EXPECT_EQ(w.window->windowTitle(), "Propriétés");
}

TEST_F(TranslateComponentTest, BrokenCatalogIsShownAndTheWindowIsStillBuilt) {
    locale.Write("de", "not a catalog");
    i18n::SelectLanguage("de");
    TestWindow w;
    ui::TranslateComponent(w.window.get());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].toStdString(),
              "This file is not a valid GNU gettext mo file: " + locale.CatalogPath("de"));
    EXPECT_EQ(w.Texts(), French);

    i18n::SelectLanguage("en");
    ui::RetranslateComponent(w.window.get());
    EXPECT_EQ(w.Texts(), English);
}

} // namespace
