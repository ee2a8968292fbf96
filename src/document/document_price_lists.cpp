// The price-list commands of the document: they hand the document's price list to the
// price-list operations and check the projects against what those load.
#include "settings/settings_keys.h"
#include "catalogue/database_import.h"
#include "catalogue/price_list_label.h"
#include "catalogue/price_list_loading.h"
#include "catalogue/price_list_view.h"
#include "catalogue/web_price_list.h"
#include "platform/report_failure.h"
#include "document/belvo_doc.h"
#include "model/projekt.h"
#include "document/test_ceniku.h"
#include "platform/system_info.h"
#include "platform/ui.h"

namespace belvo {

CenikKontext CBelvoDoc::Kontext()
{
    return CenikKontext{m_env.ui,   m_env.settings,         m_env.classes, m_env.system, m_env.http,
                        m_env.database, m_env.startupDirectory, m_cenik,       this};
}

void CBelvoDoc::SetProjectCenikId(const std::string& cenikId)
{
    if (CProjekt* projekt = Projekt()) projekt->CenikId = cenikId;
}

void CBelvoDoc::RefreshMainForm() { m_views.mainForm.Refresh(); }

void CBelvoDoc::OpenSettings(const std::string& section) { m_views.dialogs.ShowSettings(section, m_connection); }

template <class Load>
void CBelvoDoc::LoadPriceList(Load&& load)
{
    if (!m_views.mainForm.MayCloseEditor()) return;
    // The project's own price list, kept until the new one has arrived.
    PriceList previous = m_cenik;
    const std::string previousProjectLabel = Projekt() != nullptr ? Projekt()->CenikId : std::string();
    try {
        load();
    } catch (const OperationCancelled&) {
        // The user stopped the import or the download: the price list, the project and the
        // modified flag stay as they were, and the project is not checked again.
        m_cenik = std::move(previous);
        SetProjectCenikId(previousProjectLabel);
        return;
    } catch (const std::exception& failure) {
        ReportOwnMessage(m_env.ui, failure);
    }
    if (m_cenik.materials.empty() && !previous.materials.empty()) {
        m_cenik = std::move(previous);
        SetProjectCenikId(previousProjectLabel);
        m_views.mainForm.Refresh();
    }
    m_modified = true;
    TestCeniku(m_env.ui, m_projekty, m_cenik.materials, m_env.system.NumberSeparators());
}

void CBelvoDoc::OnZmenaCeniku()
{
    LoadPriceList([&] {
        CenikKontext kontext = Kontext();
        m_priceListSection = NactiAktualniCenik(kontext, false);
    });
}

void CBelvoDoc::OnNactiZeSouboru()
{
    LoadPriceList([&] {
        CenikKontext kontext = Kontext();
        NactiCenik(kontext, PriceListSectionName(m_cenik.CenikId), true, PriceListSource::File);
    });
}

void CBelvoDoc::OnNactiZInternetu()
{
    LoadPriceList([&] {
        CenikKontext kontext = Kontext();
        NactiCenik(kontext, PriceListSectionName(m_cenik.CenikId), true, PriceListSource::Web);
    });
}

void CBelvoDoc::OnNactiZDatabaze()
{
    if (m_env.database == nullptr) return;
    LoadPriceList([&] {
        std::string connection;
        const DatabaseImportResult result = ImportZDatabaze(*m_env.database, connection, m_cenik.materials,
                                                            m_cenik.CenikId, m_env.system, &m_env.ui);
        // A connection that did not open changed nothing: the user cancelled the choice of the
        // data source, or the driver refused the connection, which the user is told.
        if (result.status == DatabaseImportStatus::NotOpened) {
            if (!result.failure.empty()) ReportOwnMessage(m_env.ui, DatabaseError(result.failure));
            throw OperationCancelled();
        }
        CenikKontext kontext = Kontext();
        RegistrujCenik(kontext, kSourceDatabase, connection);
        m_connection = connection;
        SetProjectCenikId(m_cenik.CenikId);
    });
}

void CBelvoDoc::OnTestZInternetu()
{
    try {
        CenikKontext kontext = Kontext();
        if (!TestZInternetu(kontext)) return;
    } catch (const OperationCancelled&) {
        return;
    } catch (const std::exception& failure) {
        ReportOwnMessage(m_env.ui, failure);
        return;
    }
    LoadPriceList([&] {
        CenikKontext kontext = Kontext();
        NactiCenik(kontext, PriceListSectionName(m_cenik.CenikId), false, PriceListSource::BySettings);
    });
}

void CBelvoDoc::OnUlozCenik()
{
    if (m_cenik.materials.empty()) return;
    CenikKontext kontext = Kontext();
    UlozCenik(kontext, m_cenik.materials, m_cenik.CenikId, false);
}

void CBelvoDoc::OnZobrazCenik()
{
    if (m_cenik.materials.empty()) return;
    RunReporting(m_env.ui, "CBelvoDoc::OnZobrazCenik", "Chyba",
                 [&] { m_env.ui.ShowTable(PriceListViewTable(m_cenik, m_env.system.NumberSeparators())); });
}

}  // namespace belvo
