#include "catalogue/price_list_loading.h"

#include <algorithm>
#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "settings/settings_keys.h"
#include "catalogue/price_list_paths.h"
#include "support/price_list_bed.h"

namespace belvo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using test::PriceListBed;

constexpr const char* kCzLabel = "CZ20160515 14:30 (Kč)/KLIC";
constexpr const char* kSkLabel = "SK20160601 08:00 (EUR)";
constexpr const char* kNewPriceListText = "Pozor: Právě byl načten nový ceník.\r\nZkontrolujte nastavení.";
constexpr const char* kNoPriceListLine = "Chyba ceníku: Nelze načíst ceník materiálu.\nZkontrolujte v Nastavení.";

class PriceListLoading : public ::testing::Test {
protected:
    test::NoWeb web;
    PriceListBed bed{web};
    CenikKontext kontext = bed.Kontext();

    // Two configured price lists, each with its file in the start-up directory.
    void TwoPriceLists()
    {
        bed.WriteFile("cz.dat", kCzLabel, 3);
        bed.WriteFile("sk.dat", kSkLabel, 2, 200);
        bed.Configure("CZ-Kč", "file", "CenikFileName", "cz.dat");
        bed.Configure("SK-EUR", "file", "CenikFileName", "sk.dat");
        bed.settings.SetString("Setup", "Ceniky", "CZ-Kč;SK-EUR;");
    }
    std::string Setting(std::string_view section, std::string_view key) const
    {
        return bed.settings.HasKey(section, key) ? bed.settings.GetString(section, key, "") : "<missing>";
    }
};

TEST_F(PriceListLoading, WithoutKnownPriceListsTheSetupKeysLoadTheStartupFile)
{
    const std::string karno = bed.WriteFile("Karno.dat", kCzLabel, 3);
    bed.settings.SetString("Setup", "DPH", "21,0");
    bed.settings.SetString("Setup", "Sleva", "5");

    EXPECT_EQ(NactiAktualniCenik(kontext, true), "Setup");

    EXPECT_THAT(bed.ui.listChoices, IsEmpty());
    EXPECT_EQ(bed.cenik.CenikId, kCzLabel);
    EXPECT_EQ(bed.cenik.materials.size(), 3u);
    // The price list met for the first time is registered, becomes the default and is announced.
    EXPECT_EQ(Setting("Setup", "Ceniky"), "CZ-Kč;");
    EXPECT_EQ(Setting("Setup", "CenikVychozi"), "CZ-Kč");
    EXPECT_EQ(Setting("CZ-Kč", "CenikRadio"), "file");
    EXPECT_EQ(ResolvePriceListPath(bed.startup.Path().string(), Setting("CZ-Kč", "CenikFileName")), karno);
    EXPECT_EQ(Setting("CZ-Kč", "CenikUrl"), "http://ceniky.example.invalid/belvo/Karno-CZ-Kč.dat");
    EXPECT_EQ(Setting("CZ-Kč", "DPH"), "21,0");
    EXPECT_EQ(Setting("CZ-Kč", "Sleva"), "5");
    EXPECT_EQ(Setting("CZ-Kč", "Atyp"), "<missing>");
    EXPECT_THAT(bed.ui.MessageLines(), ElementsAre(kNewPriceListText));
    EXPECT_THAT(bed.document.settingsOpened, ElementsAre("CZ-Kč"));
    EXPECT_EQ(bed.ui.waitDepth, 0);
}

TEST_F(PriceListLoading, NewLoadsTheDefaultWithoutAskingAndAChangeAlwaysAsks)
{
    TwoPriceLists();
    bed.settings.SetString("Setup", "CenikVychozi", "SK-EUR");

    EXPECT_EQ(NactiAktualniCenik(kontext, true), "SK-EUR");
    EXPECT_THAT(bed.ui.listChoices, IsEmpty());
    EXPECT_EQ(bed.cenik.CenikId, kSkLabel);
    EXPECT_EQ(bed.cenik.materials.size(), 2u);

    bed.ui.choices.push_back(0);
    EXPECT_EQ(NactiAktualniCenik(kontext, false), "CZ-Kč");
    ASSERT_EQ(bed.ui.listChoices.size(), 1u);
    EXPECT_EQ(bed.ui.listChoices[0].title, "Výběr ceníku");
    EXPECT_THAT(bed.ui.listChoices[0].lines, ElementsAre("CZ-Kč \tfile: cz.dat", "SK-EUR \tfile: sk.dat"));
    EXPECT_EQ(bed.ui.listChoices[0].preselected, 0u);
    EXPECT_EQ(bed.cenik.CenikId, kCzLabel);
    EXPECT_THAT(bed.ui.messages, IsEmpty()) << "both sections are known and configured";

    // Without a default, "new" asks too.
    bed.settings.Remove("Setup", "CenikVychozi");
    bed.ui.choices.push_back(1);
    EXPECT_EQ(NactiAktualniCenik(kontext, true), "SK-EUR");
    EXPECT_EQ(bed.ui.listChoices.size(), 2u);
}

