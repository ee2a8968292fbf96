// Reads what the summary window takes from the settings when it is created: the colours of the
// rounding marks, the pricing and automatic-rounding options, the two money amounts of the
// rounding decision (from the proposal's price-list section) and the active rounding categories.
#pragma once

#include <string>

#include "proposal/summary_model.h"

namespace belvo {

class SettingsStore;

SummarySettings ReadSummarySettings(const SettingsStore& settings, const std::string& cenik);

}  // namespace belvo
