// Modular values: the brick calculations work with standard sizes (modules) to which the
// catalogued dimensions of the products are mapped.
#pragma once

#include "foundation/decimal.h"

namespace belvo {

// The module of a catalogued dimension: the module of the first of eleven ranges that holds it
// (bounds inclusive), as a whole number; a dimension in no range (null included) is returned
// unchanged.
CCislo ModularDimension(const CCislo& dimension);

}  // namespace belvo
