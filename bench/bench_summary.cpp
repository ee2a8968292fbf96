#include "bench_summary.h"

#include "settings/settings_keys.h"

namespace belvo::bench {

std::unique_ptr<CNavrh> LargeProposal(int items)
{
    auto navrh = std::make_unique<CNavrh>();
    navrh->Jmeno = "Velký dům";
    navrh->Titulek = "Návrh materiálu pro Velký dům";
    navrh->Cenik = "CZ20160515 14:30 (Kč)/K1";
    navrh->DPH = CCislo(21);
    navrh->SlevaVse = CCislo(3);
    navrh->DopravaCena = CCislo(75000, 2);
    for (int i = 0; i < items; ++i) {
        auto item = std::make_unique<CPolozka>();
        item->ObjCislo = std::to_string(100000 + i);
        item->Nazev = "Materiál " + std::to_string(i);
        item->Zavod = "Horní Lhota";
        const bool loose = i % 7 == 0;  // sold by the piece
        item->KsNaPalete = CCislo(loose ? 0 : 60 + i % 50);
        item->CenaPaleta = CCislo(1000 + i % 900, 2);
        item->CenaVolna = CCislo(1200 + i % 900, 2);
        item->Vaha = CCislo(12500 + i, 3);
        item->NavrhKs = CCislo(37 + (i * 131) % 5000);
        item->PaletaNazev = "Paleta " + std::to_string(i % 10);
        item->PaletaCena = CCislo(25000, 2);
        item->PaletaVykup = CCislo(20000, 2);
        item->PaletaVaha = CCislo(25);
        item->Skupina = CCislo(i % 3 == 0 ? 1 : 38);
        item->Typ = CCislo(0);
        item->Sleva = CCislo(0);
        navrh->Polozky.push_back(std::move(item));
    }
    return navrh;
}

SummaryBed::SummaryBed()
{
    WriteRoundingTable(settings, {{"Cihly", 1, 0, 1}});
}

std::unique_ptr<CPrehledForm> SummaryBed::Open(int items)
{
    auto form = std::make_unique<CPrehledForm>(LargeProposal(items), ProjectHeader{"Velký dům", "Novák", "1.5.2016", ""},
                                               PrehledEnvironment{ui, settings, system, shell, ".", {}});
    form->Otevri(false);
    return form;
}

}  // namespace belvo::bench
