// What the desktop program does at start-up once it has chosen its settings store and made its
// windows: the document's start-up work (the settings tidy-up and the new-version check), a new
// project or the project file the command line names, and the repair of the list of price lists.
#pragma once

#include <optional>

namespace belvo {

class CBelvoDoc;
class SettingsStore;
struct DesktopCommandLine;

// The exit code when the user leaves the settings dialog of the new-version check other than with
// OK, and when the project file named on the command line cannot be opened (it has been
// reported).
inline constexpr int kExitStartRefused = 1;

// Runs the start-up of the document. Returns the exit code when the program must end at once;
// none when it goes on to show its main window.
std::optional<int> SpustDokument(CBelvoDoc& doc, const DesktopCommandLine& line, SettingsStore& settings);

// Setup/"Ceniky" ends with ";" (a value written by hand, such as "CZ-Kč", gains it).
void UkonciSeznamCeniku(SettingsStore& settings);

}  // namespace belvo
