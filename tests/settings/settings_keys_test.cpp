#include "settings/settings_keys.h"

#include <set>
#include <stdexcept>

#include <gtest/gtest.h>

#include "settings/memory_settings_store.h"

namespace belvo {
namespace {

// A price-list section for the keys that live only there.
constexpr std::string_view kCz = "CZ-Kč";

std::string_view SectionForTest(std::string_view section) { return section.empty() ? kCz : section; }

TEST(SettingsKeys, EveryKeyReadsItsDefaultFromAnEmptyStore)
{
    const MemorySettingsStore store;
    for (const AnySettingKey& any : AllSettingKeys()) {
        std::visit(
            [&](const auto* key) {
                using Key = std::remove_cvref_t<decltype(*key)>;
                const std::string_view section = SectionForTest(key->section);
                SCOPED_TRACE(std::string(section) + "/" + std::string(key->name));
                if constexpr (std::is_same_v<Key, IntKey>) {
                    EXPECT_EQ(ReadInt(store, *key), key->defaultValue);
                } else if constexpr (std::is_same_v<Key, FlagKey>) {
                    EXPECT_EQ(ReadFlag(store, section, *key), IsOn(key->defaultValue, key->test));
                } else if constexpr (std::is_same_v<Key, DecimalKey>) {
                    const CCislo value = ReadDecimal(store, section, *key);
                    EXPECT_FALSE(value.IsNull());
                    EXPECT_TRUE(value.SameAs(ParseSettingDecimal(key->defaultValue)));
                } else {
                    EXPECT_EQ(ReadText(store, section, *key), key->defaultValue);
                }
            },
            any);
    }
}

TEST(SettingsKeys, NoKeyNameIsListedTwiceInASection)
{
    std::set<std::string> seen;
    for (const AnySettingKey& any : AllSettingKeys()) {
        const auto [section, name] = std::visit(
            [](const auto* key) { return std::pair{key->section, key->name}; }, any);
        EXPECT_TRUE(seen.insert(FoldSettingName(section) + "/" + FoldSettingName(name)).second)
            << section << "/" << name;
    }
}

TEST(SettingsKeys, FreshStoreShowsTheDialogsCheckBoxes)
{
    const MemorySettingsStore store;
    const struct {
        const FlagKey* key;
        bool on;
    } cases[] = {
        {&keys::Cena, false},
        {&keys::Preklady, true},
        {&keys::Nosne, true},
        {&keys::ZobrazitHtml, false},
        {&keys::DlgCenik, true},
        {&keys::TiskNulovychPolozek, true},
        {&keys::TiskPolozkyJedenRadek, false},
        {&keys::DefTeplaMalta340, false},
        {&keys::AutoSave, false},
        {&keys::PouzePaletovanouCenu, false},
        {&keys::AutomatickeZaokroulovani, false},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadFlag(store, *c.key), c.on) << c.key->name;
}

TEST(SettingsKeys, YesNoTests)
{
    const struct {
        const char* value;
        bool onlyYes;
        bool anyButNo;
    } cases[] = {
        {"A", true, true}, {"N", false, false}, {"0", false, true},
        {"", false, true}, {"a", false, true},  {"n", false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsOn(c.value, YesNoTest::OnlyYes), c.onlyYes) << '"' << c.value << '"';
        EXPECT_EQ(IsOn(c.value, YesNoTest::AnyButNo), c.anyButNo) << '"' << c.value << '"';
    }
}

TEST(SettingsKeys, ReaderWithItsOwnDefaultAndTest)
{
    MemorySettingsStore store;
    // The lintel design reads a missing "Preklady" as off; the dialog shows it on.
    const FlagReading lintels{"0", YesNoTest::OnlyYes};
    EXPECT_TRUE(ReadFlag(store, keys::Preklady));
    EXPECT_FALSE(ReadFlag(store, keys::Preklady, lintels));
    // The print turns "TiskNulovychPolozek" on only for "A"; the dialog unless "N".
    const FlagReading print{"0", YesNoTest::OnlyYes};
    EXPECT_FALSE(ReadFlag(store, keys::TiskNulovychPolozek, print));
    store.SetString(kSetupSection, "TiskNulovychPolozek", "x");
    EXPECT_FALSE(ReadFlag(store, keys::TiskNulovychPolozek, print));
    EXPECT_TRUE(ReadFlag(store, keys::TiskNulovychPolozek));
    WriteFlag(store, keys::TiskNulovychPolozek, true);
    EXPECT_TRUE(ReadFlag(store, keys::TiskNulovychPolozek, print));
    WriteFlag(store, keys::TiskNulovychPolozek, false);
    EXPECT_EQ(ReadText(store, keys::TiskNulovychPolozek), "N");
    // Texts with a reader's own default: start-up reads "Ceniky" with ";".
    EXPECT_EQ(ReadText(store, keys::Ceniky), "CZ-Kč;");
    EXPECT_EQ(ReadText(store, keys::Ceniky, ";"), ";");
    EXPECT_EQ(ReadInt(store, keys::PocetPolozek, -1), -1);
}

TEST(SettingsKeys, NullDeletesTheDefaultPriceList)
{
    MemorySettingsStore store;
    WriteText(store, keys::CenikVychozi, "SK-EUR");
    EXPECT_EQ(ReadText(store, keys::CenikVychozi), "SK-EUR");
    RemoveKey(store, keys::CenikVychozi);
    EXPECT_FALSE(store.HasKey(kSetupSection, "CenikVychozi"));
    EXPECT_EQ(ReadText(store, keys::CenikVychozi, ""), "");
}

TEST(SettingsKeys, KeyNamesOfTheTableIgnoreCase)
{
    MemorySettingsStore store;
    store.SetString(kCz, "CenikURL", "http://jinde/cenik.dat");
    EXPECT_EQ(ReadText(store, kCz, keys::CenikUrl), "http://jinde/cenik.dat");
}

TEST(SettingsKeys, PriceListOnlyKeyNeedsASection)
{
    MemorySettingsStore store;
    EXPECT_THROW(ReadDecimal(store, keys::ZaokrouhlovaniBalne), std::logic_error);
    EXPECT_THROW(WriteDecimal(store, keys::ZaokrouhlovaniBalne, CCislo(5)), std::logic_error);
    EXPECT_NO_THROW(ReadDecimal(store, kCz, keys::ZaokrouhlovaniBalne));
}

TEST(SettingsKeys, DecimalTextsReadTheSameInEveryLocale)
{
    const struct {
        const char* text;
        std::int64_t mantissa;
        int scale;
        bool null;
    } cases[] = {
        {"20,0", 200, 1, false},
        {"20.0", 200, 1, false},
        {"19", 19, 0, false},
        {"-2,5", -25, 1, false},
        {"1 234,5", 12345, 1, false},
        {"1\xC2\xA0" "234,5", 12345, 1, false},      // no-break space
        {"1\xE2\x80\xAF" "234.5", 12345, 1, false},  // narrow no-break space
        {"12,5 %", 125, 1, false},
        {"0,5.3", 5, 1, false},  // the second separator ends the number
        {"", 0, 0, true},
        {"abc", 0, 0, true},
    };
    for (const auto& c : cases) {
        const CCislo value = ParseSettingDecimal(c.text);
        EXPECT_TRUE(value.SameAs(CCislo::FromRaw(c.mantissa, static_cast<std::uint8_t>(c.scale), c.null)))
            << '"' << c.text << "\" gave " << value.Mantissa() << " scale " << value.Scale();
    }
}

TEST(SettingsKeys, DecimalsAreWrittenWithAComma)
{
    MemorySettingsStore store;
    const struct {
        CCislo value;
        const char* text;
    } cases[] = {
        {CCislo(200, 1), "20,0"},
        {CCislo(-25, 1), "-2,5"},
        {CCislo(1234567, 2), "12345,67"},
        {CCislo(), ""},
    };
    for (const auto& c : cases) {
        WriteDecimal(store, kCz, keys::DPH, c.value);
        EXPECT_EQ(ReadText(store, kCz, keys::DPH), c.text);
        EXPECT_TRUE(ReadDecimal(store, kCz, keys::DPH).SameAs(c.value)) << c.text;
    }
}

TEST(SettingsKeys, SectionValueFallsBackToSetupThenToTheDefault)
{
    const struct {
        std::optional<const char*> inSection;
        std::optional<const char*> inSetup;
        const char* dph;
    } cases[] = {
        {std::nullopt, std::nullopt, "19"},
        {std::nullopt, "21", "21"},
        {"20,0", "21", "20,0"},
        {"", "21", ""},  // an empty value is a value
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        if (c.inSection) store.SetString(kCz, "DPH", *c.inSection);
        if (c.inSetup) store.SetString(kSetupSection, "DPH", *c.inSetup);
        EXPECT_EQ(ReadTextOrSetup(store, kCz, keys::DPH), c.dph);
        EXPECT_TRUE(ReadDecimalOrSetup(store, kCz, keys::DPH).SameAs(ParseSettingDecimal(c.dph)));
    }
}

TEST(SettingsKeys, ReadersThatSkipSetupOrUseTheirOwnDefault)
{
    MemorySettingsStore store;
    store.SetString(kSetupSection, "DPH", "21");
    store.SetString(kSetupSection, "ZaokrouhlovaniBalne", "500");
    // A new project takes a section's VAT with the default "22", not the value of "Setup".
    EXPECT_EQ(ReadDecimal(store, kCz, keys::DPH, "22"), CCislo(22));
    // The rounding amounts have no counterpart in "Setup".
    EXPECT_EQ(ReadDecimalOrSetup(store, kCz, keys::ZaokrouhlovaniBalne), CCislo(0));
    // Reading from "Setup" itself, as loading does before a price list is chosen.
    EXPECT_EQ(ReadTextOrSetup(store, kSetupSection, keys::CenikRadio), "file");
    store.SetString(kSetupSection, "CenikRadio", "www");
    EXPECT_EQ(ReadTextOrSetup(store, kCz, keys::CenikRadio), "www");
}

TEST(SettingsKeys, PriceListSectionsWalk)
{
    using V = std::vector<std::string>;
    const struct {
        const char* ceniky;
        V sections;
    } cases[] = {
        {"CZ-Kč;", V{"CZ-Kč"}},
        {"CZ-Kč;SK-EUR;", V{"CZ-Kč", "SK-EUR"}},
        {"CZ-Kč;SK-EUR", V{"CZ-Kč"}},
        {"CZ-Kč", V{}},
        {";CZ-Kč;", V{}},
        {"CZ-Kč;;SK-EUR;", V{"CZ-Kč"}},
        {"", V{}},
    };
    for (const auto& c : cases) EXPECT_EQ(PriceListSections(c.ceniky), c.sections) << c.ceniky;
}

TEST(SettingsKeys, DefaultWebAddressesAreOnTheConfiguredServer)
{
    MemorySettingsStore store;
    EXPECT_EQ(DefaultCenikUrl(store, "SK-EUR"), "http://ceniky.example.invalid/belvo/Karno-SK-EUR.dat");
    EXPECT_EQ(OldDefaultCenikUrl(store), "http://ceniky.example.invalid/belvo/Karno.dat");

    // The server is a setting; a trailing "/" does not double the separator, and an emptied
    // value falls back to the default rather than making addresses without a server.
    const struct {
        const char* server;
        const char* address;
    } cases[] = {
        {"https://cenik.firma.example:8443", "https://cenik.firma.example:8443/belvo/Karno-CZ-Kc.dat"},
        {"http://intranet/", "http://intranet/belvo/Karno-CZ-Kc.dat"},
        {"", "http://ceniky.example.invalid/belvo/Karno-CZ-Kc.dat"},
    };
    for (const auto& c : cases) {
        WriteText(store, keys::WebServer, c.server);
        EXPECT_EQ(MakerWebAddress(store, "/belvo/Karno-CZ-Kc.dat"), c.address) << c.server;
    }
}

TEST(RoundingTable, DefaultHasNineCategoriesTwoOfThemRounded)
{
    const std::vector<RoundingCategory> table = DefaultRoundingTable();
    ASSERT_EQ(table.size(), 9u);
    std::vector<std::string> rounded;
    for (const RoundingCategory& c : table)
        if (c.Stav == 1) rounded.push_back(c.Text);
    EXPECT_EQ(rounded, (std::vector<std::string>{"Belvo základní", "Velto"}));
    // Categories 1 to 7 are the wall bricks and their companion pieces by type bit.
    const int types[] = {0, 4, 8, 16, 2, 1, 32};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(table[static_cast<std::size_t>(i)].Skupina, 1);
        EXPECT_EQ(table[static_cast<std::size_t>(i)].Typ, types[i]);
    }
    EXPECT_EQ(table[7], (RoundingCategory{"Velto", 7, 0, 1}));
    EXPECT_EQ(table[8], (RoundingCategory{"Věncovka", 8, 0, 0}));
}

TEST(RoundingTable, WrittenTableReadsBack)
{
    MemorySettingsStore store;
    EXPECT_TRUE(ReadRoundingTable(store).empty());
    WriteRoundingTable(store, DefaultRoundingTable());
    EXPECT_EQ(ReadInt(store, keys::PocetPolozek), 9);
    EXPECT_EQ(store.GetString(kRoundingSection, "Text6", ""), "Belvo rohová 90°");
    EXPECT_EQ(store.GetInt(kRoundingSection, "Typ7", 0), 32);
    EXPECT_EQ(ReadRoundingTable(store), DefaultRoundingTable());
}

TEST(RoundingTable, CountAndMissingKeys)
{
    const struct {
        const char* count;
        std::size_t size;
    } cases[] = {
        {"0", 0}, {"-3", 0}, {"abc", 0}, {"2", 2}, {"2000000000", kMaxRoundingCategories},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        store.SetString(kRoundingSection, "PocetPolozek", c.count);
        EXPECT_EQ(ReadRoundingTable(store).size(), c.size) << c.count;
    }
    MemorySettingsStore store;
    store.SetInt(kRoundingSection, "PocetPolozek", 2);
    store.SetString(kRoundingSection, "Text1", "Moje");
    store.SetInt(kRoundingSection, "Stav1", 1);
    EXPECT_EQ(ReadRoundingTable(store),
              (std::vector<RoundingCategory>{{"Moje", 0, 0, 1}, {"Bez popisu", 0, 0, 0}}));
}

TEST(RoundingTable, RepairSetsTheGroupOfDefaultLabels)
{
    MemorySettingsStore store;
    WriteRoundingTable(store, DefaultRoundingTable());
    const struct {
        int index;
        const char* text;  // nullptr: keep the default label
        int skupina;
        int repaired;
    } cases[] = {
        {1, nullptr, 5, 5},  // outside 2 to 7
        {2, nullptr, 5, 1},
        {3, "Vlastní", 5, 5},  // label changed by the user
        {7, nullptr, 0, 1},
        {8, nullptr, 9, 9},
    };
    for (const auto& c : cases) {
        if (c.text) store.SetString(kRoundingSection, IndexedKeyName("Text", c.index), c.text);
        store.SetInt(kRoundingSection, IndexedKeyName("Skupina", c.index), c.skupina);
    }
    RepairRoundingTable(store);
    for (const auto& c : cases)
        EXPECT_EQ(store.GetInt(kRoundingSection, IndexedKeyName("Skupina", c.index), -1), c.repaired)
            << c.index;
}

}  // namespace
}  // namespace belvo
