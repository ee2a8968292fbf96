#include "platform/report_failure.h"

#include "platform/ui.h"

namespace belvo {

namespace {
std::string OwnText(const std::exception& failure)
{
    const char* text = failure.what();
    return text != nullptr && *text != '\0' ? std::string(text) : std::string(kUnknownFailureText);
}
}  // namespace

void ReportOwnMessage(Ui& ui, const std::exception& failure)
{
    ui.Message(OwnText(failure), kApplicationTitle, MessageIcon::Error);
}

void ReportFailure(Ui& ui, const std::exception& failure, const std::string& operation, const std::string& caption)
{
    ReportOwnMessage(ui, failure);
    ui.Message(operation, caption, MessageIcon::Warning);
}

void ReportUnknownFailure(Ui& ui, const std::string& operation, const std::string& caption)
{
    ui.Message(kUnknownFailureText, kApplicationTitle, MessageIcon::Error);
    ui.Message(operation, caption, MessageIcon::Warning);
}

}  // namespace belvo
