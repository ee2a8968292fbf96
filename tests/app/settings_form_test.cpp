// The settings dialog "Konfigurace" as a form model: what it shows on a fresh and on a used
// store, the tabs of the price lists and the question when a changed tab is left, what OK and
// leaving a tab write, the two "..." buttons and the rounding categories.
#include "app/settings_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "settings/memory_settings_store.h"
#include "settings/settings_keys.h"
#include "support/scripted_ui.h"

namespace belvo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using F = SettingsForm;

constexpr const char* kStartup = "/start";
constexpr const char* kServer = "http://ceniky.example.invalid";

class SettingsFormTest : public ::testing::Test {
protected:
    ScriptedUi ui;
    MemorySettingsStore settings;
    std::unique_ptr<SettingsForm> form;

    SettingsForm& Open(std::string preset = "", std::string connection = "DSN=Karno;UID=cenik")
    {
        form = std::make_unique<SettingsForm>(ui, settings, Separators{}, kStartup, std::move(preset),
                                              std::move(connection));
        EXPECT_EQ(form->Open(), FormOutcome::Done);
        return *form;
    }

    // Two configured price lists, the Slovak one the default.
    void TwoPriceLists()
    {
        settings.SetString("Setup", "Ceniky", "CZ-Kč;SK-EUR;");
        settings.SetString("Setup", "CenikVychozi", "SK-EUR");
        for (const char* section : {"CZ-Kč", "SK-EUR"}) {
            settings.SetString(section, "CenikRadio", "file");
            settings.SetString(section, "TestWWW", "N");
            settings.SetString(section, "CenikUrl", std::string(kServer) + "/belvo/Karno-" + section + ".dat");
        }
        settings.SetString("CZ-Kč", "CenikFileName", "Karno.dat");
        settings.SetString("CZ-Kč", "DPH", "21,0");
        settings.SetString("SK-EUR", "CenikFileName", "sk.dat");
        settings.SetString("SK-EUR", "DPH", "20,0");
        settings.SetString("SK-EUR", "ZaokrouhlovaniBalne", "100,00");
    }

    std::string Text(int id) const { return form->Field(id).text; }
    bool Checked(int id) const { return form->Field(id).checked; }
    void Click(int id)
    {
        form->Field(id).checked = !form->Field(id).checked;
        form->Activate(id);
    }
    void SelectTab(int index)
    {
        form->Field(F::kCeniky).selected = index;
        form->Activate(F::kCeniky);
    }
    std::string Stored(std::string_view section, std::string_view key) const
    {
        return settings.HasKey(section, key) ? settings.GetString(section, key, "") : "<missing>";
    }
};

TEST_F(SettingsFormTest, AFreshStoreShowsOneCzechTabTheFourBoxesAndNineCategories)
{
    Open();
    EXPECT_THAT(form->Field(F::kCeniky).entries, ElementsAre("CZ-Kč"));
    EXPECT_EQ(form->PageSection(), "CZ-Kč");

    std::set<int> checked;
    for (const FormField& field : form->Fields())
        if (field.kind == FieldKind::CheckBox && field.checked) checked.insert(field.id);
    // The default price list's box is the fifth: the default price list is "CZ-Kč".
    EXPECT_THAT(checked, ElementsAre(F::kPreklady, F::kNosne, F::kTiskNulovychPolozek, F::kDlgCenik, F::kVychozi));

    const FormField& categories = form->Field(F::kZaokrouhlovanePolozky);
    ASSERT_EQ(categories.entries.size(), 9u);
    EXPECT_EQ(categories.entries[0], "Belvo základní");
    EXPECT_EQ(categories.entries[7], "Velto");
    EXPECT_THAT(categories.checks, ElementsAre(true, false, false, false, false, false, false, true, false));
    EXPECT_EQ(settings.GetInt("Zaokrouhlovani", "PocetPolozek", 0), 9) << "the default table is written on opening";

    // The page from the defaults of "Setup".
    EXPECT_EQ(Text(F::kDph), "19,0");
    EXPECT_EQ(Text(F::kSleva), "0,0");
    EXPECT_EQ(Text(F::kAtyp), "20,0");
    EXPECT_EQ(Text(F::kSoubor), "Karno.dat");
    EXPECT_EQ(Text(F::kDsn), "");
    EXPECT_EQ(Text(F::kUrl), std::string(kServer) + "/belvo/Karno.dat");
    EXPECT_TRUE(Checked(F::kSouboru));
    EXPECT_FALSE(Checked(F::kDatabaze) || Checked(F::kInternetu) || Checked(F::kTestWww));
    EXPECT_EQ(Text(F::kZaokrouhlovaniBalne), "0,00");
    EXPECT_THAT(ui.messages, IsEmpty());
}

