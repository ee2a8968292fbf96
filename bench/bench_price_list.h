// A price list of the size the maker's database produces, for the benchmarks.
#pragma once

#include <cstddef>

#include "catalogue/material_list.h"

namespace belvo::bench {

// `count` records with realistic texts and numbers; every third order number has rotated rows.
CMaterialList MakeLargePriceList(std::size_t count);

}  // namespace belvo::bench
