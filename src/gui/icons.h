// The program's own pictures, compiled in as Qt resources: the tree pictures by picture index,
// the toolbar pictures of the commands that insert no element, and the program icon.
#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

namespace belvo::gui {

// The picture of a tree item by its picture index (0 project, 1 group, 2 "Návrhy", 3 wall, the
// element kinds' own indices, 24 and 25 saved proposals of the whole project and of a part);
// an index that no element uses gets a neutral picture.
QIcon TreeIcon(int picture);

// The picture of a command: "new", "open", "save", "pricelist", "proposal-quick",
// "proposal-selection", "proposal-whole", "wall-copy", "delete", "help", "about",
// "calculator". An unknown name gives a null icon. The insert commands show the tree picture
// of the element they insert (TreeIcon).
QIcon ActionIcon(const QString& name);
QStringList ActionIconNames();

// The program's icon (windows, the about box; installed as the desktop icon too).
QIcon ProgramIcon();

// The resource path of a tree picture (the neutral picture for an unused index).
QString TreeIconPath(int picture);
// The picture indices that have a picture of their own.
QList<int> TreePictureIndices();

}  // namespace belvo::gui
