// The summary window on the demo house: what it shows, editing its cells as a user does, the
// rounding commands and their enabling, the tab change, the transport and message dialogs,
// saving into the project and the question when it closes. After every edit the window shows
// exactly what the engine computes for the same proposal and the same edits.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <functional>

#include "document/document_forms.h"
#include "gui/forms/form_view.h"
#include "gui/summary_fixture.h"
#include "proposal/doprava_form.h"
#include "proposal/navrh_form.h"
#include "proposal/poselstvi_form.h"
#include "settings/settings_keys.h"

namespace belvo::gui::test {
namespace {

using Col = SummaryModel::ItemColumn;
using F = SummaryWindow::Field;

// The first item row sold on pallets with loose pieces besides: every edit of its pallets,
// pieces or discount changes its total or its price.
int FirstPalletRow(const CPrehledForm& form)
{
    const SummaryModel& summary = form.Summary();
    for (int row = 1; row <= summary.Items().LastRow(); ++row) {
        const CPolozka& item = summary.ItemOfRow(row);
        if (item.KsNaPalete > CCislo(0) && item.PlusKs > CCislo(0)) return row;
    }
    return 0;
}

TEST_F(SummaryWindowTest, ShowsTheProposalAsTheEngineComputesIt)
{
    SummaryWindow& window = OpenDemoProposal();
    ASSERT_EQ(list.Count(), 1u);
    const CPrehledForm& form = window.Form();
    ASSERT_GT(form.Summary().Items().LastRow(), 0);
    ExpectWindowShows(window, *Twin(window));

    EXPECT_EQ(window.windowTitle(), Qs(form.Navrh().Titulek) + "[*]");
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(window.Tabs()->tabText(0), "materiál   ");
    EXPECT_EQ(window.Tabs()->tabText(1), "obaly   ");
    EXPECT_EQ(Us(window.PriceListLabel()->text()), form.Texts().cenik);
    EXPECT_EQ(window.VatBox()->isChecked(), form.Navrh().SDPH != 0);

    // Headers, widths, alignment and which cells may be edited are the engine's.
    const QAbstractItemModel& items = *window.ItemTable()->model();
    const TableModel& engine = form.Summary().Items();
    for (int column = 0; column < engine.ColumnCount(); ++column) {
        EXPECT_EQ(Us(items.headerData(column, Qt::Horizontal).toString()), engine.Columns()[column].header);
        EXPECT_GE(window.ItemTable()->columnWidth(column), engine.Columns()[column].width);
        const QModelIndex cell = items.index(0, column);
        const bool editable = column == Col::kPalet || column == Col::kPlusKs || column == Col::kSleva;
        EXPECT_EQ(bool(items.flags(cell) & Qt::ItemIsEditable), editable) << column;
        const auto align = Qt::Alignment(cell.data(Qt::TextAlignmentRole).toInt());
        EXPECT_EQ(bool(align & Qt::AlignRight), column > Col::kZavod) << column;
    }
    // Every control can be found by its name.
    for (const char* name : {"s DPH", "DPH", "Sleva", "Zboží", "Cena zboží", "Ztráta", "Obaly", "Cena obalů",
                             "Cena dopravy", "Změna dopravy", "Ceník", "materiál", "obaly"}) {
        bool found = false;
        for (const QWidget* child : window.findChildren<QWidget*>()) found = found || child->accessibleName() == name;
        EXPECT_TRUE(found) << name;
    }
}

struct TypedCase {
    const char* name;
    int column;
    const char* text;
};

void ExpectToldOfTheChanges(const QSignalSpy& told, const TableModel& before, const TableModel& after)
{
    const std::set<std::pair<int, int>> named = CellsNamedBy(told);
    std::set<int> changedRows;
    for (int row = 1; row <= before.LastRow(); ++row)
        for (int column = 0; column < before.ColumnCount(); ++column) {
            const TableCell& was = before.Cell(row, column);
            const TableCell& is = after.Cell(row, column);
            if (was.text == is.text && was.background == is.background) continue;
            changedRows.insert(row - 1);
            EXPECT_TRUE(named.count({row - 1, column})) << "row " << row << " column " << column;
        }
    for (const auto& [row, column] : named) EXPECT_TRUE(changedRows.count(row)) << "row " << row + 1 << " repainted";
}

class SummaryTyping : public SummaryWindowTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(SummaryTyping, TypedCellFollowsTheEngine)
{
    const TypedCase& c = GetParam();
    SummaryWindow& window = OpenDemoProposal();
    Activate(window);
    const int row = FirstPalletRow(window.Form());
    ASSERT_GT(row, 0);
    std::unique_ptr<CPrehledForm> engine = Twin(window);
    const std::string before = engine->Summary().Items().Text(row, Col::kCelkemKs) + engine->Texts().cenaZbozi;
    const TableModel itemsBefore = engine->Summary().Items();
    const TableModel palletsBefore = engine->Summary().Pallets();
    QSignalSpy itemsTold(window.ItemTable()->model(), &QAbstractItemModel::dataChanged);
    QSignalSpy palletsTold(window.PalletTable()->model(), &QAbstractItemModel::dataChanged);

