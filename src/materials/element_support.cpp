#include "materials/element_support.h"

#include "catalogue/material_list.h"
#include "model/element.h"
#include "model/najdi_material.h"
#include "platform/ui.h"

namespace belvo {

void HlasChybejiciMaterial(Ui& ui, const std::string& materialText, const std::string& objCislo)
{
    ui.Message("Material " + materialText + "(" + objCislo + ")\nnenalezen v číselníku", "Chyba",
               MessageIcon::Warning);
}

void ZkontrolujMaterial(std::vector<CChybiMaterial>& missing, const std::string& path, const std::string& nazev,
                        const std::string& objCislo, const std::string& materialText, const CMaterialList& materials)
{
    if (NajdiMaterial(materials, objCislo) == nullptr)
        missing.push_back(CChybiMaterial{nazev, objCislo, materialText, path});
}

CCislo NaDesetiny(CCislo value, int scale)
{
    value.SetScale(scale, true);
    return value;
}

CCislo ZaokrouhlenyPodil(const CCislo& a, const CCislo& b)
{
    return NaDesetiny(NaDesetiny(a, 1) / b, 0);
}

CCislo ZaokrouhliNaPulKusy(const CCislo& k)
{
    if (k.Fraction() <= CCislo(5, 1)) return NaDesetiny(k - CCislo(1, 1), 0) + CCislo(5, 1);
    return NaDesetiny(k + CCislo(1, 1), 0);
}

}  // namespace belvo
