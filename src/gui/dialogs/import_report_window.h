// The window "Nezpracované položky" of the Allplan import: the lines of the part list that made
// no element, in a read-only text, and "Ok". A modeless window owned by the main window: made on
// first need, its text replaced when it exists, and brought to the front.
#pragma once

#include <string>

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace belvo::gui {

class ImportReportWindow : public QDialog {
    Q_OBJECT
public:
    explicit ImportReportWindow(QWidget* owner);

    void SetText(const std::string& text);
    QPlainTextEdit* TextView() const { return m_text; }
    QPushButton* OkButton() const { return m_ok; }

private:
    QPlainTextEdit* m_text;
    QPushButton* m_ok;
};

// Shows `text` in the owner's report window, making the window when the owner has none yet.
// Returns the window (it lives as long as its owner).
ImportReportWindow* ShowImportReport(QWidget* owner, const std::string& text);

}  // namespace belvo::gui
