// A grid of text cells with one fixed header row (row 0), as the summary window shows its two
// tables: per cell a text, an alignment, whether the user may edit it, a background colour and
// an integer of data (the number of decimals of the value shown). The engine reads and writes
// the cells exactly as the window's tables do; the desktop window only mirrors them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace belvo {

enum class CellAlign { Left, Right };

// The background a cell has when nothing set one: the table's own.
inline constexpr std::uint32_t kTableBackground = 0xFFFFFFFFu;

struct TableCell {
    std::string text;
    CellAlign align = CellAlign::Left;
    bool editable = false;
    std::uint32_t background = kTableBackground;  // colour 0x00BBGGRR
    int data = 0;
};

struct TableColumn {
    std::string header;
    int width = 0;  // pixels
};

class TableModel {
public:
    // Sets the header row; rows already present keep their cells and are cut or padded to fit.
    void SetColumns(std::vector<TableColumn> columns);
    const std::vector<TableColumn>& Columns() const { return m_columns; }
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    // Rows including the header row 0; the first data row is 1.
    int RowCount() const { return static_cast<int>(m_rows.size()) + 1; }
    int LastRow() const { return static_cast<int>(m_rows.size()); }

    // Appends an empty data row and returns its number.
    int AddRow();
    void RemoveDataRows();

    bool IsDataCell(int row, int column) const;
    // A data cell; throws std::out_of_range for the header row or a cell outside the table.
    TableCell& Cell(int row, int column);
    const TableCell& Cell(int row, int column) const;
    const std::string& Text(int row, int column) const { return Cell(row, column).text; }
    void SetText(int row, int column, std::string text) { Cell(row, column).text = std::move(text); }

private:
    std::vector<TableColumn> m_columns;
    std::vector<std::vector<TableCell>> m_rows;  // data rows; index 0 is row 1
};

}  // namespace belvo
