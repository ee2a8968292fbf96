#include "gui/dialogs/import_report_window.h"

namespace belvo::gui {

void ShowImportReport(QWidget*, const std::string&) {}

}  // namespace belvo::gui