TEST_F(SettingsFormTest, ConfirmingAFreshStoreWritesEveryKeyShown)
{
    Open();
    EXPECT_EQ(form->Save(), FormOutcome::Done);
    EXPECT_THAT(ui.messages, IsEmpty()) << "OK writes the tab without asking";

    const std::map<std::string, std::string> setup = {
        {"Autor", ""},          {"Cena", "N"},         {"Preklady", "A"},
        {"Nosne", "A"},         {"ZobrazitHtml", "N"}, {"DlgCenik", "A"},
        {"TiskNulovychPolozek", "A"}, {"TiskPolozkyJedenRadek", "N"}, {"DefTeplaMalta340", "N"},
        {"AutoSave", "N"},      {"PouzePaletovanouCenu", "N"}, {"AutomatickeZaokroulovani", "N"},
        {"Version", "2016-05-15"}, {"Ceniky", "CZ-Kč;"}, {"CenikVychozi", "CZ-Kč"},
    };
    for (const auto& [key, value] : setup) EXPECT_EQ(Stored("Setup", key), value) << key;
    const std::map<std::string, std::string> section = {
        {"DSN", ""},
        {"DPH", "19,0"},
        {"Sleva", "0,0"},
        {"Atyp", "20,0"},
        {"CenikFileName", "Karno.dat"},
        {"CenikUrl", std::string(kServer) + "/belvo/Karno.dat"},
        {"TestWWW", "N"},
        {"CenikRadio", "file"},
        {"ZaokrouhlovaniBalne", "0,00"},
        {"ZaokrouhlovaniZdrazeni", "0,00"},
    };
    for (const auto& [key, value] : section) EXPECT_EQ(Stored("CZ-Kč", key), value) << key;
    std::vector<int> states;
    for (int i = 1; i <= 9; ++i) states.push_back(settings.GetInt("Zaokrouhlovani", "Stav" + std::to_string(i), -1));
    EXPECT_THAT(states, ElementsAre(1, 0, 0, 0, 0, 0, 0, 1, 0));
}

TEST_F(SettingsFormTest, OkWritesWhatTheUserChangedInTheCommonSettings)
{
    settings.SetString("Setup", "Version", "2015-01-01");
    Open();
    form->Field(F::kAutor).text = "Jan Novák";
    form->Field(F::kCena).checked = true;
    form->Field(F::kDlgCenik).checked = false;
    form->Field(F::kZaokrouhlovanePolozky).checks[0] = false;
    form->Field(F::kZaokrouhlovanePolozky).checks[8] = true;
    ASSERT_EQ(form->Save(), FormOutcome::Done);
    EXPECT_EQ(Stored("Setup", "Autor"), "Jan Novák");
    EXPECT_EQ(Stored("Setup", "Cena"), "A");
    EXPECT_EQ(Stored("Setup", "DlgCenik"), "N");
    EXPECT_EQ(Stored("Setup", "Version"), "2016-05-15");
    EXPECT_EQ(settings.GetInt("Zaokrouhlovani", "Stav1", -1), 0);
    EXPECT_EQ(settings.GetInt("Zaokrouhlovani", "Stav9", -1), 1);

    // Opening again shows what was written.
    Open();
    EXPECT_EQ(Text(F::kAutor), "Jan Novák");
    EXPECT_TRUE(Checked(F::kCena));
    EXPECT_FALSE(Checked(F::kDlgCenik));
}

