#include "materials/dlazba.h"

#include "catalogue/material.h"
#include "catalogue/material_list.h"
#include "platform/report_failure.h"
#include "model/najdi_material.h"
#include "materials/element_support.h"
#include "proposal/item_operations.h"

namespace belvo {

namespace {
std::unique_ptr<CObject> NewDlazba() { return std::make_unique<CDlazba>(); }
}  // namespace

const CRuntimeClass CDlazba::classInfo{"CDlazba", 1, &NewDlazba, &CPrvek::classInfo};

CDlazba::CDlazba() { Nazev = "Dlažba"; }

CDlazba::CDlazba(int skupina, int obrazek) : CDlazba()
{
    Skupina = skupina;
    Obrazek = obrazek;
}

void CDlazba::Serialize(CArchive& ar)
{
    ar.Transfer(Nazev).Transfer(MaterialText).Transfer(ObjCislo).Transfer(Delka).Transfer(Sirka).Transfer(Plocha);
    ar.Transfer(Skupina).Transfer(Obrazek);
    SerializeOtvory(ar);
    SerializePrvky(ar);
}

CCislo CDlazba::PlochaKusu(const CMaterial& piece)
{
    return (piece.Sirka + CCislo(kSpara)) * (piece.Delka + CCislo(kSpara));
}

CCislo CDlazba::KusuBezOtvoru(const CMaterial& piece) const
{
    // Rounded up: the quotient at one decimal, plus 0.99, the decimals dropped.
    CCislo pieces = NaDesetiny(Plocha, 1) / PlochaKusu(piece) + CCislo(99, 2);
    pieces.SetScale(0, false);
    return pieces;
}

void CDlazba::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                             CalcContext& context)
{
    RunReporting(context.ui, "CDlazba::VypocetPolozek", "Chyba", [&] {
        const CMaterial* piece = NajdiMaterial(materials, ObjCislo);
        if (piece == nullptr) {
            HlasChybejiciMaterial(context.ui, MaterialText, ObjCislo);
        } else {
            CCislo pieces = KusuBezOtvoru(*piece);
            const CCislo face = PlochaKusu(*piece);
            for (const CCislo& area : OdebranePlochy()) pieces -= NaDesetiny(area / face, 0);
            PridejPolozkuKladnou(navrh, label, *piece, pieces, CCislo(0), false);
        }
        ChildrenVypocetPolozek(navrh, materials, label, context);
    });
}

void CDlazba::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                             const CMaterialList& materials, const Separators& separators) const
{
    KontrolaSOtvory(missing, path, ObjCislo, MaterialText, materials, separators);
}

}  // namespace belvo
