#include "demo_settings.h"

#include <filesystem>

#include "catalogue/catalogue_classes.h"
#include "catalogue/price_list_file.h"
#include "catalogue/price_list_label.h"
#include "foundation/archive.h"
#include "settings/settings_keys.h"
#include "settings/version.h"

namespace belvo {

std::string ConfigureDemoSettings(SettingsStore& settings, const std::string& priceListPath)
{
    ClassRegistry classes;
    RegisterCatalogueClasses(classes);
    const std::filesystem::path demo = std::filesystem::absolute(priceListPath);
    const std::string section = PriceListSectionName(ReadPriceListFile(demo.string(), classes).CenikId);
    WriteText(settings, keys::Version, kVersionText);
    WriteText(settings, keys::Ceniky, section + ";");
    WriteText(settings, keys::CenikVychozi, section);
    WriteText(settings, section, keys::CenikRadio, kSourceFile);
    WriteText(settings, section, keys::CenikFileName, demo.string());
    WriteFlag(settings, section, keys::TestWWW, false);
    return section;
}

}  // namespace belvo
