#include "model/skupina_form.h"

#include "model/form_host.h"
#include "model/skupina.h"

namespace belvo {

SkupinaForm::SkupinaForm(CSkupina& skupina, FormHost& host)
    : FormModel("Skupina", FormButtons::SaveBack, host.GetUi(), host.NumberSeparators()),
      m_skupina(skupina),
      m_host(host)
{
    SetItem(skupina.hItem);
    AddField(kSkupina, FieldKind::Text, "&Skupina");
    AddField(kPopis, FieldKind::MultiLineText, "P&opis");
}

void SkupinaForm::Load()
{
    Field(kSkupina).text = m_skupina.Nazev;
    Field(kPopis).text = m_skupina.Popis;
}

FormOutcome SkupinaForm::Store()
{
    // Both texts are taken together, so a failure leaves the group as it was.
    std::string nazev = Field(kSkupina).text;
    std::string popis = Field(kPopis).text;
    const bool changed = nazev != m_skupina.Nazev || popis != m_skupina.Popis;
    m_skupina.Nazev = std::move(nazev);
    m_skupina.Popis = std::move(popis);
    m_host.Relabel(m_skupina.hItem, m_skupina.TreeLabel(m_host.NumberSeparators()));
    // A renamed group must not be lost when the project is closed.
    if (changed) m_host.SetModified();
    return FormOutcome::Done;
}

}  // namespace belvo
