// Loading the project file a command works on.
#pragma once

#include <optional>
#include <string>

#include "document/project_file.h"

namespace belvo {
class CProjekt;
class SettingsStore;
}  // namespace belvo

namespace belvo::cli {

// Reads the project file at `path` (`settings` as ReadProjectFile takes it); with `catalogue`,
// the price list of that price-list file replaces the project's own.
ProjectFile ReadCommandProject(const std::string& path, const std::optional<std::string>& catalogue,
                               SettingsStore* settings);

// The project of a file read from `path`; a file without one is a FileError.
CProjekt& FirstProject(ProjectFile& file, const std::string& path);

}  // namespace belvo::cli
