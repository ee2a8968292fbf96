// A table of the summary window with the habits of a spreadsheet: typing into an editable cell
// starts editing it (the typed text replaces what it showed), Enter commits and moves down, Tab
// commits and moves right, Esc cancels the edit, and Ctrl+C copies the selected cells as
// tab-separated text. Column widths follow the engine's table.
#pragma once

#include <QString>
#include <QTableView>

namespace belvo::gui {

class SummaryTableModel;

class SummaryTableView : public QTableView {
    Q_OBJECT
public:
    explicit SummaryTableView(SummaryTableModel& model, QWidget* parent = nullptr);

    // Ends an open edit as if the user had left the cell: the typed text goes to the engine.
    void EndEditing();
    // The data row (1 for the first) of the focused cell; 0 when no cell has the focus mark.
    int FocusedRow() const;
    // The selected cells as tab-separated lines, as Ctrl+C puts them on the clipboard.
    QString SelectedText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // Makes the cell `rows` down and `columns` to the right of the focused one the focused one.
    void MoveFocus(int rows, int columns);
};

}  // namespace belvo::gui
