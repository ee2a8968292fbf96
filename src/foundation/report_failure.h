// Reports a failure the way every command and calculation step does: the failure's own message
// (error icon), then the name of the failing operation with the caption (warning icon).
#pragma once

#include <exception>
#include <string>

namespace belvo {

class Ui;

void ReportFailure(Ui& ui, const std::exception& failure, const std::string& operation,
                   const std::string& caption = "Chyba");
// For a failure that is not a std::exception: "Unknown exception." as its own message.
void ReportUnknownFailure(Ui& ui, const std::string& operation, const std::string& caption = "Chyba");

}  // namespace belvo
