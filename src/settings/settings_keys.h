// Every key of the settings store, with its section and its default, in one place, and the
// typed readers and writers that every other part of the program uses instead of spelling a key
// name or a default by hand.
//
// Sections: "Setup" (common to the program), "Zaokrouhlovani" (the rounding categories of the
// summary) and one section per price list, named after the price list's label (such as
// "CZ-Kč"); the list of those sections is the key Setup/"Ceniky".
//
// Defaults. A key's default is the one the settings dialog uses. Several readers treat a missing
// value differently (the lintel design reads "Preklady" as off, a new project reads "DPH" as
// "22", the print reads "TiskNulovychPolozek" as on only for "A"); such a reader passes its own
// default, and for yes/no keys its own test, and says so where it reads.
//
// Yes/no keys hold "A" (yes) or "N" (no). Some are on only when the value is "A", others unless
// it is "N"; the test belongs to the key (and may be overridden by a reader, as above).
//
// Decimal keys hold a number as text. The program writes them with ',' as the decimal separator
// ("20,0"), and reads them whatever the system locale: the first ',' or '.' is the decimal
// separator and spaces group thousands, so a value reads the same on every machine.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "foundation/decimal.h"
#include "settings/settings_store.h"

namespace belvo {

inline constexpr std::string_view kSetupSection = "Setup";
inline constexpr std::string_view kRoundingSection = "Zaokrouhlovani";
// The section of a key that lives only in price-list sections: its readers take the section.
inline constexpr std::string_view kPriceListSection = {};

// Values of yes/no keys.
inline constexpr std::string_view kYes = "A";
inline constexpr std::string_view kNo = "N";

// Values of "CenikRadio", where a price list comes from. Any other value means a file.
inline constexpr std::string_view kSourceDatabase = "db";
inline constexpr std::string_view kSourceFile = "file";
inline constexpr std::string_view kSourceWeb = "www";

enum class YesNoTest {
    OnlyYes,   // on only when the value is "A"
    AnyButNo,  // on unless the value is "N"
};

struct TextKey {
    std::string_view section;
    std::string_view name;
    std::string_view defaultValue;
};
// A yes/no key: the default text and the test that turns a text into on or off.
struct FlagKey : TextKey {
    YesNoTest test = YesNoTest::OnlyYes;
};
// A decimal number kept as text; the default is a text too.
struct DecimalKey : TextKey {};
struct IntKey {
    std::string_view section;
    std::string_view name;
    int defaultValue = 0;
};

// How one reader treats a yes/no key when that differs from the key's own default and test.
struct FlagReading {
    std::string_view missing;
    YesNoTest test = YesNoTest::OnlyYes;
};

namespace keys {

// --- "Setup" ---------------------------------------------------------------------------------
// Author of new projects; when empty, a new project writes computer name, "~" and user name.
inline constexpr TextKey Autor{kSetupSection, "Autor", ""};
// New projects show prices with VAT.
inline constexpr FlagKey Cena{{kSetupSection, "Cena", "0"}, YesNoTest::OnlyYes};
// Propose lintels over openings (the lintel design itself reads a missing value as off).
inline constexpr FlagKey Preklady{{kSetupSection, "Preklady", "A"}, YesNoTest::OnlyYes};
// Propose load-bearing lintels (the lintel design itself reads a missing value as off).
inline constexpr FlagKey Nosne{{kSetupSection, "Nosne", "A"}, YesNoTest::OnlyYes};
// Open the HTML page after saving it.
inline constexpr FlagKey ZobrazitHtml{{kSetupSection, "ZobrazitHtml", "0"}, YesNoTest::OnlyYes};
// Load and save price-list files through a file dialog.
inline constexpr FlagKey DlgCenik{{kSetupSection, "DlgCenik", "0"}, YesNoTest::AnyButNo};
// Print items of zero quantity (the print itself turns it on only for "A").
inline constexpr FlagKey TiskNulovychPolozek{{kSetupSection, "TiskNulovychPolozek", "0"},
                                             YesNoTest::AnyButNo};
// Print each item on one line (the print itself turns it on only for "A").
inline constexpr FlagKey TiskPolozkyJedenRadek{{kSetupSection, "TiskPolozkyJedenRadek", "N"},
                                               YesNoTest::AnyButNo};
// Warm mortar by default for walls of 340 mm and more.
inline constexpr FlagKey DefTeplaMalta340{{kSetupSection, "DefTeplaMalta340", "N"},
                                          YesNoTest::AnyButNo};
// Save a modified project that has a file without asking when it is closed.
inline constexpr FlagKey AutoSave{{kSetupSection, "AutoSave", "N"}, YesNoTest::AnyButNo};
// Always use the pallet price.
inline constexpr FlagKey PouzePaletovanouCenu{{kSetupSection, "PouzePaletovanouCenu", "N"},
                                              YesNoTest::AnyButNo};
// Round automatically when a newly computed proposal is shown.
inline constexpr FlagKey AutomatickeZaokroulovani{
    {kSetupSection, "AutomatickeZaokroulovani", "N"}, YesNoTest::AnyButNo};
// The price-list sections, each followed by ";" (see PriceListSections).
inline constexpr TextKey Ceniky{kSetupSection, "Ceniky", "CZ-Kč;"};
// The section of the default price list for a new project; deleted when there is none.
inline constexpr TextKey CenikVychozi{kSetupSection, "CenikVychozi", "CZ-Kč"};
// The program version whose settings the user last confirmed.
inline constexpr TextKey Version{kSetupSection, "Version", "0"};
// Background colours of the summary table (0x00BBGGRR); never written by the program.
inline constexpr IntKey ColorNeEdit{kSetupSection, "ColorNeEdit", 0xEFFFEF};
inline constexpr IntKey ColorRound{kSetupSection, "ColorRound", 0xBFBFFF};
inline constexpr IntKey ColorRoundNe{kSetupSection, "ColorRoundNe", 0xFFBFBF};
// Counter of the XML export.
inline constexpr IntKey IdNavrhu{kSetupSection, "IdNavrhu", 0};
// The maker's web server, which serves one price-list file per price list: scheme and host (and
// port) that the default web addresses of the price lists begin with. A placeholder until the
// installation sets the real server.
inline constexpr TextKey WebServer{kSetupSection, "WebServer", "http://ceniky.example.invalid"};

// --- Keys of a price-list section that "Setup" holds as well ---------------------------------
// In "Setup" they are the settings of older versions, which had a single price list, and the
// defaults of the same keys of every price-list section (ReadTextOrSetup).
// Where the price list comes from: kSourceDatabase, kSourceFile or kSourceWeb.
inline constexpr TextKey CenikRadio{kSetupSection, "CenikRadio", kSourceFile};
// ODBC connection text or data-source name for "db".
inline constexpr TextKey DSN{kSetupSection, "DSN", ""};
// The price-list file for "file"; relative to the start-up directory unless it holds ":", "\\"
// or "//".
inline constexpr TextKey CenikFileName{kSetupSection, "CenikFileName", "Karno.dat"};
// The web address for "www" and for the update test. Its default is an address on the maker's
// web server, which is itself a setting (WebServer), so it has no fixed text here: readers that
// need the default take DefaultCenikUrl(store, section) or OldDefaultCenikUrl(store).
inline constexpr TextKey CenikUrl{kSetupSection, "CenikUrl", ""};
// Look on the web for a newer price list when a new project loads it from its file. A section
// with a non-empty value counts as configured.
inline constexpr FlagKey TestWWW{{kSetupSection, "TestWWW", "N"}, YesNoTest::AnyButNo};
// VAT, discount and surcharge for atypical panels, in percent, for new projects (a new
// project reads "DPH" with the default "22").
inline constexpr DecimalKey DPH{{kSetupSection, "DPH", "19"}};
inline constexpr DecimalKey Sleva{{kSetupSection, "Sleva", "0"}};
inline constexpr DecimalKey Atyp{{kSetupSection, "Atyp", "20"}};

// --- Keys only of a price-list section -------------------------------------------------------
// The two money amounts of the rounding decision ("Rozbalné a balné částečné palety" and
// "Povolené zdražení 1 položky").
inline constexpr DecimalKey ZaokrouhlovaniBalne{{kPriceListSection, "ZaokrouhlovaniBalne", "0"}};
inline constexpr DecimalKey ZaokrouhlovaniZdrazeni{
    {kPriceListSection, "ZaokrouhlovaniZdrazeni", "0"}};

// --- "Zaokrouhlovani" ------------------------------------------------------------------------
// Number n of rounding categories (the settings dialog reads it with -1).
inline constexpr IntKey PocetPolozek{kRoundingSection, "PocetPolozek", 0};
// Keys of category i (1 to n): the name followed by i (IndexedKeyName).
inline constexpr TextKey RoundingText{kRoundingSection, "Text", "Bez popisu"};
inline constexpr IntKey RoundingSkupina{kRoundingSection, "Skupina", 0};
inline constexpr IntKey RoundingTyp{kRoundingSection, "Typ", 0};
inline constexpr IntKey RoundingStav{kRoundingSection, "Stav", 0};

}  // namespace keys

// Every key above except the indexed keys of the rounding categories, for listings and checks.
using AnySettingKey = std::variant<const TextKey*, const FlagKey*, const DecimalKey*, const IntKey*>;
std::span<const AnySettingKey> AllSettingKeys();

// --- Readers and writers ---------------------------------------------------------------------
// The forms without a section use the key's own section; a key of kPriceListSection needs the
// section (std::logic_error otherwise). A reader's own default replaces the key's.

bool IsOn(std::string_view value, YesNoTest test);

std::string ReadText(const SettingsStore& store, const TextKey& key,
                     std::optional<std::string_view> missing = std::nullopt);
std::string ReadText(const SettingsStore& store, std::string_view section, const TextKey& key,
                     std::optional<std::string_view> missing = std::nullopt);
// The value in the section; if it is missing there, the value of the same key in "Setup"; if
// that is missing too, the key's default. How the settings dialog fills a price-list tab.
std::string ReadTextOrSetup(const SettingsStore& store, std::string_view section,
                            const TextKey& key);
void WriteText(SettingsStore& store, const TextKey& key, std::string_view value);
void WriteText(SettingsStore& store, std::string_view section, const TextKey& key,
               std::string_view value);
void RemoveKey(SettingsStore& store, const TextKey& key);
void RemoveKey(SettingsStore& store, std::string_view section, const TextKey& key);

bool ReadFlag(const SettingsStore& store, const FlagKey& key);
bool ReadFlag(const SettingsStore& store, const FlagKey& key, FlagReading reading);
bool ReadFlag(const SettingsStore& store, std::string_view section, const FlagKey& key);
bool ReadFlag(const SettingsStore& store, std::string_view section, const FlagKey& key,
              FlagReading reading);
// Writes "A" or "N".
void WriteFlag(SettingsStore& store, const FlagKey& key, bool on);
void WriteFlag(SettingsStore& store, std::string_view section, const FlagKey& key, bool on);

// A text that holds no digit reads as the null number; the caller decides what that means.
CCislo ParseSettingDecimal(std::string_view text);
// ',' as decimal separator, no grouping, the number's own decimals; null as the empty text.
std::string FormatSettingDecimal(const CCislo& value);
CCislo ReadDecimal(const SettingsStore& store, const DecimalKey& key,
                   std::optional<std::string_view> missing = std::nullopt);
CCislo ReadDecimal(const SettingsStore& store, std::string_view section, const DecimalKey& key,
                   std::optional<std::string_view> missing = std::nullopt);
CCislo ReadDecimalOrSetup(const SettingsStore& store, std::string_view section,
                          const DecimalKey& key);
void WriteDecimal(SettingsStore& store, const DecimalKey& key, const CCislo& value);
void WriteDecimal(SettingsStore& store, std::string_view section, const DecimalKey& key,
                  const CCislo& value);

int ReadInt(const SettingsStore& store, const IntKey& key, std::optional<int> missing = std::nullopt);
void WriteInt(SettingsStore& store, const IntKey& key, int value);

// --- Price-list sections ---------------------------------------------------------------------

// The section names of a "Ceniky" value, walked from the start: each name ends at the next ";";
// the walk stops where no ";" follows or where a name would be empty ("CZ-Kč;;SK-EUR;" gives
// only "CZ-Kč", and a value that begins with ";" gives nothing).
std::vector<std::string> PriceListSections(std::string_view ceniky);

// The maker's web server as the settings give it (WebServer; its default when the value is
// missing or empty), without a trailing "/".
std::string MakerWebServer(const SettingsStore& store);
// An address on the maker's web server: the server followed by the path.
std::string MakerWebAddress(const SettingsStore& store, std::string_view path);
// The default web address of a price-list section: the path "/belvo/Karno-" + section + ".dat".
std::string DefaultCenikUrl(const SettingsStore& store, std::string_view section);
// The default web address of older versions, which had a single price list ("/belvo/Karno.dat"):
// the default of Setup/"CenikUrl".
std::string OldDefaultCenikUrl(const SettingsStore& store);
// The web address of a section's price list: its "CenikUrl"; when that is missing, the default
// address (DefaultCenikUrl, and OldDefaultCenikUrl for "Setup").
std::string CenikUrlOrDefault(const SettingsStore& store, std::string_view section);

// --- Rounding categories ("Zaokrouhlovani") -------------------------------------------------

struct RoundingCategory {
    std::string Text;  // label in the settings dialog
    int Skupina = 0;   // material group
    int Typ = 0;       // material type, matched exactly or as a bit mask
    int Stav = 0;      // 1 when items of this category are rounded
    friend bool operator==(const RoundingCategory&, const RoundingCategory&) = default;
};

// "Text" and 3 give "Text3".
std::string IndexedKeyName(std::string_view name, int index);

// The nine categories the settings dialog writes when there are none.
std::vector<RoundingCategory> DefaultRoundingTable();
// The stored categories: none when "PocetPolozek" is missing or below 1; a missing key of a
// category reads as its default ("Bez popisu", 0). A count above kMaxRoundingCategories reads
// as that many: the table is a short check list, and an absurd count must not make the program
// read (and allocate) without end.
inline constexpr int kMaxRoundingCategories = 1000;
std::vector<RoundingCategory> ReadRoundingTable(const SettingsStore& store);
// Writes "PocetPolozek" and every key of every category.
void WriteRoundingTable(SettingsStore& store, const std::vector<RoundingCategory>& table);
// For each of the categories 2 to 7 whose label still equals its default label, sets "Skupina"
// to 1 when it holds another value (older versions stored other groups there).
void RepairRoundingTable(SettingsStore& store);

}  // namespace belvo
