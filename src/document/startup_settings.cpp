#include "document/startup_settings.h"

#include "settings/settings_keys.h"
#include "settings/version.h"

namespace belvo {

namespace {
constexpr std::string_view kCzechPrefix = "CZ-";
constexpr std::string_view kCzechFilePath = "/belvo/Karno-CZ-Kc.dat";
constexpr std::string_view kCzechFileWithHacekPath = "/belvo/Karno-CZ-Kč.dat";
constexpr std::string_view kCzechVat = "20,0";
}  // namespace

std::string TidiedCenikUrl(const SettingsStore& settings, std::string_view section)
{
    if (section.starts_with(kCzechPrefix)) return MakerWebAddress(settings, kCzechFilePath);
    return DefaultCenikUrl(settings, section);
}

void TidyPriceListSections(SettingsStore& settings)
{
    const std::string oldAddress = OldDefaultCenikUrl(settings);
    const std::string hacekAddress = MakerWebAddress(settings, kCzechFileWithHacekPath);
    for (const std::string& section : PriceListSections(ReadText(settings, keys::Ceniky))) {
        if (section.starts_with(kCzechPrefix)) WriteText(settings, section, keys::DPH, kCzechVat);
        const bool missing = !settings.HasKey(section, keys::CenikUrl.name);
        const std::string address = ReadText(settings, section, keys::CenikUrl, "");
        if (missing || address == oldAddress || address == hacekAddress)
            WriteText(settings, section, keys::CenikUrl, TidiedCenikUrl(settings, section));
    }
}

bool NewVersionCheckFires(const SettingsStore& settings)
{
    if (ReadText(settings, keys::CenikRadio, "").empty()) {
        const std::string defaultSection = ReadText(settings, keys::CenikVychozi);
        if (ReadText(settings, defaultSection, keys::CenikRadio, "").empty()) return true;
    }
    return ReadText(settings, keys::Version) != kVersionText;
}

}  // namespace belvo
