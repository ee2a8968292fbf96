// Companion pieces of a brick: the pieces of its family (corner, reduced, half, edge and 135°
// corner bricks) told apart by the type bits of material_codes.h.
#pragma once

#include <cstdint>

#include "catalogue/material_list.h"
#include "foundation/decimal.h"

namespace belvo {

class CMaterial;

// Whether `value` equals the whole number `whole`. Price-list codes are whole numbers, and the
// scans of the price list test them for every record, so that case avoids the general compare.
inline bool JeCislo(const CCislo& value, std::int64_t whole)
{
    return value.Scale() == 0 ? value.Mantissa() == whole : value == CCislo(whole);
}

// Value equality of two numbers, quick when they have the same scale (as the same field of two
// price-list records has).
inline bool StejneCislo(const CCislo& a, const CCislo& b)
{
    return a.Scale() == b.Scale() ? a.Mantissa() == b.Mantissa() : a == b;
}

// Whether the type of `material`, rounded to a whole number, has a bit of `mask`.
bool MaBitDoplnku(const CMaterial& material, int mask);

// Whether `candidate` belongs to the family of the base brick `brick`.
bool JeZRodiny(const CMaterial& candidate, const CMaterial& brick);

// The records of the price list that belong to the family of the base brick `brick` (those for
// which JeZRodiny is true), in list order.
CMaterialList::Selection ClenoveRodiny(const CMaterialList& materials, const CMaterial& brick);

// The first piece of the family of `material` that carries a type bit of `mask`, with the base
// brick's group and price variant; null when there is none. When `material` is itself a piece,
// its base brick is found first.
const CMaterial* NajdiDoplnek(const CMaterialList& materials, const CMaterial& material, int mask);

}  // namespace belvo
