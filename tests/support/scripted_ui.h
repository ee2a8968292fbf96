// ScriptedUi: the test double of Ui. It records every message and every question, and answers
// from queues that a test fills beforehand; with an empty queue it gives a neutral answer (the
// unattended answer of a message box, the preselected line, cancel for prompts and dialogs).
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui.h"

namespace belvo {

struct RecordedMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;

    friend bool operator==(const RecordedMessage&, const RecordedMessage&) = default;
};

struct RecordedFileDialog {
    std::string title;
    std::string filter;
    std::string initialPath;
};

struct RecordedChoice {
    std::string title;
    std::string prompt;
    std::vector<std::string> lines;
    std::optional<std::size_t> preselected;
};

class ScriptedUi : public Ui {
public:
    // Answers, consumed front first.
    std::deque<Answer> answers;
    std::deque<std::optional<std::size_t>> choices;
    std::deque<std::optional<std::string>> texts;
    std::deque<std::optional<std::string>> fileNames;
    std::deque<std::optional<Credentials>> credentials;
    std::deque<std::size_t> heights;  // lines chosen in height choices

    // What the engine asked, in order.
    std::vector<RecordedMessage> messages;
    std::vector<RecordedChoice> listChoices;
    std::vector<std::string> prompts;      // titles of text prompts and file dialogs
    std::vector<std::string> promptInitials;  // the texts the text prompts were filled with
    std::vector<RecordedFileDialog> fileDialogs;
    std::vector<std::string> credentialRequests;
    std::vector<TableDialog> tables;
    std::vector<RecordedChoice> heightChoices;
    int waitDepth = 0;
    int waitCount = 0;
    // Progress windows: the texts they opened with, every report (done, total), how many are
    // open, and the report at which the user presses "Storno" (1 for the first; none: never).
    std::vector<std::string> progressTexts;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> progressReports;
    int progressDepth = 0;
    std::optional<std::size_t> stopAtReport;

    Answer Message(const std::string& text, const std::string& caption, MessageIcon icon,
                   MessageButtons buttons = MessageButtons::Ok) override;
    std::optional<std::size_t> ChooseFromList(const std::string& title, const std::string& prompt,
                                              const std::vector<std::string>& lines,
                                              std::optional<std::size_t> preselected) override;
    std::optional<std::string> PromptText(const std::string& title, const std::string& prompt,
                                          const std::string& initial) override;
    std::optional<std::string> OpenFileName(const std::string& title, const std::string& filter,
                                            const std::string& initialPath) override;
    std::optional<std::string> SaveFileName(const std::string& title, const std::string& filter,
                                            const std::string& initialPath) override;
    std::optional<Credentials> AskCredentials(const std::string& where) override;
    void ShowTable(const TableDialog& table) override { tables.push_back(table); }
    std::size_t ChooseHeight(const std::string& prompt, const std::vector<std::string>& lines,
                             std::size_t preselected) override;
    void BeginWait() override;
    void EndWait() override;
    void BeginProgress(const std::string& text) override;
    bool ReportProgress(std::uint64_t done, std::uint64_t total) override;
    void EndProgress() override { --progressDepth; }

    // The recorded messages as "caption: text" lines, for compact expectations.
    std::vector<std::string> MessageLines() const;
};

}  // namespace belvo
