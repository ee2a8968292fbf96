// The files `belvo-cli proposal` writes besides its text or JSON: the XML document for the ERP
// (--xml), the HTML page with its pictures (--html), the printed report as a PDF (--pdf), and
// the project with the XML export's copy of the proposal saved into it (--output).
#pragma once

#include <optional>
#include <string>

namespace belvo {
class CProjekt;
class SettingsStore;
class SummaryModel;
class Ui;
struct ProjectFile;
}  // namespace belvo

namespace belvo::cli {

struct OutputFiles {
    std::optional<std::string> xml;
    std::optional<std::string> html;
    std::optional<std::string> pdf;
    std::optional<std::string> output;  // the project file that receives the XML export's copy

    bool Any() const { return xml || html || pdf; }
};

// Writes the requested files from a summary that has just recomputed. The XML comes first, as
// in the desktop program an export precedes the outputs that show its name; it takes the next
// export number from the settings. `projectPath` is the project file the proposal was computed
// from. Raises FileError when a file cannot be written, and also when the export is refused
// (the proposal's price list is too old: the "Stop" message has been shown).
void WriteOutputFiles(const OutputFiles& files, SummaryModel& summary, ProjectFile& project,
                      const CProjekt& projekt, const std::string& projectPath, SettingsStore& settings,
                      Ui& ui);

}  // namespace belvo::cli
