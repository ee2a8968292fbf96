#include "catalogue/price_list_loading.h"

#include <filesystem>

#include "settings/settings_keys.h"
#include "catalogue/database_import.h"
#include "catalogue/price_list_label.h"
#include "catalogue/price_list_paths.h"
#include "catalogue/web_price_list.h"
#include "catalogue/web_stream.h"
#include "foundation/file_path.h"
#include "platform/report_failure.h"

namespace belvo {

namespace {

// The section whose keys price lists were read from before there were several.
constexpr std::string_view kCzechSection = "CZ-Kč";

// A name typed into the save dialog without an extension gets the price lists' one.
std::string WithPriceListExtension(const std::string& path)
{
    if (PathFromUtf8(path).has_extension()) return path;
    return path + kPriceListExtension;
}

// Copies a key's value from "Setup" into the section; a value that "Setup" lacks stays missing
// there too, so both read the same default.
void CopyFromSetup(SettingsStore& settings, std::string_view section, const TextKey& key)
{
    if (settings.HasKey(kSetupSection, key.name))
        WriteText(settings, section, key, ReadText(settings, kSetupSection, key));
}

}  // namespace

bool IsConfiguredSection(const SettingsStore& settings, std::string_view section)
{
    return !ReadText(settings, section, keys::TestWWW, "").empty();
}

std::vector<std::string> PriceListChoiceLines(const SettingsStore& settings, std::string_view ceniky)
{
    std::vector<std::string> lines;
    for (const std::string& section : PriceListSections(ceniky)) {
        const std::string kind = ReadText(settings, section, keys::CenikRadio, "?");
        const TextKey& source = kind == kSourceWeb        ? keys::CenikUrl
                                : kind == kSourceDatabase ? keys::DSN
                                                          : keys::CenikFileName;
        lines.push_back(section + " \t" + kind + ": " + ReadText(settings, section, source, ""));
    }
    return lines;
}

std::optional<std::string> VyberCeniku(Ui& ui, const SettingsStore& settings, std::string_view ceniky)
{
    const std::vector<std::string> lines = PriceListChoiceLines(settings, ceniky);
    if (lines.empty()) return std::nullopt;
    const std::optional<std::size_t> chosen = ui.ChooseFromList("Výběr ceníku", "", lines, 0);
    if (!chosen || *chosen >= lines.size()) return std::nullopt;
    // The line up to its first space: a section name that holds a space yields its first word.
    const std::string& line = lines[*chosen];
    return line.substr(0, line.find(' '));
}

std::string NactiAktualniCenik(CenikKontext& kontext, bool ask)
{
    const WaitCursor wait(kontext.ui);
    SettingsStore& settings = kontext.settings;
    std::string section(kSetupSection);
    const std::string ceniky = ReadText(settings, keys::Ceniky, "");
    if (!ceniky.empty()) {
        const std::string vychozi = ReadText(settings, keys::CenikVychozi, "");
        if (vychozi.empty() || !ask) {
            const std::optional<std::string> chosen = VyberCeniku(kontext.ui, settings, ceniky);
            if (chosen && IsConfiguredSection(settings, *chosen)) section = *chosen;
        } else if (IsConfiguredSection(settings, vychozi)) {
            section = vychozi;
        }
    }

    const std::string kind = ReadText(settings, section, keys::CenikRadio, kSourceFile);
    const std::string dsn = ReadText(settings, section, keys::DSN, "");
    if (kind == kSourceDatabase && !dsn.empty()) {
        std::string connection = dsn;
        DatabaseImportStatus status = DatabaseImportStatus::NotOpened;
        if (kontext.database != nullptr)
            status = ImportZDatabaze(*kontext.database, connection, kontext.cenik.materials, kontext.cenik.CenikId,
                                     kontext.system, &kontext.ui)
                         .status;
        // Registered only when something was loaded: a connection that did not open changed
        // nothing.
        if (status == DatabaseImportStatus::Imported && kontext.document != nullptr &&
            kontext.document->HasProject()) {
            RegistrujCenik(kontext, kSourceDatabase, connection);
            kontext.document->SetProjectCenikId(kontext.cenik.CenikId);
        }
        if (kontext.cenik.materials.empty()) NactiCenik(kontext, section, false, PriceListSource::BySettings);
    } else {
        NactiCenik(kontext, section, false, PriceListSource::BySettings);
    }

    if (kontext.cenik.materials.empty()) kontext.ui.Message(kNoPriceListText, "Chyba ceníku", MessageIcon::Error);
    return section;
}

void NactiCenik(CenikKontext& kontext, const std::string& section, bool askForFile, PriceListSource source)
{
    const WaitCursor wait(kontext.ui);
    SettingsStore& settings = kontext.settings;
    try {
        const std::string kind = ReadText(settings, section, keys::CenikRadio, "");
        const bool web =
            source == PriceListSource::Web || (source == PriceListSource::BySettings && kind == kSourceWeb);
        if (web) {
            const std::string address = CenikUrlOrDefault(settings, section);
            {
                const std::unique_ptr<HttpResponse> response = OtevriUrl(kontext.http, kontext.ui, address);
                if (!response) return;  // OtevriUrl has shown why
                // Read aside, so that a download the user stops leaves the price list as it was.
                PriceList downloaded;
                ReadPriceListFromWeb(*response, address, kontext.classes, downloaded, &kontext.ui);
                kontext.cenik = std::move(downloaded);
            }
            RegistrujCenik(kontext, kSourceWeb, address);
        } else {
            if (!askForFile && ReadFlag(settings, section, keys::TestWWW)) TestAktualizace(kontext, section);
            std::string path = SectionPriceListPath(settings, section, kontext.startupDirectory);
            if (askForFile && ReadFlag(settings, keys::DlgCenik)) {
                const std::optional<std::string> chosen = kontext.ui.OpenFileName("Otevřít", kPriceListFilter, path);
                if (!chosen) return;
                path = *chosen;
            }
            NactiCenikZeSouboru(kontext, path);
            RegistrujCenik(kontext, kSourceFile, path);
        }
        if (kontext.document != nullptr && kontext.document->HasProject()) {
            kontext.document->SetProjectCenikId(kontext.cenik.CenikId);
            kontext.document->RefreshMainForm();
        }
    } catch (const OperationCancelled&) {
        throw;  // nothing has changed; the command that started the load ends quietly
    } catch (const std::exception& failure) {
        ReportOwnMessage(kontext.ui, failure);
        kontext.cenik.materials.Clear();
    }
}

void NactiCenikZeSouboru(CenikKontext& kontext, const std::string& path)
{
    ReadPriceListFile(path, kontext.classes, kontext.cenik);
}

SaveResult UlozCenik(CenikKontext& kontext, const CMaterialList& materials, const std::string& label,
                     bool nonInteractive)
{
    const WaitCursor wait(kontext.ui);
    try {
        std::string path = PriceListFileInStartup(kontext.startupDirectory, label);
        if (!nonInteractive && ReadFlag(kontext.settings, keys::DlgCenik)) {
            const std::optional<std::string> chosen = kontext.ui.SaveFileName("Uložit jako", kPriceListFilter, path);
            if (!chosen) return SaveResult::Cancelled;
            path = WithPriceListExtension(*chosen);
        }
        WritePriceListFile(path, label, materials, kontext.classes);
        return SaveResult::Saved;
    } catch (const std::exception& failure) {
        if (!nonInteractive) ReportOwnMessage(kontext.ui, failure);
        return SaveResult::Failed;
    }
}

void RegistrujCenik(CenikKontext& kontext, std::string_view kind, const std::string& value)
{
    const WaitCursor wait(kontext.ui);
    SettingsStore& settings = kontext.settings;
    const std::string section = PriceListSectionName(kontext.cenik.CenikId);
    std::string ceniky = ReadText(settings, keys::Ceniky, "");
    if (ceniky.find(section) == std::string::npos) {
        if (section == kCzechSection)
            for (const TextKey* key : {&keys::CenikRadio, &keys::CenikFileName, &keys::CenikUrl, &keys::DSN})
                CopyFromSetup(settings, section, *key);
        WriteText(settings, section, keys::CenikUrl, DefaultCenikUrl(settings, section));
        if (kind == kSourceFile) {
            WriteText(settings, section, keys::CenikRadio, kSourceFile);
            WriteText(settings, section, keys::CenikFileName, value);
        } else if (kind == kSourceWeb) {
            WriteText(settings, section, keys::CenikRadio, kSourceWeb);
            WriteText(settings, section, keys::CenikUrl, value);
        } else if (kind == kSourceDatabase) {
            WriteText(settings, section, keys::CenikRadio, kSourceDatabase);
            WriteText(settings, section, keys::DSN, value);
        }
        for (const TextKey* key : {&keys::DPH, &keys::Atyp, &keys::Sleva}) CopyFromSetup(settings, section, *key);
        // A list whose last name lost its ";" (edited by hand) would run into the new name.
        if (!ceniky.empty() && !ceniky.ends_with(';')) ceniky += ';';
        ceniky += section + ";";
        WriteText(settings, keys::Ceniky, ceniky);
        if (ceniky == section + ";") WriteText(settings, keys::CenikVychozi, section);
    }
    if (kind == kSourceFile && ReadText(settings, section, keys::CenikFileName, "").empty())
        WriteText(settings, section, keys::CenikFileName, RelativeToStartup(kontext.startupDirectory, value));
    if (!IsConfiguredSection(settings, section)) {
        kontext.ui.Message("Právě byl načten nový ceník.\r\nZkontrolujte nastavení.", "Pozor", MessageIcon::Warning);
        if (kontext.document != nullptr)
            RunReporting(kontext.ui, "CBelvoDoc::OnSetup", "Chyba", [&] { kontext.document->OpenSettings(section); });
    }
}

}  // namespace belvo
