// The settings dialog "Konfigurace": the common settings of "Setup" (author and the yes/no
// boxes), the rounding categories of "Zaokrouhlovani" as a check list, and one tab per known
// price list with the settings of its section.
//
// The dialog writes as it goes: a tab's settings when the user leaves the tab (after asking,
// when something other than the two rounding amounts was changed) and when OK is pressed; the
// common settings, the rounding states and "Version" only on OK. "&Storno" keeps what earlier
// tab changes wrote. Opening it writes the default rounding table when there is none.
#pragma once

#include <string>
#include <vector>

#include "model/form_model.h"

namespace belvo {

class SettingsStore;
struct DecimalKey;

// The question when a changed tab is left.
inline constexpr const char* kSettingsChangedQuestion =
    "Zapsat změny v nastavení ceníku ?\r\n(jinak se případné změny ztratí)";
inline constexpr const char* kSettingsChangedCaption = "Uložit?";

class SettingsForm : public FormModel {
public:
    enum FieldId : int {
        // Common settings.
        kAutor = 1,
        kCena,
        kPreklady,
        kNosne,
        kZobrazitHtml,
        kTiskNulovychPolozek,
        kTiskPolozkyJedenRadek,
        kPouzePaletovanouCenu,
        kDlgCenik,
        kDefTeplaMalta340,
        kAutoSave,
        kAutomatickeZaokroulovani,
        kZaokrouhlovanePolozky,
        // One tab per price-list section, and the page of the selected one.
        kCeniky,
        kDatabaze,
        kDsn,
        kDsnZNacteni,
        kSouboru,
        kSoubor,
        kSouborVyber,
        kInternetu,
        kUrl,
        kDph,
        kSleva,
        kAtyp,
        kZaokrouhlovaniBalne,
        kZaokrouhlovaniZdrazeni,
        kTestWww,
        kVychozi,
    };

    // `presetSection`: the price list whose tab comes first (empty: the default price list).
    // `connection`: the connection text of the last database load, which the button beside
    // "DSN" puts into the field.
    SettingsForm(Ui& ui, SettingsStore& settings, Separators separators, std::string startupDirectory,
                 std::string presetSection, std::string connection);

    // The section whose page is shown; empty when there is no price list to show.
    const std::string& PageSection() const { return m_section; }

private:
    // What the user can change on a page, except the rounding amounts, which are written
    // without asking.
    struct PageValues {
        std::string kind;
        std::string dsn;
        std::string file;
        std::string url;
        CCislo dph;
        CCislo sleva;
        CCislo atyp;
        bool testWww = false;
        bool vychozi = false;
        friend bool operator==(const PageValues&, const PageValues&) = default;
    };

    void Load() override;
    void OnActivate(int id) override;
    FormOutcome Store() override;

    // The sections of the tabs: the preset (or default) section first, then the others.
    std::vector<std::string> TabSections() const;
    void LoadTabs();
    void ShowCurrency(const std::string& section);
    void LoadRoundingCategories();
    void FillPage(const std::string& section);
    // Leaves the page: writes it into its section, after asking when the user changed it
    // (unless `confirming`, the OK button). Nothing is written when the user says no.
    void LeavePage(bool confirming);
    void SelectTab(int index);
    void ChoosePriceListFile();
    PageValues ShownPage() const;
    // The web address a page shows for a section that has none of its own.
    std::string DefaultPageUrl(const std::string& section) const;
    // The section Setup/"CenikVychozi" names, as the default-price-list box reads it.
    std::string StoredDefaultSection() const;
    void WritePageNumber(int id, const DecimalKey& key);

    SettingsStore& m_settings;
    std::string m_startupDirectory;
    std::string m_presetSection;
    std::string m_connection;
    std::string m_section;  // the section of the page shown
    int m_tab = -1;         // its tab
    PageValues m_filled;    // the page as it was filled from the section
};

}  // namespace belvo
