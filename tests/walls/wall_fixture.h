// The fixture of the wall tests: a small price list built in each test, a wall builder, and the
// proposal that a wall's calculation fills, read back as order number -> quantity.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "settings/memory_settings_store.h"
#include "catalogue/material.h"
#include "catalogue/material_list.h"
#include "model/element.h"
#include "proposal/navrh.h"
#include "support/scripted_ui.h"
#include "walls/zed.h"

namespace belvo::test {

using Quantities = std::map<std::string, std::string>;

// A record with the fields the wall calculation reads.
inline std::unique_ptr<CMaterial> Material(std::string objCislo, int skupina, int typ, int sirka, int delka,
                                           int vyska, std::string zaklMat = "")
{
    auto m = std::make_unique<CMaterial>();
    m->ObjCislo = objCislo;
    m->Nazev = "Materiál " + objCislo;
    m->Skupina = CCislo(skupina);
    m->Typ = CCislo(typ);
    m->TypText = std::to_string(typ);
    m->Sirka = CCislo(sirka);
    m->Delka = CCislo(delka);
    m->Vyska = CCislo(vyska);
    m->ZaklMat = std::move(zaklMat);
    m->Otoceni = CCislo(0);
    m->Malta = CCislo(0);
    m->Perlit = CCislo(0);
    m->MaltaZak = CCislo(0);
    m->Polystyr = CCislo(0);
    m->VariantaKod = CCislo(0);
    m->DelsiUlozeni = CCislo(0);
    return m;
}

// A wall of the base brick "B", without openings, corners or options.
inline std::unique_ptr<CZed> Wall(int sirka, int delka, int vyska, std::string objCislo = "B")
{
    auto wall = std::make_unique<CZed>();
    wall->Nazev = "Zeď 1";
    wall->Sirka = CCislo(sirka);
    wall->Delka = CCislo(delka);
    wall->Vyska = CCislo(vyska);
    wall->ObjCislo = std::move(objCislo);
    wall->MaterialText = "Cihla " + wall->ObjCislo;
    wall->Otoceni = CCislo(0);
    return wall;
}

// An opening given by its width and height, without edge bricks and lintels.
inline COkna& AddOpening(CZed& wall, int sirka, int vyska, int pocet = 1)
{
    auto opening = std::make_unique<COkna>();
    opening->Nazev = "Okno";
    opening->Sirka = CCislo(sirka);
    opening->Vyska = CCislo(vyska);
    opening->Plocha = opening->Sirka * opening->Vyska;
    opening->Pocet = CCislo(pocet);
    opening->Preklady = 0;
    opening->Dole = 0;
    opening->Strany = 0;
    opening->Polystyren = 0;
    wall.Okna.push_back(std::move(opening));
    return *wall.Okna.back();
}

// A plinth section of `courses` courses of the brick `objCislo`.
inline CZedSokl& AddPlinth(CZed& wall, std::string objCislo, int courses, std::int32_t volby)
{
    auto section = std::make_unique<CZedSokl>();
    section->Nazev = "Sokl";
    section->ObjCislo = std::move(objCislo);
    section->MaterialText = "Cihla " + section->ObjCislo;
    section->Otoceni = CCislo(0);
    section->PocetSaru = CCislo(courses);
    section->Volby = volby;
    wall.Sokly.push_back(std::move(section));
    wall.Sokl = CCislo(1);
    return *wall.Sokly.back();
}

// Decimals as the tests write them: '.' and the number's own decimals.
inline std::string Show(const CCislo& value) { return value.Format(Separators{".", ""}, CCislo::kPoint); }

class WallTest : public ::testing::Test {
protected:
    const CMaterial& Put(std::unique_ptr<CMaterial> m) { return materials.Append(std::move(m)); }
    template <class Tweak>
    const CMaterial& Put(std::unique_ptr<CMaterial> m, Tweak tweak)
    {
        tweak(*m);
        return materials.Append(std::move(m));
    }

    // The base brick "B" of family 7: 300 thick, 250 long, 249 high (modules 300, 250, 250).
    const CMaterial& PutBaseBrick() { return Put(Material("B", 1, 0, 300, 250, 249, "7")); }

    // Computes the element into a new proposal and returns the quantities by order number.
    Quantities Compute(CPrvek& element, const std::string& label = "")
    {
        navrh = std::make_unique<CNavrh>();
        element.VypocetPolozek(*navrh, materials, label, context);
        Quantities quantities;
        for (const auto& item : navrh->Polozky) quantities[item->ObjCislo] = Show(item->NavrhKs);
        return quantities;
    }

    CMaterialList materials;
    ScriptedUi ui;
    MemorySettingsStore settings;
    CalcContext context{ui, settings, Separators{}};
    std::unique_ptr<CNavrh> navrh;
};

}  // namespace belvo::test
