#include "proposal/table_model.h"

#include <stdexcept>

namespace belvo {

void TableModel::SetColumns(std::vector<TableColumn> columns)
{
    m_columns = std::move(columns);
    for (auto& row : m_rows) row.resize(m_columns.size());
}

int TableModel::AddRow()
{
    m_rows.emplace_back(m_columns.size());
    return LastRow();
}

void TableModel::RemoveDataRows() { m_rows.clear(); }

bool TableModel::IsDataCell(int row, int column) const
{
    return row >= 1 && row <= LastRow() && column >= 0 && column < ColumnCount();
}

TableCell& TableModel::Cell(int row, int column)
{
    if (!IsDataCell(row, column)) throw std::out_of_range("table cell " + std::to_string(row) + "/" + std::to_string(column));
    return m_rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

const TableCell& TableModel::Cell(int row, int column) const
{
    return const_cast<TableModel*>(this)->Cell(row, column);
}

}  // namespace belvo
