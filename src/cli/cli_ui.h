// The Ui of the batch tool: nobody is there to answer, so a message is written to standard error
// as "caption: text", kept for the JSON output, and answered as an unattended one; every other
// question gets the unattended answer too.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/unattended_ui.h"

namespace belvo::cli {

struct ShownMessage {
    std::string caption;
    std::string text;
};

class CliUi : public UnattendedUi {
public:
    explicit CliUi(std::ostream& log) : m_log(log) {}

    const std::vector<ShownMessage>& Messages() const { return m_messages; }

    Answer Message(const std::string& text, const std::string& caption, MessageIcon icon,
                   MessageButtons buttons = MessageButtons::Ok) override;

private:
    std::ostream& m_log;
    std::vector<ShownMessage> m_messages;
};

}  // namespace belvo::cli
