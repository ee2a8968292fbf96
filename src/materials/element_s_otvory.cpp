#include "materials/element_s_otvory.h"

namespace belvo {

void CPrvekSOtvory::SerializeOtvory(CArchive& ar)
{
    ar.SerializeList(Otvory);
    ar.SerializeList(Zkoseni);
}

std::vector<CCislo> CPrvekSOtvory::OdebranePlochy() const
{
    std::vector<CCislo> areas;
    areas.reserve(Otvory.size() + Zkoseni.size());
    for (const auto& opening : Otvory) areas.push_back(opening->Plocha * opening->Pocet);
    for (const auto& slant : Zkoseni) areas.push_back(slant->Plocha * slant->Pocet);
    return areas;
}

void CPrvekSOtvory::KontrolaSOtvory(std::vector<CChybiMaterial>& missing, const std::string& path,
                                    const std::string& objCislo, const std::string& materialText,
                                    const CMaterialList& materials, const Separators& separators) const
{
    const std::string own = path + "::" + Nazev;
    ZkontrolujMaterial(missing, own, objCislo, materialText, materials);
    for (const auto& opening : Otvory) opening->KontrolaCeniku(missing, own, materials, separators);
    for (const auto& slant : Zkoseni) slant->KontrolaCeniku(missing, own, materials, separators);
    ChildrenKontrolaCeniku(missing, own, materials, separators);
}

}  // namespace belvo
