#include "proposal/vytvor_navrh.h"

#include <cstdio>

#include "model/projekt.h"
#include "proposal/navrh.h"

namespace belvo {

std::string PocatecniStitek(bool splitByGroups) { return splitByGroups ? " " : ""; }

std::string FormatDatumNavrhu(const LocalTime& time)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d.%d.%d %02d:%02d", time.day, time.month, time.year, time.hour,
                  time.minute);
    return buffer;
}

std::unique_ptr<CNavrh> VytvorNavrh(CPrvek& element, const CProjekt& projekt, const CMaterialList& materials,
                                    bool quick, bool splitByGroups, const LocalTime& now, CalcContext& context)
{
    const std::string label = PocatecniStitek(splitByGroups);

    auto navrh = std::make_unique<CNavrh>();
    navrh->Zrychleny = quick ? 1 : 0;
    navrh->SDPH = projekt.SDPH ? 1 : 0;
    navrh->DPH = projekt.DPH;
    navrh->Atyp = projekt.Atyp;
    navrh->SlevaVse = projekt.Sleva;
    navrh->DopravaCenaKm = projekt.DopravaCenaKm;
    navrh->DopravaKm = projekt.DopravaKm;
    navrh->DopravaCena = projekt.DopravaCena;
    navrh->Autor = projekt.Autor;
    navrh->Cenik = projekt.CenikId;
    navrh->CelyProjekt = &element == &projekt ? 1 : 0;
    navrh->Datum = FormatDatumNavrhu(now);
    navrh->Rezerva = 0;

    const std::size_t lineFeed = projekt.Nazev.find('\n');
    navrh->Jmeno = projekt.Nazev.substr(0, lineFeed);
    if (lineFeed != std::string::npos) navrh->JmenoRadek2 = projekt.Nazev.substr(lineFeed + 1);
    if (navrh->CelyProjekt == 0) navrh->Jmeno += " - " + element.Nazev;
    navrh->Titulek = (quick ? "Zrychlený návrh materiálu pro " : "Návrh materiálu pro ") + navrh->Jmeno;

    element.VypocetPolozek(*navrh, materials, label, context);
    // The choices point into the price list; they are needed only while computing.
    navrh->ZvoleneMaterialy.clear();
    navrh->ZvolenoNic.clear();

    navrh->SeradPolozky();
    if (label.empty()) {
        // Up to whole pieces whenever the fraction is at least 0.01.
        for (auto& item : navrh->Polozky) item->NavrhKs = (item->NavrhKs + CCislo(99, 2)).SetScale(0, false);
    }
    return navrh;
}

}  // namespace belvo
