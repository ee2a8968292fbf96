#include "gui/summary/summary_table_view.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>

#include "gui/summary/summary_table_model.h"
#include "proposal/table_model.h"

namespace belvo::gui {

SummaryTableView::SummaryTableView(SummaryTableModel& model, QWidget* parent) : QTableView(parent)
{
    setModel(&model);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    // The table's widths, widened where the header's text would not fit in this font.
    const auto& columns = model.Table().Columns();
    const QFontMetrics header(horizontalHeader()->font());
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        const auto& shown = columns[static_cast<std::size_t>(column)];
        const int needed = header.horizontalAdvance(QString::fromStdString(shown.header)) + 12;
        setColumnWidth(column, std::max(shown.width, needed));
    }
    horizontalHeader()->setStretchLastSection(false);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
}

void SummaryTableView::EndEditing()
{
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

int SummaryTableView::FocusedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

QString SummaryTableView::SelectedText() const
{
    const QModelIndexList selected = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    if (selected.isEmpty()) return {};
    int top = selected.front().row(), bottom = top, left = selected.front().column(), right = left;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    QString text;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            if (column > left) text += QLatin1Char('\t');
            const QModelIndex index = model()->index(row, column);
            if (selectionModel()->isSelected(index)) text += index.data().toString();
        }
        text += QLatin1Char('\n');
    }
    return text;
}

void SummaryTableView::MoveFocus(int rows, int columns)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    const int row = std::clamp(current.row() + rows, 0, model()->rowCount() - 1);
    const int column = std::clamp(current.column() + columns, 0, model()->columnCount() - 1);
    setCurrentIndex(model()->index(row, column));
}

void SummaryTableView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(SelectedText());
        event->accept();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != QAbstractItemView::EditingState &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        MoveFocus(1, 0);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void SummaryTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // The delegate asks for the next or previous cell after Tab and for the model's cache to be
    // submitted after Enter; here Tab moves the focus mark right and Enter down, without
    // opening an editor there, as in a spreadsheet.
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    switch (hint) {
    case QAbstractItemDelegate::SubmitModelCache: MoveFocus(1, 0); break;
    case QAbstractItemDelegate::EditNextItem: MoveFocus(0, 1); break;
    case QAbstractItemDelegate::EditPreviousItem: MoveFocus(0, -1); break;
    default: break;
    }
}

}  // namespace belvo::gui
