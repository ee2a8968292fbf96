// The statements the price-list import sends to the maker's database. Their texts are part of
// the contract with that database and are sent exactly as they stand.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace belvo {

// The material queries, in the order they run: ordinary rows, rotated rows (rotation 1 and 2),
// the price variants sb, sbc and sbd of bricks, the variant mortars sb, sbc and sbd. Each returns
// the same 30 columns.
inline constexpr std::size_t kMaterialQueryCount = 9;
inline constexpr std::size_t kMaterialColumnCount = 30;
std::span<const std::string_view> MaterialQueries();

// The type captions: negated group, type, caption, Allplan keyword.
inline constexpr std::string_view kPanelQuery = "select  -app_skupina, app_typ, popis, allplan from panely";
inline constexpr std::size_t kPanelColumnCount = 4;

// The price list's own row: country, currency, ERP key.
inline constexpr std::string_view kPriceListQuery = "select zeme, mena, heliosxml from cenik";
inline constexpr std::size_t kPriceListColumnCount = 3;

}  // namespace belvo
