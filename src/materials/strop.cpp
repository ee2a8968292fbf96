#include "materials/strop.h"

#include "catalogue/material.h"
#include "catalogue/material_list.h"
#include "platform/report_failure.h"
#include "model/najdi_material.h"
#include "materials/element_support.h"
#include "proposal/item_operations.h"

namespace belvo {

namespace {
std::unique_ptr<CObject> NewVelto() { return std::make_unique<CVelto>(); }
std::unique_ptr<CObject> NewHurdis() { return std::make_unique<CHurdis>(); }

const CCislo kNula(0);
}  // namespace

const CRuntimeClass CVelto::classInfo{"CVelto", 1, &NewVelto, &CPrvek::classInfo};
const CRuntimeClass CHurdis::classInfo{"CHurdis", 1, &NewHurdis, &CPrvek::classInfo};

CCislo KusuNaPole(const CCislo& delka, const CMaterial& piece)
{
    const CCislo length = piece.ModulDelka();
    if (!(length > kNula)) return kNula;
    CCislo pieces = NaDesetiny(delka, 1) / length;
    if (pieces.Fraction() != kNula) pieces = NaDesetiny(pieces + CCislo(49, 2), 0);
    return NaDesetiny(pieces, 0);
}

CCislo KusuCelkem(const CCislo& kusuNaPole, const CCislo& pocetPoli)
{
    return NaDesetiny(kusuNaPole * pocetPoli + CCislo(1, 1), 0);
}

void CStropniPole::SerializePole(CArchive& ar)
{
    ar.Transfer(Nazev).Transfer(MaterialText).Transfer(ObjCislo).Transfer(Delka).Transfer(PocetPoli).Transfer(PocetKusu);
}

void CStropniPole::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                                  const CMaterialList& materials, const Separators& separators) const
{
    KontrolaMaterialu(missing, path, ObjCislo, MaterialText, materials, separators);
}

CVelto::CVelto() { Nazev = "Stropní vložky"; }

void CVelto::Serialize(CArchive& ar)
{
    SerializePole(ar);
    SerializePrvky(ar);
}

void CVelto::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                            CalcContext& context)
{
    RunReporting(context.ui, "CVelto::VypocetPolozek", "Chyba", [&] {
        if (NajdiMaterial(materials, ObjCislo) != nullptr)
            PridejObjCislo(navrh, label, materials, ObjCislo, PocetKusu, kNula, false, context);
        else
            HlasChybejiciMaterial(context.ui, MaterialText, ObjCislo);
        ChildrenVypocetPolozek(navrh, materials, label, context);
    });
}

CHurdis::CHurdis() { Nazev = "Stropní systém Hurdis"; }

void CHurdis::Serialize(CArchive& ar)
{
    SerializePole(ar);
    ar.Transfer(Patky);
    SerializePrvky(ar);
}

void CHurdis::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                             CalcContext& context)
{
    RunReporting(context.ui, "CHurdis::VypocetPolozek", "Chyba", [&] {
        const CMaterial* plank = NajdiMaterial(materials, ObjCislo);
        if (plank == nullptr) {
            HlasChybejiciMaterial(context.ui, MaterialText, ObjCislo);
        } else {
            PridejPolozkuKladnou(navrh, label, *plank, PocetKusu, kNula, false);
            if (Patky == 1) {
                // The supports are the records that list the plank's family code. A plank
                // without a code has no supports: an empty family list would otherwise match
                // every record whose own list is empty.
                const CCislo family = plank->KodRodiny();
                if (!family.IsNull()) {
                    const CCislo supports = PocetKusu * CCislo(2);
                    for (const CMaterial& record : materials.InFamily(family))
                        if (record.ObjCislo != ObjCislo)
                            PridejPolozkuKladnou(navrh, label, record, supports, kNula, false);
                }
            }
        }
        ChildrenVypocetPolozek(navrh, materials, label, context);
    });
}

}  // namespace belvo
