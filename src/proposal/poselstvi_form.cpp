#include "proposal/poselstvi_form.h"

#include "proposal/navrh.h"

namespace belvo {

PoselstviForm::PoselstviForm(CNavrh& navrh, Ui& ui, Separators separators)
    : FormModel("Poselství", FormButtons::OkCancel, ui, std::move(separators)), m_navrh(navrh)
{
    AddField(kPoselstvi, FieldKind::MultiLineText, "Poselství");
}

void PoselstviForm::Load() { Field(kPoselstvi).text = m_navrh.Poselstvi; }

FormOutcome PoselstviForm::Store()
{
    m_navrh.Poselstvi = Field(kPoselstvi).text;
    return FormOutcome::Done;
}

}  // namespace belvo
