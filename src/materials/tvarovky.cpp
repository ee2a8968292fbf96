#include "materials/tvarovky.h"

#include "catalogue/material.h"
#include "catalogue/material_list.h"
#include "platform/report_failure.h"
#include "model/najdi_material.h"
#include "materials/element_support.h"
#include "proposal/item_operations.h"

namespace belvo {

namespace {
std::unique_ptr<CObject> NewTvarovky() { return std::make_unique<CTvarovky>(); }
}  // namespace

const CRuntimeClass CTvarovky::classInfo{"CTvarovky", 1, &NewTvarovky, &CPrvek::classInfo};

CTvarovky::CTvarovky() { Nazev = "Tvarovky"; }

void CTvarovky::Serialize(CArchive& ar)
{
    ar.Transfer(Nazev).Transfer(MaterialText).Transfer(ObjCislo).Transfer(Delka).Transfer(Vyska).Transfer(Plocha);
    SerializeOtvory(ar);
    SerializePrvky(ar);
}

CCislo CTvarovky::VyskaSaru(const CMaterial& piece) { return piece.Sirka + CCislo(kSpara); }

CCislo CTvarovky::KusuBezOtvoru(const CMaterial& piece) const
{
    const CCislo courses = Vyska / VyskaSaru(piece);
    const CCislo perCourse = ZaokrouhliNaPulKusy(NaDesetiny(Delka, 2) / (piece.Delka + CCislo(kSpara)));
    return NaDesetiny(courses * perCourse + CCislo(1, 1), 0);
}

void CTvarovky::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                               CalcContext& context)
{
    RunReporting(context.ui, "CTvarovky::VypocetPolozek", "Chyba", [&] {
        const CMaterial* piece = NajdiMaterial(materials, ObjCislo);
        if (piece == nullptr) {
            HlasChybejiciMaterial(context.ui, MaterialText, ObjCislo);
        } else {
            CCislo pieces = KusuBezOtvoru(*piece);
            const CCislo face = VyskaSaru(*piece) * (piece->Delka + CCislo(kSpara));
            for (const CCislo& area : OdebranePlochy()) pieces -= area / face;
            PridejPolozkuKladnou(navrh, label, *piece, pieces, CCislo(0), false);
        }
        ChildrenVypocetPolozek(navrh, materials, label, context);
    });
}

void CTvarovky::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                               const CMaterialList& materials, const Separators& separators) const
{
    KontrolaSOtvory(missing, path, ObjCislo, MaterialText, materials, separators);
}

}  // namespace belvo
