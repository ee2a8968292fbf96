// The generic form view on the project and group forms: checks when a field is left, never
// towards "&Zpět", one message per bad value with the focus back, Enter moving and saving.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui/forms/form_view.h"
#include "gui/gui_support.h"
#include "model/projekt.h"
#include "model/projekt_form.h"
#include "model/skupina.h"
#include "model/skupina_form.h"
#include "support/recording_form_host.h"

namespace belvo::gui {
namespace {

using belvo::test::RecordingFormHost;

// A project form in a shown window, as the main window hosts it.
class ProjectFormView : public ::testing::Test {
protected:
    ProjectFormView()
    {
        projekt.Nazev = "Dům\nBrno";
        projekt.hItem = 3;
        projekt.DopravaCena = CCislo(0);
        projekt.Sleva = CCislo(0);
        projekt.DPH = CCislo(21);
        view = new FormView(std::make_unique<ProjektForm>(projekt, host), &window);
        view->Open();
        window.resize(600, 500);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(view->Control(id)); }
    // Puts the focus into a field as a click would, letting the posted check of the field left
    // run, then types into it and moves on with Tab.
    void TypeAndTab(int id, const QString& text)
    {
        QLineEdit* edit = Edit(id);
        edit->setFocus(Qt::MouseFocusReason);
        Settle();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    static void Settle() { test::Settle(); }

    CProjekt projekt;
    RecordingFormHost host;
    QWidget window;
    FormView* view = nullptr;
};

TEST_F(ProjectFormView, ShowsTheFieldsWithTheirAccessibleNames)
{
    EXPECT_EQ(Edit(ProjektForm::kProjekt)->text(), "Dům");
    EXPECT_EQ(Edit(ProjektForm::kUmisteni)->text(), "Brno");
    EXPECT_EQ(Edit(ProjektForm::kDPH)->text(), "21,0");
    EXPECT_TRUE(Edit(ProjektForm::kVznik)->isReadOnly());
    EXPECT_EQ(view->Control(ProjektForm::kUmisteni)->accessibleName(), "Umístění");
    EXPECT_EQ(view->Control(ProjektForm::kCenaKm)->accessibleName(), "cena/km");
    EXPECT_EQ(view->SaveButton()->accessibleName(), "Ulož");
    EXPECT_EQ(view->BackButton()->accessibleName(), "Zpět");
    // Letters do not get into a number field.
    Edit(ProjektForm::kKm)->setFocus();
    QTest::keyClicks(Edit(ProjektForm::kKm), "1x2");
    EXPECT_EQ(Edit(ProjektForm::kKm)->text(), "12");
}

TEST_F(ProjectFormView, ABadValueIsToldOnceAndTheFocusGoesBack)
{
    TypeAndTab(ProjektForm::kKm, "-5");
    Settle();
    EXPECT_EQ(host.ui.MessageLines(), (std::vector<std::string>{"Validace: vzdálenost by měla být větší"}));
    EXPECT_EQ(QApplication::focusWidget(), Edit(ProjektForm::kKm));
    EXPECT_TRUE(view->CheckingArmed());
    Settle();
    EXPECT_EQ(host.ui.messages.size(), 1u);

    // Fixed, it passes and the price follows distance and rate.
    TypeAndTab(ProjektForm::kKm, "100");
    TypeAndTab(ProjektForm::kCenaKm, "12,50");
    Settle();
    EXPECT_EQ(Edit(ProjektForm::kCena)->text(), "1250,00");
    EXPECT_EQ(host.ui.messages.size(), 1u);
}

TEST_F(ProjectFormView, AFieldTabbedIntoStaysSelectedWhenItsCheckChangesIt)
{
    TypeAndTab(ProjektForm::kKm, "100");
    TypeAndTab(ProjektForm::kCenaKm, "12,50");  // Tab selects the price, then the check writes it
    Settle();
    QLineEdit* price = Edit(ProjektForm::kCena);
    ASSERT_EQ(QApplication::focusWidget(), price);
    EXPECT_EQ(price->text(), "1250,00");
    EXPECT_EQ(price->selectedText(), "1250,00");
    QTest::keyClicks(price, "900");
    EXPECT_EQ(price->text(), "900");
}

TEST_F(ProjectFormView, LeavingABadValueForBackShowsNothingAndBackRestores)
{
    QLineEdit* name = Edit(ProjektForm::kProjekt);
    name->setFocus();
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete);
    view->BackButton()->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_TRUE(host.ui.messages.empty());
    QTest::mouseClick(view->BackButton(), Qt::LeftButton);
    Settle();
    EXPECT_EQ(name->text(), "Dům");
    EXPECT_TRUE(host.ui.messages.empty());
}

TEST_F(ProjectFormView, EnterMovesOnAndSavesOnTheSaveButton)
{
    QLineEdit* place = Edit(ProjektForm::kUmisteni);
    place->setFocus();
    place->selectAll();
    QTest::keyClicks(place, "Ostrava");
    QTest::keyClick(place, Qt::Key_Return);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), view->Control(ProjektForm::kPopis));
    EXPECT_EQ(projekt.Nazev, "Dům\nBrno");  // not saved yet

    view->SaveButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(view->SaveButton(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(projekt.Nazev, "Dům\nOstrava");
    EXPECT_EQ(host.relabels.back().second, "Dům");
    EXPECT_TRUE(host.ui.messages.empty());
}

TEST_F(ProjectFormView, TheCloseRequestRefusesABadValueAndOffersToDelete)
{
    TypeAndTab(ProjektForm::kCena, "-1");
    Settle();
    ASSERT_EQ(host.ui.messages.size(), 1u);

    TreeItem deleted = kNoTreeItem;
    QObject::connect(view, &FormView::deleteRequested, [&](TreeItem item) { deleted = item; });
    host.ui.answers = {Answer::Ok, Answer::Cancel};  // the field's message, then the question
    EXPECT_FALSE(view->RequestClose());
    EXPECT_EQ(host.ui.MessageLines().back(), "Validace: Položky zatím nejsou správně vyplněny.\nZrušit ?");
    EXPECT_EQ(deleted, kNoTreeItem);
    EXPECT_TRUE(view->CheckingArmed());

    host.ui.answers = {Answer::Ok, Answer::Ok};
    EXPECT_FALSE(view->RequestClose());
    EXPECT_EQ(deleted, 3u);
    EXPECT_FALSE(view->CheckingArmed());
}

TEST(GroupFormView, SavesOnCloseAndMnemonicsReachTheFields)
{
    RecordingFormHost host;
    CSkupina skupina;
    skupina.hItem = 5;
    QWidget window;
    auto* view = new FormView(std::make_unique<SkupinaForm>(skupina, host), &window);
    view->Open();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, 's', Qt::AltModifier);
    auto* name = qobject_cast<QLineEdit*>(view->Control(SkupinaForm::kSkupina));
    EXPECT_EQ(QApplication::focusWidget(), name);
    name->selectAll();
    test::TypeText(name, "Přízemí");
    EXPECT_TRUE(view->RequestClose());
    EXPECT_EQ(skupina.Nazev, "Přízemí");
    EXPECT_EQ(host.modifications, 1);
}

}  // namespace
}  // namespace belvo::gui
