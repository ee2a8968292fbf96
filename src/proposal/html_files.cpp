#include "proposal/html_files.h"

#include <filesystem>

#include "foundation/errors.h"
#include "foundation/file_path.h"
#include "proposal/builtin_pictures.h"
#include "proposal/logo_file.h"
#include "proposal/text_file.h"

namespace belvo {

void WriteHtmlPage(const std::string& path, const std::string& page, const std::string& startupDirectory)
{
    WriteFileBytes(path, WindowsTextBytes(page));
    const std::filesystem::path folder = PathFromUtf8(path).parent_path();
    WriteHtmlPictures(folder.empty() ? std::string(".") : PathToUtf8(folder), startupDirectory);
}

void WriteHtmlPictures(const std::string& directory, const std::string& startupDirectory)
{
    const std::filesystem::path dir = PathFromUtf8(directory);
    // The page asks for "Belvo.GIF"; the file bears exactly that name so that the picture also
    // shows where file names are case-sensitive.
    WriteFileBytes(PathToUtf8(dir / "Belvo.GIF"), BuiltinLegendGif());

    const std::string logoPath = PathToUtf8(dir / "Belvo.bmp");
    if (const std::optional<std::string> logo = ReadLogoFile(startupDirectory)) {
        try {
            WriteFileBytes(logoPath, *logo);
            return;
        } catch (const FileError&) {
            // The built-in logo is written instead.
        }
    }
    WriteFileBytes(logoPath, BuiltinLogoBmp());
}

std::string DefaultHtmlFileName(const std::string& projectName)
{
    std::string name = projectName + " - ";
    for (char& c : name)
        if (c == '\n') c = '-';
    return name;
}

}  // namespace belvo