TEST_F(PriceListLoading, AChoiceThatIsNoConfiguredSectionFallsBackToSetup)
{
    TwoPriceLists();
    bed.WriteFile("Karno.dat", kCzLabel, 1);
    bed.settings.SetString("Nový ceník", "CenikRadio", "file");  // never confirmed in the settings
    bed.settings.SetString("Setup", "Ceniky", "CZ-Kč;SK-EUR;Nový ceník;");
    const struct {
        const char* name;
        std::optional<std::size_t> choice;
    } cases[] = {
        {"cancelled", std::nullopt},
        // The line up to its first space is "Nový", which names no section.
        {"a section that is not configured", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bed.ui.choices.push_back(c.choice);
        EXPECT_EQ(NactiAktualniCenik(kontext, false), "Setup");
        EXPECT_EQ(bed.cenik.materials.size(), 1u) << "Setup's Karno.dat";
    }
}

TEST_F(PriceListLoading, NoPriceListAtAllSaysSoAfterTheCause)
{
    NactiAktualniCenik(kontext, true);
    EXPECT_TRUE(bed.cenik.materials.empty());
    ASSERT_EQ(bed.ui.messages.size(), 2u);
    EXPECT_EQ(bed.ui.messages[0].icon, MessageIcon::Error);
    EXPECT_THAT(bed.ui.messages[0].text, HasSubstr("Karno.dat"));
    EXPECT_EQ(bed.ui.MessageLines()[1], kNoPriceListLine);
    EXPECT_EQ(bed.ui.messages[1].icon, MessageIcon::Error);
}

TEST_F(PriceListLoading, ADatabaseSourceWithoutADatabaseFallsBackToTheFile)
{
    bed.WriteFile("cz.dat", kCzLabel, 4);
    bed.Configure("CZ-Kč", "db", "DSN", "DSN=Karno");
    bed.settings.SetString("CZ-Kč", "CenikFileName", "cz.dat");
    bed.settings.SetString("Setup", "Ceniky", "CZ-Kč;");
    bed.settings.SetString("Setup", "CenikVychozi", "CZ-Kč");

    EXPECT_EQ(NactiAktualniCenik(kontext, true), "CZ-Kč");
    EXPECT_EQ(bed.cenik.materials.size(), 4u);
    EXPECT_EQ(Setting("CZ-Kč", "CenikRadio"), "db") << "a known section keeps its source";
}

TEST_F(PriceListLoading, TheFileDialogOffersTheSectionsFileAndMayBeCancelled)
{
    TwoPriceLists();
    const std::string other = bed.WriteFile("jiny.dat", kCzLabel, 5);
    NactiCenik(kontext, "CZ-Kč", false, PriceListSource::BySettings);
    EXPECT_THAT(bed.ui.fileDialogs, IsEmpty());
    NactiCenik(kontext, "CZ-Kč", true, PriceListSource::File);
    ASSERT_EQ(bed.ui.fileDialogs.size(), 1u);
    EXPECT_EQ(bed.ui.fileDialogs[0].initialPath, bed.startup.File("cz.dat"));
    EXPECT_EQ(bed.ui.fileDialogs[0].filter, "Ceniky (*.dat);;Vše (*.*)");
    EXPECT_EQ(bed.cenik.materials.size(), 3u) << "cancelled: the list stays as it was";

    bed.ui.fileNames.push_back(other);
    NactiCenik(kontext, "CZ-Kč", true, PriceListSource::File);
    EXPECT_EQ(bed.cenik.materials.size(), 5u);

    // Without the dialog the section's own file is read.
    bed.settings.SetString("Setup", "DlgCenik", "N");
    NactiCenik(kontext, "SK-EUR", true, PriceListSource::File);
    EXPECT_EQ(bed.ui.fileDialogs.size(), 2u);
    EXPECT_EQ(bed.cenik.CenikId, kSkLabel);
}

TEST_F(PriceListLoading, TheProjectTakesTheLabelAndTheFormIsRefreshed)
{
    TwoPriceLists();
    bed.document.hasProject = true;
    NactiCenik(kontext, "SK-EUR", false, PriceListSource::BySettings);
    EXPECT_EQ(bed.document.projectCenikId, kSkLabel);
    EXPECT_EQ(bed.document.refreshes, 1);
}

TEST_F(PriceListLoading, AFailedLoadEmptiesTheList)
{
    TwoPriceLists();
    NactiCenik(kontext, "CZ-Kč", false, PriceListSource::BySettings);
    ASSERT_EQ(bed.cenik.materials.size(), 3u);
    const std::string damaged = test::TempDir::ReadBytes(bed.startup.File("sk.dat"));
    test::TempDir::WriteBytes(bed.startup.File("sk.dat"), damaged.substr(0, damaged.size() / 2));

    NactiCenik(kontext, "SK-EUR", false, PriceListSource::BySettings);
    EXPECT_TRUE(bed.cenik.materials.empty());
    ASSERT_EQ(bed.ui.messages.size(), 1u);
    EXPECT_THAT(bed.ui.messages[0].text, HasSubstr("sk.dat"));
    EXPECT_EQ(bed.ui.messages[0].icon, MessageIcon::Error);
}

TEST_F(PriceListLoading, TheUpdateTestRunsBeforeTheFileOnlyWhenNoFileIsAsked)
{
    TwoPriceLists();
    bed.settings.SetString("CZ-Kč", "TestWWW", "A");

    NactiCenik(kontext, "CZ-Kč", false, PriceListSource::BySettings);
    EXPECT_EQ(web.requests, 1);
    EXPECT_THAT(bed.ui.MessageLines(), ElementsAre("SendRequest: chyba v komunikaci s internetem"));
    EXPECT_EQ(bed.cenik.materials.size(), 3u) << "the local file is loaded all the same";

    NactiCenik(kontext, "CZ-Kč", true, PriceListSource::File);
    EXPECT_EQ(web.requests, 1);
}

TEST_F(PriceListLoading, AWebAddressThatIsNoAddressIsRefusedBeforeTheWeb)
{
    TwoPriceLists();
    NactiCenik(kontext, "CZ-Kč", false, PriceListSource::BySettings);
    bed.Configure("CZ-Kč", "www", "CenikUrl", "ftp://ceniky.example.invalid/cz.dat");

    NactiCenik(kontext, "CZ-Kč", false, PriceListSource::BySettings);
    EXPECT_EQ(web.requests, 0);
    EXPECT_THAT(bed.ui.MessageLines(),
                ElementsAre("ParseUrl: zadaná adresa http://ftp://ceniky.example.invalid/cz.dat není ve tvaru "
                            "http://server/cesta/soubor"));
    EXPECT_EQ(bed.cenik.materials.size(), 3u);
}

// --- RegistrujCenik --------------------------------------------------------------------------

TEST_F(PriceListLoading, ANewSectionRecordsWhereItsPriceListCameFrom)
{
    const struct {
        std::string_view kind;
        const char* value;
        const char* radio;
        const char* sourceKey;
    } cases[] = {
        {"file", "/data/ceniky/sk.dat", "file", "CenikFileName"},
        {"www", "http://intranet/sk.dat", "www", "CenikUrl"},
        {"db", "DSN=Karno;UID=cenik", "db", "DSN"},
        {kRegisterNoSource, "", "<missing>", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.kind));
        test::NoWeb noWeb;
        PriceListBed fresh(noWeb);
        fresh.settings.SetString("Setup", "CenikRadio", "db");
        fresh.settings.SetString("Setup", "Atyp", "15");
        fresh.cenik.CenikId = kSkLabel;
        CenikKontext k = fresh.Kontext();
        RegistrujCenik(k, c.kind, c.value);
        const auto setting = [&](std::string_view key) {
            return fresh.settings.HasKey("SK-EUR", key) ? fresh.settings.GetString("SK-EUR", key, "") : "<missing>";
        };
        EXPECT_EQ(setting("CenikRadio"), c.radio) << "only CZ-Kč takes Setup's source";
        if (c.sourceKey) {
            EXPECT_EQ(setting(c.sourceKey), c.value);
        }
        if (c.kind != "www") {
            EXPECT_EQ(setting("CenikUrl"), "http://ceniky.example.invalid/belvo/Karno-SK-EUR.dat");
        }
        EXPECT_EQ(setting("Atyp"), "15");
        EXPECT_EQ(fresh.settings.GetString("Setup", "Ceniky", ""), "SK-EUR;");
        EXPECT_THAT(fresh.document.settingsOpened, ElementsAre("SK-EUR"));
    }
}

