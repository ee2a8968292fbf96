// The window of read-only tables on the price-list view: its columns, the filter as the user
// types and clears it, and sorting by a click on a heading.
#include "gui/dialogs/table_window.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "catalogue/price_list_view.h"
#include "document/test_ceniku.h"
#include "gui/gui_support.h"
#include "support/test_materials.h"

namespace belvo::gui {
namespace {

class PriceListWindow : public ::testing::Test {
protected:
    PriceListWindow()
    {
        cenik.CenikId = "CZ20160515 14:30 (Kč)/K1";
        const auto add = [&](const char* objCislo, const char* nazev, int sirka) {
            belvo::test::Add(cenik.materials, {.objCislo = objCislo, .nazev = nazev, .sirka = CCislo(sirka)});
        };
        add("110300", "Cihla Belvo 30", 300);
        add("110250", "Cihla Belvo 25", 250);
        add("380001", "Malta tepelně izolační", 0);
        add("501020", "Tvárnice štítová", 1000);
        window = std::make_unique<TableWindow>(PriceListViewTable(cenik, Separators{}), Separators{});
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // The order numbers in the order shown.
    QStringList Shown() const
    {
        QStringList numbers;
        const QAbstractItemModel* model = window->Table()->model();
        for (int row = 0; row < model->rowCount(); ++row) numbers << model->index(row, 0).data().toString();
        return numbers;
    }
    void ClickHeading(int column)
    {
        QHeaderView* header = window->Table()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    PriceList cenik;
    std::unique_ptr<TableWindow> window;
};

TEST_F(PriceListWindow, ShowsTheViewsColumnsUnderItsTitle)
{
    EXPECT_EQ(window->windowTitle(), "Ceník CZ20160515 14:30 (Kč)/K1; ceny v Kč");
    QTableView* table = window->Table();
    EXPECT_EQ(table->accessibleName(), window->windowTitle());
    EXPECT_EQ(table->model()->columnCount(), 16);
    EXPECT_EQ(table->model()->headerData(1, Qt::Horizontal).toString(), "název");
    EXPECT_EQ(table->columnWidth(1), 300);
    for (int hidden : {13, 14, 15}) EXPECT_TRUE(table->isColumnHidden(hidden)) << hidden;
    EXPECT_FALSE(table->isColumnHidden(12));
    EXPECT_EQ(table->verticalHeader()->width(), 15);
    EXPECT_FALSE(table->model()->headerData(0, Qt::Vertical).isValid()) << "the leading column has no text";
    EXPECT_EQ(table->model()->index(0, 3).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight, Qt::AlignRight)
        << "numbers to the right";
    EXPECT_EQ(window->FilterField()->accessibleName(), "Hledat");
    EXPECT_EQ(window->FilterField()->placeholderText(), "obj.č., název");
}

TEST_F(PriceListWindow, TheFilterNarrowsAsTheUserTypesAndClearingShowsEverything)
{
    QLineEdit* filter = window->FilterField();
    ASSERT_NE(filter, nullptr);
    filter->setFocus();
    QTest::keyClicks(filter, "c");
    EXPECT_EQ(Shown(), (QStringList{"110300", "110250", "380001", "501020"})) << "izolační, Tvárnice";
    QTest::keyClicks(filter, "ih");
    EXPECT_EQ(Shown(), (QStringList{"110300", "110250"}));
    QTest::keyClicks(filter, "la belvo 3");
    EXPECT_EQ(Shown(), (QStringList{"110300"}));
    QTest::keyClick(filter, Qt::Key_Backspace);
    EXPECT_EQ(Shown(), (QStringList{"110300", "110250"}));

    filter->clear();
    test::TypeText(filter, "ŠTÍTOVÁ");
    EXPECT_EQ(Shown(), (QStringList{"501020"})) << "case and diacritics do not matter";
    QTest::keyClicks(filter, "x");
    EXPECT_TRUE(Shown().isEmpty());

    filter->clear();  // the clear button of the field does this
    EXPECT_EQ(Shown(), (QStringList{"110300", "110250", "380001", "501020"}));
}

TEST_F(PriceListWindow, AClickOnAHeadingSortsAndTheThirdGivesTheListOrderBack)
{
    const int sirka = 3;
    ClickHeading(sirka);
    EXPECT_EQ(Shown(), (QStringList{"380001", "110250", "110300", "501020"})) << "by value, not by text";
    ClickHeading(sirka);
    EXPECT_EQ(Shown(), (QStringList{"501020", "110300", "110250", "380001"}));
    ClickHeading(sirka);
    EXPECT_EQ(Shown(), (QStringList{"110300", "110250", "380001", "501020"}));

    // A sorted view keeps its order while it is filtered.
    ClickHeading(0);
    QTest::keyClicks(window->FilterField(), "cihla");
    EXPECT_EQ(Shown(), (QStringList{"110250", "110300"}));
}

TEST(ReportWindow, TheMissingMaterialReportHasItsNoteAndNoFilter)
{
    CChybiMaterial missing;
    missing.Polozka = "Zeď 1";
    missing.ObjCislo = "110300";
    missing.Material = "Cihla 30";
    missing.Nadpolozky = "Dům";
    TableWindow window(MissingMaterialTable({missing}), Separators{});
    window.show();
    EXPECT_EQ(window.windowTitle(), "Nenalezený materiál v nahraném ceníku");
    EXPECT_EQ(window.FilterField(), nullptr);
    EXPECT_EQ(window.Table()->model()->rowCount(), 1);
    EXPECT_EQ(window.Table()->model()->index(0, 3).data().toString(), "Dům");
    bool noted = false;
    for (const QLabel* label : window.findChildren<QLabel*>())
        noted = noted || label->text() == "pravděpodobně bude potřeba uvedené materiály nahradit";
    EXPECT_TRUE(noted);
    QPushButton* ok = nullptr;
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == "OK") ok = button;
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace belvo::gui
