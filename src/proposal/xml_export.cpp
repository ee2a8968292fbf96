#include "proposal/xml_export.h"

#include <limits>

#include "settings/settings_keys.h"
#include "catalogue/price_list_label.h"
#include "platform/ui.h"
#include "proposal/navrh.h"
#include "proposal/output_source.h"
#include "proposal/text_file.h"
#include "proposal/xml_zapis.h"

namespace belvo {

namespace {

const CCislo kZero(0);

constexpr const char* kOldPriceListMessage =
    "Pro export do excelu je nutná novější verze ceníku projektu.\r\nProveď aktualizaci.\r\n"
    "(uložené návrhy s ceníkem <2008 nelze exportovat)";

std::string After(const std::string& text, char separator)
{
    const std::size_t pos = text.find(separator);
    return pos == std::string::npos ? text : text.substr(pos + 1);
}

// The ERP's registration number of an item: the material's own order number (also for an item
// added as separate) without the price-variant suffix.
std::string RegistrationNumber(const CPolozka& item)
{
    const std::string& number = item.PuvodniObjCislo.empty() ? item.ObjCislo : item.PuvodniObjCislo;
    if (item.Varianta.empty()) return number;
    const std::size_t pos = number.find(item.Varianta);
    return pos == std::string::npos ? number : number.substr(0, pos);
}

class RowWriter {
public:
    RowWriter(CXmlZapis& xml, const CNavrh& navrh, const Separators& separators)
        : m_xml(xml), m_navrh(navrh), m_separators(separators)
    {
    }

    void Item(const CPolozka& item)
    {
        if (item.Palet > kZero) {
            const CCislo pieces = item.Palet * item.KsNaPalete;
            Goods(item, pieces, true);
            Packaging(item, Number(item.Palet, 0), false);
            ++m_packaging;
        }
        if (item.PlusKs > kZero) {
            const bool onPallet = item.KsNaPalete > kZero;
            Goods(item, item.PlusKs, onPallet);
            if (onPallet) Packaging(item, "1", true);
            ++m_packaging;
        }
    }

private:
    std::string Number(const CCislo& value, int decimals) const
    {
        return value.Format(m_separators, 0, decimals);
    }

    void Goods(const CPolozka& item, const CCislo& pieces, bool withPackaging)
    {
        m_xml.OtevriTag("TabPohybyZbozi");
        m_xml.ZapisHodnotu("RegCis", RegistrationNumber(item));
        if (!item.PuvodniObjCislo.empty()) m_xml.ZapisHodnotu("Atyp", "ANO");
        if (!item.Varianta.empty()) m_xml.ZapisHodnotu("CenovaUroven", item.Varianta);
        m_xml.ZapisHodnotu("SkupZbo", item.SkupZbo);
        m_xml.ZapisHodnotu("Nazev1", item.Nazev);
        m_xml.ZapisHodnotu("Mnozstvi", Number(pieces, 0));
        m_xml.ZapisHodnotu("Hmotnost", Number(pieces * item.Vaha, 0));
        m_xml.ZapisHodnotu("SlevaProcentoPolozka", Number(item.Sleva, 1));
        m_xml.ZapisHodnotu("SlevaProcentoVse", Number(m_navrh.SlevaVse, 1));
        if (withPackaging) m_xml.ZapisHodnotu("IDObal", std::to_string(m_packaging));
        m_xml.ZavriTag("TabPohybyZbozi");
    }

    void Packaging(const CPolozka& item, const std::string& count, bool opened)
    {
        m_xml.OtevriTag("TabPohybyZbozi");
        m_xml.ZapisHodnotu("RegCis", item.PaletaObjCislo);
        m_xml.ZapisHodnotu("SkupZbo", item.PaletaSkupZbo);
        m_xml.ZapisHodnotu("Nazev1", item.PaletaNazev);
        m_xml.ZapisHodnotu("Mnozstvi", count);
        m_xml.ZapisHodnotu("Obal", std::to_string(m_packaging));
        m_xml.ZapisHodnotu("RozbalenyObal", opened ? "ANO" : "NE");
        m_xml.ZavriTag("TabPohybyZbozi");
    }

