// COkna: an opening of a wall (window, door or passage) with its edge-brick and lintel options.
// Openings are computed by their wall; they are not shown in the project tree.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/decimal.h"
#include "model/element.h"

namespace belvo {

// Option bits of COkna::Preklady: how the lintels over the opening are designed.
enum PrekladyBits : std::int32_t {
    kPrekladNosne = 1,           // load-bearing lintels, count from the variant table
    kPrekladPloche = 2,          // flat lintels
    kPrekladDelsiUlozeni = 4,    // longer bearing length of load-bearing lintels
    kPrekladRoletove = 8,        // roller-shutter lintel
    kPrekladBezIzolace = 16,     // load-bearing without insulation, alternative count
    kPrekladVariantaB = 32,      // variant B of the load-bearing lintels (else variant A)
    kPrekladPolystyren = 64,     // polystyrene between the load-bearing lintels
    kPrekladJinyPocet = 128,     // load-bearing lintels in the number PocetPrekladu
};
// Preklady of an opening whose lintel choice has not been made yet.
inline constexpr std::int32_t kPrekladyNezvoleno = -1;

// An opening higher than this (mm) is a door; any other is a window.
inline constexpr int kVyskaDveri = 2000;

class COkna : public CPrvek {
public:
    static const CRuntimeClass classInfo;  // "COkna", 0x80000006
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    CCislo Sirka;
    CCislo Vyska;
    CCislo Pocet = CCislo(1);
    CCislo Plocha;
    std::int32_t Preklady = kPrekladyNezvoleno;
    std::int32_t Dole = 1;        // shaped edge bricks at the bottom
    std::int32_t Strany = 1;      // shaped edge bricks at the sides
    std::int32_t Polystyren = 1;  // the edge bricks are those with polystyrene
    CCislo Vylozeni;              // overhang of a roller-shutter lintel
    CCislo PocetPrekladu;         // load-bearing lintels with kPrekladJinyPocet
    std::int32_t TypDole = 1;     // bottom edge bricks: 1 "K", 2 "K 1/2"

    bool JeDvere() const { return Vyska > CCislo(kVyskaDveri); }
    // The opening was given with its width and height (not by its area alone).
    bool MaRozmery() const { return Sirka * Vyska == Plocha; }
    // Whether a lintel choice has been made (a new opening has none until its form opens).
    bool MaVolbuPrekladu() const { return Preklady >= 0; }

    // The line of the wall form's opening list: lintel code, edge-brick code and dimensions,
    // separated by tabs. `wallThickness`, when given, is the thickness used for the count of
    // lintels without insulation; without it the opening's own width stands in.
    std::string ListText(const Separators& separators, const CCislo* wallThickness = nullptr) const;

    // Openings live in their wall's list, not in the project tree.
    TreeItem VlozDoStromu(ProjectTree& tree, TreeItem parent) override;
    int TreePicture() const override { return -1; }
    // The wall computes the opening; only the children are asked here.
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;
};

}  // namespace belvo
