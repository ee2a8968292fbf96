// Pictures of the settings dialog and of the price-list view, for the documentation and for
// looking at what the program shows without a person clicking through it.
#pragma once

#include <QString>

#include "catalogue/price_list_file.h"
#include "foundation/decimal.h"
#include "gui/dialogs/settings_dialog.h"

namespace belvo::gui {

// The filter typed into the price-list view of the picture.
inline constexpr const char* kScreenshotFilter = "cihla 30";

// Writes into `directory`: settings.png, the settings dialog opened on the tab of the price
// list's section, and price-list.png, the price-list view of `cenik` with kScreenshotFilter
// typed. The windows are shown, grabbed and closed; no modal loop runs. Opening the settings
// dialog writes the default rounding table into a store that has none, so give it a scratch
// store. False when a picture could not be written.
bool WriteDialogScreenshots(SettingsDialogEnvironment env, const PriceList& cenik, const Separators& separators,
                            const QString& directory);

}  // namespace belvo::gui
