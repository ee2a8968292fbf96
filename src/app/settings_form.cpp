#include "app/settings_form.h"

#include <algorithm>

#include "catalogue/price_list_loading.h"
#include "catalogue/price_list_paths.h"
#include "settings/settings_keys.h"
#include "settings/version.h"

namespace belvo {

namespace {

struct FlagField {
    int id;
    const FlagKey* key;
    const char* label;
    bool besidePrevious;
};

// The common yes/no settings in the order of the dialog, two on a line.
const FlagField kFlagFields[] = {
    {SettingsForm::kCena, &keys::Cena, "Ceny s DPH", false},
    {SettingsForm::kPreklady, &keys::Preklady, "Navrhovat překlady", false},
    {SettingsForm::kNosne, &keys::Nosne, ".... nosné", true},
    {SettingsForm::kZobrazitHtml, &keys::ZobrazitHtml, "Zobrazit HTML po uložit", false},
    {SettingsForm::kTiskNulovychPolozek, &keys::TiskNulovychPolozek, "Tisknout nulové položky", true},
    {SettingsForm::kTiskPolozkyJedenRadek, &keys::TiskPolozkyJedenRadek, "Při tisku nedělit na paletované a volné",
     false},
    {SettingsForm::kPouzePaletovanouCenu, &keys::PouzePaletovanouCenu, "Vždy pouze paletovanou cenu", true},
    {SettingsForm::kDlgCenik, &keys::DlgCenik, "Načíst/uložit ceník přes dialog", false},
    {SettingsForm::kDefTeplaMalta340, &keys::DefTeplaMalta340, "Výchozí teplá malta pro >= 340", true},
    {SettingsForm::kAutoSave, &keys::AutoSave, "!!! Při zavírání projektu !!! automaticky uložit", false},
    {SettingsForm::kAutomatickeZaokroulovani, &keys::AutomatickeZaokroulovani, "Zaokrouhlovat automaticky", true},
};

// The radio buttons of the source kind.
constexpr int kSourceGroup = 1;

// The fields of a price-list tab's page.
constexpr int kPageFields[] = {
    SettingsForm::kDatabaze,   SettingsForm::kDsn,  SettingsForm::kDsnZNacteni,         SettingsForm::kSouboru,
    SettingsForm::kSoubor,     SettingsForm::kSouborVyber, SettingsForm::kInternetu,    SettingsForm::kUrl,
    SettingsForm::kDph,        SettingsForm::kSleva, SettingsForm::kAtyp,               SettingsForm::kZaokrouhlovaniBalne,
    SettingsForm::kZaokrouhlovaniZdrazeni, SettingsForm::kTestWww, SettingsForm::kVychozi,
};

}  // namespace

SettingsForm::SettingsForm(Ui& ui, SettingsStore& settings, Separators separators, std::string startupDirectory,
                           std::string presetSection, std::string connection)
    : FormModel("Konfigurace", FormButtons::OkCancel, ui, std::move(separators)),
      m_settings(settings),
      m_startupDirectory(std::move(startupDirectory)),
      m_presetSection(std::move(presetSection)),
      m_connection(std::move(connection))
{
    AddField(kAutor, FieldKind::Text, "Autor");
    for (const FlagField& flag : kFlagFields) AddField(flag.id, FieldKind::CheckBox, flag.label).besidePrevious = flag.besidePrevious;
    AddField(kZaokrouhlovanePolozky, FieldKind::CheckList, "Zaokrouhlované položky");

    FormField& tabs = AddField(kCeniky, FieldKind::Tabs, "Nastavení pro jednotlivé ceníky");
    tabs.section = tabs.label;
    // Each source kind above the field that names its source.
    AddField(kDatabaze, FieldKind::Radio, "databáze").group = kSourceGroup;
    AddField(kDsn, FieldKind::Text, "DSN");
    FormField& dsn = AddField(kDsnZNacteni, FieldKind::Button, "...");
    dsn.besidePrevious = true;
    dsn.accessibleName = "DSN posledního načtení z databáze";
    AddField(kSouboru, FieldKind::Radio, "souboru").group = kSourceGroup;
    AddField(kSoubor, FieldKind::Text, "Soubor");
    FormField& choose = AddField(kSouborVyber, FieldKind::Button, "...");
    choose.besidePrevious = true;
    choose.accessibleName = "Vybrat soubor ceníku";
    AddField(kInternetu, FieldKind::Radio, "internetu").group = kSourceGroup;
    AddField(kUrl, FieldKind::Text, "url");
    const auto number = [&](int id, const char* label, int decimals, const char* unit) {
        FormField& field = AddField(id, FieldKind::Number, label);
        field.decimals = decimals;
        field.unit = unit;
    };
    number(kDph, "DPH", 1, "%");
    number(kSleva, "Sleva", 1, "%");
    number(kAtyp, "Přirážka pro atyp panely", 1, "%");
    number(kZaokrouhlovaniBalne, "Rozbalné a balné částečné palety", 2, "");
    number(kZaokrouhlovaniZdrazeni, "Povolené zdražení 1 položky", 2, "");
    AddField(kTestWww, FieldKind::CheckBox, "Aktualizovat ceník z internetu při startu nového projektu");
    AddField(kVychozi, FieldKind::CheckBox, "Výchozí ceník pro nový projekt");
    // The currency of the first tab from the start, so that a view made before opening shows it.
    const std::vector<std::string> first = TabSections();
    if (!first.empty()) ShowCurrency(first.front());
}

// --- Opening -------------------------------------------------------------------------------------

void SettingsForm::Load()
{
    Field(kAutor).text = ReadText(m_settings, keys::Autor);
    for (const FlagField& flag : kFlagFields) Field(flag.id).checked = ReadFlag(m_settings, *flag.key);
    LoadTabs();
    LoadRoundingCategories();
}

std::vector<std::string> SettingsForm::TabSections() const
{
    const std::vector<std::string> sections = PriceListSections(ReadText(m_settings, keys::Ceniky));
    const std::string first = m_presetSection.empty() ? ReadText(m_settings, keys::CenikVychozi) : m_presetSection;
    const auto isFirst = [&](const std::string& section) { return !first.empty() && SameSettingName(section, first); };

    std::vector<std::string> tabs;
    const auto firstSection = std::find_if(sections.begin(), sections.end(), isFirst);
    if (firstSection != sections.end()) tabs.push_back(*firstSection);
    for (const std::string& section : sections) {
        const bool shown = std::any_of(tabs.begin(), tabs.end(),
                                       [&](const std::string& tab) { return SameSettingName(tab, section); });
        if (!shown) tabs.push_back(section);
    }
    return tabs;
}

void SettingsForm::LoadTabs()
{
    const std::vector<std::string> tabs = TabSections();
    Field(kCeniky).entries = tabs;
    for (int id : kPageFields) Field(id).enabled = !tabs.empty();
    m_section.clear();
    m_tab = -1;
    if (!tabs.empty()) {
        FillPage(tabs.front());
        m_tab = 0;
    }
    Field(kCeniky).selected = m_tab;
}

void SettingsForm::LoadRoundingCategories()
{
    RepairRoundingTable(m_settings);
    if (ReadInt(m_settings, keys::PocetPolozek, -1) < 1) WriteRoundingTable(m_settings, DefaultRoundingTable());
    FormField& list = Field(kZaokrouhlovanePolozky);
    list.entries.clear();
    list.checks.clear();
    for (const RoundingCategory& category : ReadRoundingTable(m_settings)) {
        list.entries.push_back(category.Text);
        list.checks.push_back(category.Stav != 0);
    }
}

// --- A price-list tab ----------------------------------------------------------------------------

std::string SettingsForm::DefaultPageUrl(const std::string& section) const
{
    if (m_settings.HasKey(kSetupSection, keys::CenikUrl.name)) return ReadText(m_settings, kSetupSection, keys::CenikUrl);
    // A section registered with its own surcharge names its own file; the address of older
    // versions otherwise.
    const bool own = m_settings.HasKey(section, keys::Atyp.name);
    return MakerWebAddress(m_settings, "/belvo/Karno" + (own ? "-" + section : std::string()) + ".dat");
}

std::string SettingsForm::StoredDefaultSection() const
{
    // The key's default names the Czech price list of a store that lists no price lists yet.
    // Once they are listed, a missing key means that the user chose to have no default: read
    // with the default, the box would come back checked and OK would make it the default again.
    const bool listed = m_settings.HasKey(kSetupSection, keys::Ceniky.name);
    return ReadText(m_settings, keys::CenikVychozi, listed ? std::optional<std::string_view>("") : std::nullopt);
}

void SettingsForm::ShowCurrency(const std::string& section)
{
    // The rounding amounts are money in the price list's currency, which ends its section's name.
    const std::size_t dash = section.find('-');
    const std::string currency = dash == std::string::npos ? std::string() : section.substr(dash + 1);
    Field(kZaokrouhlovaniBalne).unit = currency;
    Field(kZaokrouhlovaniZdrazeni).unit = currency;
}

void SettingsForm::FillPage(const std::string& section)
{
    m_section = section;
    SetNumber(kDph, ReadDecimalOrSetup(m_settings, section, keys::DPH));
    SetNumber(kSleva, ReadDecimalOrSetup(m_settings, section, keys::Sleva));
    SetNumber(kAtyp, ReadDecimalOrSetup(m_settings, section, keys::Atyp));
    Field(kDsn).text = ReadTextOrSetup(m_settings, section, keys::DSN);
    Field(kSoubor).text = ReadTextOrSetup(m_settings, section, keys::CenikFileName);
    Field(kUrl).text = m_settings.HasKey(section, keys::CenikUrl.name) ? ReadText(m_settings, section, keys::CenikUrl)
                                                                       : DefaultPageUrl(section);
    const std::string kind = ReadTextOrSetup(m_settings, section, keys::CenikRadio);
    Field(kInternetu).checked = kind == kSourceWeb;
    Field(kDatabaze).checked = kind == kSourceDatabase;
    Field(kSouboru).checked = kind != kSourceWeb && kind != kSourceDatabase;
    Field(kTestWww).checked = IsOn(ReadTextOrSetup(m_settings, section, keys::TestWWW), YesNoTest::AnyButNo);
    Field(kVychozi).checked = SameSettingName(StoredDefaultSection(), section);
    ShowCurrency(section);
    SetNumber(kZaokrouhlovaniBalne, ReadDecimal(m_settings, section, keys::ZaokrouhlovaniBalne));
    SetNumber(kZaokrouhlovaniZdrazeni, ReadDecimal(m_settings, section, keys::ZaokrouhlovaniZdrazeni));
    m_filled = ShownPage();
}

SettingsForm::PageValues SettingsForm::ShownPage() const
{
    PageValues page;
    page.kind = Field(kInternetu).checked ? kSourceWeb : Field(kDatabaze).checked ? kSourceDatabase : kSourceFile;
    page.dsn = Field(kDsn).text;
    page.file = Field(kSoubor).text;
    page.url = Field(kUrl).text;
    page.dph = Number(kDph);
    page.sleva = Number(kSleva);
    page.atyp = Number(kAtyp);
    page.testWww = Field(kTestWww).checked;
    page.vychozi = Field(kVychozi).checked;
    return page;
}

void SettingsForm::WritePageNumber(int id, const DecimalKey& key)
{
    // An emptied field leaves the section without a value of its own: readers then take the
    // value of "Setup" or the default, never an empty number.
    CCislo value = Number(id);
    if (value.IsNull()) {
        RemoveKey(m_settings, m_section, key);
        return;
    }
    value.SetScale(Field(id).decimals, true);  // as the field shows it
    WriteDecimal(m_settings, m_section, key, value);
}

void SettingsForm::LeavePage(bool confirming)
{
    if (m_section.empty()) return;
    // The page is compared with what it showed when it was filled, so the question comes only
    // after a change by the user, whatever defaults the section's missing keys read as.
    if (!confirming && ShownPage() != m_filled &&
        GetUi().Message(kSettingsChangedQuestion, kSettingsChangedCaption, MessageIcon::Question,
                        MessageButtons::YesNo) != Answer::Yes)
        return;

    const PageValues page = ShownPage();
    WriteText(m_settings, m_section, keys::DSN, page.dsn);
    WritePageNumber(kDph, keys::DPH);
    WritePageNumber(kSleva, keys::Sleva);
    WritePageNumber(kAtyp, keys::Atyp);
    WriteText(m_settings, m_section, keys::CenikFileName, page.file);
    WriteText(m_settings, m_section, keys::CenikUrl, page.url);
    WriteFlag(m_settings, m_section, keys::TestWWW, page.testWww);
    WriteText(m_settings, m_section, keys::CenikRadio, page.kind);
    if (page.vychozi)
        WriteText(m_settings, keys::CenikVychozi, m_section);
    else if (SameSettingName(ReadText(m_settings, keys::CenikVychozi, ""), m_section))
        RemoveKey(m_settings, keys::CenikVychozi);
    if (ReadText(m_settings, keys::Ceniky, "").empty()) WriteText(m_settings, keys::Ceniky, m_section + ";");
    WritePageNumber(kZaokrouhlovaniBalne, keys::ZaokrouhlovaniBalne);
    WritePageNumber(kZaokrouhlovaniZdrazeni, keys::ZaokrouhlovaniZdrazeni);
    m_filled = page;
}

void SettingsForm::SelectTab(int index)
{
    FormField& tabs = Field(kCeniky);
    // The old tab stays selected until its page has been left and the new one filled, so a
    // failure on the way leaves tab and page in agreement.
    tabs.selected = m_tab;
    if (index == m_tab || index < 0 || index >= static_cast<int>(tabs.entries.size())) return;
    LeavePage(false);
    FillPage(tabs.entries[static_cast<std::size_t>(index)]);
    m_tab = index;
    tabs.selected = index;
}

void SettingsForm::ChoosePriceListFile()
{
    const std::string& text = Field(kSoubor).text;
    const std::string initial = text.empty() ? m_startupDirectory : ResolvePriceListPath(m_startupDirectory, text);
    const std::optional<std::string> chosen = GetUi().OpenFileName("Otevřít", kPriceListFilter, initial);
    if (chosen) Field(kSoubor).text = RelativeToStartup(m_startupDirectory, *chosen);
}

void SettingsForm::OnActivate(int id)
{
    switch (id) {
    case kCeniky: SelectTab(Field(kCeniky).selected); break;
    case kDsnZNacteni: Field(kDsn).text = m_connection; break;
    case kSouborVyber: ChoosePriceListFile(); break;
    default: break;
    }
}

// --- OK ------------------------------------------------------------------------------------------

FormOutcome SettingsForm::Store()
{
    WriteText(m_settings, keys::Autor, Field(kAutor).text);
    for (const FlagField& flag : kFlagFields) WriteFlag(m_settings, *flag.key, Field(flag.id).checked);
    const std::vector<bool>& checks = Field(kZaokrouhlovanePolozky).checks;
    const int count = std::min(ReadInt(m_settings, keys::PocetPolozek, 0), static_cast<int>(checks.size()));
    for (int i = 1; i <= count; ++i)
        m_settings.SetInt(kRoundingSection, IndexedKeyName(keys::RoundingStav.name, i),
                          checks[static_cast<std::size_t>(i - 1)] ? 1 : 0);
    LeavePage(true);
    if (ReadText(m_settings, keys::Version) != kVersionText) WriteText(m_settings, keys::Version, kVersionText);
    return FormOutcome::Done;
}

}  // namespace belvo
