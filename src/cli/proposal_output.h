// The outputs of `belvo-cli proposal`: the JSON document of the batch contract and a plain text
// form of the two summary tables and the totals.
#pragma once

#include <ostream>
#include <vector>

#include "cli/cli_ui.h"

namespace belvo {
class SummaryModel;
}

namespace belvo::cli {

// The proposal's stored fields, the messages shown, the items and pallet rows with the cells
// the summary computes, and the totals. Decimals are strings with '.', null is null.
void WriteProposalJson(std::ostream& out, const SummaryModel& summary, const std::vector<ShownMessage>& messages);

// The title, the item table and the pallet table as the summary shows them (tab-separated, in
// the locale's number format) and the totals.
void WriteProposalText(std::ostream& out, const SummaryModel& summary);

}  // namespace belvo::cli