TEST_F(SettingsFormTest, TheTabsFollowTheListOfPriceListsWithTheChosenOneFirst)
{
    struct Case {
        const char* ceniky;    // nullptr: missing
        const char* vychozi;   // nullptr: missing
        const char* preset;
        std::vector<std::string> tabs;
    };
    const Case cases[] = {
        {"CZ-Kč;SK-EUR;", "SK-EUR", "", {"SK-EUR", "CZ-Kč"}},
        {"CZ-Kč;SK-EUR;", "SK-EUR", "CZ-Kč", {"CZ-Kč", "SK-EUR"}},
        {"CZ-Kč;SK-EUR;", nullptr, "", {"CZ-Kč", "SK-EUR"}},
        {"CZ-Kč;SK-EUR;", "AT-EUR", "", {"CZ-Kč", "SK-EUR"}},
        {"CZ-Kč;SK-EUR;", "sk-EUR", "", {"SK-EUR", "CZ-Kč"}},  // section names ignore ASCII case
        {"CZ-Kč;;SK-EUR;", "SK-EUR", "", {"CZ-Kč"}},          // the list ends at an empty name
        {nullptr, nullptr, "", {"CZ-Kč"}},
        {"", "CZ-Kč", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ceniky ? c.ceniky : "<missing>") + " / " + (c.vychozi ? c.vychozi : "<missing>") +
                     " / " + c.preset);
        settings = MemorySettingsStore();
        if (c.ceniky) settings.SetString("Setup", "Ceniky", c.ceniky);
        if (c.vychozi) settings.SetString("Setup", "CenikVychozi", c.vychozi);
        Open(c.preset);
        EXPECT_EQ(form->Field(F::kCeniky).entries, c.tabs);
        EXPECT_EQ(form->PageSection(), c.tabs.empty() ? std::string() : c.tabs.front());
        EXPECT_EQ(form->Field(F::kDph).enabled, !c.tabs.empty());
    }
}

TEST_F(SettingsFormTest, WithoutAnyTabOkWritesTheCommonSettingsOnly)
{
    settings.SetString("Setup", "Ceniky", "");
    Open();
    ASSERT_EQ(form->Save(), FormOutcome::Done);
    EXPECT_EQ(Stored("Setup", "Version"), "2016-05-15");
    EXPECT_EQ(Stored("Setup", "Ceniky"), "");
    EXPECT_EQ(Stored("CZ-Kč", "CenikRadio"), "<missing>");
}

TEST_F(SettingsFormTest, LeavingATabAsksOnlyAfterAChangeBesideTheRoundingAmounts)
{
    struct Case {
        const char* what;
        std::function<void(SettingsForm&)> change;
        bool asks;
    };
    const Case cases[] = {
        {"nothing", [](SettingsForm&) {}, false},
        {"Rozbalné", [](SettingsForm& f) { f.Field(F::kZaokrouhlovaniBalne).text = "150"; }, false},
        {"Povolené zdražení", [](SettingsForm& f) { f.Field(F::kZaokrouhlovaniZdrazeni).text = "12,5"; }, false},
        {"DPH retyped alike", [](SettingsForm& f) { f.Field(F::kDph).text = "20"; }, false},
        {"DPH", [](SettingsForm& f) { f.Field(F::kDph).text = "21"; }, true},
        {"Sleva", [](SettingsForm& f) { f.Field(F::kSleva).text = "5"; }, true},
        {"Přirážka", [](SettingsForm& f) { f.Field(F::kAtyp).text = "25"; }, true},
        {"DSN", [](SettingsForm& f) { f.Field(F::kDsn).text = "DSN=Karno"; }, true},
        {"soubor", [](SettingsForm& f) { f.Field(F::kSoubor).text = "jiny.dat"; }, true},
        {"url", [](SettingsForm& f) { f.Field(F::kUrl).text = "http://jinde/k.dat"; }, true},
        {"internetu", [](SettingsForm& f) {
             f.Field(F::kInternetu).checked = true;
             f.Activate(F::kInternetu);
         }, true},
        {"TestWWW", [](SettingsForm& f) { f.Field(F::kTestWww).checked = true; }, true},
        {"výchozí", [](SettingsForm& f) { f.Field(F::kVychozi).checked = false; }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        settings = MemorySettingsStore();
        ui = ScriptedUi();
        TwoPriceLists();
        Open();
        ASSERT_EQ(form->PageSection(), "SK-EUR");
        c.change(*form);
        SelectTab(1);
        if (c.asks) {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].caption, "Uložit?");
            EXPECT_EQ(ui.messages[0].text, kSettingsChangedQuestion);
            EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
        } else {
            EXPECT_THAT(ui.messages, IsEmpty());
        }
        // The new tab's page is shown.
        EXPECT_EQ(form->PageSection(), "CZ-Kč");
        EXPECT_EQ(form->Field(F::kCeniky).selected, 1);
        EXPECT_EQ(Text(F::kDph), "21,0");
        EXPECT_EQ(Text(F::kSoubor), "Karno.dat");
    }
}

