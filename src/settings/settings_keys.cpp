#include "settings/settings_keys.h"

#include <algorithm>
#include <stdexcept>

namespace belvo {

namespace {

std::string_view SectionOf(std::string_view section, std::string_view name)
{
    if (section.empty())
        throw std::logic_error("settings key \"" + std::string(name) +
                               "\" belongs to a price-list section; name the section");
    return section;
}

// The text the store holds for the key in the section, or nullopt when it holds none.
std::optional<std::string> Stored(const SettingsStore& store, std::string_view section,
                                  std::string_view name)
{
    if (!store.HasKey(section, name)) return std::nullopt;
    return store.GetString(section, name, {});
}

constexpr AnySettingKey kAllKeys[] = {
    &keys::Autor,
    &keys::Cena,
    &keys::Preklady,
    &keys::Nosne,
    &keys::ZobrazitHtml,
    &keys::DlgCenik,
    &keys::TiskNulovychPolozek,
    &keys::TiskPolozkyJedenRadek,
    &keys::DefTeplaMalta340,
    &keys::AutoSave,
    &keys::PouzePaletovanouCenu,
    &keys::AutomatickeZaokroulovani,
    &keys::Ceniky,
    &keys::CenikVychozi,
    &keys::Version,
    &keys::ColorNeEdit,
    &keys::ColorRound,
    &keys::ColorRoundNe,
    &keys::IdNavrhu,
    &keys::WebServer,
    &keys::CenikRadio,
    &keys::DSN,
    &keys::CenikFileName,
    &keys::CenikUrl,
    &keys::TestWWW,
    &keys::DPH,
    &keys::Sleva,
    &keys::Atyp,
    &keys::ZaokrouhlovaniBalne,
    &keys::ZaokrouhlovaniZdrazeni,
    &keys::PocetPolozek,
};

}  // namespace

std::span<const AnySettingKey> AllSettingKeys() { return kAllKeys; }

bool IsOn(std::string_view value, YesNoTest test)
{
    return test == YesNoTest::OnlyYes ? value == kYes : value != kNo;
}

// --- Texts -------------------------------------------------------------------------------------

std::string ReadText(const SettingsStore& store, const TextKey& key,
                     std::optional<std::string_view> missing)
{
    return ReadText(store, SectionOf(key.section, key.name), key, missing);
}

std::string ReadText(const SettingsStore& store, std::string_view section, const TextKey& key,
                     std::optional<std::string_view> missing)
{
    return store.GetString(section, key.name, missing.value_or(key.defaultValue));
}

std::string ReadTextOrSetup(const SettingsStore& store, std::string_view section,
                            const TextKey& key)
{
    if (auto value = Stored(store, section, key.name)) return *value;
    if (key.section == kSetupSection) return ReadText(store, kSetupSection, key);
    return std::string(key.defaultValue);
}

void WriteText(SettingsStore& store, const TextKey& key, std::string_view value)
{
    WriteText(store, SectionOf(key.section, key.name), key, value);
}

void WriteText(SettingsStore& store, std::string_view section, const TextKey& key,
               std::string_view value)
{
    store.SetString(section, key.name, value);
}

void RemoveKey(SettingsStore& store, const TextKey& key)
{
    RemoveKey(store, SectionOf(key.section, key.name), key);
}

void RemoveKey(SettingsStore& store, std::string_view section, const TextKey& key)
{
    store.Remove(section, key.name);
}

// --- Yes/no ------------------------------------------------------------------------------------

bool ReadFlag(const SettingsStore& store, const FlagKey& key)
{
    return ReadFlag(store, key, FlagReading{key.defaultValue, key.test});
}

bool ReadFlag(const SettingsStore& store, const FlagKey& key, FlagReading reading)
{
    return ReadFlag(store, SectionOf(key.section, key.name), key, reading);
}

bool ReadFlag(const SettingsStore& store, std::string_view section, const FlagKey& key)
{
    return ReadFlag(store, section, key, FlagReading{key.defaultValue, key.test});
}

bool ReadFlag(const SettingsStore& store, std::string_view section, const FlagKey& key,
              FlagReading reading)
{
    return IsOn(store.GetString(section, key.name, reading.missing), reading.test);
}

void WriteFlag(SettingsStore& store, const FlagKey& key, bool on)
{
    WriteFlag(store, SectionOf(key.section, key.name), key, on);
}

void WriteFlag(SettingsStore& store, std::string_view section, const FlagKey& key, bool on)
{
    store.SetString(section, key.name, on ? kYes : kNo);
}

// --- Decimals ----------------------------------------------------------------------------------

CCislo ParseSettingDecimal(std::string_view text)
{
    // No-break spaces (U+00A0, U+202F) group thousands in many locales; drop them first.
    std::string cleaned;
    cleaned.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("\xC2\xA0")) {
            ++i;
            continue;
        }
        if (rest.starts_with("\xE2\x80\xAF")) {
            i += 2;
            continue;
        }
        cleaned += text[i];
    }
    const std::size_t separator = cleaned.find_first_of(",.");
    Separators separators;
    separators.decimal = separator == std::string::npos ? std::string(",") : cleaned.substr(separator, 1);
    separators.thousands = " ";
    return CCislo::Parse(cleaned, separators);
}

