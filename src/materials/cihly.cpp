#include "materials/cihly.h"

#include "catalogue/material.h"
#include "catalogue/material_list.h"
#include "platform/report_failure.h"
#include "model/najdi_material.h"
#include "materials/element_support.h"
#include "proposal/item_operations.h"
#include "walls/wall_steps.h"

namespace belvo {

namespace {
std::unique_ptr<CObject> NewCihly() { return std::make_unique<CCihly>(); }

const CCislo kNula(0);
const CCislo kJedna(1);
}  // namespace

const CRuntimeClass CCihly::classInfo{"CCihly", VERSIONABLE_SCHEMA | 2, &NewCihly, &CPrvek::classInfo};

CCihly::CCihly() { Nazev = "Cihly"; }

void CCihly::Serialize(CArchive& ar)
{
    const std::uint32_t schema = ar.GetObjectSchema();
    ar.Transfer(Nazev).Transfer(MaterialText).Transfer(ObjCislo);
    ar.Transfer(Delka).Transfer(Vyska).Transfer(Sirka).Transfer(Plocha).Transfer(Objem).Transfer(Kusu);
    if (schema >= 2) {
        ar.Transfer(DelkaPrvnihoSaru).Transfer(PocetSaruSPerlitem).Transfer(ZakladaciMalta).Transfer(MaltaNeboLepidlo);
    } else {
        DelkaPrvnihoSaru = kNula;
        PocetSaruSPerlitem = kNula;
        ZakladaciMalta = 0;
        MaltaNeboLepidlo = 0;
    }
    SerializePrvky(ar);
}

CCislo CCihly::ObjemModulu(const CMaterial& brick)
{
    return brick.ModulDelka() * brick.ModulSirka() * brick.ModulVyska();
}

CCislo CCihly::KusuObjemu(const CCislo& objem, const CCislo& objemModulu, const CCislo& current)
{
    if (objemModulu > kNula && objem > kNula) {
        CCislo kusu = objem / objemModulu;
        if (objem % objemModulu != kNula) kusu += kJedna;
        return kusu;
    }
    return current > kNula ? current : kNula;
}

CCislo CCihly::ObjemKusu(const CCislo& kusu, const CCislo& objemModulu)
{
    if (kusu > kNula && objemModulu > kNula) return kusu * objemModulu;
    return kNula;
}

void CCihly::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                            CalcContext& context)
{
    // The failures of this class are reported under the shaped bricks' operation name, as the
    // program always has.
    RunReporting(context.ui, "CTvarovky::VypocetPolozek", "Chyba", [&] {
        const CMaterial* brick = NajdiMaterial(materials, ObjCislo);
        if (brick == nullptr) {
            HlasChybejiciMaterial(context.ui, MaterialText, ObjCislo);
        } else {
            PridejPolozkuKladnou(navrh, label, *brick, Kusu, kNula, false);
            if (MaltaNeboLepidlo == 1 || brick->VariantaKod > kNula)
                PridejMaltu(navrh, materials, label, context, *brick, brick->ModulDelka() * brick->ModulVyska() * Kusu,
                            kJedna);
            // The first course is no longer than the bricks laid in a row.
            CCislo prvniSar = brick->ModulDelka() * Kusu;
            if (!(prvniSar < DelkaPrvnihoSaru)) prvniSar = DelkaPrvnihoSaru;
            if (ZakladaciMalta == 1 && DelkaPrvnihoSaru > kNula)
                PridejZakladaciMaltu(navrh, materials, label, context, *brick, prvniSar, kJedna);
            if (PocetSaruSPerlitem > kNula)
                PridejPerlit(navrh, materials, label, context, *brick, prvniSar, PocetSaruSPerlitem, kJedna);
        }
        ChildrenVypocetPolozek(navrh, materials, label, context);
    });
}

void CCihly::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                            const CMaterialList& materials, const Separators& separators) const
{
    KontrolaMaterialu(missing, path, ObjCislo, MaterialText, materials, separators);
}

}  // namespace belvo
