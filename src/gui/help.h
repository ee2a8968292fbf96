// The program's manual (placeholder until it lands).
#pragma once

#include <QString>

namespace belvo::gui {

QString ManualFile();

}  // namespace belvo::gui
