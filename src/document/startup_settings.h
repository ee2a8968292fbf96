// What the document does with the settings when the program starts: it brings the price-list
// sections that older versions wrote up to date, and decides whether the user should review the
// settings because the program is newer than the settings last confirmed.
#pragma once

#include <string>
#include <string_view>

namespace belvo {

class SettingsStore;

// The web address that replaces a missing or outdated "CenikUrl" of a price-list section. A Czech
// section (its name begins with "CZ-") gets the Czech price list's file "/belvo/Karno-CZ-Kc.dat"
// (the server names it without the háček); any other section its own default address, so that
// it is never pointed at another country's price list.
std::string TidiedCenikUrl(const SettingsStore& settings, std::string_view section);

// For each section of Setup/"Ceniky" (walked up to the first empty name): a Czech section gets
// the VAT "20,0"; a "CenikUrl" that is missing, is the single address of older versions
// ("/belvo/Karno.dat") or names the Czech file with the háček ("/belvo/Karno-CZ-Kč.dat") is
// replaced by TidiedCenikUrl.
void TidyPriceListSections(SettingsStore& settings);

// Whether the settings should be reviewed: no source of the price list is set up (neither
// Setup/"CenikRadio" nor the "CenikRadio" of the default price list's section), or the settings
// were last confirmed by another version (Setup/"Version").
bool NewVersionCheckFires(const SettingsStore& settings);

// The message shown before the settings dialog when the check fires.
inline constexpr const char* kNewVersionText =
    "Aplikace může obsahovat nové možnosti. \n\rProsím o jejich nastavení a potvrzení OK.";
inline constexpr const char* kNewVersionCaption = "Nová verze aplikace";

}  // namespace belvo
