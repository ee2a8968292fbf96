#include "proposal/table_copy.h"

#include <algorithm>
#include <cstdio>

#include "proposal/table_model.h"

namespace belvo {

namespace {

constexpr int kUnitsPerPixel = 26;  // a screen pixel of 96 dpi is 0.26 mm
constexpr int kPadding = 60;
const CanvasFont kCellFont{"Arial", 300, 0, 400};
const CanvasFont kHeaderFont{"Arial", 300, 0, 700};
const CanvasFont kFooterFont{"Arial", 300, 0, 700};
constexpr CanvasPen kGrid{5, 0xC0C0C0};
constexpr CanvasPen kRule{10, 0x000000};

}  // namespace

TableCopy::TableCopy(const TableModel& table, std::string printedAt)
    : m_table(table), m_printedAt(std::move(printedAt))
{
}

int TableCopy::Begin(Canvas& canvas)
{
    m_width = canvas.PrintableWidth();
    m_height = canvas.PrintableHeight();

    // The columns keep their proportions; a table wider than the page is narrowed to fit.
    long long natural = 0;
    for (const TableColumn& column : m_table.Columns()) natural += std::max(0, column.width) * kUnitsPerPixel;
    m_widths.clear();
    for (const TableColumn& column : m_table.Columns()) {
        long long w = static_cast<long long>(std::max(0, column.width)) * kUnitsPerPixel;
        if (natural > m_width && natural > 0) w = w * m_width / natural;
        m_widths.push_back(static_cast<int>(w));
    }

    m_rowsPerPage = std::max(1, (m_height - kFooterHeight - kRowHeight) / kRowHeight);
    const int rows = m_table.LastRow();
    m_pageCount = std::max(1, (rows + m_rowsPerPage - 1) / m_rowsPerPage);
    return m_pageCount;
}

void TableCopy::DrawRow(Canvas& canvas, int row, int top, bool header) const
{
    int left = 0;
    for (int column = 0; column < static_cast<int>(m_widths.size()); ++column) {
        const int right = left + m_widths[static_cast<std::size_t>(column)];
        const CanvasRect box{left + kPadding, top + 50, right - kPadding, top + kRowHeight};
        if (header) {
            canvas.DrawText(m_table.Columns()[static_cast<std::size_t>(column)].header, box, CanvasAlign::Center,
                            kHeaderFont);
        } else {
            const TableCell& cell = m_table.Cell(row, column);
            canvas.DrawText(cell.text, box, cell.align == CellAlign::Right ? CanvasAlign::Right : CanvasAlign::Left,
                            kCellFont);
        }
        canvas.DrawLine(right, top, right, top + kRowHeight, kGrid);
        left = right;
    }
    canvas.DrawLine(0, top + kRowHeight, left, top + kRowHeight, kGrid);
}

void TableCopy::PrintPage(Canvas& canvas, int page)
{
    canvas.SetOrigin(0, 0);
    int tableWidth = 0;
    for (const int w : m_widths) tableWidth += w;

    canvas.DrawLine(0, 0, tableWidth, 0, kGrid);
    canvas.DrawLine(0, 0, 0, kRowHeight, kGrid);
    DrawRow(canvas, 0, 0, true);
    const int first = (page - 1) * m_rowsPerPage + 1;
    const int last = std::min(m_table.LastRow(), page * m_rowsPerPage);
    int top = kRowHeight;
    for (int row = first; row <= last; ++row) {
        canvas.DrawLine(0, top, 0, top + kRowHeight, kGrid);
        DrawRow(canvas, row, top, false);
        top += kRowHeight;
    }

    const int footerTop = m_height - kFooterHeight;
    canvas.DrawLine(0, footerTop + 100, m_width, footerTop + 100, kRule);
    char pageText[64];
    std::snprintf(pageText, sizeof pageText, "Page %d of %d", page, m_pageCount);
    canvas.DrawText(pageText, {0, footerTop + 250, m_width / 2, footerTop + 650}, CanvasAlign::Left, kFooterFont);
    canvas.DrawText(m_printedAt, {m_width / 2, footerTop + 250, m_width, footerTop + 650}, CanvasAlign::Right,
                    kFooterFont);
}

}  // namespace belvo
