#include "catalogue/modular_dimension.h"

#include <array>

namespace belvo {

namespace {
struct ModuleRange {
    int low;
    int high;
    int module;
};

// Tested in this order; the ranges do not overlap.
constexpr std::array<ModuleRange, 11> kModuleRanges{{
    {230, 250, 250},
    {153, 170, 170},
    {290, 300, 300},
    {140, 150, 150},
    {186, 190, 190},
    {180, 185, 185},
    {370, 375, 375},
    {330, 340, 340},
    {495, 500, 500},
    {112, 125, 125},
    {64, 75, 75},
}};
}  // namespace

CCislo ModularDimension(const CCislo& dimension)
{
    for (const ModuleRange& range : kModuleRanges)
        if (CCislo(range.low) <= dimension && dimension <= CCislo(range.high)) return CCislo(range.module);
    return dimension;
}

}  // namespace belvo
