// Reports a failure the way every command and calculation step does: the failure's own message
// (error icon), then the name of the failing operation with the caption (warning icon).
#pragma once

#include <exception>
#include <string>

namespace belvo {

class Ui;

// The caption of a failure's own message: the application's title, as the platform's standard
// error box shows it.
inline constexpr const char* kApplicationTitle = "Karno";
// The own message of a failure that carries no text of its own.
inline constexpr const char* kUnknownFailureText = "Unknown exception.";

// The failure's own message only (error icon); for the handlers that report nothing else.
void ReportOwnMessage(Ui& ui, const std::exception& failure);

void ReportFailure(Ui& ui, const std::exception& failure, const std::string& operation,
                   const std::string& caption = "Chyba");
// For a failure that is not a std::exception: "Unknown exception." as its own message.
void ReportUnknownFailure(Ui& ui, const std::string& operation, const std::string& caption = "Chyba");

// Runs `work`; a failure that escapes it is reported with `operation` and `caption` and then
// dropped, so the work done before the failure stays. Returns whether `work` ran to its end.
template <class Work>
bool RunReporting(Ui& ui, const std::string& operation, const std::string& caption, Work&& work)
{
    try {
        work();
        return true;
    } catch (const std::exception& failure) {
        ReportFailure(ui, failure, operation, caption);
    } catch (...) {
        ReportUnknownFailure(ui, operation, caption);
    }
    return false;
}

}  // namespace belvo
