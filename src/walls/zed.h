// CZed: a straight masonry wall of one base brick, with openings, slanted ends, plinth
// sections, corner options, mortar and plaster options. Its calculation turns it into bricks,
// companion pieces, fillings, mortars, plaster and lintels.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/decimal.h"
#include "model/element.h"
#include "walls/okna.h"
#include "walls/zed_sokl.h"
#include "walls/zkoseni.h"

namespace belvo {

// Bits of CZed::Rohy: which ends of the wall are corners.
enum RohyBits : std::int32_t {
    kRohPrvni = 1,
    kRohDruhy = 2,
};
// Bits of CZed::Omitka: which faces get the thermal-insulating plaster.
enum OmitkaBits : std::int32_t {
    kOmitkaVnejsi = 1,
    kOmitkaVnitrni = 2,
};

class CZed : public CPrvek {
public:
    static const CRuntimeClass classInfo;  // "CZed", 0x80000005
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    CZed();
    void Serialize(CArchive& ar) override;

    std::vector<std::unique_ptr<COkna>> Okna;
    std::vector<std::unique_ptr<CZkoseni>> Zkoseni;
    std::vector<std::unique_ptr<CZedSokl>> Sokly;  // bottom first
    CCislo Pocet = CCislo(1);                      // number of identical walls
    std::string Popis;
    CCislo Sirka;                                  // thickness
    CCislo Delka;
    CCislo Vyska;                                  // plinth sections included
    std::string MaterialText;
    std::string ObjCislo;                          // the base brick
    CCislo Otoceni;
    CCislo Sokl;                                   // > 0: the plinth sections apply
    // The single plinth of a wall stored under schema 4; kept and written back unchanged.
    CCislo SoklStarySirka;
    std::string SoklStaryText;
    std::string SoklStaryObjCislo;
    CCislo SoklStaryOtoceni;
    std::string Skladba;                           // course composition as the form shows it
    std::int32_t TeplaMalta = 0;                   // bit 0: thermal-insulating mortar
    std::int32_t ZaklMalta = 0;                    // bit 0: base-course mortar (price variants)
    std::int32_t Omitka = 0;                       // OmitkaBits
    std::int32_t Rohy = 0;                         // RohyBits
    CCislo VnitrniRohy = CCislo(0);                // inner corners along the wall
    CCislo Rohy135 = CCislo(0);                    // 135° corners
    CCislo SarePerlit = CCislo(0);                 // perlite courses above the bottom plinth

    // How many ends of the wall are corners: 0, 1 or 2.
    int PocetRohu() const;

    std::string TreeLabel(const Separators& separators) const override;
    int TreePicture() const override { return 3; }
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;

private:
    void Vypocet(CNavrh& navrh, const CMaterialList& materials, const std::string& label, CalcContext& context);
};

}  // namespace belvo
