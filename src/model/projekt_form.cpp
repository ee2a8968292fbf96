#include "model/projekt_form.h"

#include "model/form_host.h"
#include "model/projekt.h"

namespace belvo {

ProjektForm::ProjektForm(CProjekt& projekt, FormHost& host)
    : FormModel("Projekt", FormButtons::SaveBack, host.GetUi(), host.NumberSeparators()),
      m_projekt(projekt),
      m_host(host)
{
    SetItem(projekt.hItem);
    AddField(kProjekt, FieldKind::Text, "&Projekt");
    AddField(kUmisteni, FieldKind::Text, "U&místění");
    AddField(kPopis, FieldKind::MultiLineText, "P&opis");
    AddField(kAutor, FieldKind::Text, "&Autor");
    FormField& sleva = AddField(kSleva, FieldKind::Number, "S&leva");
    sleva.decimals = 1;
    sleva.unit = "%";
    AddField(kSDPH, FieldKind::CheckBox, "s &DPH");
    FormField& dph = AddField(kDPH, FieldKind::Number, "DP&H");
    dph.decimals = 1;
    dph.unit = "%";
    FormField& km = AddField(kKm, FieldKind::Number, "&km");
    km.section = "Doprava (bez DPH)";
    FormField& cenaKm = AddField(kCenaKm, FieldKind::Number, "c&ena/km");
    cenaKm.decimals = 2;
    FormField& cena = AddField(kCena, FieldKind::Number, "&cena");
    cena.decimals = 2;
    FormField& vznik = AddField(kVznik, FieldKind::ReadOnly, "Vznik");
    vznik.section = "";
    AddField(kCenik, FieldKind::ReadOnly, "Ceník");
}

void ProjektForm::Load()
{
    const std::string::size_type lineFeed = m_projekt.Nazev.find('\n');
    Field(kProjekt).text = m_projekt.Nazev.substr(0, lineFeed);
    Field(kUmisteni).text = lineFeed == std::string::npos ? std::string() : m_projekt.Nazev.substr(lineFeed + 1);
    Field(kPopis).text = m_projekt.Popis;
    Field(kAutor).text = m_projekt.Autor;
    SetNumber(kSleva, m_projekt.Sleva);
    Field(kSDPH).checked = m_projekt.SDPH;
    SetNumber(kDPH, m_projekt.DPH);
    SetNumber(kKm, m_projekt.DopravaKm);
    SetNumber(kCenaKm, m_projekt.DopravaCenaKm);
    SetNumber(kCena, m_projekt.DopravaCena);
    Field(kVznik).text = m_projekt.Vznik;
    Field(kCenik).text = m_projekt.CenikId;
}

void ProjektForm::DerivePrice()
{
    const CCislo km = Number(kKm);
    const CCislo rate = Number(kCenaKm);
    if (km > CCislo(0) && rate > CCislo(0)) SetNumber(kCena, km * rate);
}

bool ProjektForm::CheckField(int id)
{
    switch (id) {
    case kProjekt:
        if (Field(kProjekt).text.empty()) return Tell("projekt musí mít jméno", MessageIcon::Question);
        return true;
    case kKm:
        if (Number(kKm) < CCislo(0)) return Tell("vzdálenost by měla být větší", MessageIcon::Question);
        DerivePrice();
        return true;
    case kCenaKm:
        if (Number(kCenaKm) < CCislo(0)) return Tell("sazba by měla být větší", MessageIcon::Question);
        DerivePrice();
        return true;
    case kCena:
        if (Number(kCena) < CCislo(0)) return Tell("částka by měla být větší", MessageIcon::Question);
        // A price typed by hand no longer comes from a distance.
        if (Number(kCena) != Number(kKm) * Number(kCenaKm)) SetNumber(kKm, CCislo());
        return true;
    default: return true;
    }
}

FormOutcome ProjektForm::Store()
{
    m_projekt.Nazev = Field(kProjekt).text + "\n" + Field(kUmisteni).text;
    m_projekt.Popis = Field(kPopis).text;
    m_projekt.Autor = Field(kAutor).text;
    m_projekt.Vznik = Field(kVznik).text;
    m_projekt.Sleva = Number(kSleva);
    m_projekt.DPH = Number(kDPH);
    m_projekt.SDPH = Field(kSDPH).checked;
    m_projekt.DopravaKm = Number(kKm);
    m_projekt.DopravaCenaKm = Number(kCenaKm);
    m_projekt.DopravaCena = Number(kCena);
    m_host.Relabel(m_projekt.hItem, Field(kProjekt).text);
    m_host.SetModified();
    return FormOutcome::Done;
}

}  // namespace belvo
