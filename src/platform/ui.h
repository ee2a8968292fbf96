// What the engine asks of the user: messages, choices, prompts, file dialogs, credentials,
// read-only tables and the wait cursor. The Qt adapter shows real dialogs; tests use ScriptedUi (tests/support).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "foundation/errors.h"

namespace belvo {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

struct Credentials {
    std::string user;
    std::string password;
};

// A read-only table shown in a dialog of its own, closed with "OK": a fixed heading row, an
// optional fixed leading column without text, one row per line of data and a note below. A
// window may let the user sort it by a column and, when the table names columns to search,
// narrow it to the rows that contain a typed text (catalogue/table_rows.h holds both rules).
struct TableDialog {
    struct Column {
        std::string header;
        int width = 0;        // pixels; a width of 1 hides the column in effect
        bool number = false;  // the cells are numbers: sorted by value, aligned right
    };
    std::string title;
    int leadingColumnWidth = 0;  // 0: no leading column
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;  // one text per column
    std::string note;                            // empty: none
    std::vector<std::size_t> filterColumns;      // the columns a typed text is looked for in; empty: no filter
};

// Raised by long work when the user has stopped it (Ui::ReportProgress answered true). The
// command that started the work catches it and leaves everything as it was before; it is never
// reported as a failure.
class OperationCancelled : public BelvoError {
public:
    OperationCancelled() : BelvoError("Přerušeno uživatelem.") {}
};

class Ui {
public:
    virtual ~Ui() = default;

    // A message box; returns the button the user pressed.
    virtual Answer Message(const std::string& text, const std::string& caption, MessageIcon icon,
                           MessageButtons buttons = MessageButtons::Ok) = 0;
    // A list to choose one line from; none when the user cancels.
    virtual std::optional<std::size_t> ChooseFromList(const std::string& title, const std::string& prompt,
                                                      const std::vector<std::string>& lines,
                                                      std::optional<std::size_t> preselected) = 0;
    // A one-line text prompt; none when the user cancels.
    virtual std::optional<std::string> PromptText(const std::string& title, const std::string& prompt,
                                                  const std::string& initial) = 0;
    // File dialogs. `filter` is "Description (*.ext)", several of them joined by ";;"; the save
    // dialog asks before it replaces a file. None when the user cancels.
    virtual std::optional<std::string> OpenFileName(const std::string& title, const std::string& filter,
                                                    const std::string& initialPath) = 0;
    virtual std::optional<std::string> SaveFileName(const std::string& title, const std::string& filter,
                                                    const std::string& initialPath) = 0;
    // Asked when a web server answers 401 or 407; none when the user cancels.
    virtual std::optional<Credentials> AskCredentials(const std::string& where) = 0;
    // Shows a table until the user closes it. Without a table of its own, a Ui shows the note,
    // the headings and the rows as the text of a message, a tab between cells.
    virtual void ShowTable(const TableDialog& table)
    {
        std::string text = table.note;
        const auto addLine = [&](const auto& cells) {
            if (!text.empty()) text += '\n';
            for (std::size_t i = 0; i < cells.size(); ++i) text += (i > 0 ? "\t" : "") + cells[i];
        };
        std::vector<std::string> headers;
        for (const TableDialog::Column& column : table.columns) headers.push_back(column.header);
        addLine(headers);
        for (const std::vector<std::string>& row : table.rows) addLine(row);
        Message(text, table.title, MessageIcon::None);
    }
    // The height choice of a form whose height must be a whole number of courses (caption
    // "Validace"): the prompt and the offered heights, one of them preselected. The user cannot
    // leave it without a height: cancelling keeps the selected line. Returns the chosen line.
    virtual std::size_t ChooseHeight(const std::string& prompt, const std::vector<std::string>& lines,
                                     std::size_t preselected)
    {
        (void)prompt;
        (void)lines;
        return preselected;
    }
    // The wait cursor; calls nest.
    virtual void BeginWait() = 0;
    virtual void EndWait() = 0;
    // Long work that can take seconds (a database import, a download): BeginProgress before it,
    // ReportProgress now and then with what has been done of how much (total 0 when unknown),
    // EndProgress after it (ProgressScope does all three). ReportProgress answers true when the
    // user asked to stop. Calls nest. A Ui without a progress window never stops the work.
    virtual void BeginProgress(const std::string& text) { (void)text; }
    virtual bool ReportProgress(std::uint64_t done, std::uint64_t total)
    {
        (void)done;
        (void)total;
        return false;
    }
    virtual void EndProgress() {}
};

// Long work's progress for the lifetime of the object; Report raises OperationCancelled when the
// user has stopped the work.
class ProgressScope {
public:
    ProgressScope(Ui& ui, const std::string& text) : m_ui(ui) { m_ui.BeginProgress(text); }
    ~ProgressScope() { m_ui.EndProgress(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void Report(std::uint64_t done, std::uint64_t total = 0)
    {
        if (m_ui.ReportProgress(done, total)) throw OperationCancelled();
    }

private:
    Ui& m_ui;
};

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
public:
    explicit WaitCursor(Ui& ui) : m_ui(ui) { m_ui.BeginWait(); }
    ~WaitCursor() { m_ui.EndWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Ui& m_ui;
};

}  // namespace belvo
