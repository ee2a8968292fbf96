#include "proposal/table_copy.h"

#include <gtest/gtest.h>

#include "proposal/table_model.h"
#include "support/recording_canvas.h"

namespace belvo {
namespace {

TableModel MakeTable(int rows)
{
    TableModel table;
    table.SetColumns({{"obj.č.", 70}, {"název", 250}, {"cena", 80}});
    for (int i = 1; i <= rows; ++i) {
        const int row = table.AddRow();
        table.Cell(row, 0).text = "R" + std::to_string(i);
        table.Cell(row, 1).text = "Belvo";
        table.Cell(row, 2).text = "1 234,50";
        table.Cell(row, 2).align = CellAlign::Right;
    }
    return table;
}

TEST(TableCopy, HeaderRowOnEveryPageAndAFooter)
{
    const TableModel table = MakeTable(70);
    TableCopy copy(table, "15.5.2016 14:30");
    RecordingCanvas canvas;
    const int pages = canvas.PrintAll(copy);
    // 28700 high: the footer takes 800 and the header row 450, so 61 rows fit.
    EXPECT_EQ(copy.RowsPerPage(), 61);
    ASSERT_EQ(pages, 2);
    for (int page = 1; page <= 2; ++page) {
        const CanvasOp* header = canvas.FindText("název", page);
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->font.weight, 700);
        const CanvasOp* footer = canvas.FindText("Page " + std::to_string(page) + " of 2", page);
        ASSERT_NE(footer, nullptr);
        EXPECT_EQ(footer->font.weight, 700);
        EXPECT_EQ(footer->align, CanvasAlign::Left);
        const CanvasOp* date = canvas.FindText("15.5.2016 14:30", page);
        ASSERT_NE(date, nullptr);
        EXPECT_EQ(date->align, CanvasAlign::Right);
        EXPECT_EQ(date->box.top, footer->box.top);
    }
    EXPECT_NE(canvas.FindText("R61", 1), nullptr);
    EXPECT_EQ(canvas.FindText("R62", 1), nullptr);
    EXPECT_NE(canvas.FindText("R62", 2), nullptr);
    EXPECT_NE(canvas.FindText("R70", 2), nullptr);
    EXPECT_EQ(canvas.FindText("1 234,50")->align, CanvasAlign::Right);
    EXPECT_EQ(canvas.FindText("R1")->align, CanvasAlign::Left);
}

TEST(TableCopy, AWideTableIsNarrowedToThePage)
{
    TableModel table;
    table.SetColumns({{"a", 500}, {"b", 500}, {"c", 500}});  // 3 × 13000 natural width
    TableCopy copy(table, "");
    RecordingCanvas canvas;
    EXPECT_EQ(canvas.PrintAll(copy), 1);  // an empty table still prints its header
    int total = 0;
    for (const int w : copy.ColumnWidths()) total += w;
    EXPECT_LE(total, canvas.printableWidth);
    EXPECT_GT(total, canvas.printableWidth - 10);
    EXPECT_NE(canvas.FindText("Page 1 of 1"), nullptr);
}

}  // namespace
}  // namespace belvo
