// "Opis tabulky": the item table of the summary printed as the table itself looks, page by page:
// the header row on every page, the cells with their alignment and a grid, and a footer with a
// rule, "Page n of m" on the left and the date and time of printing on the right.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace belvo {

class TableModel;

class TableCopy : public PagedDocument {
public:
    // `printedAt` is the text of the footer's right-hand side. The table must outlive the job.
    TableCopy(const TableModel& table, std::string printedAt);

    int Begin(Canvas& canvas) override;
    void PrintPage(Canvas& canvas, int page) override;

    int RowsPerPage() const { return m_rowsPerPage; }
    // The printed width of each column; the table's pixel widths scaled to the page.
    const std::vector<int>& ColumnWidths() const { return m_widths; }

    static constexpr int kRowHeight = 450;
    static constexpr int kFooterHeight = 800;

private:
    void DrawRow(Canvas& canvas, int row, int top, bool header) const;

    const TableModel& m_table;
    std::string m_printedAt;
    std::vector<int> m_widths;
    int m_width = 0;
    int m_height = 0;
    int m_rowsPerPage = 1;
    int m_pageCount = 1;
};

}  // namespace belvo
