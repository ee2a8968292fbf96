#include <gtest/gtest.h>

#include "settings/memory_settings_store.h"
#include "settings/settings_keys.h"
#include "proposal/navrh.h"
#include "proposal/summary_model.h"
#include "proposal/summary_settings.h"
#include "support/scripted_ui.h"

namespace belvo {
namespace {

using Col = SummaryModel::ItemColumn;
using PalCol = SummaryModel::PalletColumn;

const Separators kCzech{",", " "};
const Separators kPoint{".", ""};
std::string Show(const CCislo& c) { return c.Format(kPoint, CCislo::kPoint); }

struct ItemSpec {
    std::string objCislo = "110300";
    CCislo navrhKs = CCislo(950);
    CCislo ksNaPalete = CCislo(100);
    CCislo cenaPaleta = CCislo(1000, 2);
    CCislo cenaVolna = CCislo(1200, 2);
    std::string paletaNazev = "EUR";
    int skupina = 1;
    int typ = 0;
};

std::unique_ptr<CPolozka> Item(const ItemSpec& wanted)
{
    auto p = std::make_unique<CPolozka>();
    p->ObjCislo = wanted.objCislo;
    p->Nazev = "Cihla " + wanted.objCislo;
    p->Zavod = "Závod";
    p->NavrhKs = wanted.navrhKs;
    p->KsNaPalete = wanted.ksNaPalete;
    p->CenaPaleta = wanted.cenaPaleta;
    p->CenaVolna = wanted.cenaVolna;
    p->Vaha = CCislo(12500, 3);
    p->PaletaNazev = wanted.paletaNazev;
    p->PaletaCena = CCislo(25000, 2);
    p->PaletaVykup = CCislo(20000, 2);
    p->PaletaVaha = CCislo(25);
    p->Skupina = CCislo(wanted.skupina);
    p->Typ = CCislo(wanted.typ);
    p->Sleva = CCislo(0);
    return p;
}

class Summary : public ::testing::Test {
protected:
    Summary()
    {
        navrh.Cenik = "CZ20160515 14:30 (Kč)/K1";
        navrh.DPH = CCislo(21);
        navrh.SlevaVse = CCislo(0);
        settings.categories = {{1, 0}, {7, 0}};
    }

    SummaryModel& Open(bool automaticRounding = false)
    {
        model = std::make_unique<SummaryModel>(navrh, settings, kCzech, ui);
        model->Otevri(automaticRounding);
        return *model;
    }
    const std::string& Cell(int row, int column) const { return model->Items().Text(row, column); }
    std::uint32_t Mark(int row) const { return model->Items().Cell(row, Col::kOprava).background; }
    void Type(int row, int column, std::string text)
    {
        model->Items().SetText(row, column, std::move(text));
        model->Pocitej();
    }