TEST_F(PriceListLoading, TheCzechSectionTakesTheSourceOfOlderVersions)
{
    bed.settings.SetString("Setup", "CenikRadio", "db");
    bed.settings.SetString("Setup", "DSN", "DSN=Stary");
    bed.settings.SetString("Setup", "CenikFileName", "stary.dat");
    bed.cenik.CenikId = kCzLabel;
    RegistrujCenik(kontext, kRegisterNoSource, "");
    EXPECT_EQ(Setting("CZ-Kč", "CenikRadio"), "db");
    EXPECT_EQ(Setting("CZ-Kč", "DSN"), "DSN=Stary");
    EXPECT_EQ(Setting("CZ-Kč", "CenikFileName"), "stary.dat");
    EXPECT_EQ(Setting("CZ-Kč", "CenikUrl"), "http://ceniky.example.invalid/belvo/Karno-CZ-Kč.dat");
}

TEST_F(PriceListLoading, AKnownSectionOnlyGetsAMissingFileNameRelativeToTheStartupDirectory)
{
    bed.settings.SetString("Setup", "Ceniky", "SK-EUR;CZ-Kč;");
    bed.settings.SetString("Setup", "CenikVychozi", "SK-EUR");
    bed.settings.SetString("CZ-Kč", "TestWWW", "N");
    bed.cenik.CenikId = kCzLabel;

    RegistrujCenik(kontext, "file", bed.startup.File("cz.dat"));
    EXPECT_EQ(Setting("CZ-Kč", "CenikFileName"), "cz.dat");
    EXPECT_EQ(Setting("CZ-Kč", "CenikRadio"), "<missing>");
    EXPECT_EQ(Setting("Setup", "Ceniky"), "SK-EUR;CZ-Kč;");
    EXPECT_EQ(Setting("Setup", "CenikVychozi"), "SK-EUR");

    RegistrujCenik(kontext, "file", bed.startup.File("jiny.dat"));
    EXPECT_EQ(Setting("CZ-Kč", "CenikFileName"), "cz.dat") << "a file name already set stays";
    EXPECT_THAT(bed.ui.messages, IsEmpty()) << "a configured section is not announced";
}

