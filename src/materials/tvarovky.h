// CTvarovky: ornamental shaped bricks laid as a wall of a given length and height, with its
// openings and slanted ends taken off. Courses and pieces follow from the piece's catalogued
// size and a 15 mm joint, rounded to half pieces per course.
#pragma once

#include <string>

#include "foundation/decimal.h"
#include "materials/element_s_otvory.h"

namespace belvo {

class CMaterial;

class CTvarovky : public CPrvekSOtvory {
public:
    static const CRuntimeClass classInfo;  // "CTvarovky", 1
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    static constexpr int kObrazek = 10;

    CTvarovky();

    void Serialize(CArchive& ar) override;

    std::string MaterialText;
    std::string ObjCislo;
    CCislo Delka;   // length of the wall
    CCislo Vyska;   // its height
    CCislo Plocha;  // its face area, mm² (form only)

    // The height of one course of `piece`: its catalogued Sirka and the joint.
    static CCislo VyskaSaru(const CMaterial& piece);
    // The pieces of the wall before the openings are taken off.
    CCislo KusuBezOtvoru(const CMaterial& piece) const;

    int TreePicture() const override { return kObrazek; }
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;
};

}  // namespace belvo
