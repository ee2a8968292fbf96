// The price-list view "Seznam materiálu": a read-only table over the current price list, one
// row per material (rows of rotation 0), as the command "Zobrazit ceník - materiál" shows it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "catalogue/material.h"
#include "catalogue/price_list_file.h"
#include "foundation/decimal.h"
#include "platform/ui.h"

namespace belvo {

// "Ceník " + label + "; ceny v " + the label's currency ("Kč" when it names none).
std::string PriceListViewTitle(const std::string& cenikId);
// The sixteen columns with their headings and widths; the last three are hidden (width 1).
std::vector<TableDialog::Column> PriceListViewColumns();
// The cells of one material: prices with 2 decimal places, the weight with 1, every other
// number as stored, the pallet as its name and its order number in parentheses.
std::vector<std::string> PriceListViewRow(const CMaterial& material, const Separators& separators);
// The columns of the order number and the name: a text typed into the view's filter is looked
// for in these two.
inline constexpr std::size_t kPriceListViewOrderColumn = 0;
inline constexpr std::size_t kPriceListViewNameColumn = 1;
// The whole view: title, a fixed leading column of width 15, the columns and the rows, and the
// columns its filter searches.
TableDialog PriceListViewTable(const PriceList& cenik, const Separators& separators);

}  // namespace belvo
