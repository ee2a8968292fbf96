// What the engine asks of the user: messages, choices, prompts, file dialogs, credentials,
// read-only tables and the wait cursor. The Qt adapter shows real dialogs; tests use ScriptedUi (tests/support).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace belvo {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

struct Credentials {
    std::string user;
    std::string password;
};

// A read-only table shown in a dialog of its own, closed with "OK": a fixed heading row, an
// optional fixed leading column without text, one row per line of data and a note below.
struct TableDialog {
    struct Column {
        std::string header;
        int width = 0;  // pixels; a width of 1 hides the column in effect
    };
    std::string title;
    int leadingColumnWidth = 0;  // 0: no leading column
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;  // one text per column
    std::string note;                            // empty: none
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
