// The material lookups that every element calculation shares. Both go through the price list's
// index, so a calculation never walks the list.
#pragma once

#include <string_view>

#include "foundation/decimal.h"

namespace belvo {

class CMaterial;
class CMaterialList;

// The first record whose ObjCislo equals the order number exactly; null when there is none.
const CMaterial* NajdiMaterial(const CMaterialList& materials, std::string_view objCislo);
// The first record with the order number and whose Otoceni equals the rotation by value.
const CMaterial* NajdiMaterialOtoceni(const CMaterialList& materials, std::string_view objCislo,
                                      const CCislo& otoceni);

}  // namespace belvo
