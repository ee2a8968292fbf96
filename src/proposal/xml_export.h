// The XML document for the Helios ERP system and the export command that writes it: the
// price-list test, the running export number "IdNavrhu", the suggested file name, the file and
// the copy of the proposal saved into the project.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "foundation/decimal.h"

namespace belvo {

class CNavrh;
class SettingsStore;
class Ui;
struct OutputSource;

// The document as UTF-8 text with line feeds. `suggestedName` is the export's file name
// ("CisloBelvo"), `projectPath` the full path of the project file (empty when never saved).
std::string BuildXmlDocument(const CNavrh& navrh, const std::string& suggestedName,
                             const std::string& projectPath, const Separators& separators);

// Whether every item sold on pallets names the goods group of its pallet; the ERP cannot take
// the packaging rows otherwise (proposals stored with price lists before 2008).
bool XmlExportPossible(const CNavrh& navrh);

// The project file name as the export names it: the text after the last path separator of the
// project's path, or "Neuloženo" for a project never saved.
std::string ProjectFileNameForExport(const std::string& projectPath);

// "%s-%i-%s.xml" of the author, the export number and the project file name.
std::string SuggestedXmlName(const std::string& author, int number, const std::string& projectFileName);

struct XmlExportContext {
    Ui& ui;
    SettingsStore& settings;
    std::string projectPath;  // the document's full path name; empty for a project never saved
    // Adds a copy of the proposal to the project's saved proposals (the document's own
    // operation, which marks the document modified and inserts the tree node). Not set: no copy.
    std::function<void(const CNavrh&)> addCopyToProject;
};

// The command "&Export do XML", run after the summary has recomputed. Returns the path written,
// or none when the price-list test refused the export or the file dialog was cancelled (the user
// has been told). On success the window's last XML name (`source.project.lastXmlName`) becomes the
// suggested name and a copy named "XML export: " + Jmeno is saved into the project. A file that
// cannot be written raises FileError; the export number stays used and nothing is saved.
std::optional<std::string> ExportXml(OutputSource& source, XmlExportContext& context);

}  // namespace belvo
