// The project file (".kar"): one archive holding the label of the price list, the price list
// itself, the projects and the proposals saved into the project, with nothing before them.
// Files of older versions end after the projects.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "catalogue/material_list.h"
#include "foundation/archive.h"

namespace belvo {

class CNavrh;
class CProjekt;
class SettingsStore;

struct ProjectFile {
    ProjectFile();
    ~ProjectFile();
    ProjectFile(ProjectFile&&) noexcept;
    ProjectFile& operator=(ProjectFile&&) noexcept;

    std::string CenikId;
    CMaterialList materials;
    std::vector<std::unique_ptr<CProjekt>> projekty;  // one project in every file the program writes
    std::vector<std::unique_ptr<CNavrh>> navrhy;
};

// The four parts of a project file where they are kept apart (the document holds its price list
// as one piece that the price-list operations work on).
struct ProjectFileParts {
    std::string& CenikId;
    CMaterialList& materials;
    std::vector<std::unique_ptr<CProjekt>>& projekty;
    std::vector<std::unique_ptr<CNavrh>>& navrhy;
};

// Both directions through an open archive. Loading appends to the lists; a file that ends
// exactly after the projects has no proposals. A file that ends inside the proposals is
// damaged and fails like any other truncated file.
void SerializeProjectFile(CArchive& ar, ProjectFile& file);
void SerializeProjectFile(CArchive& ar, const ProjectFileParts& parts);

// Reads a project file into `into` (emptied first). Old projects and proposals that lack a
// surcharge take it from `settings` (may be null). A file that cannot be opened raises FileError,
// faulty content ArchiveError; both name the file and the cause. After a failure `into` holds
// what was read until then.
void ReadProjectFile(const std::string& path, const ClassRegistry& classes, SettingsStore* settings,
                     ProjectFile& into);

// Writes all four parts through a temporary file that replaces `path` only when complete.
void WriteProjectFile(const std::string& path, ProjectFile& file, const ClassRegistry& classes);
void WriteProjectFile(const std::string& path, const ProjectFileParts& parts, const ClassRegistry& classes);

}  // namespace belvo