std::string FormatSettingDecimal(const CCislo& value)
{
    Separators separators;
    separators.decimal = ",";
    return value.Format(separators, CCislo::kEmptyNull);
}

CCislo ReadDecimal(const SettingsStore& store, const DecimalKey& key,
                   std::optional<std::string_view> missing)
{
    return ParseSettingDecimal(ReadText(store, key, missing));
}

CCislo ReadDecimal(const SettingsStore& store, std::string_view section, const DecimalKey& key,
                   std::optional<std::string_view> missing)
{
    return ParseSettingDecimal(ReadText(store, section, key, missing));
}

CCislo ReadDecimalOrSetup(const SettingsStore& store, std::string_view section,
                          const DecimalKey& key)
{
    return ParseSettingDecimal(ReadTextOrSetup(store, section, key));
}

void WriteDecimal(SettingsStore& store, const DecimalKey& key, const CCislo& value)
{
    WriteText(store, key, FormatSettingDecimal(value));
}

void WriteDecimal(SettingsStore& store, std::string_view section, const DecimalKey& key,
                  const CCislo& value)
{
    WriteText(store, section, key, FormatSettingDecimal(value));
}

// --- Integers ----------------------------------------------------------------------------------

int ReadInt(const SettingsStore& store, const IntKey& key, std::optional<int> missing)
{
    return store.GetInt(SectionOf(key.section, key.name), key.name,
                        missing.value_or(key.defaultValue));
}

void WriteInt(SettingsStore& store, const IntKey& key, int value)
{
    store.SetInt(SectionOf(key.section, key.name), key.name, value);
}

// --- Price-list sections -----------------------------------------------------------------------

std::vector<std::string> PriceListSections(std::string_view ceniky)
{
    std::vector<std::string> sections;
    for (;;) {
        const std::size_t end = ceniky.find(';');
        if (end == std::string_view::npos || end == 0) break;
        sections.emplace_back(ceniky.substr(0, end));
        ceniky.remove_prefix(end + 1);
    }
    return sections;
}

std::string MakerWebServer(const SettingsStore& store)
{
    std::string server = ReadText(store, keys::WebServer);
    while (!server.empty() && server.back() == '/') server.pop_back();
    if (server.empty()) server = keys::WebServer.defaultValue;
    return server;
}

std::string MakerWebAddress(const SettingsStore& store, std::string_view path)
{
    return MakerWebServer(store) + std::string(path);
}

std::string DefaultCenikUrl(const SettingsStore& store, std::string_view section)
{
    return MakerWebAddress(store, "/belvo/Karno-" + std::string(section) + ".dat");
}