    TypeIntoCell(*window.ItemTable(), row, c.column, QString::fromUtf8(c.text));
    engine->UpravBunku(SummaryTable::Items, row, c.column, c.text);

    // The views were told of every cell that shows something else now, and of no other row.
    ExpectToldOfTheChanges(itemsTold, itemsBefore, engine->Summary().Items());
    ExpectToldOfTheChanges(palletsTold, palletsBefore, engine->Summary().Pallets());

    EXPECT_EQ(window.Form().Summary().Items().Text(row, c.column), c.text);  // the typed text stays
    ExpectWindowShows(window, *engine);
    EXPECT_NE(engine->Summary().Items().Text(row, Col::kCelkemKs) + engine->Texts().cenaZbozi, before);
    EXPECT_TRUE(window.isWindowModified());
    // Enter moved the focus mark down.
    EXPECT_EQ(window.ItemTable()->FocusedRow(), std::min(row + 1, engine->Summary().Items().LastRow()));
    EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Summary, SummaryTyping,
                         ::testing::Values(TypedCase{"HalfPalletsInTheCzechLocale", Col::kPalet, "12,5"},
                                           TypedCase{"LettersInPlusKs", Col::kPlusKs, "abc"},
                                           TypedCase{"NegativePlusKs", Col::kPlusKs, "-20"},
                                           TypedCase{"Discount", Col::kSleva, "7,5"}),
                         [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(SummaryWindowTest, SpreadsheetHabitsOfTheTables)
{
    SummaryWindow& window = OpenDemoProposal();
    Activate(window);
    SummaryTableView& table = *window.ItemTable();
    const int row = FirstPalletRow(window.Form());
    const std::string pallets = window.Form().Summary().Items().Text(row, Col::kPalet);

    // Esc drops what was typed.
    TypeIntoCell(table, row, Col::kPalet, "77", Qt::Key_Escape);
    EXPECT_EQ(window.Form().Summary().Items().Text(row, Col::kPalet), pallets);
    EXPECT_FALSE(window.isWindowModified());

    // Typing replaces what the cell showed; Tab commits and moves right without editing there.
    TypeIntoCell(table, row, Col::kPalet, "3", Qt::Key_Tab);
    EXPECT_EQ(window.Form().Summary().Items().Text(row, Col::kPalet), "3");
    EXPECT_EQ(table.currentIndex().column(), Col::kPlusKs);
    EXPECT_EQ(table.currentIndex().row(), row - 1);
    EXPECT_EQ(table.indexWidget(table.currentIndex()), nullptr);

    // A read-only cell does not open an editor.
    table.setCurrentIndex(table.model()->index(row - 1, Col::kCena));
    QTest::keyClick(&table, '5');
    EXPECT_EQ(table.indexWidget(table.currentIndex()), nullptr);

    // Enter without an edit moves down; Ctrl+C copies the selected cells tab-separated.
    table.setCurrentIndex(table.model()->index(0, Col::kObjCislo));
    QTest::keyClick(&table, Qt::Key_Return);
    EXPECT_EQ(table.currentIndex().row(), std::min(1, table.model()->rowCount() - 1));
    table.clearSelection();
    table.selectionModel()->select(QItemSelection(table.model()->index(0, Col::kObjCislo), table.model()->index(1, Col::kNazev)),
                                   QItemSelectionModel::Select);
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    const TableModel& items = window.Form().Summary().Items();
    const std::string expected = items.Text(1, 0) + "\t" + items.Text(1, 1) + "\n" + items.Text(2, 0) + "\t" + items.Text(2, 1) + "\n";
    EXPECT_EQ(Us(QApplication::clipboard()->text()), expected);
}

TEST_F(SummaryWindowTest, RoundingCommandsFollowTheEngineAndTheirEnabling)
{
    // Wall bricks and every other group of the demo house take part; a generous allowance raises
    // every row with loose pieces.
    WriteRoundingTable(settings, {{"Cihly", 1, 0, 1}, {"Překlady", 9, 0, 1}, {"Stropy", 7, 0, 1}});
    settings.SetString("CZ-Kč", "ZaokrouhlovaniBalne", "100000");
    SummaryWindow& window = OpenDemoProposal();
    Activate(window);
    const SummaryWindow::Commands& commands = window.Actions();
    std::unique_ptr<CPrehledForm> engine = Twin(window);
    const int row = FirstPalletRow(window.Form());
    window.ItemTable()->setCurrentIndex(window.ItemTable()->model()->index(row - 1, Col::kNazev));

    for (QAction* action : {commands.roundAll, commands.unroundAll, commands.roundOne, commands.unroundOne})
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();

    commands.roundAll->trigger();
    engine->ZaokrouhliVse();
    ExpectWindowShows(window, *engine);
    EXPECT_EQ(window.Form().Upraveno(), engine->Upraveno());

    commands.unroundOne->trigger();
    engine->OdzaokrouhliPolozku(row);
    ExpectWindowShows(window, *engine);

    commands.roundOne->trigger();
    engine->ZaokrouhliPolozku(row);
    ExpectWindowShows(window, *engine);

    commands.unroundAll->trigger();
    engine->OdzaokrouhliVse();
    ExpectWindowShows(window, *engine);

    // On the tab "obaly" none of them is available.
    window.SelectTab(CPrehledForm::kPalletTab);
    for (QAction* action : {commands.roundAll, commands.unroundAll, commands.roundOne, commands.unroundOne})
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    window.SelectTab(CPrehledForm::kItemTab);
    EXPECT_TRUE(commands.roundAll->isEnabled());
}

TEST_F(SummaryWindowTest, TabChangeEndsTheEditAndRecomputesThePallets)
{
    SummaryWindow& window = OpenDemoProposal();
    Activate(window);
    const int row = FirstPalletRow(window.Form());
    std::unique_ptr<CPrehledForm> engine = Twin(window);

    // Typed but not yet committed when the user clicks the other tab.
    TypeIntoCell(*window.ItemTable(), row, Col::kPalet, "40", Qt::Key_unknown);
    window.SelectTab(CPrehledForm::kPalletTab);
    engine->UpravBunku(SummaryTable::Items, row, Col::kPalet, "40");

    ExpectWindowShows(window, *engine);
    EXPECT_TRUE(window.PalletTable()->isVisible());
    EXPECT_FALSE(window.ItemTable()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window.PalletTable());

    // The pallet table's correction is edited like the items.
    ASSERT_GT(engine->Summary().Pallets().LastRow(), 0);
    TypeIntoCell(*window.PalletTable(), 1, SummaryModel::kPalOprava, "-2");
    engine->UpravBunku(SummaryTable::Pallets, 1, SummaryModel::kPalOprava, "-2");
    ExpectWindowShows(window, *engine);
}

TEST_F(SummaryWindowTest, VatCheckBoxShowsGrossPrices)
{
    SummaryWindow& window = OpenDemoProposal();
    Activate(window);
    std::unique_ptr<CPrehledForm> engine = Twin(window);
    const bool before = window.VatBox()->isChecked();
    QTest::mouseClick(window.VatBox(), Qt::LeftButton);
    engine->NastavSDPH(!before);
    ExpectWindowShows(window, *engine);
    EXPECT_EQ(window.Form().Navrh().SDPH != 0, !before);
}

TEST_F(SummaryWindowTest, TransportDialogChecksItsFieldsAndRecomputesOnOk)
{
    SummaryWindow& window = OpenDemoProposal();
    Activate(window);
    std::unique_ptr<CPrehledForm> engine = Twin(window);

    const auto typeAndTab = [](QWidget* control, const char* text) {
        auto* edit = qobject_cast<QLineEdit*>(control);
        edit->setFocus(Qt::MouseFocusReason);
        Settle();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
        Settle();
    };
    ModalDriver driver([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Doprava");
        auto* view = dialog.findChild<FormView*>();
        ASSERT_NE(view, nullptr);
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        const auto text = [&](int id) { return qobject_cast<QLineEdit*>(view->Control(id))->text(); };
        typeAndTab(view->Control(DopravaForm::kVzdalenost), "12");
        typeAndTab(view->Control(DopravaForm::kSazba), "30,50");
        EXPECT_EQ(text(DopravaForm::kCena), "366,00");
        typeAndTab(view->Control(DopravaForm::kCena), "400");
        EXPECT_EQ(text(DopravaForm::kSazba), "0,00");
        // A negative distance is refused with its message and the focus returns to it.
        typeAndTab(view->Control(DopravaForm::kVzdalenost), "-5");
        EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"Validace: zápornou vzdálenost neznám."});
        EXPECT_EQ(QApplication::focusWidget(), view->Control(DopravaForm::kVzdalenost));
        qobject_cast<QLineEdit*>(view->Control(DopravaForm::kVzdalenost))->setText("12");
        view->SaveButton()->click();
    });
    window.TransportButton()->click();
    ASSERT_TRUE(driver.Ran());

