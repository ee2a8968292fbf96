#include "materials/element_support.h"

#include "platform/ui.h"

namespace belvo {

void HlasChybejiciMaterial(Ui& ui, const std::string& materialText, const std::string& objCislo)
{
    ui.Message("Material " + materialText + "(" + objCislo + ")\nnenalezen v číselníku", "Chyba",
               MessageIcon::Warning);
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
