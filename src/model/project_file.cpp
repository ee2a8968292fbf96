#include "model/project_file.h"

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
    SerializePriceList(ar, file.CenikId, file.materials);
    ar.SerializeList(file.projekty);
    // Older versions wrote no proposals: their files end right here.
    if (ar.IsLoading() && ar.Remaining() == 0) return;
    ar.SerializeList(file.navrhy);
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
    WriteFileAtomically(path, [&](std::ostream& out) {
        CArchive ar(out, path, classes);
        SerializeProjectFile(ar, file);
        ar.Flush();
    });
}

}  // namespace belvo
