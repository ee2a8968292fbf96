// The Qt table model over the engine's cells: what it shows, and that after a change the views
// are told of exactly the cells that changed and of the rows the engine appended.
#include <gtest/gtest.h>

#include <QColor>
#include <QSignalSpy>

#include <set>
#include <utility>

#include "gui/qt_text.h"
#include "gui/summary/summary_table_model.h"
#include "gui/summary_fixture.h"
#include "proposal/table_model.h"

namespace belvo::gui {
namespace {

using test::CellsNamedBy;

// A table of `rows` rows and four columns; cell (r, c) shows "r.c", column 2 may be edited.
TableModel Sample(int rows)
{
    TableModel table;
    table.SetColumns({{"a", 10}, {"b", 10}, {"c", 10}, {"d", 10}});
    for (int i = 0; i < rows; ++i) {
        const int row = table.AddRow();
        for (int column = 0; column < 4; ++column) {
            TableCell& cell = table.Cell(row, column);
            cell.text = std::to_string(row) + "." + std::to_string(column);
            cell.editable = column == 2;
            cell.align = column == 0 ? CellAlign::Left : CellAlign::Right;
        }
    }
    return table;
}

TEST(SummaryTableModel, ShowsTheCellsAndPassesEndedEditsOn)
{
    TableModel table = Sample(2);
    table.Cell(1, 3).background = 0x0000FF;  // red as 0x00BBGGRR
    std::vector<std::tuple<int, int, std::string>> edits;
    SummaryTableModel model(table, [&](int row, int column, const QString& text) { edits.emplace_back(row, column, Us(text)); });

    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), 4);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "b");
    EXPECT_EQ(model.index(1, 3).data().toString(), "2.3");
    EXPECT_EQ(model.index(0, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_FALSE(model.index(0, 2).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(Qt::Alignment(model.index(0, 1).data(Qt::TextAlignmentRole).toInt()) & Qt::AlignRight);
    EXPECT_TRUE(model.flags(model.index(0, 2)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);

    EXPECT_FALSE(model.setData(model.index(0, 1), "x"));  // read-only
    EXPECT_TRUE(model.setData(model.index(1, 2), "12,5"));
    EXPECT_EQ(edits, (std::vector<std::tuple<int, int, std::string>>{{2, 2, "12,5"}}));
}

TEST(SummaryTableModel, RefreshNamesOnlyTheChangedCellsAndTheNewRows)
{
    TableModel table = Sample(6);
    SummaryTableModel model(table, [](int, int, const QString&) {});
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    model.Refresh();
    EXPECT_EQ(changed.count(), 0);  // nothing changed, nothing to repaint

    table.SetText(2, 1, "x");
    table.SetText(3, 2, "y");
    table.Cell(6, 0).background = 0xBFBFFF;  // a rounding mark
    const int added = table.AddRow();
    table.SetText(added, 0, "new");
    model.Refresh();

    // Rows 2 and 3 are one run of changed rows; row 6 another. Unchanged rows are not named.
    const std::set<std::pair<int, int>> named = CellsNamedBy(changed);
    EXPECT_TRUE(named.count({1, 1}) && named.count({2, 2}) && named.count({5, 0}));
    for (const auto& [row, column] : named) EXPECT_TRUE(row == 1 || row == 2 || row == 5) << row << "/" << column;
    EXPECT_EQ(changed.count(), 2);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(1).toInt(), 6);
    EXPECT_EQ(model.rowCount(), 7);
    EXPECT_EQ(model.index(6, 0).data().toString(), "new");

    changed.clear();
    model.Refresh();
    EXPECT_EQ(changed.count(), 0);
}

}  // namespace
}  // namespace belvo::gui
