// CDelka: a material sold by the piece but entered as a run length (ring-beam bricks, fence
// caps, drainage pipes, polystyrene pieces); the pieces follow from the material's length.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/decimal.h"
#include "model/element.h"

namespace belvo {

class CMaterial;

inline constexpr int kObrazekPlotoveStrisky = 12;
inline constexpr int kObrazekVencovky = 11;
inline constexpr int kObrazekTrativodky = 13;
inline constexpr int kObrazekPolystyreny = 26;

class CDelka : public CPrvek {
public:
    static const CRuntimeClass classInfo;  // "CDelka", 0x80000002
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    CDelka();
    CDelka(int skupina, int obrazek);

    void Serialize(CArchive& ar) override;

    CCislo Pocet;  // pieces as the form last showed them; the calculation does not read it
    std::string MaterialText;
    std::string ObjCislo;
    std::int32_t Skupina = 0;
    std::int32_t Obrazek = kObrazekPlotoveStrisky;
    CCislo Delka;  // run length, mm

    // Whole pieces of `material` that make up a run of `delka` mm: the length at one decimal
    // divided by the material's catalogued length (one decimal kept), rounded. Raises the
    // arithmetic error for a material of length 0.
    static CCislo KusyNaDelku(const CCislo& delka, const CMaterial& material);
    // The run length of `kusu` whole pieces, to which the form snaps the length.
    static CCislo DelkaKusu(const CCislo& kusu, const CMaterial& material);

    int TreePicture() const override { return Obrazek; }
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;
};

}  // namespace belvo
