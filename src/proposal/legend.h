// The legend of the outputs: what the first digit of an order number says about where the
// product comes from. The report and the HTML page list the same six lines in this order.
#pragma once

#include <array>
#include <string_view>

namespace belvo {

struct LegendLine {
    std::string_view digit;
    std::string_view producer;  // as the HTML page writes it; the report starts it in capitals
};

inline constexpr std::array<LegendLine, 6> kLegendLines{{
    {"1", "vlastní výroba – závod Sever"},
    {"2", "vlastní výroba – závod Jih"},
    {"5", "vlastní výroba – závod Východ"},
    {"7", "vlastní výroba – závod Západ"},
    {"3", "doplňkový sortiment výrobce"},
    {"4", "externí výrobky"},
}};

}  // namespace belvo
