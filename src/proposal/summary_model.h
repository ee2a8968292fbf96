// The engine side of the summary window: its item table and pallet table as cell models, the
// initial split of items into whole pallets and loose pieces, the recompute that reads the cell
// texts back (Pocitej), the pallet rows, the rounding of rows to whole pallets and every total
// that the window's number fields and the outputs show. The window only displays and edits the
// cells; everything it computes happens here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/decimal.h"
#include "proposal/table_model.h"

namespace belvo {

class CNavrh;
class CPolozka;
class Ui;

// A rounding category that takes part: items whose group equals `skupina` and whose type equals
// `typ` or shares a bit with it.
struct RoundingRule {
    std::int64_t skupina = 0;
    std::int64_t typ = 0;

    friend bool operator==(const RoundingRule&, const RoundingRule&) = default;
};

// What the summary reads from the settings when it is created.
struct SummarySettings {
    std::uint32_t colorNeEdit = 0xEFFFEF;
    std::uint32_t colorRound = 0xBFBFFF;
    std::uint32_t colorRoundNe = 0xFFBFBF;
    bool pouzePaletovanouCenu = false;      // loose pieces priced at the pallet price
    bool automatickeZaokrouhlovani = false; // round all rows when a fresh proposal opens
    CCislo zaokrouhlovaniBalne = CCislo(0);
    CCislo zaokrouhlovaniZdrazeni = CCislo(0);
    std::vector<RoundingRule> categories;  // the active ones, in their order
};

// The computed cells of one item row, as values with the decimals the cells show.
struct ItemFigures {
    CCislo cenaKs;    // price per piece column
    CCislo celkemKs;
    CCislo oprava;
    CCislo cena;
};

// The computed cells of one pallet row, and its prices for the outputs.
struct PalletFigures {
    CCislo cenaKs;
    CCislo celkemKs;    // N = Pocet + Oprava
    CCislo cena;        // the cell: N x F x Cena, 2 decimals
    CCislo cenaBezDPH;  // N x Cena
    CCislo cenaSDPH;    // N x Cena x V
};

struct SummaryTotals {
    // The sums the summary keeps.
    CCislo SumaBezDPH = CCislo(0);
    CCislo SumaSDPH = CCislo(0);
    CCislo PaletyBezDPH = CCislo(0);
    CCislo PaletySDPH = CCislo(0);
    // The number fields of the window.
    CCislo CenaZbozi = CCislo(0);
    CCislo Zbozi = CCislo(0);        // goods weight, 0 decimals
    CCislo CenaObalu = CCislo(0);
    CCislo Obaly = CCislo(0);        // pallet weight
    CCislo Ztrata = CCislo(0);
    CCislo CenaDopravy;
    CCislo SazbaDopravy;             // the hidden rate field
    // The totals the outputs print.
    CCislo MaterialCelkemBezDPH = CCislo(0);
    CCislo MaterialCelkemSDPH = CCislo(0);
    CCislo MaterialPoSleveBezDPH;    // null without an overall discount
    CCislo MaterialPoSleveSDPH;
    CCislo DopravaBezDPH;
    CCislo DopravaSDPH;
    CCislo CelkemBezDPH = CCislo(0);
    CCislo CelkemSDPH = CCislo(0);
    CCislo HmotnostBrutto = CCislo(0);
    // Unrounded weights behind Zbozi and Obaly.
    CCislo goodsWeight = CCislo(0);
    CCislo palletWeight = CCislo(0);
};

class SummaryModel {
public:
    enum ItemColumn : int {
        kObjCislo, kNazev, kZavod, kCenaKs, kKsNaPalete, kNavrhKs, kPalet, kPlusKs, kOprava, kCelkemKs,
        kSleva, kCena, kItemColumnCount
    };
    enum PalletColumn : int { kPalNazev, kPalCenaKs, kPalNavrhKs, kPalOprava, kPalCelkemKs, kPalCena, kPalletColumnCount };
    // Read-only cells of the pallet table have this background whatever the settings say.
    static constexpr std::uint32_t kPalletReadOnlyBackground = 0xEFFFEF;

    // Builds both headers and fills the item table, splitting fresh items into pallets and loose
    // pieces. The model works on `navrh`, which must outlive it; failures are reported to `ui`.
    SummaryModel(CNavrh& navrh, SummarySettings settings, Separators separators, Ui& ui);

    // What the window does when it opens: recompute, then round all rows when `automaticRounding`
    // is requested and the settings ask for it.
    void Otevri(bool automaticRounding);

    // The "s DPH" check box; the proposal keeps its state.
    bool SDPH() const;
    void SetSDPH(bool withVat);

    // Recomputes everything from the cell texts; a failure is reported and the values computed
    // before it stay.
    void Pocitej();

    // One row of the item table (1 … last; other rows are ignored). The item changes only at the
    // next Pocitej, which reads the cells these write.
    void ZaokrouhliRadek(int row, bool force);
    void OdzaokrouhliRadek(int row);
    // The menu commands: the row operations followed by Pocitej, failures reported.
    void ZaokrouhliVse();
    void OdzaokrouhliVse();
    void ZaokrouhliPolozku(int row);
    void OdzaokrouhliPolozku(int row);

    TableModel& Items() { return m_items; }
    const TableModel& Items() const { return m_items; }
    TableModel& Pallets() { return m_pallets; }
    const TableModel& Pallets() const { return m_pallets; }

    CNavrh& Navrh() { return m_navrh; }
    const CNavrh& Navrh() const { return m_navrh; }
    const SummarySettings& Settings() const { return m_settings; }
    const std::string& Currency() const { return m_currency; }
    const Separators& NumberSeparators() const { return m_separators; }

    CPolozka& ItemOfRow(int row) const;
    const ItemFigures& FiguresOfRow(int row) const;
    // Figures of the proposal's pallet row at `index` of its Palety list.
    const PalletFigures& FiguresOfPallet(std::size_t index) const;
    const SummaryTotals& Totals() const { return m_totals; }

private:
    void FillItemTable();
    void Recompute();
    void RecomputePallets(const CCislo& vat, const CCislo& display);
    void ComputeOutputTotals(const CCislo& vat);
    // Loose price: the pallet price when the settings ask for it.
    const CCislo& LoosePrice(const CPolozka& item) const;
    // Writes a number into a cell; a failure is reported and the cell keeps its text.
    void SetNumber(TableModel& table, int row, int column, const CCislo& value, int decimals, int flags = 0);
    CCislo ParseCell(const TableModel& table, int row, int column) const;

    CNavrh& m_navrh;
    SummarySettings m_settings;
    Separators m_separators;
    Ui& m_ui;
    std::string m_currency;
    TableModel m_items;
    TableModel m_pallets;
    std::vector<CPolozka*> m_rowItems;         // row r carries m_rowItems[r - 1]
    std::vector<ItemFigures> m_rowFigures;
    std::vector<PalletFigures> m_palletFigures;  // parallel to the proposal's Palety
    SummaryTotals m_totals;
};

}  // namespace belvo
