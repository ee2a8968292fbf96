#include "proposal/summary_model.h"

#include <stdexcept>
#include <unordered_map>

#include "platform/report_failure.h"
#include "proposal/currency.h"
#include "proposal/navrh.h"

namespace belvo {

namespace {

const CCislo kHundred(100);
const CCislo kHundredExact(10000, 2);  // 100.00
const CCislo kHalfTenth(5, 2);         // 0.05
const CCislo kHalfHundredth(5, 3);     // 0.005

CCislo Rounded(CCislo value, int decimals) { return value.SetScale(decimals, true); }

// The whole pieces of a quantity: its fraction dropped.
CCislo WholePieces(CCislo value) { return value.SetScale(0, false); }

}  // namespace

SummaryModel::SummaryModel(CNavrh& navrh, SummarySettings settings, Separators separators, Ui& ui)
    : m_navrh(navrh), m_settings(std::move(settings)), m_separators(std::move(separators)), m_ui(ui),
      m_currency(MenaCeniku(navrh.Cenik))
{
    const std::string perPiece = m_currency + "/ks";
    m_items.SetColumns({{"obj.č.", 70}, {"název", 250}, {"závod", 100}, {perPiece, 70}, {"ks/pal", 40},
                        {"návrh ks", 50}, {"palet", 40}, {"+ks", 40}, {"oprava", 45}, {"celkem ks", 60},
                        {"sleva %", 60}, {"cena", 80}});
    m_pallets.SetColumns({{"název", 200}, {perPiece, 70}, {"návrh ks", 50}, {"oprava", 45}, {"celkem ks", 60},
                          {"cena", 80}});
    FillItemTable();
    m_palletFigures.resize(m_navrh.Palety.size());
}

void SummaryModel::FillItemTable()
{
    for (const auto& owned : m_navrh.Polozky) {
        CPolozka& item = *owned;
        if (item.Palet.IsNull() && item.PlusKs.IsNull()) {
            if (item.KsNaPalete == CCislo(0)) {
                item.Palet = CCislo(0);
                item.PlusKs = item.NavrhKs;
            } else {
                item.Palet = WholePieces(item.NavrhKs) / item.KsNaPalete;
                item.PlusKs = item.NavrhKs - item.Palet * item.KsNaPalete;
            }
        }
        if (item.Sleva.IsNull()) item.Sleva = CCislo(0, 1);

        const int row = m_items.AddRow();
        m_rowItems.push_back(&item);
        m_rowFigures.emplace_back();
        for (int column = 0; column < kItemColumnCount; ++column) {
            TableCell& cell = m_items.Cell(row, column);
            const bool text = column == kObjCislo || column == kNazev || column == kZavod;
            cell.align = text ? CellAlign::Left : CellAlign::Right;
            cell.editable = column == kPalet || column == kPlusKs || column == kSleva;
            cell.background = cell.editable ? kTableBackground : m_settings.colorNeEdit;
            cell.data = column == kCenaKs || column == kCena ? 2 : column == kSleva ? 1 : 0;
        }
        m_items.SetText(row, kObjCislo, item.ObjCislo);
        m_items.SetText(row, kNazev, item.Nazev);
        m_items.SetText(row, kZavod, item.Zavod);
        SetNumber(m_items, row, kCenaKs, item.CenaPaleta, 2);
        SetNumber(m_items, row, kKsNaPalete, item.KsNaPalete, 0);
        SetNumber(m_items, row, kNavrhKs, item.NavrhKs, 0);
        SetNumber(m_items, row, kPalet, item.Palet, CCislo::kOwnScale);
        SetNumber(m_items, row, kPlusKs, item.PlusKs, CCislo::kOwnScale);
        SetNumber(m_items, row, kOprava, CCislo(0), 0);
        SetNumber(m_items, row, kCelkemKs, CCislo(0), 0);
        SetNumber(m_items, row, kSleva, item.Sleva, CCislo::kOwnScale);
        SetNumber(m_items, row, kCena, CCislo(0), 2);
    }
}

void SummaryModel::Otevri(bool automaticRounding)
{
    Pocitej();
    if (automaticRounding && m_settings.automatickeZaokrouhlovani) ZaokrouhliVse();
}

bool SummaryModel::SDPH() const { return m_navrh.SDPH != 0; }

void SummaryModel::SetSDPH(bool withVat) { m_navrh.SDPH = withVat ? 1 : 0; }

CPolozka& SummaryModel::ItemOfRow(int row) const
{
    if (row < 1 || row > m_items.LastRow()) throw std::out_of_range("item row " + std::to_string(row));
    return *m_rowItems[static_cast<std::size_t>(row - 1)];
}

const ItemFigures& SummaryModel::FiguresOfRow(int row) const
{
    if (row < 1 || row > m_items.LastRow()) throw std::out_of_range("item row " + std::to_string(row));
    return m_rowFigures[static_cast<std::size_t>(row - 1)];
}

const PalletFigures& SummaryModel::FiguresOfPallet(std::size_t index) const { return m_palletFigures.at(index); }

const CCislo& SummaryModel::LoosePrice(const CPolozka& item) const
{
    return m_settings.pouzePaletovanouCenu ? item.CenaPaleta : item.CenaVolna;
}

void SummaryModel::SetNumber(TableModel& table, int row, int column, const CCislo& value, int decimals, int flags)
{
    try {
        table.SetText(row, column, value.Format(m_separators, flags, decimals));
    } catch (const std::exception& failure) {
        ReportFailure(m_ui, failure, "CPrehledForm::SetItemText");
    }
}

CCislo SummaryModel::ParseCell(const TableModel& table, int row, int column) const
{
    return CCislo::Parse(table.Text(row, column), m_separators);
}

void SummaryModel::Pocitej()
{
    RunReporting(m_ui, "CPrehledForm::On_ID_Tisk", "Chyba", [this] { Recompute(); });
}

void SummaryModel::Recompute()
{
    const CCislo vat = (kHundredExact + m_navrh.DPH) / kHundred;
    const CCislo display = (kHundredExact + m_navrh.DPH * CCislo(SDPH() ? 1 : 0)) / kHundred;

    m_totals = SummaryTotals{};
    CCislo shownSum(0);
    for (int row = 1; row <= m_items.LastRow(); ++row) {
        CPolozka& item = ItemOfRow(row);
        item.Sleva = ParseCell(m_items, row, kSleva);
        item.Palet = ParseCell(m_items, row, kPalet);
        item.PlusKs = ParseCell(m_items, row, kPlusKs);

        const CCislo total = item.KsNaPalete * item.Palet + item.PlusKs;
        CCislo price(0);
        if (total >= CCislo(0)) {
            const CCislo goods = item.KsNaPalete * item.Palet * item.CenaPaleta + item.PlusKs * LoosePrice(item);
            price = goods * (kHundred - item.Sleva) / kHundred;
        }
        const CCislo priceWithVat = Rounded(price * vat + kHalfTenth, 1);
        m_totals.SumaBezDPH += price;
        m_totals.SumaSDPH += priceWithVat;
        const CCislo shown = SDPH() ? priceWithVat : price;

        ItemFigures& figures = m_rowFigures[static_cast<std::size_t>(row - 1)];
        figures.cenaKs = Rounded(item.CenaPaleta * display, 2);
        figures.celkemKs = Rounded(total, 0);
        figures.cena = Rounded(shown, 2);
        figures.oprava = Rounded(total - item.NavrhKs, 0);
        SetNumber(m_items, row, kCenaKs, figures.cenaKs, 2);
        SetNumber(m_items, row, kCelkemKs, figures.celkemKs, 0);
        SetNumber(m_items, row, kCena, figures.cena, 2);
        SetNumber(m_items, row, kOprava, figures.oprava, 0);

        shownSum += shown;
        if (total >= CCislo(0)) m_totals.goodsWeight += item.Vaha * total;
    }
    // 100.00 keeps the hundredths of a sum of prices rounded to tenths.
    m_totals.CenaZbozi = shownSum * (kHundredExact - m_navrh.SlevaVse) / kHundred;
    m_totals.Zbozi = Rounded(m_totals.goodsWeight, 0);
    if (SDPH()) {
        m_totals.CenaDopravy = Rounded(m_navrh.DopravaCena * vat + kHalfTenth, 1);
        m_totals.SazbaDopravy = Rounded(m_navrh.DopravaCenaKm * vat + kHalfHundredth, 2);
    } else {
        m_totals.CenaDopravy = m_navrh.DopravaCena;
        m_totals.SazbaDopravy = m_navrh.DopravaCenaKm;
    }
    RecomputePallets(vat, display);
    ComputeOutputTotals(vat);
}

void SummaryModel::RecomputePallets(const CCislo& vat, const CCislo& display)
{
    auto& palety = m_navrh.Palety;
    std::unordered_map<std::string, std::size_t> byName;
    for (std::size_t i = 0; i < palety.size(); ++i) {
        CPalety& pallet = *palety[i];
        pallet.Pocet = CCislo(0);
        if (pallet.Radek >= 1 && pallet.Radek <= m_pallets.LastRow())
            pallet.Oprava = ParseCell(m_pallets, pallet.Radek, kPalOprava);
        byName.emplace(pallet.Nazev, i);
    }

    for (int row = 1; row <= m_items.LastRow(); ++row) {
        const CPolozka& item = ItemOfRow(row);
        if (item.KsNaPalete == CCislo(0)) continue;
        const auto found = byName.find(item.PaletaNazev);
        if (found != byName.end()) {
            palety[found->second]->Pocet += item.Palet;
            continue;
        }
        auto pallet = std::make_unique<CPalety>();
        pallet->Nazev = item.PaletaNazev;
        pallet->Cena = item.PaletaCena;
        pallet->Vykup = item.PaletaVykup;
        pallet->Pocet = item.Palet;
        pallet->Vaha = item.PaletaVaha;
        byName.emplace(pallet->Nazev, palety.size());
        palety.push_back(std::move(pallet));
    }
    m_palletFigures.resize(palety.size());

    CCislo loss(0);
    for (std::size_t i = 0; i < palety.size(); ++i) {
        CPalety& pallet = *palety[i];
        const CCislo count = pallet.Pocet + pallet.Oprava;
        m_totals.palletWeight += count * pallet.Vaha;
        m_totals.PaletyBezDPH += count * pallet.Cena;
        loss += count * (pallet.Cena - pallet.Vykup);

        if (pallet.Radek < 1 || pallet.Radek > m_pallets.LastRow()) {
            pallet.Radek = m_pallets.AddRow();
            for (int column = 0; column < kPalletColumnCount; ++column) {
                TableCell& cell = m_pallets.Cell(pallet.Radek, column);
                cell.align = column == kPalNazev ? CellAlign::Left : CellAlign::Right;
                cell.editable = column == kPalOprava;
                cell.background = cell.editable ? kTableBackground : kPalletReadOnlyBackground;
                cell.data = column == kPalCena ? 2 : 0;
            }
        }
        PalletFigures& figures = m_palletFigures[i];
        figures.cenaKs = Rounded(pallet.Cena * display, 2);
        figures.celkemKs = Rounded(count, 0);
        figures.cena = Rounded(count * display * pallet.Cena, 2);
        figures.cenaBezDPH = count * pallet.Cena;
        figures.cenaSDPH = count * pallet.Cena * vat;
        const int row = pallet.Radek;
        m_pallets.SetText(row, kPalNazev, pallet.Nazev);
        SetNumber(m_pallets, row, kPalCenaKs, figures.cenaKs, 2);
        SetNumber(m_pallets, row, kPalNavrhKs, pallet.Pocet, 0);
        SetNumber(m_pallets, row, kPalOprava, pallet.Oprava, 0);
        SetNumber(m_pallets, row, kPalCelkemKs, figures.celkemKs, 0);
        SetNumber(m_pallets, row, kPalCena, figures.cena, 2, CCislo::kGroupThousands);
    }
    m_totals.PaletySDPH = m_totals.PaletyBezDPH * vat;
    m_totals.CenaObalu = Rounded(m_totals.PaletyBezDPH * display, 1);
    m_totals.Obaly = m_totals.palletWeight;
    m_totals.Ztrata = Rounded(loss * display, 2);
}

void SummaryModel::ComputeOutputTotals(const CCislo& vat)
{
    SummaryTotals& t = m_totals;
    const CCislo afterDiscount = kHundredExact - m_navrh.SlevaVse;
    const CCislo netGoods = t.SumaBezDPH * afterDiscount / kHundred;
    const CCislo grossGoods = t.SumaSDPH * afterDiscount / kHundred;

    t.MaterialCelkemBezDPH = Rounded(t.SumaBezDPH, 2);
    t.MaterialCelkemSDPH = Rounded(t.SumaSDPH, 2);
    if (m_navrh.SlevaVse != CCislo(0)) {
        t.MaterialPoSleveBezDPH = Rounded(netGoods, 1).SetScale(2, false);
        t.MaterialPoSleveSDPH = Rounded(grossGoods, 1).SetScale(2, false);
    } else {
        t.MaterialPoSleveBezDPH.SetNull();
        t.MaterialPoSleveSDPH.SetNull();
    }
    t.DopravaBezDPH = m_navrh.DopravaCena;
    t.DopravaSDPH = m_navrh.DopravaCena * vat;
    t.CelkemBezDPH = Rounded(netGoods + t.PaletyBezDPH + m_navrh.DopravaCena, 1);
    t.CelkemSDPH = Rounded(grossGoods + t.PaletySDPH + t.DopravaSDPH, 1);
    t.HmotnostBrutto = Rounded(t.goodsWeight + t.palletWeight, 0);
}

void SummaryModel::ZaokrouhliRadek(int row, bool force)
{
    if (row < 1 || row > m_items.LastRow()) return;
    const CPolozka& item = ItemOfRow(row);
    const bool perPallet = item.KsNaPalete > CCislo(0);
    if (!perPallet) return;  // examination needs pieces per pallet in every case

    const std::int64_t group = item.Skupina.RoundToInteger();
    const std::int64_t type = item.Typ.RoundToInteger();
    bool examine = false;
    for (const RoundingRule& category : m_settings.categories) {
        const bool matches = group == category.skupina && (type == category.typ || (type & category.typ) > 0);
        if ((matches && item.PlusKs > CCislo(0)) || force) {
            examine = true;
            break;
        }
    }
    if (!examine) return;

    // Whole pallets of the computed quantity; a fraction of a piece never makes a pallet.
    const CCislo pallets = WholePieces(item.NavrhKs) / item.KsNaPalete;
    const CCislo next = pallets + CCislo(1);
    const CCislo fullCost = item.CenaPaleta * next * item.KsNaPalete;
    const CCislo currentCost = item.CenaPaleta * item.Palet * item.KsNaPalete + LoosePrice(item) * item.PlusKs;
    TableCell& mark = m_items.Cell(row, kOprava);
    if (currentCost + m_settings.zaokrouhlovaniBalne + m_settings.zaokrouhlovaniZdrazeni >= fullCost) {
        SetNumber(m_items, row, kPalet, next, 0);
        m_items.SetText(row, kPlusKs, "0");
        mark.background = m_settings.colorRound;
    } else {
        mark.background = m_settings.colorRoundNe;
    }
}

void SummaryModel::OdzaokrouhliRadek(int row)
{
    if (row < 1 || row > m_items.LastRow()) return;
    const CPolozka& item = ItemOfRow(row);
    TableCell& mark = m_items.Cell(row, kOprava);
    if (mark.background == m_settings.colorNeEdit || !(item.KsNaPalete > CCislo(0))) return;
    const CCislo pallets = WholePieces(item.NavrhKs) / item.KsNaPalete;
    const CCislo loose = item.NavrhKs - pallets * item.KsNaPalete;
    SetNumber(m_items, row, kPalet, pallets, 0);
    // A fraction of a piece (a proposal split by groups) is kept rather than rounded away.
    SetNumber(m_items, row, kPlusKs, loose, loose.Fraction() != CCislo(0) ? CCislo::kOwnScale : 0);
    mark.background = m_settings.colorNeEdit;
}

void SummaryModel::ZaokrouhliVse()
{
    RunReporting(m_ui, "CPrehledForm::On_ID_RoundALL", "Chyba", [this] {
        for (int row = 1; row <= m_items.LastRow(); ++row) ZaokrouhliRadek(row, false);
        Pocitej();
    });
}

void SummaryModel::OdzaokrouhliVse()
{
    RunReporting(m_ui, "CPrehledForm::On_ID_UnroundALL", "Chyba", [this] {
        for (int row = 1; row <= m_items.LastRow(); ++row) OdzaokrouhliRadek(row);
        Pocitej();
    });
}

void SummaryModel::ZaokrouhliPolozku(int row)
{
    RunReporting(m_ui, "CPrehledForm::On_ID_RoundOne", "Chyba", [this, row] {
        ZaokrouhliRadek(row, true);
        Pocitej();
    });
}

void SummaryModel::OdzaokrouhliPolozku(int row)
{
    RunReporting(m_ui, "CPrehledForm::On_ID_UnroundOne", "Chyba", [this, row] {
        OdzaokrouhliRadek(row);
        Pocitej();
    });
}

}  // namespace belvo