TEST_F(SettingsFormTest, TheAnswerDecidesWhetherALeftTabIsWritten)
{
    TwoPriceLists();
    // No: nothing of the page is written, not even the rounding amount.
    ui.answers = {Answer::No};
    Open();
    form->Field(F::kDph).text = "23";
    form->Field(F::kZaokrouhlovaniBalne).text = "250";
    SelectTab(1);
    EXPECT_EQ(Stored("SK-EUR", "DPH"), "20,0");
    EXPECT_EQ(Stored("SK-EUR", "ZaokrouhlovaniBalne"), "100,00");
    SelectTab(0);
    EXPECT_EQ(Text(F::kDph), "20,0") << "the lost change is not shown again";

    // Yes: written, and "&Storno" afterwards keeps it.
    ui.answers = {Answer::Yes};
    form->Field(F::kDph).text = "23";
    form->Field(F::kZaokrouhlovaniBalne).text = "250";
    SelectTab(1);
    EXPECT_EQ(Stored("SK-EUR", "DPH"), "23,0");
    EXPECT_EQ(Stored("SK-EUR", "ZaokrouhlovaniBalne"), "250,00");
    EXPECT_EQ(Stored("Setup", "Version"), "<missing>") << "the common settings wait for OK";
}

TEST_F(SettingsFormTest, TheDefaultPriceListBox)
{
    TwoPriceLists();
    // Cleared on the default price list's tab: the key is deleted.
    Open();
    ASSERT_TRUE(Checked(F::kVychozi));
    form->Field(F::kVychozi).checked = false;
    ASSERT_EQ(form->Save(), FormOutcome::Done);
    EXPECT_EQ(Stored("Setup", "CenikVychozi"), "<missing>");
    // And it stays cleared: the missing key is not read as the Czech price list again.
    Open("CZ-Kč");
    EXPECT_FALSE(Checked(F::kVychozi));
    ASSERT_EQ(form->Save(), FormOutcome::Done);
    EXPECT_EQ(Stored("Setup", "CenikVychozi"), "<missing>");

    // Set on another tab: that price list becomes the default.
    Open("CZ-Kč");
    form->Field(F::kVychozi).checked = true;
    ASSERT_EQ(form->Save(), FormOutcome::Done);
    EXPECT_EQ(Stored("Setup", "CenikVychozi"), "CZ-Kč");

    // Cleared on a tab that is not the default one: the default stays.
    settings.SetString("Setup", "CenikVychozi", "SK-EUR");
    Open("CZ-Kč");
    ASSERT_EQ(form->Save(), FormOutcome::Done);
    EXPECT_EQ(Stored("Setup", "CenikVychozi"), "SK-EUR");
}

TEST_F(SettingsFormTest, TheSourceAndTheNumbersOfATabAreWrittenAsShown)
{
    TwoPriceLists();
    Open();
    form->Field(F::kDatabaze).checked = true;
    form->Activate(F::kDatabaze);
    EXPECT_FALSE(Checked(F::kSouboru)) << "the radio buttons exclude one another";
    form->Activate(F::kDsnZNacteni);
    EXPECT_EQ(Text(F::kDsn), "DSN=Karno;UID=cenik");
    form->Field(F::kSleva).text = "";  // no discount of its own
    form->Field(F::kAtyp).text = "1 000,26";
    ASSERT_EQ(form->Save(), FormOutcome::Done);
    EXPECT_EQ(Stored("SK-EUR", "CenikRadio"), "db");
    EXPECT_EQ(Stored("SK-EUR", "DSN"), "DSN=Karno;UID=cenik");
    EXPECT_EQ(Stored("SK-EUR", "Sleva"), "<missing>");
    EXPECT_EQ(Stored("SK-EUR", "Atyp"), "1000,3") << "with the decimals the field shows";
    // Reopened, an emptied number reads the value of "Setup".
    settings.SetString("Setup", "Sleva", "3");
    Open();
    EXPECT_EQ(Text(F::kSleva), "3,0");
    EXPECT_TRUE(Checked(F::kDatabaze));
}