TEST_F(PriceListLoading, ANewSectionJoinsAListThatLostItsLastSeparator)
{
    bed.settings.SetString("Setup", "Ceniky", "CZ-Kč");
    bed.cenik.CenikId = kSkLabel;
    RegistrujCenik(kontext, "file", "sk.dat");
    EXPECT_EQ(Setting("Setup", "Ceniky"), "CZ-Kč;SK-EUR;");
    EXPECT_EQ(Setting("Setup", "CenikVychozi"), "<missing>") << "not the only price list";
}

TEST_F(PriceListLoading, AFailingSettingsDialogIsReported)
{
    bed.cenik.CenikId = kSkLabel;
    bed.document.settingsFail = true;
    RegistrujCenik(kontext, "file", "sk.dat");
    ASSERT_EQ(bed.ui.messages.size(), 3u);
    EXPECT_EQ(bed.ui.MessageLines()[0], kNewPriceListText);
    EXPECT_EQ(bed.ui.messages[1].text, "dialog nastavení selhal");
    EXPECT_EQ(bed.ui.MessageLines()[2], "Chyba: CBelvoDoc::OnSetup");
    EXPECT_EQ(bed.ui.messages[2].icon, MessageIcon::Warning);
}

// --- UlozCenik -------------------------------------------------------------------------------

