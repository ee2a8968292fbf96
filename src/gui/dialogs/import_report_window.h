// The window "Nezpracované položky" (placeholder until it lands).
#pragma once

#include <string>

class QWidget;

namespace belvo::gui {

void ShowImportReport(QWidget* owner, const std::string& text);

}  // namespace belvo::gui
