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

void CPrvekSOtvory::KontrolaOtvoru(std::vector<CChybiMaterial>& missing, const std::string& path,
                                   const CMaterialList& materials, const Separators& separators) const
{
    for (const auto& opening : Otvory) opening->KontrolaCeniku(missing, path, materials, separators);
    for (const auto& slant : Zkoseni) slant->KontrolaCeniku(missing, path, materials, separators);
}

}  // namespace belvo