TEST_F(PriceListLoading, SavingOffersTheDefaultFileNameAndAddsTheExtension)
{
    const CMaterialList materials = test::SampleMaterials(4);
    bed.ui.fileNames.push_back(bed.startup.File("muj-cenik"));
    EXPECT_EQ(UlozCenik(kontext, materials, kCzLabel, false), SaveResult::Saved);
    ASSERT_EQ(bed.ui.fileDialogs.size(), 1u);
    EXPECT_EQ(bed.ui.fileDialogs[0].initialPath, bed.startup.File("CZ20160515-1430-Kč.dat"));
    const PriceList saved = ReadPriceListFile(bed.startup.File("muj-cenik.dat"), PersistentClasses());
    EXPECT_EQ(saved.CenikId, kCzLabel);
    EXPECT_EQ(saved.materials.size(), 4u);

    EXPECT_EQ(UlozCenik(kontext, materials, kCzLabel, false), SaveResult::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(bed.startup.File("CZ20160515-1430-Kč.dat")));

    // Without the dialog, and in the export mode, the default file is written.
    bed.settings.SetString("Setup", "DlgCenik", "N");
    EXPECT_EQ(UlozCenik(kontext, materials, kSkLabel, false), SaveResult::Saved);
    EXPECT_EQ(UlozCenik(kontext, materials, kCzLabel, true), SaveResult::Saved);
    EXPECT_TRUE(std::filesystem::exists(bed.startup.File("SK20160601-0800-EUR.dat")));
    EXPECT_TRUE(std::filesystem::exists(bed.startup.File("CZ20160515-1430-Kč.dat")));
    EXPECT_EQ(bed.ui.fileDialogs.size(), 2u);
}

TEST_F(PriceListLoading, ALabelCannotMakeTheSaveWriteOutsideTheStartupDirectory)
{
    bed.settings.SetString("Setup", "DlgCenik", "N");
    const CMaterialList materials = test::SampleMaterials(1);
    for (const char* label : {"../../venku", "..\\venku", "/etc/venku", "C:\\venku", "CON"}) {
        SCOPED_TRACE(label);
        EXPECT_EQ(UlozCenik(kontext, materials, label, true), SaveResult::Saved);
    }
    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(bed.startup.Path()))
        written.push_back(entry.path().filename().string());
    std::sort(written.begin(), written.end());
    EXPECT_THAT(written, ElementsAre("...dat", ".._venku.dat", ".dat", "C_venku.dat", "_CON.dat"));
}

TEST_F(PriceListLoading, AFailedSaveIsShownOnlyInTheDesktopProgram)
{
    bed.settings.SetString("Setup", "DlgCenik", "N");
    kontext.startupDirectory = bed.startup.File("neexistuje");
    const CMaterialList materials = test::SampleMaterials(1);
    EXPECT_EQ(UlozCenik(kontext, materials, kCzLabel, true), SaveResult::Failed);
    EXPECT_THAT(bed.ui.messages, IsEmpty());
    EXPECT_EQ(UlozCenik(kontext, materials, kCzLabel, false), SaveResult::Failed);
    ASSERT_EQ(bed.ui.messages.size(), 1u);
    EXPECT_THAT(bed.ui.messages[0].text, HasSubstr("CZ20160515-1430-Kč.dat"));
}

// --- Choice dialog ---------------------------------------------------------------------------

TEST_F(PriceListLoading, ChoiceLinesShowEachSectionsSource)
{
    bed.Configure("A", "www", "CenikUrl", "http://intranet/a.dat");
    bed.Configure("B", "db", "DSN", "DSN=Karno");
    bed.Configure("C", "file", "CenikFileName", "c.dat");
    bed.settings.SetString("D", "CenikFileName", "d.dat");
    bed.settings.SetString("E", "CenikRadio", "jiny");
    EXPECT_THAT(PriceListChoiceLines(bed.settings, "A;B;C;D;E;;F;"),
                ElementsAre("A \twww: http://intranet/a.dat", "B \tdb: DSN=Karno", "C \tfile: c.dat", "D \t?: d.dat",
                            "E \tjiny: "));
    EXPECT_EQ(VyberCeniku(bed.ui, bed.settings, ";A;"), std::nullopt) << "nothing to choose";
    EXPECT_THAT(bed.ui.listChoices, IsEmpty());
}

}  // namespace
}  // namespace belvo
