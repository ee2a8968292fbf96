// The window of a read-only table (the price-list view "Seznam materiálu", the report of missing
// materials): the table under its fixed heading row, sortable by a click on a heading; a filter
// field above it when the table names columns to search; the note and "OK" below. The engine's
// TableRows decides which rows show in which order; the window only asks.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>

#include "catalogue/table_rows.h"

class QLineEdit;
class QTableView;

namespace belvo::gui {

// A table model over TableRows of the table it holds.
class TableRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TableRowsModel(TableDialog table, Separators separators, QObject* parent = nullptr);

    const TableDialog& Table() const { return m_table; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // A column below 0 is the table's own order.
    void sort(int column, Qt::SortOrder order) override;

    void SetFilter(const QString& text);

private:
    TableDialog m_table;  // before the rows, which refer to it
    TableRows m_rows;
};

class TableWindow : public QDialog {
    Q_OBJECT
public:
    TableWindow(TableDialog table, Separators separators, QWidget* parent = nullptr);

    QLineEdit* FilterField() const { return m_filter; }  // null when the table has no filter
    QTableView* Table() const { return m_view; }
    TableRowsModel* Model() const { return m_model; }

private:
    TableRowsModel* m_model = nullptr;
    QTableView* m_view = nullptr;
    QLineEdit* m_filter = nullptr;
};

}  // namespace belvo::gui