std::string OldDefaultCenikUrl(const SettingsStore& store) { return MakerWebAddress(store, "/belvo/Karno.dat"); }

std::string CenikUrlOrDefault(const SettingsStore& store, std::string_view section)
{
    if (store.HasKey(section, keys::CenikUrl.name)) return ReadText(store, section, keys::CenikUrl);
    return SameSettingName(section, kSetupSection) ? OldDefaultCenikUrl(store) : DefaultCenikUrl(store, section);
}

// --- Rounding categories -----------------------------------------------------------------------

std::string IndexedKeyName(std::string_view name, int index)
{
    return std::string(name) + std::to_string(index);
}

std::vector<RoundingCategory> DefaultRoundingTable()
{
    return {
        {"Belvo základní", 1, 0, 1},      {"Belvo půlka", 1, 4, 0},
        {"Belvo krajová", 1, 8, 0},       {"Belvo krajová půlka", 1, 16, 0},
        {"Belvo nízká", 1, 2, 0},         {"Belvo rohová 90°", 1, 1, 0},
        {"Belvo rohová 135°", 1, 32, 0},  {"Velto", 7, 0, 1},
        {"Věncovka", 8, 0, 0},
    };
}

std::vector<RoundingCategory> ReadRoundingTable(const SettingsStore& store)
{
    const int count = std::min(ReadInt(store, keys::PocetPolozek), kMaxRoundingCategories);
    std::vector<RoundingCategory> table;
    if (count < 1) return table;
    table.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) {
        RoundingCategory category;
        category.Text = store.GetString(kRoundingSection, IndexedKeyName(keys::RoundingText.name, i),
                                        keys::RoundingText.defaultValue);
        category.Skupina = store.GetInt(kRoundingSection, IndexedKeyName(keys::RoundingSkupina.name, i),
                                        keys::RoundingSkupina.defaultValue);
        category.Typ = store.GetInt(kRoundingSection, IndexedKeyName(keys::RoundingTyp.name, i),
                                    keys::RoundingTyp.defaultValue);
        category.Stav = store.GetInt(kRoundingSection, IndexedKeyName(keys::RoundingStav.name, i),
                                     keys::RoundingStav.defaultValue);
        table.push_back(std::move(category));
    }
    return table;
}

void WriteRoundingTable(SettingsStore& store, const std::vector<RoundingCategory>& table)
{
    const int count = static_cast<int>(std::min<std::size_t>(table.size(), kMaxRoundingCategories));
    for (int i = 1; i <= count; ++i) {
        const RoundingCategory& category = table[static_cast<std::size_t>(i - 1)];
        store.SetString(kRoundingSection, IndexedKeyName(keys::RoundingText.name, i), category.Text);
        store.SetInt(kRoundingSection, IndexedKeyName(keys::RoundingSkupina.name, i), category.Skupina);
        store.SetInt(kRoundingSection, IndexedKeyName(keys::RoundingTyp.name, i), category.Typ);
        store.SetInt(kRoundingSection, IndexedKeyName(keys::RoundingStav.name, i), category.Stav);
    }
    WriteInt(store, keys::PocetPolozek, count);
}

void RepairRoundingTable(SettingsStore& store)
{
    const std::vector<RoundingCategory> defaults = DefaultRoundingTable();
    for (int i = 2; i <= 7; ++i) {
        const std::string text = store.GetString(
            kRoundingSection, IndexedKeyName(keys::RoundingText.name, i), keys::RoundingText.defaultValue);
        if (text != defaults[static_cast<std::size_t>(i - 1)].Text) continue;
        const std::string skupina = IndexedKeyName(keys::RoundingSkupina.name, i);
        if (store.GetInt(kRoundingSection, skupina, keys::RoundingSkupina.defaultValue) != 1)
            store.SetInt(kRoundingSection, skupina, 1);
    }
}

}  // namespace belvo
