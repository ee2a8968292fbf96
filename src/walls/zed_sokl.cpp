#include "walls/zed_sokl.h"

#include "catalogue/material.h"
#include "catalogue/material_codes.h"
#include "model/najdi_material.h"
#include "walls/doplnek.h"
#include "walls/okna.h"
#include "walls/wall_texts.h"

namespace belvo {

const CRuntimeClass CZedSokl::classInfo{"CZedSokl", VERSIONABLE_SCHEMA | 1, &CreateObject<CZedSokl>, &CPrvek::classInfo};

void CZedSokl::Serialize(CArchive& ar)
{
    (void)ar.GetObjectSchema();  // one version so far
    ar.Transfer(Nazev).Transfer(MaterialText).Transfer(ObjCislo);
    ar.Transfer(Otoceni).Transfer(VyskaModul).Transfer(SirkaModul).Transfer(PocetSaru);
    ar.Transfer(Volby);
    SerializePrvky(ar);
}

PlinthWork CZedSokl::Priprav(const CMaterialList& materials)
{
    PlinthWork work;
    work.brick = NajdiMaterialOtoceni(materials, ObjCislo, Otoceni);
    if (work.brick) {
        work.pieceK = NajdiDoplnek(materials, *work.brick, kTypBitKrajovaK);
        work.pieceK2OrHalf = NajdiDoplnek(materials, *work.brick, kTypBitKrajovaKPul);
        if (!work.pieceK2OrHalf) work.pieceK2OrHalf = NajdiDoplnek(materials, *work.brick, kTypBitPulka);
        VyskaModul = work.brick->ModulVyska();
    }
    return work;
}

CCislo CZedSokl::CastOtvoru(const COkna& opening, PlinthWork& work, bool& bottomHere) const
{
    bottomHere = false;
    if (!work.brick) return CCislo(0);
    const CCislo& n = opening.Pocet;
    const CCislo& w = opening.Sirka;
    const bool door = opening.JeDvere();

    bottomHere = opening.Dole && ((door && (Volby & kSoklKrajovkyDveri)) || (!door && (Volby & kSoklKrajovkyOkna)));
    const bool bottomHalf = bottomHere && opening.TypDole == 2;
    const bool passes = (door && (Volby & kSoklDvere)) || (!door && (Volby & kSoklOkna));

    OpeningSums& sums = work.sums;
    CCislo part(0);
    if (passes) {
        part = work.brick->ModulVyska() * PocetSaru;
        const CCislo sides = n * part;
        if (opening.Strany) {
            sums.sidesK += sides;
            sums.sidesK2 += sides;
            if (opening.Polystyren) {
                sums.polyK += sides;
                sums.polyK2 += sides;
            }
        } else {
            sums.plainSides += sides;
        }
    }
    if (bottomHere) {
        const CCislo bottom = n * w;
        if (bottomHalf) {
            (door ? sums.doorBottomK2 : sums.windowBottomK2) += bottom;
            if (opening.Polystyren) sums.polyK2 += bottom;
        } else {
            (door ? sums.doorBottomK : sums.windowBottomK) += bottom;
            if (opening.Polystyren) sums.polyK += bottom;
        }
    }
    work.deducted += part * w * n;
    return part;
}

std::string CZedSokl::ListText(const Separators& separators) const
{
    const bool bottom = JeDolni();
    std::string text = bottom ? "D" : "H";
    text += PocetSaru.Format(separators);
    if (Volby & kSoklPerlit) text += "p";
    text += "\t";
    if (bottom) {
        text += (Volby & kSoklDvere) ? "D" : "_";
        text += (Volby & kSoklKrajovkyDveri) ? "K" : "_";
        text += (Volby & kSoklNejspodnejsi) ? "S" : "_";
        text += (Volby & kSoklOkna) ? "o" : "_";
        text += (Volby & kSoklKrajovkyOkna) ? "k" : "_";
    } else {
        text += (Volby & kSoklPreklady) ? "P" : " ";
    }
    text += "\t" + Nazev + "\t" + MaterialText;
    return text;
}

TreeItem CZedSokl::VlozDoStromu(ProjectTree&, TreeItem) { return kNoTreeItem; }

void CZedSokl::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                              CalcContext& context)
{
    ChildrenVypocetPolozek(navrh, materials, label, context);
}

void CZedSokl::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                              const CMaterialList& materials, const Separators& separators) const
{
    const std::string ownPath = path + "::" + Nazev;
    if (!NajdiMaterialOtoceni(materials, ObjCislo, Otoceni))
        missing.push_back({Nazev, ObjCislo, MaterialTextSeSirkou(MaterialText, Otoceni, SirkaModul, separators), ownPath});
    ChildrenKontrolaCeniku(missing, ownPath, materials, separators);
}

}  // namespace belvo
