// CZedSokl: a plinth section of a wall, a band of a few courses of another brick at the wall's
// foot (bottom section) or top (top section). Its options say which openings pass through it,
// where the bottom edge bricks of doors and windows lie, and which of the wall's special bricks
// it supplies. Plinth sections live in the wall's list, not in the project tree.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/decimal.h"
#include "model/element.h"
#include "walls/wall_section.h"

namespace belvo {

class CMaterial;
class COkna;

// Option bits of CZedSokl::Volby.
enum SoklBits : std::int32_t {
    kSoklDolni = 1,             // bottom section, below the base brick
    kSoklHorni = 2,             // top section, above the base brick
    kSoklDvere = 4,             // doors pass through the section
    kSoklOkna = 8,              // windows pass through the section
    kSoklNejspodnejsi = 16,     // its brick carries the base-course mortar
    kSoklKrajovkyDveri = 32,    // the bottom edge bricks of doors lie in it
    kSoklPreklady = 64,         // the lintels take their replaced bricks from its brick
    kSoklKrajovkyOkna = 128,    // the bottom edge bricks of windows lie in it
    kSoklPerlit = 1024,         // its courses are filled with perlite
};

// Volby of a new section, and of the first section of a wall that has none with
// kSoklKrajovkyDveri.
inline constexpr std::int32_t kSoklVolbyVychozi = kSoklDolni | kSoklDvere;
inline constexpr std::int32_t kSoklVolbyPrvni = kSoklDolni | kSoklDvere | kSoklKrajovkyDveri;
// Volby of the section made from the plinth of a wall stored under schema 4.
inline constexpr std::int32_t kSoklVolbyPrevod = kSoklDolni | kSoklDvere | kSoklNejspodnejsi | kSoklKrajovkyDveri;

class CZedSokl : public CPrvek {
public:
    static const CRuntimeClass classInfo;  // "CZedSokl", 0x80000001
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    std::string MaterialText;
    std::string ObjCislo;
    CCislo Otoceni;
    CCislo VyskaModul;   // modular height of the brick, refreshed when the wall is computed
    CCislo SirkaModul;   // modular width of the brick; the thickness filter of its form
    CCislo PocetSaru;    // number of courses, 1 to 9
    std::int32_t Volby = kSoklVolbyVychozi;

    bool JeDolni() const { return (Volby & kSoklDolni) != 0; }

    // Looks the brick up, refreshes VyskaModul and returns the section's working values with
    // cleared sums. The brick is null when the price list lacks it.
    PlinthWork Priprav(const CMaterialList& materials);

    // The part of the opening's height that lies in this section; adds the opening's sides,
    // bottom edge and area in the section to `work`. `bottomHere` tells whether the opening's
    // bottom edge bricks lie in this section.
    CCislo CastOtvoru(const COkna& opening, PlinthWork& work, bool& bottomHere) const;

    // The line of the wall form's plinth list, e.g. "D2p\tDKS_k\tSokl\t<brick>".
    std::string ListText(const Separators& separators) const;

    TreeItem VlozDoStromu(ProjectTree& tree, TreeItem parent) override;
    int TreePicture() const override { return -1; }
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;
};

}  // namespace belvo
