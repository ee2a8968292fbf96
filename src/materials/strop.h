// Ceilings laid in bays between beams: ceiling inserts (CVelto) and Hurdis planks (CHurdis).
// The form derives the pieces from the bay length and the number of bays; the calculation adds
// the stored number of pieces.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/decimal.h"
#include "model/element.h"

namespace belvo {

class CMaterial;

// The pieces laid along one bay of `delka` mm: the length at one decimal divided by the piece's
// modular length (one decimal kept), rounded up. 0 when the piece has no positive length.
CCislo KusuNaPole(const CCislo& delka, const CMaterial& piece);
// The pieces of `pocetPoli` bays: pieces per bay × bays, rounded.
CCislo KusuCelkem(const CCislo& kusuNaPole, const CCislo& pocetPoli);

// The fields both ceiling elements have.
class CStropniPole : public CPrvek {
public:
    std::string MaterialText;
    std::string ObjCislo;
    CCislo Delka;                   // length of one bay, mm
    CCislo PocetPoli = CCislo(1);   // number of bays
    CCislo PocetKusu;               // number of pieces: the calculation adds this

    // The pieces the form shows for the bay length and the number of bays.
    CCislo SpoctiKusy(const CMaterial& piece) const { return KusuCelkem(KusuNaPole(Delka, piece), PocetPoli); }

    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;

protected:
    void SerializePole(CArchive& ar);
};

class CVelto : public CStropniPole {
public:
    static const CRuntimeClass classInfo;  // "CVelto", 1
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    static constexpr int kObrazek = 17;

    CVelto();

    void Serialize(CArchive& ar) override;

    int TreePicture() const override { return kObrazek; }
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
};

class CHurdis : public CStropniPole {
public:
    static const CRuntimeClass classInfo;  // "CHurdis", 1
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    static constexpr int kObrazek = 15;

    CHurdis();

    void Serialize(CArchive& ar) override;

    std::int32_t Patky = 0;  // 1: two support pieces per plank

    int TreePicture() const override { return kObrazek; }
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
};

}  // namespace belvo
