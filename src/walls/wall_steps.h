// Steps of the wall calculation that other brick elements reuse: rounding up, the mortar of a
// masonry area, the base-course mortar of a length and the perlite filling of some courses.
// Each chooses its material with VyberMaterial and adds it to the proposal.
#pragma once

#include <string>

#include "foundation/decimal.h"

namespace belvo {

class CMaterial;
class CNavrh;
class CMaterialList;
struct CalcContext;

// Rounds a value of at most one decimal up to a whole number: adds 0.99 and drops the decimals.
CCislo ZaokrouhliNahoru(const CCislo& value);

// Mortar of `brick` for a masonry face of `area` mm², for `pocet` walls. Needs a mortar figure
// of the brick above 0; the mortar is of group -38 and the brick's variant code for a price
// variant, of group 38 type 0 otherwise. The caller decides whether mortar is wanted at all.
void PridejMaltu(CNavrh& navrh, const CMaterialList& materials, const std::string& label, CalcContext& context,
                 const CMaterial& brick, const CCislo& area, const CCislo& pocet);

// Base-course mortar under `length` mm of the first course, for price-variant bricks with a
// base-course figure.
void PridejZakladaciMaltu(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                          CalcContext& context, const CMaterial& brick, const CCislo& length, const CCislo& pocet);

// Perlite for `courses` courses of `length` mm of a brick with a perlite figure.
void PridejPerlit(CNavrh& navrh, const CMaterialList& materials, const std::string& label, CalcContext& context,
                  const CMaterial& brick, const CCislo& length, const CCislo& courses, const CCislo& pocet);

}  // namespace belvo
