#include "cli/cli_ui.h"

namespace belvo::cli {

Answer CliUi::Message(const std::string& text, const std::string& caption, MessageIcon, MessageButtons buttons)
{
    m_messages.push_back({caption, text});
    m_log << caption << ": " << text << '\n';
    return UnattendedAnswer(buttons);
}

}  // namespace belvo::cli
