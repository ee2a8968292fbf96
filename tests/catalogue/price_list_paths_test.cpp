#include "catalogue/price_list_paths.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "settings/memory_settings_store.h"

namespace belvo {
namespace {

TEST(PriceListPaths, NamesWithoutADirectoryLieInTheStartupDirectory)
{
    const std::string startup = "/opt/belvo";
    const struct {
        const char* name;
        const char* path;
    } cases[] = {
        {"Karno.dat", "/opt/belvo/Karno.dat"},
        {"ceniky/SK.dat", "/opt/belvo/ceniky/SK.dat"},
        {"C:\\Ceniky\\Karno.dat", "C:\\Ceniky\\Karno.dat"},
        {"\\\\server\\ceniky\\Karno.dat", "\\\\server\\ceniky\\Karno.dat"},
        {"//server/ceniky/Karno.dat", "//server/ceniky/Karno.dat"},
        {"/srv/ceniky/Karno.dat", "/srv/ceniky/Karno.dat"},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolvePriceListPath(startup, c.name), c.path) << c.name;
}

TEST(PriceListPaths, PathsInTheStartupDirectoryAreKeptRelative)
{
    const struct {
        const char* startup;
        const char* path;
        const char* kept;
    } cases[] = {
        {"/opt/belvo", "/opt/belvo/Karno.dat", "Karno.dat"},
        {"/opt/belvo/", "/opt/belvo/ceniky/SK.dat", "ceniky/SK.dat"},
        {"C:\\Belvo", "C:\\Belvo\\Karno.dat", "Karno.dat"},
        {"/opt/belvo", "/opt/belvo2/Karno.dat", "/opt/belvo2/Karno.dat"},
        {"/opt/belvo", "/opt/belvo", "/opt/belvo"},
        {"/opt/belvo", "/srv/Karno.dat", "/srv/Karno.dat"},
        {"", "Karno.dat", "Karno.dat"},
    };
    for (const auto& c : cases) EXPECT_EQ(RelativeToStartup(c.startup, c.path), c.kept) << c.path;
}

TEST(PriceListPaths, ASectionsFileDefaultsToKarnoDat)
{
    MemorySettingsStore settings;
    EXPECT_EQ(SectionPriceListPath(settings, "CZ-Kč", "/opt/belvo"), "/opt/belvo/Karno.dat");
    settings.SetString("CZ-Kč", "CenikFileName", "cz.dat");
    EXPECT_EQ(SectionPriceListPath(settings, "CZ-Kč", "/opt/belvo"), "/opt/belvo/cz.dat");
}

TEST(PriceListPaths, FilesNamedAfterALabelStayInTheStartupDirectory)
{
    for (const char* label : {"CZ20160515 14:30 (Kč)/KLIC", "../../etc/passwd", "..", "/", "a/../../b",
                              "..\\..\\Windows\\x", "C:\\x", "\\\\server\\share\\x", "NUL", ""}) {
        const std::filesystem::path file = PriceListFileInStartup("/opt/belvo", label);
        EXPECT_EQ(file.parent_path(), "/opt/belvo") << label;
        EXPECT_NE(file.filename(), "..") << label;
    }
}

}  // namespace
}  // namespace belvo
