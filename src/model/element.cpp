#include "model/element.h"

#include "model/form_model.h"
#include "model/najdi_material.h"

namespace belvo {

const CRuntimeClass CPrvek::classInfo{"CPrvek", 0, nullptr, nullptr};

std::unique_ptr<FormModel> CPrvek::VytvorDialog(FormHost&) { return nullptr; }

TreeItem CPrvek::VlozDoStromu(ProjectTree& tree, TreeItem parent)
{
    hItem = tree.Insert(parent, TreeLabel(tree.NumberSeparators()), TreePicture(), this);
    if (hItem == kNoTreeItem) return kNoTreeItem;
    for (const auto& child : Prvky)
        if (child->VlozDoStromu(tree, hItem) == kNoTreeItem) return kNoTreeItem;
    return hItem;
}

void CPrvek::SerializePrvky(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<std::uint32_t>(Prvky.size()));
        for (const auto& child : Prvky) ar.WriteObject(child.get());
        return;
    }
    const std::uint32_t count = ar.ReadCount(2);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::unique_ptr<CObject> object = ar.ReadOwnedObject();
        auto* element = dynamic_cast<CPrvek*>(object.get());
        if (element == nullptr) ar.Fail(ArchiveCause::BadClass);
        object.release();
        Prvky.emplace_back(element);
    }
}

void CPrvek::ChildrenVypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                                    CalcContext& context)
{
    for (const auto& child : Prvky) child->VypocetPolozek(navrh, materials, label, context);
}

void CPrvek::ChildrenKontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                                    const CMaterialList& materials, const Separators& separators) const
{
    for (const auto& child : Prvky) child->KontrolaCeniku(missing, path, materials, separators);
}

void CPrvek::ZkontrolujMaterial(std::vector<CChybiMaterial>& missing, const std::string& ownPath,
                                const std::string& objCislo, const std::string& materialText,
                                const CMaterialList& materials) const
{
    if (NajdiMaterial(materials, objCislo) == nullptr) missing.push_back({Nazev, objCislo, materialText, ownPath});
}

void CPrvek::KontrolaMaterialu(std::vector<CChybiMaterial>& missing, const std::string& path,
                               const std::string& objCislo, const std::string& materialText,
                               const CMaterialList& materials, const Separators& separators) const
{
    const std::string own = path + "::" + Nazev;
    ZkontrolujMaterial(missing, own, objCislo, materialText, materials);
    ChildrenKontrolaCeniku(missing, own, materials, separators);
}

}  // namespace belvo
