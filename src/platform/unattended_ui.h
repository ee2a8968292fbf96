// The Ui where nobody is there to answer (the batch tool, benchmarks, test doubles): every
// question gets the answer that lets the operation go on without a person.
#pragma once

#include "platform/ui.h"

namespace belvo {

// The button an unattended message box answers with: the first one, except that Retry/Cancel
// is cancelled, since retrying without a person never ends.
inline Answer UnattendedAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel: return Answer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: return Answer::Yes;
    case MessageButtons::RetryCancel: return Answer::Cancel;
    }
    return Answer::Ok;
}

// Messages are answered with UnattendedAnswer, a list choice takes the line the dialog would
// preselect (the first when none is), prompts, file dialogs and credentials are cancelled, and
// there is no wait cursor. Derived classes override what they record or answer otherwise.
class UnattendedUi : public Ui {
public:
    Answer Message(const std::string&, const std::string&, MessageIcon, MessageButtons buttons) override
    {
        return UnattendedAnswer(buttons);
    }
    std::optional<std::size_t> ChooseFromList(const std::string&, const std::string&, const std::vector<std::string>& lines,
                                              std::optional<std::size_t> preselected) override
    {
        if (lines.empty()) return std::nullopt;
        return preselected.value_or(0);
    }
    std::optional<std::string> PromptText(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> OpenFileName(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> SaveFileName(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<Credentials> AskCredentials(const std::string&) override { return std::nullopt; }
    void BeginWait() override {}
    void EndWait() override {}
};

}  // namespace belvo
