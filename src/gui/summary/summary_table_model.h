// One of the summary's tables (items or pallets) as a Qt table model over the engine's cells:
// texts, alignment, background colours and which cells may be edited come from the engine's
// TableModel; an ended edit goes back to the engine, which recomputes. After every command the
// window calls Refresh, which tells the views exactly which cells now show something else and
// which rows were added, so only those are repainted.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <QAbstractTableModel>
#include <QColor>

namespace belvo {
class TableModel;
}

namespace belvo::gui {

// A colour of the engine (0x00BBGGRR, as the settings hold it) for Qt.
inline QColor BgrColor(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}

class SummaryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // `edit` receives the row (1 for the first data row) and column of a cell whose editing the
    // user ended, with the text typed; it is to pass it to the engine and let the window refresh.
    using EditHandler = std::function<void(int row, int column, const QString& text)>;
    SummaryTableModel(const TableModel& table, EditHandler edit, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Compares the engine's cells with what the views were last told and reports the
    // differences: changed cells (in as few ranges as there are runs of changed rows) and the
    // rows the engine appended.
    void Refresh();

    const TableModel& Table() const { return m_table; }

private:
    struct Shown {
        std::string text;
        std::uint32_t background = 0;
        bool operator==(const Shown&) const = default;
    };
    Shown ShownOf(int tableRow, int column) const;

    const TableModel& m_table;
    EditHandler m_edit;
    int m_rows = 0;              // data rows the views know of
    std::vector<Shown> m_shown;  // what they were told, row by row
};

}  // namespace belvo::gui