TEST_F(SettingsFormTest, TheWebAddressOfASectionWithoutOne)
{
    struct Case {
        const char* setupUrl;  // nullptr: missing
        bool ownSurcharge;
        std::string shown;
    };
    const Case cases[] = {
        {nullptr, false, std::string(kServer) + "/belvo/Karno.dat"},
        {nullptr, true, std::string(kServer) + "/belvo/Karno-SK-EUR.dat"},
        {"http://stary/k.dat", true, "http://stary/k.dat"},
    };
    for (const Case& c : cases) {
        settings = MemorySettingsStore();
        settings.SetString("Setup", "Ceniky", "SK-EUR;");
        settings.SetString("Setup", "CenikVychozi", "SK-EUR");
        if (c.setupUrl) settings.SetString("Setup", "CenikURL", c.setupUrl);
        if (c.ownSurcharge) settings.SetString("SK-EUR", "Atyp", "20");
        Open();
        EXPECT_EQ(Text(F::kUrl), c.shown);
    }
}

TEST_F(SettingsFormTest, TheFileButtonStartsAtTheFieldsFileAndKeepsItRelative)
{
    struct Case {
        std::string field;
        std::string initial;
        std::optional<std::string> chosen;
        std::string result;
    };
    const Case cases[] = {
        {"", "/start", "/start/Karno.dat", "Karno.dat"},
        {"ceniky/K.dat", "/start/ceniky/K.dat", "/start/ceniky/Novy.dat", "ceniky/Novy.dat"},
        {"/data/K.dat", "/data/K.dat", "/jinde/K.dat", "/jinde/K.dat"},
        {"C:\\ceniky\\K.dat", "C:\\ceniky\\K.dat", std::nullopt, "C:\\ceniky\\K.dat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        ui = ScriptedUi();
        Open();
        form->Field(F::kSoubor).text = c.field;
        ui.fileNames = {c.chosen};
        form->Activate(F::kSouborVyber);
        ASSERT_EQ(ui.fileDialogs.size(), 1u);
        EXPECT_EQ(ui.fileDialogs[0].initialPath, c.initial);
        EXPECT_EQ(ui.fileDialogs[0].filter, "Ceniky (*.dat);;Vše (*.*)");
        EXPECT_EQ(Text(F::kSoubor), c.result);
    }
}

TEST_F(SettingsFormTest, StoredRoundingCategoriesAreShownAndTheirDefaultLabelsRepaired)
{
    settings.SetInt("Zaokrouhlovani", "PocetPolozek", 3);
    settings.SetString("Zaokrouhlovani", "Text1", "Vlastní");
    settings.SetInt("Zaokrouhlovani", "Skupina1", 5);
    settings.SetString("Zaokrouhlovani", "Text2", "Belvo půlka");
    settings.SetInt("Zaokrouhlovani", "Skupina2", 9);
    settings.SetInt("Zaokrouhlovani", "Stav2", 1);
    Open();
    EXPECT_THAT(form->Field(F::kZaokrouhlovanePolozky).entries, ElementsAre("Vlastní", "Belvo půlka", "Bez popisu"));
    EXPECT_THAT(form->Field(F::kZaokrouhlovanePolozky).checks, ElementsAre(false, true, false));
    EXPECT_EQ(settings.GetInt("Zaokrouhlovani", "Skupina2", 0), 1) << "a default label gets its group back";
    EXPECT_EQ(settings.GetInt("Zaokrouhlovani", "Skupina1", 0), 5) << "the user's own category keeps it";
    EXPECT_EQ(settings.GetInt("Zaokrouhlovani", "PocetPolozek", 0), 3) << "no default table over the stored one";
}

}  // namespace
}  // namespace belvo
