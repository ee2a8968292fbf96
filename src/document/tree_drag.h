// Moving an element in the project tree by dragging it with the mouse: which items may be
// dragged, where a dragged item may be dropped, and the move itself. The desktop tree view asks
// these while the user drags; the tree and the project change only on the drop.
#pragma once

#include "model/tree_model.h"

namespace belvo {

class CBelvoDoc;

// An item may be dragged when it stands directly in the project or in a group (so not the project
// itself, nothing under "Návrhy", and nothing inside a wall such as its lintels).
bool LzeTahnout(const CBelvoDoc& doc, TreeItem item);

// The item that would take `dragged` when it is let go over `over`: `over` itself or its nearest
// ancestor that is the project or a group. None over no item, over the dragged item or its
// parent, and over another top-level item than the dragged one's (the project's elements never
// move under "Návrhy").
TreeItem CilPretazeni(const CBelvoDoc& doc, TreeItem dragged, TreeItem over);

// Whether dropping `dragged` on `target` would move it: the item may be dragged, and the target
// is the project or a group outside the dragged item's subtree. While dragging, the view shows
// the drop as allowed only then (a drop that would do nothing is not offered).
bool LzePresunout(const CBelvoDoc& doc, TreeItem dragged, TreeItem target);

// Drops `dragged` on `target`: the element leaves its parent's children and becomes the last
// child of the target's element, its item (with the items of its subtree) moves below the target
// item, the new item is selected and the document becomes modified. Nothing happens without a
// target, for a target that is no project or group, for the dragged item itself, for a target
// inside the dragged item's subtree, and for an item that may not be dragged. Returns whether the element moved.
bool Pretahni(CBelvoDoc& doc, TreeItem dragged, TreeItem target);

}  // namespace belvo