    CNavrh navrh;
    SummarySettings settings;
    ScriptedUi ui;
    std::unique_ptr<SummaryModel> model;
};

TEST_F(Summary, InitialSplitIntoPalletsAndLoosePieces)
{
    navrh.Polozky.push_back(Item({}));
    SummaryModel& m = Open();
    EXPECT_EQ(Cell(1, Col::kPalet), "9");
    EXPECT_EQ(Cell(1, Col::kPlusKs), "50");
    EXPECT_EQ(Cell(1, Col::kOprava), "0");
    EXPECT_EQ(Cell(1, Col::kCelkemKs), "950");
    EXPECT_EQ(Cell(1, Col::kNavrhKs), "950");
    EXPECT_EQ(Cell(1, Col::kKsNaPalete), "100");
    EXPECT_EQ(Cell(1, Col::kCenaKs), "10,00");
    EXPECT_EQ(Cell(1, Col::kCena), "9600,00");
    EXPECT_EQ(Cell(1, Col::kSleva), "0");
    EXPECT_EQ(Show(m.ItemOfRow(1).Palet), "9");
    EXPECT_EQ(Show(m.ItemOfRow(1).PlusKs), "50");
}

TEST_F(Summary, TableLayoutAndCellProperties)
{
    navrh.Polozky.push_back(Item({}));
    SummaryModel& m = Open();
    const TableModel& items = m.Items();
    ASSERT_EQ(items.ColumnCount(), 12);
    EXPECT_EQ(items.Columns()[3].header, "Kč/ks");
    EXPECT_EQ(items.Columns()[8].header, "oprava");
    EXPECT_EQ(items.Columns()[1].width, 250);
    for (int column = 0; column < items.ColumnCount(); ++column) {
        const TableCell& cell = items.Cell(1, column);
        const bool editable = column == Col::kPalet || column == Col::kPlusKs || column == Col::kSleva;
        EXPECT_EQ(cell.editable, editable) << column;
        EXPECT_EQ(cell.background, editable ? kTableBackground : 0xEFFFEFu) << column;
        EXPECT_EQ(cell.align, column <= Col::kZavod ? CellAlign::Left : CellAlign::Right) << column;
    }
    EXPECT_EQ(items.Cell(1, Col::kCena).data, 2);
    EXPECT_EQ(items.Cell(1, Col::kSleva).data, 1);

    const TableModel& pallets = m.Pallets();
    ASSERT_EQ(pallets.LastRow(), 1);
    EXPECT_EQ(pallets.Columns()[1].header, "Kč/ks");
    EXPECT_TRUE(pallets.Cell(1, PalCol::kPalOprava).editable);
    EXPECT_FALSE(pallets.Cell(1, PalCol::kPalNazev).editable);
    EXPECT_EQ(pallets.Cell(1, PalCol::kPalNazev).background, SummaryModel::kPalletReadOnlyBackground);
}

TEST_F(Summary, SavedSplitIsKeptAndNullDiscountBecomesZero)
{
    auto saved = Item({});
    saved->Palet = CCislo(7);
    saved->PlusKs = CCislo(250);
    saved->Sleva.SetNull();
    navrh.Polozky.push_back(std::move(saved));
    auto bySpiece = Item({"900001", CCislo(35, 1), CCislo(0)});
    navrh.Polozky.push_back(std::move(bySpiece));
    Open();
    EXPECT_EQ(Cell(1, Col::kPalet), "7");
    EXPECT_EQ(Cell(1, Col::kPlusKs), "250");
    EXPECT_EQ(Cell(1, Col::kSleva), "0,0");
    EXPECT_EQ(Cell(2, Col::kPalet), "0");
    EXPECT_EQ(Cell(2, Col::kPlusKs), "3,5");
}

struct RoundingCase {
    const char* name;
    CCislo cenaVolna;
    CCislo balne;
    CCislo zdrazeni;
    bool raised;
};

void PrintTo(const RoundingCase& c, std::ostream* os) { *os << c.name; }

class RoundingDecision : public Summary, public ::testing::WithParamInterface<RoundingCase> {};

TEST_P(RoundingDecision, BothMoneyAmountsCount)
{
    const RoundingCase& c = GetParam();
    navrh.Polozky.push_back(Item({"110300", CCislo(950), CCislo(100), CCislo(1000, 2), c.cenaVolna}));
    settings.zaokrouhlovaniBalne = c.balne;
    settings.zaokrouhlovaniZdrazeni = c.zdrazeni;
    SummaryModel& m = Open();
    m.ZaokrouhliVse();
    if (c.raised) {
        EXPECT_EQ(Cell(1, Col::kPalet), "10");
        EXPECT_EQ(Cell(1, Col::kPlusKs), "0");
        EXPECT_EQ(Cell(1, Col::kOprava), "50");
        EXPECT_EQ(Cell(1, Col::kCelkemKs), "1000");
        EXPECT_EQ(Mark(1), settings.colorRound);
        EXPECT_EQ(Show(m.ItemOfRow(1).Palet), "10");
    } else {
        EXPECT_EQ(Cell(1, Col::kPalet), "9");
        EXPECT_EQ(Cell(1, Col::kPlusKs), "50");
        EXPECT_EQ(Mark(1), settings.colorRoundNe);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Summary, RoundingDecision,
    ::testing::Values(RoundingCase{"cheaper_loose_left", CCislo(1200, 2), CCislo(0), CCislo(0), false},
                      RoundingCase{"packing_amount", CCislo(1200, 2), CCislo(500), CCislo(0), true},
                      RoundingCase{"price_rise_amount", CCislo(1200, 2), CCislo(0), CCislo(400), true},
                      RoundingCase{"both_amounts_add_up", CCislo(1200, 2), CCislo(250), CCislo(150), true},
                      RoundingCase{"one_short", CCislo(1200, 2), CCislo(250), CCislo(14999, 2), false},
                      RoundingCase{"equal_cost", CCislo(2000, 2), CCislo(0), CCislo(0), true}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(Summary, OnlyPalletPriceOptionPricesLoosePiecesAtThePalletPrice)
{
    navrh.Polozky.push_back(Item({"110300", CCislo(950), CCislo(100), CCislo(1000, 2), CCislo(2000, 2)}));
    settings.pouzePaletovanouCenu = true;
    SummaryModel& m = Open();
    EXPECT_EQ(Cell(1, Col::kCena), "9500,00");
    m.ZaokrouhliVse();  // 9500 < 10000: with the pallet price the loose pieces are no dearer
    EXPECT_EQ(Mark(1), settings.colorRoundNe);
    EXPECT_EQ(Cell(1, Col::kPalet), "9");
}

TEST_F(Summary, UnroundRestoresARaisedRowAndLeavesOthers)
{
    navrh.Polozky.push_back(Item({}));
    navrh.Polozky.push_back(Item({"110440"}));
    settings.zaokrouhlovaniBalne = CCislo(500);
    SummaryModel& m = Open();
    m.ZaokrouhliPolozku(1);
    Type(2, Col::kPalet, "3");  // edited by hand, never examined

    m.OdzaokrouhliVse();
    EXPECT_EQ(Cell(1, Col::kPalet), "9");
    EXPECT_EQ(Cell(1, Col::kPlusKs), "50");
    EXPECT_EQ(Mark(1), settings.colorNeEdit);
    EXPECT_EQ(Cell(2, Col::kPalet), "3");
    EXPECT_EQ(Cell(2, Col::kOprava), "-600");
}

TEST_F(Summary, ItemsSoldByThePieceStayLooseAndNeedNoPallet)
{
    navrh.Polozky.push_back(Item({"900001", CCislo(37), CCislo(0)}));
    SummaryModel& m = Open();
    EXPECT_EQ(Cell(1, Col::kPalet), "0");
    EXPECT_EQ(Cell(1, Col::kPlusKs), "37");
    m.ZaokrouhliVse();
    m.ZaokrouhliPolozku(1);
    EXPECT_EQ(Mark(1), settings.colorNeEdit);
    EXPECT_EQ(m.Pallets().LastRow(), 0);
    EXPECT_TRUE(navrh.Palety.empty());
    EXPECT_EQ(Cell(1, Col::kCena), "444,00");
}

TEST_F(Summary, UserTextsAreReadAsTheLocaleWritesThem)
{
    navrh.Polozky.push_back(Item({}));
    SummaryModel& m = Open();
    Type(1, Col::kPalet, "10");
    Type(1, Col::kPlusKs, "-50");
    EXPECT_EQ(Cell(1, Col::kCelkemKs), "950");
    EXPECT_EQ(Cell(1, Col::kCena), "9400,00");  // 10 pallets at 10.00 less 50 loose pieces at 12.00

    Type(1, Col::kPlusKs, "-1500");
    EXPECT_EQ(Cell(1, Col::kCena), "0,00");
    EXPECT_EQ(Show(m.Totals().Zbozi), "0");

    Type(1, Col::kPlusKs, "0");
    Type(1, Col::kPalet, "abc");
    EXPECT_EQ(Cell(1, Col::kCelkemKs), "0");
    EXPECT_EQ(Cell(1, Col::kOprava), "-950");

    Type(1, Col::kPalet, "12,5");
    EXPECT_EQ(Cell(1, Col::kCelkemKs), "1250");
    EXPECT_EQ(Cell(1, Col::kCena), "12500,00");

    Type(1, Col::kSleva, "10");
    EXPECT_EQ(Cell(1, Col::kCena), "11250,00");
    Type(1, Col::kSleva, "-20");
    EXPECT_EQ(Cell(1, Col::kCena), "15000,00");
}

TEST_F(Summary, ForcedRoundingNeedsAnActiveCategory)
{
    navrh.Polozky.push_back(Item({"500001", CCislo(950), CCislo(100), CCislo(1000, 2), CCislo(2000, 2), "EUR", 500}));
    SummaryModel& m = Open();
    m.ZaokrouhliVse();  // group 500 is in no category
    EXPECT_EQ(Mark(1), settings.colorNeEdit);
    m.ZaokrouhliPolozku(1);  // forced: examined all the same
    EXPECT_EQ(Mark(1), settings.colorRound);
    EXPECT_EQ(Cell(1, Col::kPalet), "10");

    settings.categories.clear();
    navrh.Polozky.front()->Palet.SetNull();
    navrh.Polozky.front()->PlusKs.SetNull();
    SummaryModel& none = Open();
    none.ZaokrouhliPolozku(1);
    EXPECT_EQ(Mark(1), settings.colorNeEdit);
    EXPECT_EQ(Cell(1, Col::kPalet), "9");
}

TEST_F(Summary, CategoryTypeMatchesExactlyOrByCommonBits)
{
    settings.categories = {{1, 4}};
    for (int typ : {4, 12, 8, 0}) navrh.Polozky.push_back(Item({"T" + std::to_string(typ), CCislo(950), CCislo(100),
                                                               CCislo(1000, 2), CCislo(2000, 2), "EUR", 1, typ}));
    SummaryModel& m = Open();
    m.ZaokrouhliVse();
    EXPECT_EQ(Mark(1), settings.colorRound);
    EXPECT_EQ(Mark(2), settings.colorRound);
    EXPECT_EQ(Mark(3), settings.colorNeEdit);
    EXPECT_EQ(Mark(4), settings.colorNeEdit);
}

TEST_F(Summary, RowsWithoutLoosePiecesAreNotExaminedByRoundAll)
{
    navrh.Polozky.push_back(Item({"110300", CCislo(900)}));
    SummaryModel& m = Open();
    m.ZaokrouhliVse();
    EXPECT_EQ(Mark(1), settings.colorNeEdit);
    m.ZaokrouhliRadek(0, true);   // outside the rows: ignored
    m.ZaokrouhliRadek(2, true);
    m.OdzaokrouhliRadek(5);
    EXPECT_EQ(Cell(1, Col::kPalet), "9");
}

TEST_F(Summary, PalletRowsAreSharedByNameAndCorrected)
{
    navrh.Polozky.push_back(Item({"A", CCislo(950)}));
    navrh.Polozky.push_back(Item({"B", CCislo(120), CCislo(50), CCislo(1000, 2), CCislo(1200, 2), "Malá"}));
    navrh.Polozky.push_back(Item({"C", CCislo(420)}));
    SummaryModel& m = Open();
    ASSERT_EQ(navrh.Palety.size(), 2u);
    EXPECT_EQ(navrh.Palety[0]->Nazev, "EUR");
    EXPECT_EQ(Show(navrh.Palety[0]->Pocet), "13");
    EXPECT_EQ(navrh.Palety[1]->Nazev, "Malá");
    EXPECT_EQ(Show(navrh.Palety[1]->Pocet), "2");
    const TableModel& pallets = m.Pallets();
    EXPECT_EQ(pallets.Text(1, PalCol::kPalNavrhKs), "13");
    EXPECT_EQ(pallets.Text(1, PalCol::kPalOprava), "0");
    EXPECT_EQ(pallets.Text(1, PalCol::kPalCelkemKs), "13");
    EXPECT_EQ(pallets.Text(1, PalCol::kPalCena), "3 250,00");
    EXPECT_EQ(pallets.Text(1, PalCol::kPalCenaKs), "250,00");
    EXPECT_EQ(Show(m.Totals().PaletyBezDPH), "3750.00");
    EXPECT_EQ(Show(m.Totals().Obaly), "375");
    EXPECT_EQ(Show(m.Totals().Ztrata), "750.00");

    m.Pallets().SetText(1, PalCol::kPalOprava, "-2");
    m.Pocitej();
    EXPECT_EQ(Show(navrh.Palety[0]->Oprava), "-2");
    EXPECT_EQ(pallets.Text(1, PalCol::kPalCelkemKs), "11");
    EXPECT_EQ(Show(m.Totals().PaletyBezDPH), "3250.00");
    EXPECT_EQ(Show(m.Totals().Obaly), "325");
    EXPECT_EQ(Show(m.Totals().Ztrata), "650.00");
    EXPECT_EQ(Show(m.FiguresOfPallet(0).celkemKs), "11");

    // Pallet rows are never removed: without pallets the row stays with count 0.
    Type(2, Col::kPalet, "0");
    Type(2, Col::kPlusKs, "120");
    ASSERT_EQ(navrh.Palety.size(), 2u);
    EXPECT_EQ(Show(navrh.Palety[1]->Pocet), "0");
    EXPECT_EQ(pallets.LastRow(), 2);
}

TEST_F(Summary, SavedPalletRowsKeepTheirCorrectionAndGetARow)
{
    navrh.Polozky.push_back(Item({}));
    auto saved = std::make_unique<CPalety>();
    saved->Nazev = "Stará";
    saved->Cena = CCislo(100);
    saved->Vykup = CCislo(80);
    saved->Oprava = CCislo(3);
    saved->Vaha = CCislo(20);
    navrh.Palety.push_back(std::move(saved));
    SummaryModel& m = Open();
    ASSERT_EQ(navrh.Palety.size(), 2u);
    EXPECT_EQ(navrh.Palety[0]->Radek, 1);
    EXPECT_EQ(m.Pallets().Text(1, PalCol::kPalOprava), "3");
    EXPECT_EQ(m.Pallets().Text(1, PalCol::kPalCelkemKs), "3");
    EXPECT_EQ(navrh.Palety[1]->Nazev, "EUR");
    EXPECT_EQ(Show(m.Totals().PaletyBezDPH), "2550.00");
}

TEST_F(Summary, PricesWithVatRoundEachItemUpToTheTenth)
{
    navrh.Polozky.push_back(Item({"A", CCislo(10), CCislo(0), CCislo(1000, 2), CCislo(1000, 2)}));
    navrh.Polozky.push_back(Item({"B", CCislo(1), CCislo(0), CCislo(10010, 2), CCislo(10010, 2)}));
    navrh.SlevaVse = CCislo(10);
    SummaryModel& m = Open();
    EXPECT_EQ(Cell(1, Col::kCena), "100,00");
    EXPECT_EQ(Cell(2, Col::kCena), "100,10");
    EXPECT_EQ(Show(m.Totals().CenaZbozi), "180.09");
    EXPECT_EQ(Show(m.Totals().SumaSDPH), "242.2");

    m.SetSDPH(true);
    m.Pocitej();
    EXPECT_EQ(navrh.SDPH, 1);
    EXPECT_EQ(Cell(1, Col::kCena), "121,00");
    EXPECT_EQ(Cell(2, Col::kCena), "121,20");
    EXPECT_EQ(Cell(2, Col::kCenaKs), "121,12");
    EXPECT_EQ(Show(m.Totals().CenaZbozi), "217.98");
    EXPECT_EQ(Show(m.Totals().SumaBezDPH), "200.10");
    EXPECT_EQ(Show(m.Totals().SumaSDPH), "242.2");
}

TEST_F(Summary, TotalsForTheOutputs)
{
    navrh.Polozky.push_back(Item({}));
    navrh.DopravaCena = CCislo(36600, 2);
    navrh.DopravaCenaKm = CCislo(3050, 2);
    SummaryModel& m = Open();
    const SummaryTotals& t = m.Totals();
    EXPECT_EQ(Show(t.SumaBezDPH), "9600.00");
    EXPECT_EQ(Show(t.SumaSDPH), "11616.0");
    EXPECT_EQ(Show(t.MaterialCelkemBezDPH), "9600.00");
    EXPECT_EQ(Show(t.MaterialCelkemSDPH), "11616.00");
    EXPECT_TRUE(t.MaterialPoSleveBezDPH.IsNull());
    EXPECT_TRUE(t.MaterialPoSleveSDPH.IsNull());
    EXPECT_EQ(Show(t.PaletyBezDPH), "2250.00");
    EXPECT_EQ(Show(t.PaletySDPH), "2722.50");
    EXPECT_EQ(Show(t.CenaDopravy), "366.00");
    EXPECT_EQ(Show(t.CelkemBezDPH), "12216.0");
    EXPECT_EQ(Show(t.CelkemSDPH), "14781.4");
    EXPECT_EQ(Show(t.Zbozi), "11875");
    EXPECT_EQ(Show(t.HmotnostBrutto), "12100");

    navrh.SlevaVse = CCislo(5);
    m.SetSDPH(true);
    m.Pocitej();
    EXPECT_EQ(Show(t.MaterialPoSleveBezDPH), "9120.00");
    EXPECT_EQ(Show(t.MaterialPoSleveSDPH), "11035.20");
    EXPECT_EQ(Show(t.CelkemBezDPH), "11736.0");
    EXPECT_EQ(Show(t.CenaDopravy), "442.9");
    EXPECT_EQ(Show(t.SazbaDopravy), "36.91");
    EXPECT_EQ(Show(t.CenaObalu), "2722.5");
}

TEST_F(Summary, EmptyProposalHasZeroTotals)
{
    SummaryModel& m = Open(true);
    m.ZaokrouhliVse();
    m.OdzaokrouhliVse();
    EXPECT_EQ(m.Items().LastRow(), 0);
    EXPECT_EQ(m.Pallets().LastRow(), 0);
    EXPECT_EQ(Show(m.Totals().CelkemSDPH), "0.0");
    EXPECT_EQ(Show(m.Totals().CenaZbozi), "0.00");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Summary, AutomaticRoundingOnlyWhenRequestedAndSet)
{
    settings.zaokrouhlovaniBalne = CCislo(500);
    navrh.Polozky.push_back(Item({}));
    Open(true);
    EXPECT_EQ(Cell(1, Col::kPalet), "9");  // the setting is off
    settings.automatickeZaokrouhlovani = true;
    navrh.Polozky.front()->Palet.SetNull();
    navrh.Polozky.front()->PlusKs.SetNull();
    Open(false);
    EXPECT_EQ(Cell(1, Col::kPalet), "9");  // a saved proposal's copy is not rounded
    Open(true);
    EXPECT_EQ(Cell(1, Col::kPalet), "10");
}

TEST_F(Summary, FailureWhileRecomputingIsReportedAndTheRestStays)
{
    navrh.Polozky.push_back(Item({}));
    navrh.Polozky.push_back(Item({"X", CCislo(3), CCislo(0)}));
    navrh.Polozky.back()->Vaha = CCislo(int64_t{4'000'000'000'000'000'000});  // its weight overflows
    Open();
    EXPECT_EQ(Cell(1, Col::kCena), "9600,00");
    EXPECT_EQ(ui.MessageLines(),
              (std::vector<std::string>{"Karno: Exception INT_OVERFLOW (0xc0000095) at address 0x00000000.",
                                        "Chyba: CPrehledForm::On_ID_Tisk"}));
}

TEST(SummarySettingsReading, ColoursOptionsAmountsAndActiveCategories)
{
    MemorySettingsStore store;
    SummarySettings defaults = ReadSummarySettings(store, "CZ20160515 14:30 (Kč)");
    EXPECT_EQ(defaults.colorNeEdit, 0xEFFFEFu);
    EXPECT_EQ(defaults.colorRound, 0xBFBFFFu);
    EXPECT_EQ(defaults.colorRoundNe, 0xFFBFBFu);
    EXPECT_FALSE(defaults.pouzePaletovanouCenu);
    EXPECT_FALSE(defaults.automatickeZaokrouhlovani);
    EXPECT_EQ(Show(defaults.zaokrouhlovaniBalne), "0");
    EXPECT_TRUE(defaults.categories.empty());  // "PocetPolozek" missing: no categories

    store.SetInt("Setup", "ColorRound", 0x123456);
    store.SetString("Setup", "PouzePaletovanouCenu", "A");
    store.SetString("Setup", "AutomatickeZaokroulovani", "x");
    store.SetString("SK-EUR", "ZaokrouhlovaniBalne", "12,5");
    store.SetString("SK-EUR", "ZaokrouhlovaniZdrazeni", "3");
    store.SetString("CZ-Kč", "ZaokrouhlovaniBalne", "999");
    WriteRoundingTable(store, DefaultRoundingTable());
    const SummarySettings read = ReadSummarySettings(store, "SK20160515 14:30 (EUR)");
    EXPECT_EQ(read.colorRound, 0x123456u);
    EXPECT_TRUE(read.pouzePaletovanouCenu);
    EXPECT_TRUE(read.automatickeZaokrouhlovani);
    EXPECT_EQ(Show(read.zaokrouhlovaniBalne), "12.5");
    EXPECT_EQ(Show(read.zaokrouhlovaniZdrazeni), "3");
    EXPECT_EQ(read.categories, (std::vector<RoundingRule>{{1, 0}, {7, 0}}));
}

}  // namespace
}  // namespace belvo
