#include "model/najdi_material.h"

#include "catalogue/material_list.h"

namespace belvo {

const CMaterial* NajdiMaterial(const CMaterialList& materials, std::string_view objCislo)
{
    return materials.Find(objCislo);
}

const CMaterial* NajdiMaterialOtoceni(const CMaterialList& materials, std::string_view objCislo,
                                      const CCislo& otoceni)
{
    return materials.Find(objCislo, otoceni);
}

}  // namespace belvo
