#include "materials/delka.h"

#include "catalogue/material.h"
#include "catalogue/material_list.h"
#include "platform/report_failure.h"
#include "model/najdi_material.h"
#include "materials/element_support.h"
#include "proposal/item_operations.h"

namespace belvo {

namespace {
std::unique_ptr<CObject> NewDelka() { return std::make_unique<CDelka>(); }
}  // namespace

const CRuntimeClass CDelka::classInfo{"CDelka", VERSIONABLE_SCHEMA | 2, &NewDelka, &CPrvek::classInfo};

CDelka::CDelka() { Nazev = "Položka"; }

CDelka::CDelka(int skupina, int obrazek) : CDelka()
{
    Skupina = skupina;
    Obrazek = obrazek;
}

void CDelka::Serialize(CArchive& ar)
{
    const std::uint32_t schema = ar.GetObjectSchema();
    ar.Transfer(Nazev).Transfer(MaterialText).Transfer(ObjCislo).Transfer(Delka).Transfer(Skupina).Transfer(Obrazek);
    if (schema >= 2) ar.Transfer(Pocet);
    else Pocet = CCislo(0);
    SerializePrvky(ar);
}

CCislo CDelka::KusyNaDelku(const CCislo& delka, const CMaterial& material)
{
    return ZaokrouhlenyPodil(delka, material.Delka);
}

CCislo CDelka::DelkaKusu(const CCislo& kusu, const CMaterial& material) { return kusu * material.Delka; }

void CDelka::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                            CalcContext& context)
{
    RunReporting(context.ui, "CDelka::VypocetPolozek", "Chyba", [&] {
        if (const CMaterial* material = NajdiMaterial(materials, ObjCislo))
            PridejPolozkuKladnou(navrh, label, *material, KusyNaDelku(Delka, *material), CCislo(0), false);
        else
            HlasChybejiciMaterial(context.ui, MaterialText, ObjCislo);
        ChildrenVypocetPolozek(navrh, materials, label, context);
    });
}

void CDelka::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                            const CMaterialList& materials, const Separators& separators) const
{
    KontrolaMaterialu(missing, path, ObjCislo, MaterialText, materials, separators);
}

}  // namespace belvo
