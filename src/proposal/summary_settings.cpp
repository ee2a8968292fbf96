#include "proposal/summary_settings.h"

#include "settings/settings_keys.h"
#include "catalogue/price_list_label.h"

namespace belvo {

SummarySettings ReadSummarySettings(const SettingsStore& settings, const std::string& cenik)
{
    SummarySettings result;
    result.colorNeEdit = static_cast<std::uint32_t>(ReadInt(settings, keys::ColorNeEdit));
    result.colorRound = static_cast<std::uint32_t>(ReadInt(settings, keys::ColorRound));
    result.colorRoundNe = static_cast<std::uint32_t>(ReadInt(settings, keys::ColorRoundNe));
    result.pouzePaletovanouCenu = ReadFlag(settings, keys::PouzePaletovanouCenu);
    result.automatickeZaokrouhlovani = ReadFlag(settings, keys::AutomatickeZaokroulovani);

    const std::string section = PriceListSectionName(cenik);
    result.zaokrouhlovaniBalne = ReadDecimal(settings, section, keys::ZaokrouhlovaniBalne);
    result.zaokrouhlovaniZdrazeni = ReadDecimal(settings, section, keys::ZaokrouhlovaniZdrazeni);

    for (const RoundingCategory& category : ReadRoundingTable(settings))
        if (category.Stav == 1) result.categories.push_back({category.Skupina, category.Typ});
    return result;
}

}  // namespace belvo
