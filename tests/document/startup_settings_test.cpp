#include <gtest/gtest.h>

#include "settings/memory_settings_store.h"
#include "settings/settings_keys.h"
#include "document/startup_settings.h"

namespace belvo {
namespace {

std::string Url(const SettingsStore& settings, const char* section)
{
    return settings.GetString(section, "CenikUrl", "<missing>");
}

TEST(TidyPriceListSections, MovesCzechSectionsToTheCurrentAddressAndVat)
{
    MemorySettingsStore settings;
    const std::string server = MakerWebServer(settings);
    settings.SetString("Setup", "Ceniky", "CZ-Kč;CZ-EUR;SK-EUR;PL-zł;AT-EUR;");
    settings.SetString("CZ-Kč", "CenikUrl", server + "/belvo/Karno.dat");  // the old single address
    settings.SetString("CZ-Kč", "DPH", "21");
    settings.SetString("CZ-EUR", "CenikURL", server + "/belvo/Karno-CZ-Kč.dat");  // with the háček
    settings.SetString("PL-zł", "CenikUrl", "http://jinde.example/cennik.dat");  // the user's own
    settings.SetString("AT-EUR", "CenikUrl", server + "/belvo/Karno.dat");

    TidyPriceListSections(settings);

    const std::string czech = server + "/belvo/Karno-CZ-Kc.dat";
    EXPECT_EQ(Url(settings, "CZ-Kč"), czech);
    EXPECT_EQ(Url(settings, "CZ-EUR"), czech);
    EXPECT_EQ(settings.GetString("CZ-Kč", "DPH", ""), "20,0");
    EXPECT_EQ(settings.GetString("CZ-EUR", "DPH", ""), "20,0");
    // Other countries keep their VAT and get their own price list, never the Czech one.
    EXPECT_EQ(Url(settings, "SK-EUR"), server + "/belvo/Karno-SK-EUR.dat");
    EXPECT_EQ(Url(settings, "AT-EUR"), server + "/belvo/Karno-AT-EUR.dat");
    EXPECT_FALSE(settings.HasKey("SK-EUR", "DPH"));
    EXPECT_EQ(Url(settings, "PL-zł"), "http://jinde.example/cennik.dat");
}

TEST(TidyPriceListSections, StopsAtTheFirstEmptyName)
{
    for (const char* ceniky : {";CZ-Kč;", ""}) {
        SCOPED_TRACE(ceniky);
        MemorySettingsStore settings;
        settings.SetString("Setup", "Ceniky", ceniky);
        TidyPriceListSections(settings);
        EXPECT_EQ(settings.SectionNames(), std::vector<std::string>{"Setup"});
    }

    MemorySettingsStore settings;
    settings.SetString("Setup", "Ceniky", "SK-EUR;;CZ-Kč;");
    TidyPriceListSections(settings);
    EXPECT_TRUE(settings.HasKey("SK-EUR", "CenikUrl"));
    EXPECT_FALSE(settings.HasKey("CZ-Kč", "CenikUrl"));
}

TEST(TidyPriceListSections, FreshSettingsTidyTheDefaultCzechSection)
{
    MemorySettingsStore settings;
    TidyPriceListSections(settings);
    EXPECT_EQ(Url(settings, "CZ-Kč"), MakerWebServer(settings) + "/belvo/Karno-CZ-Kc.dat");
    EXPECT_EQ(settings.GetString("CZ-Kč", "DPH", ""), "20,0");
}

struct VersionCase {
    const char* name;
    const char* setupRadio;     // null: missing
    const char* vychozi;        // null: missing (the default "CZ-Kč" applies)
    const char* sectionRadio;   // "CenikRadio" of the default section; null: missing
    const char* version;        // null: missing
    bool fires;
};

class NewVersionCheck : public ::testing::TestWithParam<VersionCase> {};

TEST_P(NewVersionCheck, FiresWithoutASourceOrForAnotherVersion)
{
    const VersionCase& c = GetParam();
    MemorySettingsStore settings;
    if (c.setupRadio) settings.SetString("Setup", "CenikRadio", c.setupRadio);
    if (c.vychozi) settings.SetString("Setup", "CenikVychozi", c.vychozi);
    if (c.sectionRadio) settings.SetString(c.vychozi ? c.vychozi : "CZ-Kč", "CenikRadio", c.sectionRadio);
    if (c.version) settings.SetString("Setup", "Version", c.version);
    EXPECT_EQ(NewVersionCheckFires(settings), c.fires);
}

INSTANTIATE_TEST_SUITE_P(
    Startup, NewVersionCheck,
    ::testing::Values(VersionCase{"EmptyStore", nullptr, nullptr, nullptr, nullptr, true},
                      VersionCase{"NoSourceButThisVersion", nullptr, nullptr, nullptr, "2016-05-15", true},
                      VersionCase{"SetupSourceThisVersion", "file", nullptr, nullptr, "2016-05-15", false},
                      VersionCase{"SetupSourceOlderVersion", "file", nullptr, nullptr, "2009-01-01", true},
                      VersionCase{"SetupSourceNoVersion", "www", nullptr, nullptr, nullptr, true},
                      VersionCase{"DefaultSectionSource", "", "SK-EUR", "db", "2016-05-15", false},
                      VersionCase{"ImplicitCzechSection", nullptr, nullptr, "file", "2016-05-15", false},
                      VersionCase{"DefaultSectionWithoutSource", nullptr, "SK-EUR", nullptr, "2016-05-15", true}),
    [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
}  // namespace belvo
