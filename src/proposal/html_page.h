// The HTML page of a proposal: a customer offer with the project header, the item lines split
// into pallets and loose pieces, the goods, pallet and transport totals, the grand total with
// the gross weight, the message and the legend. The page refers to two pictures written beside
// it, "Belvo.bmp" and "Belvo.GIF".
#pragma once

#include <string>
#include <string_view>

#include "proposal/output_lines.h"
#include "proposal/output_source.h"

namespace belvo {

// Text for the page: every "<" becomes "(" and every ">" becomes ")"; nothing else changes.
std::string HtmlText(std::string_view text);

// The page as UTF-8 text with line feeds, built from the recomputed summary.
std::string BuildHtmlPage(const OutputSource& source, const PrintOptions& options);

}  // namespace belvo
