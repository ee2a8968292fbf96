// CenikId, the price-list label: country, time stamp of the database import, currency and ERP
// key, as in "CZ20160515 14:30 (Kč)/KEY". It names the price list's settings section and its
// default file. Labels arrive from files and downloads, so every function here accepts any text.
#pragma once

#include <string>
#include <string_view>

#include "platform/system_info.h"

namespace belvo {

struct CenikIdParts {
    std::string zeme;     // country code, two characters
    std::string cas;      // time of the import, "%Y%m%d %H:%M"
    std::string mena;     // currency, at most three characters; empty when none
    std::string erpKlic;  // key of the price list in the ERP system; empty when none
};

// The time stamp of a label: four-digit year, month, day, a space, hours and minutes.
std::string FormatCenikIdTime(const LocalTime& time);

// Country (its first two characters), time stamp, then " (currency)" when there is a currency
// (its first three characters) and "/key" when there is a key.
std::string ComposeCenikId(const CenikIdParts& parts);

// The parts of a label of that form; for a label of another form the parts are what the same
// positions hold (country: the first two characters).
CenikIdParts SplitCenikId(std::string_view label);

// The part before the first "/" (the whole label when it has none): the price list's name.
std::string_view CenikIdName(std::string_view label);
// The part after the first "/": the ERP key; empty when there is no "/".
std::string_view CenikIdErpKey(std::string_view label);
// The text between the first "(" standing at a position greater than 0 and the next ")";
// empty when there is none.
std::string CenikIdCurrency(std::string_view label);

// The settings section of a price list: the country (the label's first two characters, or
// "CZ" when the label starts with a digit or is empty), "-" and the currency in parentheses
// (or "Kč" when the label has none), for example "CZ-Kč" or "SK-EUR". Characters that would
// nest a section or split the list of sections ('/', '\', ';', control characters) become '_'.
std::string PriceListSectionName(std::string_view label);

// The default file name of a price list: the name part of the label with spaces turned into
// "-", without ":", "(" and ")", and ".dat" appended, for example "CZ20160515-1430-Kč.dat".
// Path separators, control characters and the characters no file name may hold become '_', and
// a name that Windows keeps for a device ("CON", "LPT1", ...) gets a leading '_', so the result
// is always a plain file name in the start-up directory.
std::string DefaultPriceListFileName(std::string_view label);

}  // namespace belvo
