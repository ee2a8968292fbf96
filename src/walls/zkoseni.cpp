#include "walls/zkoseni.h"

namespace belvo {

const CRuntimeClass CZkoseni::classInfo{"CZkoseni", 1, &CreateObject<CZkoseni>, &CPrvek::classInfo};

void CZkoseni::Serialize(CArchive& ar)
{
    ar.Transfer(Nazev).Transfer(Delka).Transfer(Vyska).Transfer(Pocet).Transfer(Plocha);
    SerializePrvky(ar);
}

std::string CZkoseni::ListText(const Separators& separators) const
{
    std::string text = Nazev + ", ";
    if (Delka * Vyska == Plocha)
        text += Delka.Format(separators) + "~" + Vyska.Format(separators);
    else
        text += Plocha.Format(separators) + "mm2";
    if (Pocet > CCislo(1)) text += "; " + Pocet.Format(separators) + "x";
    return text;
}

TreeItem CZkoseni::VlozDoStromu(ProjectTree&, TreeItem) { return kNoTreeItem; }

void CZkoseni::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                              CalcContext& context)
{
    ChildrenVypocetPolozek(navrh, materials, label, context);
}

void CZkoseni::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                              const CMaterialList& materials, const Separators& separators) const
{
    ChildrenKontrolaCeniku(missing, path + "::" + Nazev, materials, separators);
}

}  // namespace belvo
