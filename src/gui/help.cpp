#include "gui/help.h"

namespace belvo::gui {

QString ManualFile() { return {}; }

}  // namespace belvo::gui
