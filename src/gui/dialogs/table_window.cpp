#include "gui/dialogs/table_window.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace belvo::gui {

TableRowsModel::TableRowsModel(TableDialog table, Separators separators, QObject* parent)
    : QAbstractTableModel(parent), m_table(std::move(table)), m_rows(m_table, std::move(separators))
{
}

int TableRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.Count());
}

int TableRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.columns.size());
}

QVariant TableRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return Qs(m_rows.Cell(static_cast<std::size_t>(index.row()), column));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (m_table.columns[column].number ? Qt::AlignRight : Qt::AlignLeft));
    default: return {};
    }
}

QVariant TableRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The leading column is a plain fixed column without text.
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section >= columnCount()) return {};
    return Qs(m_table.columns[static_cast<std::size_t>(section)].header);
}

void TableRowsModel::sort(int column, Qt::SortOrder order)
{
    beginResetModel();
    m_rows.SortBy(column < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(column)),
                  order == Qt::DescendingOrder);
    endResetModel();
}

void TableRowsModel::SetFilter(const QString& text)
{
    beginResetModel();
    m_rows.SetFilter(Us(text));
    endResetModel();
}

TableWindow::TableWindow(TableDialog table, Separators separators, QWidget* parent) : QDialog(parent)
{
    m_model = new TableRowsModel(std::move(table), std::move(separators), this);
    const TableDialog& shown = m_model->Table();
    setWindowTitle(Qs(shown.title));
    auto* layout = new QVBoxLayout(this);

    m_view = new QTableView(this);
    m_model->setParent(m_view);  // the view goes before the model it shows
    m_view->setAccessibleName(Qs(shown.title));

    if (!shown.filterColumns.empty()) {
        // The filter names the columns it searches.
        QStringList searched;
        for (std::size_t column : shown.filterColumns)
            if (column < shown.columns.size()) searched << Qs(shown.columns[column].header);
        auto* row = new QHBoxLayout();
        auto* label = new QLabel(QStringLiteral("&Hledat"), this);
        m_filter = new QLineEdit(this);
        m_filter->setAccessibleName(QStringLiteral("Hledat"));
        m_filter->setPlaceholderText(searched.join(QStringLiteral(", ")));
        m_filter->setClearButtonEnabled(true);
        label->setBuddy(m_filter);
        row->addWidget(label);
        row->addWidget(m_filter, 1);
        layout->addLayout(row);
        connect(m_filter, &QLineEdit::textChanged, m_model, &TableRowsModel::SetFilter);
    }

    m_view->setModel(m_model);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setWordWrap(false);
    QHeaderView* rows = m_view->verticalHeader();
    rows->setVisible(shown.leadingColumnWidth > 0);
    rows->setFixedWidth(shown.leadingColumnWidth);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    QHeaderView* headings = m_view->horizontalHeader();
    headings->setSectionsClickable(true);
    headings->setSortIndicatorClearable(true);  // a third click gives the table's own order back
    headings->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setSortingEnabled(true);
    for (int c = 0; c < static_cast<int>(shown.columns.size()); ++c) {
        const TableDialog::Column& column = shown.columns[static_cast<std::size_t>(c)];
        if (column.width <= 1) {
            m_view->setColumnHidden(c, true);
            continue;
        }
        // The table's width, or more where the heading in this font needs it.
        const int heading = headings->fontMetrics().horizontalAdvance(Qs(column.header)) + 2 * headings->fontMetrics().height();
        m_view->setColumnWidth(c, std::max(column.width, heading));
    }
    layout->addWidget(m_view, 1);

    if (!shown.note.empty()) {
        auto* note = new QLabel(MessageText(shown.note), this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setAccessibleName(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    // Over the window it belongs to: 20 lower, as wide and 20 less high.
    if (QWidget* owner = parent != nullptr ? parent->window() : nullptr; owner != nullptr && owner->isVisible()) {
        const QRect frame = owner->geometry();
        setGeometry(frame.x(), frame.y() + 20, frame.width(), std::max(200, frame.height() - 20));
    } else {
        resize(900, 500);
    }
    if (m_filter != nullptr) m_filter->setFocus();
}

}  // namespace belvo::gui
