#include "gui/summary/summary_table_model.h"

#include <algorithm>


#include "gui/qt_text.h"
#include "proposal/table_model.h"

namespace belvo::gui {

SummaryTableModel::SummaryTableModel(const TableModel& table, EditHandler edit, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_edit(std::move(edit)), m_rows(table.LastRow())
{
    const int columns = m_table.ColumnCount();
    m_shown.reserve(static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(columns));
    for (int row = 1; row <= m_rows; ++row)
        for (int column = 0; column < columns; ++column) m_shown.push_back(ShownOf(row, column));
}

SummaryTableModel::Shown SummaryTableModel::ShownOf(int tableRow, int column) const
{
    const TableCell& cell = m_table.Cell(tableRow, column);
    return Shown{cell.text, cell.background};
}

int SummaryTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int SummaryTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.ColumnCount();
}

QVariant SummaryTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.row() >= m_table.LastRow()) return {};
    const TableCell& cell = m_table.Cell(index.row() + 1, index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return Qs(cell.text);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (cell.align == CellAlign::Right ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::BackgroundRole:
        if (cell.background == kTableBackground) return {};
        return BgrColor(cell.background);
    case Qt::ForegroundRole:
        // Coloured backgrounds are light; their text stays dark also under a dark theme.
        if (cell.background == kTableBackground) return {};
        return QColor(Qt::black);
    default: return {};
    }
}

QVariant SummaryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_table.ColumnCount()) return {};
    if (role == Qt::DisplayRole) return Qs(m_table.Columns()[static_cast<std::size_t>(section)].header);
    return {};
}

Qt::ItemFlags SummaryTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= m_rows || index.row() >= m_table.LastRow()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_table.Cell(index.row() + 1, index.column()).editable) flags |= Qt::ItemIsEditable;
    return flags;
}

bool SummaryTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    m_edit(index.row() + 1, index.column(), value.toString());
    return true;
}

void SummaryTableModel::Refresh()
{
    const int columns = m_table.ColumnCount();
    const int rows = m_table.LastRow();
    if (rows < m_rows) {
        beginRemoveRows(QModelIndex(), rows, m_rows - 1);
        m_shown.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
        m_rows = rows;
        endRemoveRows();
    }
    // A run of rows with changes, and the columns that changed in any of them.
    int firstRow = -1, lastRow = -1, firstColumn = columns, lastColumn = -1;
    const auto flush = [&] {
        if (firstRow >= 0) emit dataChanged(index(firstRow, firstColumn), index(lastRow, lastColumn));
        firstRow = lastRow = lastColumn = -1;
        firstColumn = columns;
    };
    for (int row = 0; row < m_rows; ++row) {
        int changedFrom = columns, changedTo = -1;
        for (int column = 0; column < columns; ++column) {
            const TableCell& cell = m_table.Cell(row + 1, column);
            Shown& shown = m_shown[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(column)];
            if (cell.text == shown.text && cell.background == shown.background) continue;
            shown = Shown{cell.text, cell.background};
            changedFrom = std::min(changedFrom, column);
            changedTo = column;
        }
        if (changedTo < 0) {
            flush();
            continue;
        }
        if (firstRow < 0) firstRow = row;
        lastRow = row;
        firstColumn = std::min(firstColumn, changedFrom);
        lastColumn = std::max(lastColumn, changedTo);
    }
    flush();

    if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, rows - 1);
        for (int row = m_rows + 1; row <= rows; ++row)
            for (int column = 0; column < columns; ++column) m_shown.push_back(ShownOf(row, column));
        m_rows = rows;
        endInsertRows();
    }
}

}  // namespace belvo::gui
