// Small proposals for the output tests: items and pallet rows as the summary leaves them after
// a recompute, and the totals written out by hand, so that each expected text can be checked
// line by line against the rules of the outputs.
#pragma once

// The tests describe items with designated initializers that name only what differs from the
// defaults; GCC 12 warns about every member left to its default initializer there.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif

#include <memory>
#include <string>

#include "foundation/decimal.h"
#include "proposal/navrh.h"
#include "proposal/output_source.h"

namespace belvo::testing {

// A decimal from its text with "." as separator, keeping the decimals written: D("10.00").
inline CCislo D(const char* text)
{
    return CCislo::Parse(text, Separators{}, CCislo::kPoint);
}

struct ItemSpec {
    std::string objCislo = "1234";
    std::string nazev = "Belvo 30 P+D";
    CCislo ksNaPalete = D("100");
    CCislo cenaPaleta = D("10.00");
    CCislo cenaVolna = D("12.00");
    CCislo navrhKs = D("950");
    CCislo palet = D("9");
    CCislo plusKs = D("50");
    CCislo sleva = D("0.0");
    CCislo vaha = D("10.0");
    std::string ttu2 = "0,28";
    std::string paletaNazev = "EUR paleta";
    std::string paletaObjCislo = "9001";
    std::string skupZbo = "100";
    std::string paletaSkupZbo = "900";
    std::string puvodniObjCislo;
    std::string varianta;
};

inline CPolozka& AddItem(CNavrh& navrh, const ItemSpec& wanted = {})
{
    auto item = std::make_unique<CPolozka>();
    item->ObjCislo = wanted.objCislo;
    item->Nazev = wanted.nazev;
    item->Zavod = "Sever";
    item->KsNaPalete = wanted.ksNaPalete;
    item->CenaPaleta = wanted.cenaPaleta;
    item->CenaVolna = wanted.cenaVolna;
    item->NavrhKs = wanted.navrhKs;
    item->Palet = wanted.palet;
    item->PlusKs = wanted.plusKs;
    item->Sleva = wanted.sleva;
    item->Vaha = wanted.vaha;
    item->Ttu2 = wanted.ttu2;
    item->PaletaNazev = wanted.paletaNazev;
    item->PaletaCena = D("300.00");
    item->PaletaVykup = D("250.00");
    item->PaletaVaha = D("25");
    item->PaletaObjCislo = wanted.paletaObjCislo;
    item->SkupZbo = wanted.skupZbo;
    item->PaletaSkupZbo = wanted.paletaSkupZbo;
    item->PuvodniObjCislo = wanted.puvodniObjCislo;
    item->Varianta = wanted.varianta;
    item->Skupina = D("1");
    item->Typ = D("0");
    navrh.Polozky.push_back(std::move(item));
    return *navrh.Polozky.back();
}

inline CPalety& AddPallet(CNavrh& navrh, const char* name, const char* pocet, const char* oprava = nullptr)
{
    auto row = std::make_unique<CPalety>();
    row->Nazev = name;
    row->Cena = D("300.00");
    row->Vykup = D("250.00");
    row->Pocet = D(pocet);
    if (oprava) row->Oprava = D(oprava);
    row->Vaha = D("25");
    navrh.Palety.push_back(std::move(row));
    return *navrh.Palety.back();
}

// A whole-project proposal of "Rodinný dům" in Brno, 21 % VAT, no discount, no transport.
inline void FillProposal(CNavrh& navrh)
{
    navrh.Jmeno = "Rodinný dům";
    navrh.JmenoRadek2 = "Brno";
    navrh.CelyProjekt = 1;
    navrh.Titulek = "Návrh materiálu pro Rodinný dům";
    navrh.DPH = D("21");
    navrh.SlevaVse = D("0");
    navrh.DopravaCena = D("0");
    navrh.DopravaKm = D("0");
    navrh.DopravaCenaKm = D("0");
    navrh.Datum = "15.5.2016 14:30";
    navrh.Cenik = "CZ20160515 14:30 (Kč)/CEN16";
    navrh.Autor = "Novák";
}

inline OutputSource MakeSource(CNavrh& navrh)
{
    OutputSource source;
    source.navrh = &navrh;
    source.project.name = "Rodinný dům\nBrno";
    source.project.author = "Novák";
    source.project.created = "1.2.2016";
    source.currency = "Kč";
    source.separators = Separators{",", " "};
    return source;
}

// MakeSource with the totals of the page and the printed report that the output tests check
// (material 11 400.00 without VAT, 10 025 kg), and the name of the last XML export.
inline OutputSource MakeSampleSource(CNavrh& navrh)
{
    OutputSource source = MakeSource(navrh);
    source.project.lastXmlName = "Novák-7-dum.kar.xml";
    SummaryTotals& t = source.totals;
    t.MaterialCelkemBezDPH = D("11400.00");
    t.MaterialCelkemSDPH = D("13794.00");
    t.CelkemBezDPH = D("14600.0");
    t.CelkemSDPH = D("17666.0");
    t.HmotnostBrutto = D("10025");
    return source;
}

}  // namespace belvo::testing
