#include "cli/cli_ui.h"

namespace belvo::cli {

Answer CliUi::Message(const std::string& text, const std::string& caption, MessageIcon, MessageButtons buttons)
{
    m_messages.push_back({caption, text});
    m_log << caption << ": " << text << '\n';
    switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel: return Answer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: return Answer::Yes;
    case MessageButtons::RetryCancel: return Answer::Cancel;  // retrying without a person never ends
    }
    return Answer::Ok;
}

std::optional<std::size_t> CliUi::ChooseFromList(const std::string&, const std::string&,
                                                 const std::vector<std::string>& lines,
                                                 std::optional<std::size_t> preselected)
{
    if (lines.empty()) return std::nullopt;
    return preselected.value_or(0);
}

std::optional<std::string> CliUi::PromptText(const std::string&, const std::string&, const std::string&)
{
    return std::nullopt;
}

std::optional<std::string> CliUi::OpenFileName(const std::string&, const std::string&, const std::string&)
{
    return std::nullopt;
}

std::optional<std::string> CliUi::SaveFileName(const std::string&, const std::string&, const std::string&)
{
    return std::nullopt;
}

std::optional<Credentials> CliUi::AskCredentials(const std::string&) { return std::nullopt; }

}  // namespace belvo::cli
