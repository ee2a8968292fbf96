#include "proposal/navrh_form.h"

#include "proposal/navrh.h"

namespace belvo {

NavrhForm::NavrhForm(const CNavrh& navrh, Ui& ui, Separators separators, std::function<void(const CNavrh&)> zobrazit)
    : FormModel("Návrh", FormButtons::None, ui, std::move(separators)), m_navrh(navrh), m_zobrazit(std::move(zobrazit))
{
    SetItem(navrh.hItem);
    AddField(kJmeno, FieldKind::ReadOnly, "Jméno");
    AddField(kNazev, FieldKind::ReadOnly, "Návrh");
    AddField(kDatum, FieldKind::ReadOnly, "Návrh z");
    AddField(kCenik, FieldKind::ReadOnly, "Ceník z");
    AddField(kPoselstvi, FieldKind::MultiLineText, "Poselství").readOnly = true;
    AddField(kZobrazit, FieldKind::Button, "Zobrazit");
}

void NavrhForm::Load()
{
    Field(kJmeno).text = m_navrh.Jmeno;
    Field(kNazev).text = m_navrh.Nazev;
    Field(kDatum).text = m_navrh.Datum;
    Field(kCenik).text = m_navrh.Cenik;
    Field(kPoselstvi).text = m_navrh.Poselstvi;
}

void NavrhForm::OnActivate(int id)
{
    if (id == kZobrazit && m_zobrazit) m_zobrazit(m_navrh);
}

}  // namespace belvo
