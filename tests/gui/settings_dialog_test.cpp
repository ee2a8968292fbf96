// The settings dialog "Konfigurace" as the user meets it: on a fresh store, switching price-list
// tabs with the mouse after changing the VAT (the question) and after changing only a rounding
// amount (none), and confirming with OK.
#include "gui/dialogs/settings_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "app/settings_form.h"
#include "gui/forms/form_dialog.h"
#include "gui/forms/form_view.h"
#include "gui/gui_support.h"
#include "gui/modal_dialogs.h"
#include "settings/memory_settings_store.h"
#include "support/scripted_ui.h"

namespace belvo::gui {
namespace {

using F = SettingsForm;

class SettingsDialogTest : public ::testing::Test {
protected:
    ScriptedUi ui;
    MemorySettingsStore settings;
    std::unique_ptr<FormDialog> dialog;

    SettingsDialogEnvironment Environment() { return {ui, settings, "/start", Separators{}}; }

    void Show(const std::string& preset = "")
    {
        dialog = MakeSettingsDialog(nullptr, Environment(), preset, "DSN=Karno");
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    QWidget* Control(int id) const { return dialog->View().Control(id); }
    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(Control(id)); }
    QTabBar* Tabs() const { return qobject_cast<QTabBar*>(Control(F::kCeniky)); }

    void Retype(int id, const QString& text)
    {
        QLineEdit* edit = Edit(id);
        edit->setFocus(Qt::MouseFocusReason);
        test::Settle();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void ClickTab(int index)
    {
        QTest::mouseClick(Tabs(), Qt::LeftButton, Qt::NoModifier, Tabs()->tabRect(index).center());
        test::Settle();
    }
};

TEST_F(SettingsDialogTest, AFreshStoreShowsOneTabTheFourBoxesAndNineCategories)
{
    Show();
    EXPECT_EQ(dialog->windowTitle(), "Konfigurace");
    ASSERT_EQ(Tabs()->count(), 1);
    EXPECT_EQ(Tabs()->tabText(0), "CZ-Kč");
    EXPECT_EQ(Tabs()->accessibleName(), "Nastavení pro jednotlivé ceníky");

    QStringList checked;
    for (const FormField& field : dialog->View().Model().Fields()) {
        if (field.kind != FieldKind::CheckBox) continue;
        auto* box = qobject_cast<QCheckBox*>(Control(field.id));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->accessibleName(), box->text());
        if (box->isChecked() && field.id != F::kVychozi) checked << box->text();
    }
    EXPECT_EQ(checked, (QStringList{"Navrhovat překlady", ".... nosné", "Tisknout nulové položky",
                                    "Načíst/uložit ceník přes dialog"}));

    auto* categories = qobject_cast<QListWidget*>(Control(F::kZaokrouhlovanePolozky));
    ASSERT_EQ(categories->count(), 9);
    QStringList rounded;
    for (int i = 0; i < categories->count(); ++i)
        if (categories->item(i)->checkState() == Qt::Checked) rounded << categories->item(i)->text();
    EXPECT_EQ(rounded, (QStringList{"Belvo základní", "Velto"}));

    // The two "..." buttons say what they do.
    EXPECT_EQ(Control(F::kDsnZNacteni)->accessibleName(), "DSN posledního načtení z databáze");
    EXPECT_EQ(Control(F::kSouborVyber)->accessibleName(), "Vybrat soubor ceníku");
    QTest::mouseClick(qobject_cast<QPushButton*>(Control(F::kDsnZNacteni)), Qt::LeftButton);
    test::Settle();
    EXPECT_EQ(Edit(F::kDsn)->text(), "DSN=Karno");
}

TEST_F(SettingsDialogTest, SwitchingTabsAsksOnlyAfterAChangeOfTheVat)
{
    settings.SetString("Setup", "Ceniky", "CZ-Kč;SK-EUR;");
    for (const char* section : {"CZ-Kč", "SK-EUR"}) {
        settings.SetString(section, "CenikRadio", "file");
        settings.SetString(section, "TestWWW", "N");
    }
    settings.SetString("SK-EUR", "DPH", "20,0");
    Show();
    ASSERT_EQ(Tabs()->count(), 2);

    // The VAT changed: the question; the answer yes writes it.
    ui.answers = {Answer::Yes};
    Retype(F::kDph, "23");
    ClickTab(1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Uložit?");
    EXPECT_EQ(settings.GetString("CZ-Kč", "DPH", ""), "23,0");
    EXPECT_EQ(Tabs()->currentIndex(), 1);
    EXPECT_EQ(Edit(F::kDph)->text(), "20,0") << "the Slovak page is shown";

    // Only a rounding amount changed: written without a question.
    Retype(F::kZaokrouhlovaniBalne, "150");
    ClickTab(0);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(settings.GetString("SK-EUR", "ZaokrouhlovaniBalne", ""), "150,00");
    EXPECT_EQ(Edit(F::kDph)->text(), "23,0");

    // OK writes the common settings and the tab shown.
    QTest::mouseClick(dialog->View().SaveButton(), Qt::LeftButton);
    test::Settle();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings.GetString("Setup", "Version", ""), "2016-05-15");
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(SettingsDialogTest, ShowSettingsDialogAnswersWhetherTheUserConfirmed)
{
    test::WhenModal([](QWidget* shown) {
        auto* view = shown->findChild<FormView*>();
        ASSERT_NE(view, nullptr);
        QTest::mouseClick(view->BackButton(), Qt::LeftButton);  // "&Storno"
    });
    EXPECT_FALSE(ShowSettingsDialog(nullptr, Environment(), "", ""));
    EXPECT_FALSE(settings.HasKey("Setup", "Version"));

    test::WhenModal([](QWidget* shown) { QTest::mouseClick(shown->findChild<FormView*>()->SaveButton(), Qt::LeftButton); });
    EXPECT_TRUE(ShowSettingsDialog(nullptr, Environment(), "", ""));
    EXPECT_EQ(settings.GetString("Setup", "Version", ""), "2016-05-15");
}

}  // namespace
}  // namespace belvo::gui
