#include "walls/doplnek.h"

#include "catalogue/material.h"
#include "catalogue/material_list.h"

namespace belvo {

bool MaBitDoplnku(const CMaterial& material, int mask) { return (material.Typ.RoundToInteger() & mask) != 0; }

bool JeZRodiny(const CMaterial& candidate, const CMaterial& brick)
{
    return candidate.PatriDoRodiny(brick.ZaklMat);
}

CMaterialList::Selection ClenoveRodiny(const CMaterialList& materials, const CMaterial& brick)
{
    return materials.InFamily(brick.KodRodiny());
}

const CMaterial* NajdiDoplnek(const CMaterialList& materials, const CMaterial& material, int mask)
{
    const CMaterial* base = &material;
    if (material.Typ.RoundToInteger() != 0) {
        // A piece: its base brick is the first brick of type 0 of the same group and variant
        // whose own family code the piece lists.
        base = nullptr;
        for (const CMaterial& candidate : materials.InGroup(material.Skupina)) {
            if (candidate.Typ.RoundToInteger() == 0 && candidate.Varianta == material.Varianta &&
                JeZRodiny(material, candidate)) {
                base = &candidate;
                break;
            }
        }
        if (!base) return nullptr;
    }
    for (const CMaterial& candidate : ClenoveRodiny(materials, *base)) {
        if (MaBitDoplnku(candidate, mask) && StejneCislo(candidate.Skupina, base->Skupina) && candidate.Varianta == base->Varianta)
            return &candidate;
    }
    return nullptr;
}

}  // namespace belvo
