// CZkoseni: a slanted end of a wall, the triangle cut off its face. Computed by its wall; not
// shown in the project tree.
#pragma once

#include <string>

#include "foundation/decimal.h"
#include "model/element.h"

namespace belvo {

class CZkoseni : public CPrvek {
public:
    static const CRuntimeClass classInfo;  // "CZkoseni", 1
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    CCislo Delka;
    CCislo Vyska;
    CCislo Pocet = CCislo(1);
    CCislo Plocha;

    // The line of the wall form's slant list, e.g. "Zkosení, 600~300; 2x".
    std::string ListText(const Separators& separators) const;

    TreeItem VlozDoStromu(ProjectTree& tree, TreeItem parent) override;
    int TreePicture() const override { return -1; }
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;
};

}  // namespace belvo
