// CDlazba: a paved area (or formwork boards) given by its area, from which openings and
// slanted corners are taken away; the pieces follow from the area and the piece's catalogued
// size with a 15 mm joint.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/decimal.h"
#include "materials/element_s_otvory.h"

namespace belvo {

class CMaterial;

inline constexpr int kObrazekDlazba = 9;
inline constexpr int kObrazekSalovaciDesky = 20;

class CDlazba : public CPrvekSOtvory {
public:
    static const CRuntimeClass classInfo;  // "CDlazba", 1
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    CDlazba();
    CDlazba(int skupina, int obrazek);

    void Serialize(CArchive& ar) override;

    std::string MaterialText;
    std::string ObjCislo;
    CCislo Delka;   // length of the area
    CCislo Sirka;   // width of the area
    CCislo Plocha;  // area, mm²: the only size the calculation reads
    std::int32_t Skupina = 500;
    std::int32_t Obrazek = kObrazekDlazba;

    // The face one piece covers with its joints: (Sirka + 15) × (Delka + 15).
    static CCislo PlochaKusu(const CMaterial& piece);
    // The pieces of the area before the openings are taken off, rounded up.
    CCislo KusuBezOtvoru(const CMaterial& piece) const;

    int TreePicture() const override { return Obrazek; }
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;
};

}  // namespace belvo