    EXPECT_EQ(window.Form().Navrh().DopravaKm, CCislo(12));
    EXPECT_EQ(window.Form().Navrh().DopravaCenaKm, CCislo(0));
    EXPECT_EQ(window.Form().Navrh().DopravaCena, CCislo(400));
    engine->ZmenaDopravy([](FormModel& model) {
        model.Open();
        model.Field(DopravaForm::kVzdalenost).text = "12";
        model.Field(DopravaForm::kSazba).text = "0";
        model.Field(DopravaForm::kCena).text = "400";
        return model.Save() == FormOutcome::Done;
    });
    ExpectWindowShows(window, *engine);
    EXPECT_EQ(window.NumberField(F::CenaDopravy)->text(), "400,00");
    EXPECT_TRUE(window.isWindowModified());
}

TEST_F(SummaryWindowTest, CancelledMessageDialogKeepsTheOldMessage)
{
    SummaryWindow& window = OpenDemoProposal();
    Activate(window);
    window.Form().Navrh().Poselstvi = "Dodání v květnu";
    const auto editMessage = [&](const QString& text, bool confirm) {
        ModalDriver driver([&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Poselství");
            auto* edit = dialog.findChild<QPlainTextEdit*>();
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(edit->toPlainText(), "Dodání v květnu");
            edit->setPlainText(text);
            auto* view = dialog.findChild<FormView*>();
            (confirm ? view->SaveButton() : view->BackButton())->click();
        });
        window.Actions().message->trigger();
        EXPECT_TRUE(driver.Ran());
    };
    editMessage("jiné", false);
    EXPECT_EQ(window.Form().Navrh().Poselstvi, "Dodání v květnu");
    EXPECT_FALSE(window.isWindowModified());

    editMessage("Dodání v červnu\nna stavbu", true);
    EXPECT_EQ(window.Form().Navrh().Poselstvi, "Dodání v červnu\nna stavbu");
    EXPECT_TRUE(window.isWindowModified());
}

TEST_F(SummaryWindowTest, SavingIntoTheProjectTwiceGivesTwoSavedProposals)
{
    SummaryWindow& window = OpenDemoProposal();
    Activate(window);
    TypeIntoCell(*window.ItemTable(), FirstPalletRow(window.Form()), Col::kSleva, "5");
    ASSERT_TRUE(window.isWindowModified());
    doc.SetModifiedFlag(false);
    ui.texts = {"Varianta A", "Varianta B"};

    window.Actions().save->trigger();
    EXPECT_FALSE(window.isWindowModified());
    window.Actions().save->trigger();

    ASSERT_EQ(doc.Navrhy().size(), 2u);
    EXPECT_EQ(doc.Navrhy()[0]->Nazev, "Varianta A");
    EXPECT_EQ(doc.Navrhy()[1]->Nazev, "Varianta B");
    EXPECT_EQ(doc.Tree().Children(doc.ProposalsItem()).size(), 2u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ui.promptInitials, (std::vector<std::string>(2, window.Form().Navrh().Jmeno)));
}

TEST_F(SummaryWindowTest, ClosingAnEditedWindowAsksAndAnUneditedOneDoesNot)
{
    OpenDemoProposal();
    doc.OnPrehledCelkem();  // a second window, the most recent first
    ASSERT_EQ(list.Count(), 2u);
    SummaryWindow& edited = Window(0);
    Activate(edited);
    TypeIntoCell(*edited.ItemTable(), FirstPalletRow(edited.Form()), Col::kPalet, "2");

    // The unedited one closes without a question.
    Window(1).close();
    Settle();
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_TRUE(ui.messages.empty());

    // "Storno" keeps the edited window; "Ne" closes it without saving.
    ui.answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(edited.close());
    EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"Karno: Uložit návrh do projektu?"});
    EXPECT_TRUE(edited.close());
    Settle();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_TRUE(doc.Navrhy().empty());
}

