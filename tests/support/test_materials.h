// Material records for tests: an order number, a name and the figures a test cares about.
#pragma once

#include <memory>
#include <string>

#include "catalogue/material.h"
#include "catalogue/material_list.h"
#include "foundation/decimal.h"

namespace belvo::test {

struct MaterialSpec {
    std::string objCislo;
    std::string nazev;
    int skupina = 1;
    int typ = 0;
    CCislo ksNaPalete = CCislo(100);
    CCislo cenaPaleta = CCislo(1000, 2);  // 10.00
    CCislo cenaVolna = CCislo(1200, 2);   // 12.00
    std::string paletaNazev = "EUR paleta";
    CCislo sirka = CCislo(300);
    CCislo vaha = CCislo(12500, 3);       // 12.500 kg
    CCislo malta = CCislo(0);
    CCislo otoceni = CCislo(0);
};

inline std::unique_ptr<CMaterial> MakeMaterial(const MaterialSpec& spec)
{
    auto m = std::make_unique<CMaterial>();
    m->ObjCislo = spec.objCislo;
    m->Nazev = spec.nazev;
    m->Zavod = "Závod 1";
    m->Skupina = CCislo(spec.skupina);
    m->Typ = CCislo(spec.typ);
    m->TypText = std::to_string(spec.typ);
    m->KsNaPalete = spec.ksNaPalete;
    m->CenaPaleta = spec.cenaPaleta;
    m->CenaVolna = spec.cenaVolna;
    m->PaletaNazev = spec.paletaNazev;
    m->PaletaCena = CCislo(25000, 2);   // 250.00
    m->PaletaVykup = CCislo(20000, 2);  // 200.00
    m->PaletaVaha = CCislo(25);
    m->PaletaObjCislo = "PAL-" + spec.paletaNazev;
    m->Sirka = spec.sirka;
    m->Delka = CCislo(250);
    m->Vyska = CCislo(238);
    m->Vaha = spec.vaha;
    m->Malta = spec.malta;
    m->Otoceni = spec.otoceni;
    m->Ttu2 = "0,25";
    m->SkupZbo = "100";
    m->PaletaSkupZbo = "900";
    return m;
}

inline const CMaterial& Add(CMaterialList& list, const MaterialSpec& spec) { return list.Append(MakeMaterial(spec)); }

}  // namespace belvo::test
