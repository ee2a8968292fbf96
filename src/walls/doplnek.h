// Companion pieces of a brick: the pieces of its family (corner, reduced, half, edge and 135°
// corner bricks) told apart by the type bits of material_codes.h.
#pragma once

#include "foundation/decimal.h"

namespace belvo {

class CMaterial;
class CMaterialList;

// The separators with which family codes are read (the program's Czech locale).
const Separators& FamilySeparators();

// Whether the type of `material`, rounded to a whole number, has a bit of `mask`.
bool MaBitDoplnku(const CMaterial& material, int mask);

// Whether `candidate` belongs to the family of the base brick `brick`.
bool JeZRodiny(const CMaterial& candidate, const CMaterial& brick);

// The first piece of the family of `material` that carries a type bit of `mask`, with the base
// brick's group and price variant; null when there is none. When `material` is itself a piece,
// its base brick is found first.
const CMaterial* NajdiDoplnek(const CMaterialList& materials, const CMaterial& material, int mask);

}  // namespace belvo
