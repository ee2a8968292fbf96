// Shared pieces of the catalogue tests: the class registry, in-memory archives and sample records.
#pragma once

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "catalogue/catalogue_classes.h"
#include "catalogue/material.h"
#include "foundation/archive.h"

namespace belvo::test {

inline const ClassRegistry& CatalogueRegistry()
{
    static const ClassRegistry registry = [] {
        ClassRegistry r;
        RegisterCatalogueClasses(r);
        return r;
    }();
    return registry;
}

// The bytes that `write` stores.
inline std::string StoreBytes(const std::function<void(CArchive&)>& write)
{
    std::ostringstream out(std::ios::binary);
    {
        CArchive ar(out, "pamet.dat", CatalogueRegistry());
        write(ar);
        ar.Flush();
    }
    return out.str();
}

// Runs `read` over an archive loading `bytes`.
inline void LoadBytes(const std::string& bytes, const std::function<void(CArchive&)>& read)
{
    std::istringstream in(bytes, std::ios::binary);
    CArchive ar(in, bytes.size(), "pamet.dat", CatalogueRegistry());
    read(ar);
}

// A record with every field set to something distinct: texts with Czech letters, decimals of
// several scales, one negative and one null.
inline CMaterial SampleMaterial()
{
    CMaterial m;
    m.ObjCislo = "10030";
    m.Nazev = "Cihla 30 P+D broušená";
    m.Zavod = "Hodonín";
    m.Vaha = CCislo(15250, 3);
    m.KsNaPalete = CCislo(60);
    m.CenaPaleta = CCislo(4590, 2);
    m.CenaVolna = CCislo(4820, 2);
    m.PaletaVaha = CCislo(25);
    m.PaletaCena = CCislo(25000, 2);
    m.PaletaVykup = CCislo(20000, 2);
    m.PaletaNazev = "Paleta EUR vratná";
    m.Sirka = CCislo(300);
    m.Delka = CCislo(247);
    m.Vyska = CCislo(249);
    m.ZaklMat = "30;44";
    m.TypText = "0";
    m.Typ = CCislo(0);
    m.Skupina = CCislo(1);
    m.Koeficient = CCislo(1);
    m.Otoceni = CCislo(0);
    m.Malta = CCislo(-375, 2);
    m.Ttu2 = "0,23";
    m.Perlit = CCislo(125, 1);
    m.MaltaZak = CCislo(33, 3);
    m.PaletaObjCislo = "90001";
    m.SkupZbo = "110";
    m.PaletaSkupZbo = "900";
    m.Varianta = "sb";
    m.Rezerva1 = "r1";
    m.Rezerva2 = "ř2";
    m.Polystyr = CCislo();  // null
    m.VariantaKod = CCislo(4);
    m.DelsiUlozeni = CCislo(5, 1);
    return m;
}

}  // namespace belvo::test
