#include "model/element.h"

namespace belvo {

TreeItem CPrvek::VlozDoStromu(ProjectTree& tree, TreeItem parent)
{
    hItem = tree.Insert(parent, TreeLabel(), TreePicture(), this);
    if (hItem == kNoTreeItem) return kNoTreeItem;
    for (const auto& child : Prvky)
        if (child->VlozDoStromu(tree, hItem) == kNoTreeItem) return kNoTreeItem;
    return hItem;
}

void CPrvek::ChildrenVypocetPolozek(CNavrh& navrh, const MaterialList& materials, const std::string& label,
                                    CalcContext& context)
{
    for (const auto& child : Prvky) child->VypocetPolozek(navrh, materials, label, context);
}

void CPrvek::ChildrenKontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                                    const MaterialList& materials) const
{
    for (const auto& child : Prvky) child->KontrolaCeniku(missing, path, materials);
}

}  // namespace belvo
