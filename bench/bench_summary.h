// A proposal of 2 000 items as a large house gives one to the summary window: bricks, lintels,
// mortars and loose goods, most of them on one of ten pallets, freshly computed (not yet split
// into pallets and loose pieces). And the surroundings a summary window needs, without a user.
#pragma once

#include <memory>
#include <string>

#include "platform/shell.h"
#include "platform/system_info.h"
#include "platform/unattended_ui.h"
#include "proposal/navrh.h"
#include "proposal/prehled_form.h"
#include "settings/memory_settings_store.h"

namespace belvo::bench {

inline constexpr int kSummaryItems = 2000;

std::unique_ptr<CNavrh> LargeProposal(int items = kSummaryItems);

class NoShell : public Shell {
public:
    bool OpenInViewer(const std::string&) override { return false; }
    bool StartCalculator() override { return false; }
};

// A summary window's commands over a large proposal, with rounding categories for wall bricks.
struct SummaryBed {
    UnattendedUi ui;
    MemorySettingsStore settings;
    FixedSystemInfo system;
    NoShell shell;

    SummaryBed();
    std::unique_ptr<CPrehledForm> Open(int items = kSummaryItems);
};

}  // namespace belvo::bench
