// CCihly: wall bricks given as a number of pieces (the form derives it from a length, height
// and thickness, an area or a volume of masonry), with the mortar or glue of the bricks, the
// foundation mortar of the first course and the perlite of some courses on request.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/decimal.h"
#include "model/element.h"

namespace belvo {

class CMaterial;

class CCihly : public CPrvek {
public:
    static const CRuntimeClass classInfo;  // "CCihly", 0x80000002
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    static constexpr int kObrazek = 6;

    CCihly();

    void Serialize(CArchive& ar) override;

    std::string MaterialText;
    std::string ObjCislo;
    CCislo Delka;               // length of the masonry
    CCislo Sirka;               // thickness of the masonry
    CCislo Vyska;               // height of the masonry
    CCislo Plocha;              // face area, mm²
    CCislo Objem;               // volume, mm³
    CCislo Kusu;                // number of bricks: the only size the calculation reads
    CCislo DelkaPrvnihoSaru;    // length of the first course (foundation mortar, perlite)
    CCislo PocetSaruSPerlitem;  // courses laid with perlite
    std::int32_t ZakladaciMalta = 0;   // 1: add the foundation mortar
    std::int32_t MaltaNeboLepidlo = 0; // 1: add the mortar or glue (always for a price variant)

    // The volume of one brick in modules: its modular length × width × height (mm³).
    static CCislo ObjemModulu(const CMaterial& brick);
    // The pieces a volume takes: the volume divided by the module volume (truncated to the
    // volume's decimals) and rounded up to the next whole piece. Without a positive module
    // volume and volume, `current` when it is positive, else 0.
    static CCislo KusuObjemu(const CCislo& objem, const CCislo& objemModulu, const CCislo& current);
    // The volume of `kusu` pieces; 0 unless both are positive.
    static CCislo ObjemKusu(const CCislo& kusu, const CCislo& objemModulu);

    int TreePicture() const override { return kObrazek; }
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;
};

}  // namespace belvo
