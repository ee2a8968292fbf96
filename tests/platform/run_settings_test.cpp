// The settings store that the build prepares for `make run`: written through the real settings
// adapter, read back as the program reads its store, it starts the program without the
// new-version dialog and gives a new project the demo price list; a store that exists is kept.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <QProcess>
#include <QStringList>

#include "catalogue/price_list_loading.h"
#include "document/startup_settings.h"
#include "platform/qt/qt_settings_store.h"
#include "settings/settings_keys.h"
#include "support/price_list_bed.h"
#include "support/temp_dir.h"

namespace belvo {
namespace {

const std::string kDemoPriceList = std::string(BELVO_BUILD_DIR) + "/data/demo.dat";

int PrepareRunSettings(const std::string& priceList, const std::string& config)
{
    QProcess tool;
    tool.start(QStringLiteral(BELVO_PREPARE_RUN_SETTINGS),
               QStringList{QString::fromStdString(priceList), QString::fromStdString(config)});
    if (!tool.waitForFinished(60000)) return -1;
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

class RunSettings : public ::testing::Test {
protected:
    test::TempDir folder;
    const std::string config = folder.File("run-config/Vexa/Karno.conf");
};

TEST_F(RunSettings, RegisterTheDemoPriceListAsTheDefaultOfANewProject)
{
    ASSERT_EQ(PrepareRunSettings(kDemoPriceList, config), 0);

    QtSettingsStore store(config);
    EXPECT_EQ(store.GetString("Setup", "Version", ""), "2016-05-15");
    EXPECT_EQ(store.GetString("Setup", "Ceniky", ""), "CZ-Kč;");
    EXPECT_EQ(store.GetString("Setup", "CenikVychozi", ""), "CZ-Kč");
    EXPECT_EQ(store.GetString("CZ-Kč", "CenikRadio", ""), "file");
    EXPECT_EQ(store.GetString("CZ-Kč", "CenikFileName", ""), std::filesystem::absolute(kDemoPriceList).string());
    EXPECT_EQ(store.GetString("CZ-Kč", "TestWWW", ""), "N");

    // Start-up: the sections are tidied as every start does, and no dialog asks for settings.
    TidyPriceListSections(store);
    EXPECT_FALSE(NewVersionCheckFires(store));

    // A new project loads the demo price list from its file without a question or a download.
    test::NoWeb web;
    test::PriceListBed bed(web);
    CenikKontext kontext{bed.ui, store, PersistentClasses(), bed.system, web, nullptr,
                         bed.startup.Path().string(), bed.cenik, &bed.document};
    EXPECT_EQ(NactiAktualniCenik(kontext, true), "CZ-Kč");
    EXPECT_EQ(bed.cenik.CenikId, "CZ-demo");
    EXPECT_GT(bed.cenik.materials.size(), 250u);
    EXPECT_EQ(bed.ui.MessageLines(), std::vector<std::string>{});
    EXPECT_TRUE(bed.ui.listChoices.empty());
    EXPECT_TRUE(bed.document.settingsOpened.empty());
    EXPECT_EQ(web.requests, 0);
}

// `make run` points XDG_CONFIG_HOME at the folder above Vexa/Karno.conf: the program then reads
// the prepared file as the user's store. The settings paths are fixed once per process, so the
// store is opened in a fresh one.
TEST_F(RunSettings, AreTheUsersStoreOfAProgramStartedWithTheirConfigHome)
{
    ASSERT_EQ(PrepareRunSettings(kDemoPriceList, config), 0);
    const std::string home = folder.File("run-config");
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home));
            const QtSettingsStore store;
            const bool prepared = store.GetString("Setup", "Version", "") == "2016-05-15" &&
                                  store.GetString("Setup", "CenikVychozi", "") == "CZ-Kč";
            std::exit(prepared ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(RunSettings, AStoreThatExistsKeepsWhatTheUserChanged)
{
    ASSERT_EQ(PrepareRunSettings(kDemoPriceList, config), 0);
    {
        QtSettingsStore store(config);
        store.SetString("Setup", "Autor", "Novák");
        store.SetString("CZ-Kč", "TestWWW", "A");
        ASSERT_EQ(store.Flush(), "");
    }
    ASSERT_EQ(PrepareRunSettings(kDemoPriceList, config), 0);
    QtSettingsStore store(config);
    EXPECT_EQ(store.GetString("Setup", "Autor", ""), "Novák");
    EXPECT_EQ(store.GetString("CZ-Kč", "TestWWW", ""), "A");
}

TEST_F(RunSettings, AnUnreadablePriceListWritesNoStore)
{
    const std::string garbage = folder.File("demo.dat");
    test::TempDir::WriteBytes(garbage, "no price list");
    for (const std::string& priceList : {folder.File("missing.dat"), garbage}) {
        EXPECT_EQ(PrepareRunSettings(priceList, config), 1) << priceList;
        EXPECT_FALSE(std::filesystem::exists(config)) << priceList;
    }
}

TEST(RunSettingsOfTheBuild, PointAtTheBuildsDemoPriceList)
{
    const std::string config = std::string(BELVO_BUILD_DIR) + "/data/run-config/Vexa/Karno.conf";
    ASSERT_TRUE(std::filesystem::exists(config));
    QtSettingsStore store(config);
    EXPECT_EQ(store.GetString("Setup", "CenikVychozi", ""), "CZ-Kč");
    EXPECT_EQ(std::filesystem::path(store.GetString("CZ-Kč", "CenikFileName", "")),
              std::filesystem::absolute(kDemoPriceList));
}

}  // namespace
}  // namespace belvo
