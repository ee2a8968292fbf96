#include "materials/kusy.h"

#include "catalogue/material.h"
#include "catalogue/material_codes.h"
#include "catalogue/material_list.h"
#include "platform/report_failure.h"
#include "model/najdi_material.h"
#include "materials/element_support.h"
#include "proposal/item_operations.h"
#include "proposal/navrh.h"
#include "walls/lintels.h"

namespace belvo {

namespace {
const char kOperaceKusy[] = "CKusy::VypocetPolozek";

std::unique_ptr<CObject> NewKusy() { return std::make_unique<CKusy>(); }
std::unique_ptr<CObject> NewKusyPreklady() { return std::make_unique<CKusyPreklady>(); }
}  // namespace

const CRuntimeClass CKusy::classInfo{"CKusy", VERSIONABLE_SCHEMA | 2, &NewKusy, &CPrvek::classInfo};
const CRuntimeClass CKusyPreklady::classInfo{"CKusyPreklady", VERSIONABLE_SCHEMA | 2, &NewKusyPreklady,
                                             &CKusy::classInfo};

CKusy::CKusy() { Nazev = "Položka"; }

CKusy::CKusy(int skupina, int obrazek) : CKusy()
{
    Skupina = skupina;
    Obrazek = obrazek;
}

void CKusy::Serialize(CArchive& ar) { SerializeKusy(ar, ar.GetObjectSchema()); }

void CKusy::SerializeKusy(CArchive& ar, std::uint32_t schema)
{
    ar.Transfer(Nazev).Transfer(MaterialText).Transfer(ObjCislo).Transfer(Pocet).Transfer(Skupina).Transfer(Obrazek);
    if (schema >= 2) ar.Transfer(Atyp);
    else Atyp = 0;
    SerializePrvky(ar);
}

void CKusy::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                           CalcContext& context)
{
    RunReporting(context.ui, kOperaceKusy, "Chyba", [&] {
        // An atypical ceramic panel is an item of its own, priced with the proposal's surcharge.
        const CCislo surcharge = Atyp == 1 && Skupina == kSkupinaStropniPanely ? navrh.Atyp : CCislo(0);
        if (NajdiMaterial(materials, ObjCislo) != nullptr)
            PridejObjCislo(navrh, label, materials, ObjCislo, Pocet, surcharge, Atyp != 0, context);
        else
            HlasChybejiciMaterial(context.ui, MaterialText, ObjCislo);
        ChildrenVypocetPolozek(navrh, materials, label, context);
    });
}

void CKusy::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                           const CMaterialList& materials, const Separators& separators) const
{
    KontrolaMaterialu(missing, path, ObjCislo, MaterialText, materials, separators);
}

CKusyPreklady::CKusyPreklady() : CKusy(kSkupinaPreklady, kObrazekPreklady) { Nazev = "Překlad"; }

void CKusyPreklady::Serialize(CArchive& ar)
{
    SerializeKusy(ar, ar.GetObjectSchema());
    ar.Transfer(ZaklMaterial).Transfer(ZaklObjCislo).Transfer(PocetOtvoru).Transfer(SirkaZdi);
}

void CKusyPreklady::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                                   CalcContext& context)
{
    RunReporting(context.ui, kOperaceKusy, "Chyba", [&] {
        const CMaterial* lintel = NajdiMaterial(materials, ObjCislo);
        if (lintel == nullptr) {
            HlasChybejiciMaterial(context.ui, MaterialText, ObjCislo);
        } else {
            PridejObjCislo(navrh, label, materials, ObjCislo, Pocet, CCislo(0), false, context);
            if (PocetOtvoru > CCislo(0) && !ZaklObjCislo.empty()) {
                // A wall brick that the price list lacks takes nothing out, without a message.
                if (const CMaterial* brick = NajdiMaterial(materials, ZaklObjCislo))
                    OdeberCihlyZaPreklad(navrh, materials, label, *lintel, *brick, SirkaZdi, PocetOtvoru);
            }
        }
        ChildrenVypocetPolozek(navrh, materials, label, context);
    });
}

}  // namespace belvo