TEST_F(SummaryWindowTest, QueryCloseAllAsksTheEditedWindowsAndAnoSavesIntoTheProject)
{
    OpenDemoProposal();
    SummaryWindow& window = Window();
    Activate(window);
    EXPECT_TRUE(list.QueryCloseAll());  // nothing edited: nothing asked
    EXPECT_TRUE(ui.messages.empty());

    TypeIntoCell(*window.ItemTable(), FirstPalletRow(window.Form()), Col::kPalet, "2");
    ui.answers = {Answer::Cancel, Answer::Yes};
    ui.texts = {"Před zavřením"};
    EXPECT_FALSE(list.QueryCloseAll());
    EXPECT_TRUE(doc.Navrhy().empty());
    EXPECT_TRUE(list.QueryCloseAll());
    ASSERT_EQ(doc.Navrhy().size(), 1u);
    EXPECT_EQ(doc.Navrhy()[0]->Nazev, "Před zavřením");
    EXPECT_FALSE(window.isWindowModified());

    list.CloseAll();
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(SummaryWindowTest, SavedProposalOpensFromItsPageWithoutAutomaticRounding)
{
    WriteRoundingTable(settings, {{"Cihly", 1, 0, 1}});
    settings.SetString("CZ-Kč", "ZaokrouhlovaniBalne", "100000");
    settings.SetString("Setup", "AutomatickeZaokroulovani", "A");
    SummaryWindow& fresh = OpenDemoProposal();
    // The fresh proposal rounded by itself; find a row it raised to whole pallets.
    const TableModel& items = fresh.Form().Summary().Items();
    int raised = 0;
    for (int row = 1; row <= items.LastRow() && raised == 0; ++row)
        if (items.Cell(row, Col::kOprava).background == fresh.Form().Summary().Settings().colorRound) raised = row;
    ASSERT_GT(raised, 0);
    const std::string rounded = items.Text(raised, Col::kPalet);
    // Saved as the user left it: unrounded.
    fresh.Actions().unroundAll->trigger();
    const std::string unrounded = items.Text(raised, Col::kPalet);
    ASSERT_NE(unrounded, rounded);
    ui.texts = {"Neobráceno"};
    fresh.Actions().save->trigger();
    ASSERT_EQ(doc.Navrhy().size(), 1u);

    std::unique_ptr<FormModel> page = VytvorFormular(doc, *doc.Navrhy()[0]);
    ASSERT_NE(page, nullptr);
    FormView view(*page);
    view.Open();
    EXPECT_EQ(view.SaveButton(), nullptr);  // a page to read, without "&Ulož" and "&Zpět"
    EXPECT_EQ(qobject_cast<QLineEdit*>(view.Control(NavrhForm::kNazev))->text(), "Neobráceno");
    EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(view.Control(NavrhForm::kPoselstvi))->isReadOnly());
    qobject_cast<QPushButton*>(view.Control(NavrhForm::kZobrazit))->click();

    ASSERT_EQ(list.Count(), 2u);
    SummaryWindow& copy = Window(0);
    EXPECT_EQ(copy.Form().Summary().Items().Text(raised, Col::kPalet), unrounded);
    EXPECT_EQ(copy.Form().Navrh().Nazev, "Neobráceno");
}

}  // namespace
}  // namespace belvo::gui::test