    CXmlZapis& m_xml;
    const CNavrh& m_navrh;
    const Separators& m_separators;
    long long m_packaging = 1;
};

// Sets the proposal's name for as long as it lives, then puts the old one back.
class NameOverride {
public:
    NameOverride(CNavrh& navrh, std::string name) : m_navrh(navrh), m_saved(std::move(navrh.Nazev))
    {
        m_navrh.Nazev = std::move(name);
    }
    ~NameOverride() { m_navrh.Nazev = std::move(m_saved); }
    NameOverride(const NameOverride&) = delete;
    NameOverride& operator=(const NameOverride&) = delete;

private:
    CNavrh& m_navrh;
    std::string m_saved;
};

}  // namespace

std::string BuildXmlDocument(const CNavrh& navrh, const std::string& suggestedName,
                             const std::string& projectPath, const Separators& separators)
{
    CXmlZapis xml;
    xml.ZapisRadek("<?xml version=\"1.0\" encoding=\"windows-1250\" ?>");
    xml.ZapisRadek("<!-- export z Belvo do Helios -->");
    xml.OtevriTag("HeliosIQ_1");
    xml.OtevriTag("body");
    xml.OtevriTag("TabDokladyZbozi");
    const std::string section = PriceListSectionName(navrh.Cenik);
    xml.ZapisHodnotu("CisloBelvo", suggestedName);
    xml.ZapisHodnotu("Datum", navrh.Datum);
    xml.ZapisHodnotu("Project", navrh.Jmeno);
    xml.ZapisHodnotu("Umisteni", navrh.JmenoRadek2);
    xml.ZapisHodnotu("SouborProjectu", projectPath);
    xml.ZapisHodnotu("Cenik", navrh.Cenik);
    xml.ZapisHodnotu("CenikKlic", section);
    xml.ZapisHodnotu("CenikMena", After(section, '-'));
    xml.ZapisHodnotu("CenikHelios", After(navrh.Cenik, '/'));
    xml.ZapisHodnotu("Autor", navrh.Autor);
    xml.ZapisHodnotu("NazevNavrhu", navrh.Nazev);
    xml.ZapisHodnotu("Poselstvi", navrh.Poselstvi);
    if (navrh.CelyProjekt == 0) xml.ZapisHodnotu("CastecnyNavrh", "ANO");
    xml.ZavriTag("TabDokladyZbozi");

    RowWriter rows(xml, navrh, separators);
    for (const auto& item : navrh.Polozky) rows.Item(*item);

    xml.ZavriTag("body");
    xml.ZavriTag("HeliosIQ_1");
    return xml.Text();
}

bool XmlExportPossible(const CNavrh& navrh)
{
    for (const auto& item : navrh.Polozky)
        if (item->PaletaSkupZbo.empty() && item->KsNaPalete > kZero) return false;
    return true;
}

std::string ProjectFileNameForExport(const std::string& projectPath)
{
    // The path may come from Windows ("\") or from here ("/").
    const std::size_t pos = projectPath.find_last_of("\\/");
    const std::string name = pos == std::string::npos ? projectPath : projectPath.substr(pos + 1);
    return name.empty() ? "Neuloženo" : name;
}

std::string SuggestedXmlName(const std::string& author, int number, const std::string& projectFileName)
{
    return author + "-" + std::to_string(number) + "-" + projectFileName + ".xml";
}

std::optional<std::string> ExportXml(OutputSource& source, XmlExportContext& context)
{
    CNavrh& navrh = *source.navrh;
    if (!XmlExportPossible(navrh)) {
        context.ui.Message(kOldPriceListMessage, "Stop", MessageIcon::Warning, MessageButtons::Ok);
        return std::nullopt;
    }

    // The number is used up at once, even when the dialog is cancelled or the file fails.
    const int last = ReadInt(context.settings, keys::IdNavrhu);
    const int number = last == std::numeric_limits<int>::max() ? 1 : last + 1;
    WriteInt(context.settings, keys::IdNavrhu, number);
    const std::string suggested =
        SuggestedXmlName(source.project.author, number, ProjectFileNameForExport(context.projectPath));

    const std::optional<std::string> path = context.ui.SaveFileName("Export do XML", "*.xml", suggested);
    if (!path || path->empty()) {
        context.ui.Message("Neplatné jméno souboru " + suggested, "Stop", MessageIcon::Warning,
                           MessageButtons::Ok);
        return std::nullopt;
    }

    const std::string document = BuildXmlDocument(navrh, suggested, context.projectPath, source.separators);
    WriteFileBytes(*path, WindowsTextBytes(document));
    source.project.lastXmlName = suggested;

    if (context.addCopyToProject) {
        NameOverride name(navrh, "XML export: " + navrh.Jmeno);
        context.addCopyToProject(navrh);
    }
    return path;
}

}  // namespace belvo
