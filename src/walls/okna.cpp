#include "walls/okna.h"

#include "walls/lintels.h"

namespace belvo {

const CRuntimeClass COkna::classInfo{"COkna", VERSIONABLE_SCHEMA | 6, &CreateObject<COkna>, &CPrvek::classInfo};

void COkna::Serialize(CArchive& ar)
{
    const std::uint32_t schema = ar.GetObjectSchema();
    ar.Transfer(Nazev).Transfer(Sirka).Transfer(Vyska).Transfer(Pocet).Transfer(Plocha);
    // Each block is read only when the stored schema reaches its version; older files get the
    // values that reproduce what those programs did.
    if (schema >= 2) {
        ar.Transfer(Dole).Transfer(Strany);
    } else {
        Dole = 1;
        Strany = 1;
    }
    if (schema >= 3) ar.Transfer(Preklady);
    else Preklady = 0;  // no lintels were designed then
    if (schema >= 4) ar.Transfer(Polystyren);
    else Polystyren = 0;
    if (schema >= 5) ar.Transfer(Vylozeni);
    else Vylozeni = CCislo(0);
    if (schema >= 6) {
        ar.Transfer(PocetPrekladu).Transfer(TypDole);
    } else {
        PocetPrekladu = CCislo(0);
        TypDole = 1;
    }
    SerializePrvky(ar);
}

std::string COkna::ListText(const Separators& separators, const CCislo* wallThickness) const
{
    std::string text = JeDvere() ? "d:" : "o:";
    if (MaVolbuPrekladu()) {
        const std::int32_t bits = Preklady;
        if (bits & kPrekladPloche) {
            text += "P";
        } else if (bits & kPrekladRoletove) {
            text += "R+" + Vylozeni.Format(separators);
        } else if (bits & kPrekladJinyPocet) {
            text += "N=" + PocetPrekladu.Format(separators);
            if (bits & kPrekladDelsiUlozeni) text += "d";
        } else if (bits & kPrekladNosne) {
            text += "N-";
            if (bits & kPrekladBezIzolace)
                text += std::to_string(PocetNosnychPrekladu(wallThickness ? *wallThickness : Sirka, bits));
            else if (bits & kPrekladVariantaB)
                text += "B";
            else
                text += "A";
            if (bits & kPrekladPolystyren) text += "p";
            if (bits & kPrekladDelsiUlozeni) text += "d";
        }
    }
    text += "\tK:";
    if (Strany) text += "S";
    if (Dole) text += TypDole == 2 ? "D/2" : "D";
    if (Polystyren) text += "p";
    text += "\t" + Nazev + ", ";
    if (MaRozmery())
        text += Sirka.Format(separators) + "x" + Vyska.Format(separators);
    else
        text += Plocha.Format(separators) + "mm2";
    if (Pocet > CCislo(1)) text += "; " + Pocet.Format(separators) + "x";
    return text;
}

TreeItem COkna::VlozDoStromu(ProjectTree&, TreeItem) { return kNoTreeItem; }

void COkna::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                           CalcContext& context)
{
    ChildrenVypocetPolozek(navrh, materials, label, context);
}

void COkna::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                           const CMaterialList& materials, const Separators& separators) const
{
    ChildrenKontrolaCeniku(missing, path + "::" + Nazev, materials, separators);
}

}  // namespace belvo
