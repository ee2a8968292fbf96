#include "cli/cli_project.h"

#include "app/persistent_classes.h"
#include "catalogue/price_list_file.h"
#include "foundation/errors.h"
#include "model/projekt.h"
#include "proposal/navrh.h"

namespace belvo::cli {

ProjectFile ReadCommandProject(const std::string& path, const std::optional<std::string>& catalogue,
                               SettingsStore* settings)
{
    ProjectFile file;
    ReadProjectFile(path, PersistentClasses(), settings, file);
    if (catalogue) {
        PriceList priceList = ReadPriceListFile(*catalogue, PersistentClasses());
        file.materials = std::move(priceList.materials);
    }
    return file;
}

CProjekt& FirstProject(ProjectFile& file, const std::string& path)
{
    if (file.projekty.empty()) throw FileError(path, "soubor neobsahuje projekt");
    return *file.projekty.front();
}

}  // namespace belvo::cli
