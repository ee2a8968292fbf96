// The Ui of the batch tool: nobody is there to answer, so a message is written to standard error
// as "caption: text", kept for the JSON output, and answered with its first button; a list
// choice takes the line the dialog would preselect; prompts and file dialogs are cancelled.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace belvo::cli {

struct ShownMessage {
    std::string caption;
    std::string text;
};

class CliUi : public Ui {
public:
    explicit CliUi(std::ostream& log) : m_log(log) {}

    const std::vector<ShownMessage>& Messages() const { return m_messages; }

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
    void BeginWait() override {}
    void EndWait() override {}

private:
    std::ostream& m_log;
    std::vector<ShownMessage> m_messages;
};

}  // namespace belvo::cli
