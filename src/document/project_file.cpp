#include "document/project_file.h"

#include "catalogue/price_list_file.h"
#include "foundation/atomic_file.h"
#include "foundation/input_file.h"
#include "model/projekt.h"
#include "proposal/navrh.h"

namespace belvo {

ProjectFile::ProjectFile() = default;
ProjectFile::~ProjectFile() = default;
ProjectFile::ProjectFile(ProjectFile&&) noexcept = default;
ProjectFile& ProjectFile::operator=(ProjectFile&&) noexcept = default;

void SerializeProjectFile(CArchive& ar, ProjectFile& file)
{
    SerializeProjectFile(ar, ProjectFileParts{file.CenikId, file.materials, file.projekty, file.navrhy});
}

void SerializeProjectFile(CArchive& ar, const ProjectFileParts& parts)
{
    SerializePriceList(ar, parts.CenikId, parts.materials);
    ar.SerializeList(parts.projekty);
    // Older versions wrote no proposals: their files end right here.
    if (ar.IsLoading() && ar.Remaining() == 0) return;
    ar.SerializeList(parts.navrhy);
}

void ReadProjectFile(const std::string& path, const ClassRegistry& classes, SettingsStore* settings,
                     ProjectFile& into)
{
    into = ProjectFile{};
    InputFile input = OpenInputFile(path);
    CArchive ar(input.stream, input.size, path, classes);
    ar.SetSettings(settings);
    SerializeProjectFile(ar, into);
}

void WriteProjectFile(const std::string& path, ProjectFile& file, const ClassRegistry& classes)
{
    WriteProjectFile(path, ProjectFileParts{file.CenikId, file.materials, file.projekty, file.navrhy}, classes);
}

void WriteProjectFile(const std::string& path, const ProjectFileParts& parts, const ClassRegistry& classes)
{
    WriteFileAtomically(path, [&](std::ostream& out) {
        CArchive ar(out, path, classes);
        SerializeProjectFile(ar, parts);
        ar.Flush();
    });
}

}  // namespace belvo
