// The operations through which the element calculations put quantities into a proposal, and the
// choice among alternative materials of a group and type.
#pragma once

#include <string>

#include "foundation/decimal.h"

namespace belvo {

class CMaterial;
class CNavrh;
class CMaterialList;
struct CalcContext;

// Adds `quantity` pieces of `material`: merged into the first item with the same order number
// and group label unless `separate` is set. A non-zero surcharge gives a new item the discount
// minus the surcharge.
void PridejPolozku(CNavrh& navrh, const std::string& label, const CMaterial& material,
                   const CCislo& quantity, const CCislo& surcharge, bool separate);
// As PridejPolozku, but only for a quantity greater than 0.
void PridejPolozkuKladnou(CNavrh& navrh, const std::string& label, const CMaterial& material,
                          const CCislo& quantity, const CCislo& surcharge, bool separate);
// Looks the order number up and adds it when the quantity is greater than 0; a missing material
// is reported through the context's Ui (ChybiMaterialText, caption "Chyba", warning icon) and
// skipped.
void PridejObjCislo(CNavrh& navrh, const std::string& label, const CMaterialList& materials,
                    const std::string& objCislo, const CCislo& quantity, const CCislo& surcharge,
                    bool separate, CalcContext& context);

// The message about an order number that the price list lacks.
std::string ChybiMaterialText(const std::string& objCislo);

// The material of `group` and `type` (with a mortar figure above 0 when `mortar`) that the
// proposal uses: chosen once per proposal when several qualify (a quick proposal takes the
// smallest order number, a normal one asks through the context's Ui); none when none does.
const CMaterial* VyberMaterial(CNavrh& navrh, const CMaterialList& materials, int group, int type,
                               bool mortar, CalcContext& context);

}  // namespace belvo
