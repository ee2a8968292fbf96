// The program's pictures (placeholder until the icon set lands).
#pragma once

#include <QIcon>
#include <QString>

namespace belvo::gui {

QIcon TreeIcon(int picture);
QIcon ActionIcon(const QString& name);
QIcon ProgramIcon();

}  // namespace belvo::gui
