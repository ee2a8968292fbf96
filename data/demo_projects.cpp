// The demo projects: a family house and a garage with a workshop, described below element by
// element and written as project files with the demo price list inside, the way the program
// saves a project. The build runs this after it has exported the demo price list:
//
//   make_demo_projects DEMO.dat OUTPUT-FOLDER
//
// writes OUTPUT-FOLDER/demo-dum.kar and OUTPUT-FOLDER/demo-garaz.kar. Every material is named by
// its order number in the demo catalogue (data/demo_catalogue.sql); a number the price list
// lacks stops the build, so the projects and the catalogue cannot drift apart.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/persistent_classes.h"
#include "catalogue/material.h"
#include "catalogue/price_list_file.h"
#include "materials/cihly.h"
#include "materials/delka.h"
#include "materials/dlazba.h"
#include "materials/kusy.h"
#include "materials/pasky.h"
#include "materials/strop.h"
#include "materials/tvarovky.h"
#include "document/project_file.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "walls/okna.h"
#include "walls/zed.h"
#include "walls/zkoseni.h"

namespace belvo::demo {
namespace {

CCislo mm(std::int64_t value) { return CCislo(value); }

// The demo price list, asked for the materials the projects name.
class Katalog {
public:
    explicit Katalog(const PriceList& cenik) : m_cenik(cenik) {}

