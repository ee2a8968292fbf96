// CKusy: a material of the price list and a number of pieces. One class serves lintels,
// roller-shutter lintels, ceiling beams and panels, mortar, reinforcements, anchors and the free
// choice of any price-list item; the group code it offers materials from and its tree picture
// are given when it is made.
//
// CKusyPreklady: lintel pieces tied to a wall; besides the lintels it takes out of the wall's
// brick item the bricks that the lintels replace. Only project files create it.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/decimal.h"
#include "model/element.h"

namespace belvo {

// Tree pictures and names the insert commands give to CKusy.
inline constexpr int kObrazekPreklady = 18;
inline constexpr int kObrazekRoletovePreklady = 19;
inline constexpr int kObrazekStropniNosniky = 16;
inline constexpr int kObrazekMalta = 21;
inline constexpr int kObrazekVsechnyPolozky = 22;
inline constexpr int kObrazekStropniPanely = 23;
inline constexpr int kObrazekVyztuze = 27;
inline constexpr int kObrazekKotvy = 28;

class CKusy : public CPrvek {
public:
    static const CRuntimeClass classInfo;  // "CKusy", 0x80000002
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    CKusy();
    // Offers materials of `skupina` (0: every group) and shows picture `obrazek`.
    CKusy(int skupina, int obrazek);

    void Serialize(CArchive& ar) override;

    std::int32_t Atyp = 0;  // 1: an atypical ceramic ceiling panel
    std::string MaterialText;
    std::string ObjCislo;
    std::int32_t Skupina = 0;
    std::int32_t Obrazek = kObrazekVsechnyPolozky;
    CCislo Pocet;

    int TreePicture() const override { return Obrazek; }
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;

protected:
    // The fields of CKusy, children included, under the stored `schema`.
    void SerializeKusy(CArchive& ar, std::uint32_t schema);
};

class CKusyPreklady : public CKusy {
public:
    static const CRuntimeClass classInfo;  // "CKusyPreklady", 0x80000002, derived from CKusy
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    CKusyPreklady();

    void Serialize(CArchive& ar) override;

    std::string ZaklMaterial;  // the wall's brick as text
    std::string ZaklObjCislo;  // order number of the wall's brick
    CCislo PocetOtvoru;        // openings the lintels lie over
    CCislo SirkaZdi;           // wall thickness

    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
};

}  // namespace belvo
