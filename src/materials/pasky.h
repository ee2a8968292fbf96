// CPasky: brick facing strips laid in courses on a wall face, with openings and slants taken
// away and, when asked, corner pieces at one or both ends.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/decimal.h"
#include "materials/element_s_otvory.h"

namespace belvo {

class CMaterial;

class CPasky : public CPrvekSOtvory {
public:
    static const CRuntimeClass classInfo;  // "CPasky", 1
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    static constexpr int kObrazek = 14;
    // Bits of Rohy.
    static constexpr std::int32_t kPrvniRoh = 1;
    static constexpr std::int32_t kDruhyRoh = 2;

    CPasky();

    void Serialize(CArchive& ar) override;

    std::string MaterialText;
    std::string ObjCislo;
    CCislo Delka;   // length of the faced wall
    CCislo Vyska;   // its height
    CCislo Plocha;  // faced area, mm²; read only when there is no length
    std::int32_t Rohy = 0;

    // The height of one course of `strip`: its modular width.
    static CCislo VyskaSaru(const CMaterial& strip);

    int TreePicture() const override { return kObrazek; }
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;
};

}  // namespace belvo