    const CMaterial& Material(const std::string& objCislo) const
    {
        const CMaterial* found = m_cenik.materials.Find(objCislo);
        if (found == nullptr) throw std::runtime_error("the demo price list has no material " + objCislo);
        return *found;
    }
    // The material as the element forms show it: order number, name and plant.
    std::string Text(const std::string& objCislo) const
    {
        const CMaterial& m = Material(objCislo);
        return m.ObjCislo + " " + m.Nazev + " (" + m.Zavod + ")";
    }
    const std::string& CenikId() const { return m_cenik.CenikId; }

private:
    const PriceList& m_cenik;
};

template <class T>
T& Add(CPrvek& parent, std::unique_ptr<T> child)
{
    T& added = *child;
    parent.Prvky.push_back(std::move(child));
    return added;
}

CSkupina& Skupina(CPrvek& parent, const char* nazev, const char* popis = "")
{
    auto group = std::make_unique<CSkupina>();
    group->Nazev = nazev;
    group->Popis = popis;
    return Add(parent, std::move(group));
}

// A wall of one brick: thickness from the brick, length and height in mm.
CZed& Zed(const Katalog& katalog, CPrvek& parent, const char* nazev, const std::string& cihla, std::int64_t delka,
          std::int64_t vyska, int pocet = 1)
{
    auto zed = std::make_unique<CZed>();
    zed->Nazev = nazev;
    zed->Pocet = CCislo(pocet);
    zed->ObjCislo = cihla;
    zed->MaterialText = katalog.Text(cihla);
    zed->Otoceni = CCislo(0);
    zed->Sirka = katalog.Material(cihla).Sirka;
    zed->Delka = mm(delka);
    zed->Vyska = mm(vyska);
    return Add(parent, std::move(zed));
}

// A window or a door with edge bricks round it and load-bearing lintels (with polystyrene
// between them) over it.
COkna& Otvor(CZed& zed, const char* nazev, std::int64_t sirka, std::int64_t vyska, int pocet = 1)
{
    auto otvor = std::make_unique<COkna>();
    otvor->Nazev = nazev;
    otvor->Sirka = mm(sirka);
    otvor->Vyska = mm(vyska);
    otvor->Plocha = otvor->Sirka * otvor->Vyska;
    otvor->Pocet = CCislo(pocet);
    otvor->Preklady = kPrekladNosne | kPrekladPolystyren;
    otvor->Dole = otvor->JeDvere() ? 0 : 1;
    otvor->Strany = 1;
    otvor->Polystyren = 1;
    zed.Okna.push_back(std::move(otvor));
    return *zed.Okna.back();
}

// An opening in an inner wall: plain sides, flat lintels.
COkna& VnitrniOtvor(CZed& zed, const char* nazev, std::int64_t sirka, std::int64_t vyska, int pocet = 1)
{
    COkna& otvor = Otvor(zed, nazev, sirka, vyska, pocet);
    otvor.Preklady = kPrekladPloche;
    otvor.Dole = 0;
    otvor.Strany = 0;
    otvor.Polystyren = 0;
    return otvor;
}

// The triangle cut off a gable at each of its ends.
void Zkoseni(CZed& zed, std::int64_t delka, std::int64_t vyska, int pocet)
{
    auto zkoseni = std::make_unique<CZkoseni>();
    zkoseni->Nazev = "Zkosení";
    zkoseni->Delka = mm(delka);
    zkoseni->Vyska = mm(vyska);
    zkoseni->Pocet = CCislo(pocet);
    zkoseni->Plocha = zkoseni->Delka * zkoseni->Vyska / CCislo(2);
    zed.Zkoseni.push_back(std::move(zkoseni));
}

void Kusy(const Katalog& katalog, CPrvek& parent, const char* nazev, int skupina, int obrazek,
          const std::string& objCislo, std::int64_t pocet)
{
    auto kusy = std::make_unique<CKusy>(skupina, obrazek);
    kusy->Nazev = nazev;
    kusy->ObjCislo = objCislo;
    kusy->MaterialText = katalog.Text(objCislo);
    kusy->Pocet = CCislo(pocet);
    Add(parent, std::move(kusy));
}

// A run of pieces given by its length (ring-beam bricks, drainage, fence caps, polystyrene).
void Delka(const Katalog& katalog, CPrvek& parent, const char* nazev, int skupina, int obrazek,
           const std::string& objCislo, std::int64_t delka)
{
    auto prvek = std::make_unique<CDelka>(skupina, obrazek);
    prvek->Nazev = nazev;
    prvek->ObjCislo = objCislo;
    prvek->MaterialText = katalog.Text(objCislo);
    prvek->Delka = mm(delka);
    prvek->Pocet = CDelka::KusyNaDelku(prvek->Delka, katalog.Material(objCislo));
    Add(parent, std::move(prvek));
}

// Paving or formwork boards over a rectangle.
void Plocha(const Katalog& katalog, CPrvek& parent, const char* nazev, int skupina, int obrazek,
            const std::string& objCislo, std::int64_t delka, std::int64_t sirka)
{
    auto dlazba = std::make_unique<CDlazba>(skupina, obrazek);
    dlazba->Nazev = nazev;
    dlazba->ObjCislo = objCislo;
    dlazba->MaterialText = katalog.Text(objCislo);
    dlazba->Delka = mm(delka);
    dlazba->Sirka = mm(sirka);
    dlazba->Plocha = dlazba->Delka * dlazba->Sirka;
    Add(parent, std::move(dlazba));
}

// Ceiling inserts laid in `pole` bays of `delka` mm.
template <class Strop>
Strop& Pole(const Katalog& katalog, CPrvek& parent, const char* nazev, const std::string& objCislo, std::int64_t delka,
            int pole)
{
    auto strop = std::make_unique<Strop>();
    strop->Nazev = nazev;
    strop->ObjCislo = objCislo;
    strop->MaterialText = katalog.Text(objCislo);
    strop->Delka = mm(delka);
    strop->PocetPoli = CCislo(pole);
    strop->PocetKusu = strop->SpoctiKusy(katalog.Material(objCislo));
    return Add(parent, std::move(strop));
}

std::unique_ptr<CProjekt> Projekt(const Katalog& katalog, const char* nazev, const char* popis)
{
    auto projekt = std::make_unique<CProjekt>();
    projekt->Nazev = nazev;
    projekt->Popis = popis;
    projekt->Vznik = "15.5.2016";
    projekt->Autor = "Belvo demo";
    projekt->CenikId = katalog.CenikId();
    projekt->DPH = CCislo(21);
    projekt->Sleva = CCislo(3);
    projekt->Atyp = CCislo(20);
    projekt->SDPH = false;
    return projekt;
}

// --- The family house ------------------------------------------------------------------------------
// A house of 10.5 × 9.6 m with a habitable attic: outer walls of 44 cm thermal bricks, a
// load-bearing middle wall of 30 cm bricks, partitions, a ceramic beam-and-insert ceiling, gables
// and knee walls in the attic, a paved terrace, a faced plinth, drainage and a garden fence.
std::unique_ptr<CProjekt> RodinnyDum(const Katalog& k)
{
    auto dum = Projekt(k, "Rodinný dům Zahradní\nHorní Lhota 125",
                       "Přízemní dům s obytným podkrovím, půdorys 10,5 × 9,6 m.");
    dum->DopravaKm = CCislo(25);
    dum->DopravaCenaKm = CCislo(3000, 2);
    dum->DopravaCena = CCislo(75000, 2);

    CSkupina& prizemi = Skupina(*dum, "Přízemí", "Světlá výška 2,75 m.");
    {
        CZed& jih = Zed(k, prizemi, "Obvodová zeď jižní", "101440", 10500, 2750);
        jih.Rohy = kRohPrvni | kRohDruhy;
        jih.TeplaMalta = 1;
        jih.Omitka = kOmitkaVnejsi;
        Otvor(jih, "Okno obývací pokoj", 1500, 1500, 2);
        Otvor(jih, "Dveře na terasu", 1800, 2250);

        CZed& sever = Zed(k, prizemi, "Obvodová zeď severní", "101440", 10500, 2750);
        sever.Rohy = kRohPrvni | kRohDruhy;
        sever.TeplaMalta = 1;
        sever.Omitka = kOmitkaVnejsi;
        Otvor(sever, "Okno koupelna a WC", 900, 1200, 2);
        Otvor(sever, "Vchodové dveře", 1000, 2250);

        CZed& bocni = Zed(k, prizemi, "Obvodové zdi boční", "101440", 8720, 2750, 2);
        bocni.TeplaMalta = 1;
        bocni.Omitka = kOmitkaVnejsi;
        Otvor(bocni, "Okno ložnice", 1200, 1500);

        CZed& nosna = Zed(k, prizemi, "Vnitřní nosná zeď", "101300", 9000, 2750);
        nosna.Omitka = kOmitkaVnitrni;
        VnitrniOtvor(nosna, "Dveře", 900, 2100, 2);

        CZed& pricky = Zed(k, prizemi, "Příčky", "103115", 14000, 2750);
        VnitrniOtvor(pricky, "Dveře", 800, 2100, 4);

        Delka(k, prizemi, "Věncovky", 8, kObrazekVencovky, "108080", 40200);
        Delka(k, prizemi, "Polystyrény do věnce", 81, kObrazekPolystyreny, "181200", 40200);
        Kusy(k, prizemi, "Výztuže ložných spár", 90, kObrazekVyztuze, "190001", 24);
    }

    CSkupina& strop = Skupina(*dum, "Strop nad přízemím", "Keramický strop z nosníků a vložek.");
    {
        Kusy(k, strop, "Keramické stropní nosníky", 6, kObrazekStropniNosniky, "106475", 30);
        Pole<CVelto>(k, strop, "Stropní vložky", "107190", 4500, 28);
        Pole<CVelto>(k, strop, "Stropní vložky u schodiště", "107195", 2500, 2);
    }

    CSkupina& podkrovi = Skupina(*dum, "Podkroví", "Sklon střechy 40°, nadezdívka 1 m.");
    {
        CZed& stity = Zed(k, podkrovi, "Štítové zdi", "101300", 9600, 4000, 2);
        stity.Omitka = kOmitkaVnejsi | kOmitkaVnitrni;
        Zkoseni(stity, 4800, 4000, 2);
        Otvor(stity, "Okno ve štítu", 900, 1200);

        Zed(k, podkrovi, "Nadezdívka", "101300", 10500, 1000, 2);

        CZed& pricky = Zed(k, podkrovi, "Příčky podkroví", "103080", 12000, 2500);
        VnitrniOtvor(pricky, "Dveře", 800, 2100, 3);

        Kusy(k, podkrovi, "Kotvy příček", 91, kObrazekKotvy, "191002", 40);
    }

    CSkupina& okoli = Skupina(*dum, "Terasa a okolí");
    {
        Plocha(k, okoli, "Dlažba terasy", 500, kObrazekDlazba, "150002", 6000, 3000);

        auto obklad = std::make_unique<CPasky>();
        obklad->Nazev = "Obklad soklu";
        obklad->ObjCislo = "154001";
        obklad->MaterialText = k.Text("154001");
        obklad->Delka = mm(40200);
        obklad->Vyska = mm(500);
        obklad->Rohy = CPasky::kPrvniRoh | CPasky::kDruhyRoh;
        Add(okoli, std::move(obklad));

        Delka(k, okoli, "Trativodky kolem domu", 503, kObrazekTrativodky, "153100", 42000);

        auto plot = std::make_unique<CTvarovky>();
        plot->Nazev = "Plot do ulice";
        plot->ObjCislo = "151001";
        plot->MaterialText = k.Text("151001");
        plot->Delka = mm(12000);
        plot->Vyska = mm(1000);
        plot->Plocha = plot->Delka * plot->Vyska;
        Add(okoli, std::move(plot));

        Delka(k, okoli, "Plotová stříška", 502, kObrazekPlotoveStrisky, "152240", 12000);
        Kusy(k, okoli, "Omítka štuková", 38, kObrazekMalta, "138013", 45);
    }
    return dum;
}

// --- The garage ----------------------------------------------------------------------------------
// A double garage with a workshop: walls of 30 cm bricks, a ceiling of ceramic panels over the
// garage and of Hurdis planks over the workshop, a roller-shutter lintel over the gate, a beam
// of load-bearing lintels and a chimney of solid bricks.
std::unique_ptr<CProjekt> Garaz(const Katalog& k)
{
    auto garaz = Projekt(k, "Garáž s dílnou\nHorní Lhota 125", "Dvougaráž 6 × 7,5 m s dílnou 3 × 6 m.");
    garaz->DopravaCena = CCislo(0);

    CSkupina& zdi = Skupina(*garaz, "Zdi");
    {
        CZed& obvod = Zed(k, zdi, "Obvodové zdi", "101300", 27000, 2500);
        obvod.Rohy = kRohPrvni | kRohDruhy;
        // The gate's roller-shutter box juts out 65 mm in front of the 300 mm wall.
        COkna& vrata = Otvor(obvod, "Vrata", 2500, 2125);
        vrata.Preklady = kPrekladRoletove;
        vrata.Vylozeni = mm(65);
        Otvor(obvod, "Okno dílny", 1200, 900, 2);
        Otvor(obvod, "Dveře dílny", 900, 2125);

        Zed(k, zdi, "Dělicí zeď", "103140", 6000, 2500);
        auto komin = std::make_unique<CCihly>();
        komin->Nazev = "Komín";
        komin->ObjCislo = "104290";
        komin->MaterialText = k.Text("104290");
        komin->Kusu = CCislo(480);
        Add(zdi, std::move(komin));
    }

    CSkupina& strop = Skupina(*garaz, "Stropy");
    {
        Kusy(k, strop, "Keramické stropní panely", 499, kObrazekStropniPanely, "141260", 6);
        Kusy(k, strop, "Atypický panel u komína", 499, kObrazekStropniPanely, "141630", 1);
        CHurdis& hurdis = Pole<CHurdis>(k, strop, "Strop dílny", "139100", 3000, 6);
        hurdis.Patky = 1;
        Plocha(k, strop, "Šalovací desky věnce", 600, kObrazekSalovaciDesky, "160250", 27000, 250);
        Kusy(k, strop, "Nosné překlady průvlaku", 9, kObrazekPreklady, "109300", 3);
    }
    return garaz;
}

void Zapis(const std::string& path, const PriceList& cenik, std::unique_ptr<CProjekt> projekt)
{
    ProjectFile file;
    file.CenikId = cenik.CenikId;
    file.materials = cenik.materials;
    file.projekty.push_back(std::move(projekt));
    WriteProjectFile(path, file, PersistentClasses());
}

}  // namespace
}  // namespace belvo::demo

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_demo_projects DEMO.dat OUTPUT-FOLDER\n");
        return 2;
    }
    try {
        const belvo::PriceList cenik = belvo::ReadPriceListFile(argv[1], belvo::PersistentClasses());
        const belvo::demo::Katalog katalog(cenik);
        const std::string folder = argv[2];
        belvo::demo::Zapis(folder + "/demo-dum.kar", cenik, belvo::demo::RodinnyDum(katalog));
        belvo::demo::Zapis(folder + "/demo-garaz.kar", cenik, belvo::demo::Garaz(katalog));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "make_demo_projects: %s\n", failure.what());
        return 1;
    }
    return 0;
}
