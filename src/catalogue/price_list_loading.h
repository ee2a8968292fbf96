// Choosing and loading the current price list: at "new" and on "Změna ceníku ..." from the
// source that the settings give (a file, the web with an update test before, or the database),
// on request from a file or the web; writing it into a file; and registering a price list met
// for the first time in the settings. Every operation works on the document's price list in
// the CenikKontext and shows the wait cursor while it runs.
//
// The document's commands, and what they call:
//   new                          NactiAktualniCenik(kontext, true); remember the section returned
//   "Změna ceníku ..."           close the editor; NactiAktualniCenik(kontext, false); TestCeniku
//   "&Načíst ze souboru ..."     close the editor; NactiCenik(kontext, section of the label, true,
//                                PriceListSource::File); TestCeniku
//   "Načíst z internetu"         close the editor; NactiCenik(..., true, PriceListSource::Web);
//                                TestCeniku
//   "&Uložit do souboru ..."     UlozCenik(kontext, materials, label, false) (enabled when the
//                                list is not empty)
//   "Test z internetu"           TestZInternetu (web_price_list.h); on true: close the editor,
//                                NactiCenik(..., false, PriceListSource::BySettings); TestCeniku
//   a project file read          RegistrujCenik(kontext, "", "")
// The section of the label is PriceListSectionName(kontext.cenik.CenikId).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/price_list_context.h"

namespace belvo {

// What NactiCenik reads from.
enum class PriceListSource {
    BySettings,  // the section's "CenikRadio": the web for "www", the file otherwise
    File,        // the section's file (with the file dialog when asked for)
    Web,         // the section's web address
};

// The file dialogs of price lists.
inline constexpr const char* kPriceListFilter = "Ceniky (*.dat);;Vše (*.*)";
inline constexpr const char* kPriceListExtension = ".dat";

// The message when no price list could be loaded for a new project or a change.
inline constexpr const char* kNoPriceListText = "Nelze načíst ceník materiálu.\nZkontrolujte v Nastavení.";

// `NactiAktualniCenik`: loads the current price list. With known price lists (Setup/"Ceniky"),
// the choice dialog is shown when `ask` is clear or no default is set; otherwise the default is
// taken. A chosen or default section that is not configured is ignored and "Setup" used. The
// section's source decides: the database for "db" with a connection text (falling back to the
// file when it yields nothing), NactiCenik otherwise. Shows kNoPriceListText when the list is
// empty in the end. Returns the section used, which the document remembers.
std::string NactiAktualniCenik(CenikKontext& kontext, bool ask);

// `NactiCenik`: loads the price list of a section from the web or from its file (see
// PriceListSource); the file is looked for on the web first when the section's "TestWWW" is on
// and no file was asked for, and is chosen in the file dialog when `askForFile` is set and
// Setup/"DlgCenik" allows it. Registers the price list, gives the project its label and
// refreshes the main form. A failure is shown with its own message and leaves the list empty.
// A download (or the update test's download) that the user stops raises OperationCancelled
// with the price list and the settings untouched; so does NactiAktualniCenik for it and for a
// stopped database import.
void NactiCenik(CenikKontext& kontext, const std::string& section, bool askForFile, PriceListSource source);

// `NactiCenikZeSouboru`: the label and the material list of a price-list file into the
// document's price list, emptied first. Failures pass to the caller (the list then holds what
// was read).
void NactiCenikZeSouboru(CenikKontext& kontext, const std::string& path);

enum class SaveResult { Saved, Cancelled, Failed };

// `UlozCenik`: writes the label and the list into a price-list file: the default file name of
// the label in the start-up directory, or what the user chooses in the save dialog (shown when
// `nonInteractive` is clear and Setup/"DlgCenik" allows it; a name without extension gets
// ".dat"). The file is replaced only when complete. A failure is shown with its own message
// unless `nonInteractive` is set (the export mode, which reports through its status).
SaveResult UlozCenik(CenikKontext& kontext, const CMaterialList& materials, const std::string& label,
                     bool nonInteractive);

// Source kinds as RegistrujCenik takes them (the values of "CenikRadio"); an empty kind after
// reading a project file.
inline constexpr std::string_view kRegisterNoSource = {};

// `RegistrujCenik`: registers the current price list in the settings after it was loaded. A
// section met for the first time is added to Setup/"Ceniky" with its default web address, the
// source it came from (`kind` "file", "www" or "db" with `value` the path, address or connection
// text) and the VAT, discount and surcharge of "Setup"; it becomes the default when it is the
// only one. A section that is not configured yet is announced and opened in the settings
// dialog.
void RegistrujCenik(CenikKontext& kontext, std::string_view kind, const std::string& value);

// Whether a price-list section is configured: its "TestWWW" holds a value (the settings dialog
// always writes one).
bool IsConfiguredSection(const SettingsStore& settings, std::string_view section);

// The lines of the choice dialog "Výběr ceníku", one per section of `ceniky`: the name, a space,
// a tab, the source kind ("?" when missing), ": " and the source (the address, the connection
// text or the file).
std::vector<std::string> PriceListChoiceLines(const SettingsStore& settings, std::string_view ceniky);

// The choice dialog: the section of the line the user confirms (the line up to its first
// space); none when the user cancels or there is nothing to choose.
std::optional<std::string> VyberCeniku(Ui& ui, const SettingsStore& settings, std::string_view ceniky);

}  // namespace belvo
