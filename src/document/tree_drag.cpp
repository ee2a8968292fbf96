#include "document/tree_drag.h"

#include <algorithm>
#include <memory>

#include "document/belvo_doc.h"
#include "model/element.h"

namespace belvo {

namespace {
// The project (0) and groups (1) take elements; "Návrhy" (2) never shares a top-level item with
// an element.
constexpr int kLastContainerPicture = 2;

bool Uvnitr(const ProjectTree& tree, TreeItem item, TreeItem ancestor)
{
    for (TreeItem current = item; current != kNoTreeItem; current = tree.Parent(current))
        if (current == ancestor) return true;
    return false;
}
}  // namespace

bool LzeTahnout(const CBelvoDoc& doc, TreeItem item)
{
    const ProjectTree& tree = doc.Tree();
    if (!tree.Exists(item)) return false;
    const TreeItem parent = tree.Parent(item);
    return parent != kNoTreeItem && tree.Picture(parent) < 2 && dynamic_cast<CPrvek*>(tree.Data(item)) != nullptr;
}

TreeItem CilPretazeni(const CBelvoDoc& doc, TreeItem dragged, TreeItem over)
{
    const ProjectTree& tree = doc.Tree();
    if (!tree.Exists(over) || !tree.Exists(dragged)) return kNoTreeItem;
    if (over == dragged || over == tree.Parent(dragged)) return kNoTreeItem;
    if (tree.TopLevelAncestor(over) != tree.TopLevelAncestor(dragged)) return kNoTreeItem;
    TreeItem target = over;
    while (target != kNoTreeItem && tree.Picture(target) > kLastContainerPicture) target = tree.Parent(target);
    return target;
}

bool LzePresunout(const CBelvoDoc& doc, TreeItem dragged, TreeItem target)
{
    const ProjectTree& tree = doc.Tree();
    return LzeTahnout(doc, dragged) && tree.Exists(target) && tree.Picture(target) <= 1 &&
           !Uvnitr(tree, target, dragged);
}

bool Pretahni(CBelvoDoc& doc, TreeItem dragged, TreeItem target)
{
    ProjectTree& tree = doc.Tree();
    if (!LzePresunout(doc, dragged, target)) return false;
    auto* element = dynamic_cast<CPrvek*>(tree.Data(dragged));
    auto* from = dynamic_cast<CPrvek*>(tree.Data(tree.Parent(dragged)));
    auto* to = dynamic_cast<CPrvek*>(tree.Data(target));
    if (element == nullptr || from == nullptr || to == nullptr) return false;
    const auto found = std::find_if(from->Prvky.begin(), from->Prvky.end(),
                                    [&](const auto& child) { return child.get() == element; });
    if (found == from->Prvky.end()) return false;

    std::unique_ptr<CPrvek> moved = std::move(*found);
    from->Prvky.erase(found);
    tree.Delete(dragged);
    to->Prvky.push_back(std::move(moved));
    element->VlozDoStromu(tree, target);
    tree.Select(element->hItem);
    doc.SetModifiedFlag();
    doc.Views().treeView.Redraw();
    return true;
}

}  // namespace belvo
