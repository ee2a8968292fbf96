#include "proposal/doprava_form.h"

#include "proposal/navrh.h"

namespace belvo {

DopravaForm::DopravaForm(CNavrh& navrh, const std::string& currency, Ui& ui, Separators separators)
    : FormModel("Doprava", FormButtons::OkCancel, ui, std::move(separators)), m_navrh(navrh)
{
    FormField& km = AddField(kVzdalenost, FieldKind::Number, "vzdálenost");
    km.unit = "km";
    FormField& rate = AddField(kSazba, FieldKind::Number, "sazba bez DPH");
    rate.decimals = 2;
    rate.unit = currency + "/km";
    FormField& price = AddField(kCena, FieldKind::Number, "cena bez DPH");
    price.decimals = 2;
    price.unit = currency;
}

void DopravaForm::Load()
{
    SetNumber(kVzdalenost, m_navrh.DopravaKm);
    SetNumber(kSazba, m_navrh.DopravaCenaKm);
    SetNumber(kCena, m_navrh.DopravaCena);
}

void DopravaForm::DerivePrice()
{
    const CCislo km = Number(kVzdalenost);
    const CCislo rate = Number(kSazba);
    if (km > CCislo(0) && rate > CCislo(0)) SetNumber(kCena, km * rate);
}

bool DopravaForm::CheckField(int id)
{
    switch (id) {
    case kVzdalenost:
        if (Number(kVzdalenost) < CCislo(0)) return Tell("zápornou vzdálenost neznám.", MessageIcon::Question);
        DerivePrice();
        return true;
    case kSazba:
        if (Number(kSazba) < CCislo(0)) return Tell("kde mají zápornou sazbu za dopravu ?", MessageIcon::Question);
        DerivePrice();
        return true;
    case kCena:
        if (Number(kCena) < CCislo(0)) return Tell("kde vozí za úplatu ?", MessageIcon::Question);
        // A price typed by hand stands alone: it no longer comes from a rate.
        if (Number(kCena) != Number(kVzdalenost) * Number(kSazba)) SetNumber(kSazba, CCislo(0));
        return true;
    default: return true;
    }
}

FormOutcome DopravaForm::Store()
{
    m_navrh.DopravaKm = Number(kVzdalenost);
    m_navrh.DopravaCenaKm = Number(kSazba);
    m_navrh.DopravaCena = Number(kCena);
    return FormOutcome::Done;
}

}  // namespace belvo
