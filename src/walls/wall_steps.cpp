#include "walls/wall_steps.h"

#include "catalogue/material.h"
#include "catalogue/material_codes.h"
#include "proposal/item_operations.h"

namespace belvo {

namespace {
const CCislo kMilion(1000000);

CCislo AtScale(CCislo value, int scale)
{
    value.SetScale(scale, true);
    return value;
}
}  // namespace

CCislo ZaokrouhliNahoru(const CCislo& value)
{
    CCislo up = value + CCislo(99, 2);
    up.SetScale(0, false);
    return up;
}

void PridejMaltu(CNavrh& navrh, const CMaterialList& materials, const std::string& label, CalcContext& context,
                 const CMaterial& brick, const CCislo& area, const CCislo& pocet)
{
    if (!(brick.Malta > CCislo(0))) return;
    const bool variant = brick.VariantaKod > CCislo(0);
    const int group = variant ? kSkupinaVariantniMalty : kSkupinaMaltyOmitky;
    const int type = static_cast<int>(brick.VariantaKod.RoundToInteger());
    const CMaterial* mortar = VyberMaterial(navrh, materials, group, type, true, context);
    if (!mortar) return;
    const CCislo q = AtScale(brick.Malta * AtScale(area, 1) / (mortar->Malta * kMilion) * pocet, 1);
    PridejPolozkuKladnou(navrh, label, *mortar, q, CCislo(0), false);
}

void PridejZakladaciMaltu(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                          CalcContext& context, const CMaterial& brick, const CCislo& length, const CCislo& pocet)
{
    if (!(brick.VariantaKod > CCislo(0) && brick.MaltaZak > CCislo(0))) return;
    const CMaterial* mortar =
        VyberMaterial(navrh, materials, kSkupinaVariantniMalty, kTypMaltaZakladova, true, context);
    const CCislo brickLength = brick.ModulDelka();
    if (!mortar || !(brickLength > CCislo(0))) return;
    const CCislo q = AtScale(pocet * brick.MaltaZak * AtScale(length, 1) / brickLength / mortar->Malta, 1);
    PridejPolozkuKladnou(navrh, label, *mortar, q, CCislo(0), false);
}

void PridejPerlit(CNavrh& navrh, const CMaterialList& materials, const std::string& label, CalcContext& context,
                  const CMaterial& brick, const CCislo& length, const CCislo& courses, const CCislo& pocet)
{
    if (!(brick.Perlit > CCislo(0))) return;
    const CMaterial* perlite = VyberMaterial(navrh, materials, kSkupinaVyplne, kTypPerlit, true, context);
    if (!perlite) return;
    const CCislo q = AtScale(AtScale(length, 1) * courses * pocet / brick.ModulDelka() * brick.Perlit / perlite->Malta, 1);
    PridejPolozkuKladnou(navrh, label, *perlite, q, CCislo(0), false);
}

}  // namespace belvo
