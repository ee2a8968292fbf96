#include "document/document_forms.h"

#include "document/belvo_doc.h"
#include "model/element.h"
#include "platform/system_info.h"
#include "platform/ui.h"
#include "proposal/navrh.h"
#include "proposal/navrh_form.h"

namespace belvo {

Ui& DocumentFormHost::GetUi() { return m_doc.GetUi(); }

SettingsStore& DocumentFormHost::Settings() { return m_doc.Settings(); }

Separators DocumentFormHost::NumberSeparators() { return m_doc.System().NumberSeparators(); }

const CMaterialList& DocumentFormHost::Materials() { return m_doc.Cenik().materials; }

void DocumentFormHost::Relabel(TreeItem item, std::string text) { m_doc.PrejmenujPolozku(item, std::move(text)); }

void DocumentFormHost::SetModified() { m_doc.SetModifiedFlag(); }

void DocumentFormHost::RememberBeamText(std::string text) { m_doc.SetPametNosniku(std::move(text)); }

std::unique_ptr<FormModel> VytvorFormular(CBelvoDoc& doc, CObject& object)
{
    if (auto* element = dynamic_cast<CPrvek*>(&object)) return element->VytvorDialog(doc.Forms());
    if (const auto* navrh = dynamic_cast<const CNavrh*>(&object)) {
        try {
            return std::make_unique<NavrhForm>(*navrh, doc.GetUi(), doc.System().NumberSeparators(),
                                               [&doc](const CNavrh& shown) { doc.ZobrazUlozenyNavrh(shown); });
        } catch (const std::exception&) {
            doc.GetUi().Message("Nelze otevřít dialog", "Chyba", MessageIcon::Error);
            return nullptr;
        }
    }
    return nullptr;
}

}  // namespace belvo
