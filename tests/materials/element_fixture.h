// A price list, a proposal and a scripted user for the tests of the material elements.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "settings/memory_settings_store.h"
#include "catalogue/material.h"
#include "catalogue/material_list.h"
#include "foundation/decimal.h"
#include "model/element.h"
#include "proposal/navrh.h"
#include "support/scripted_ui.h"

namespace belvo::test {

// A decimal from its text with the point as separator ("2.5").
inline CCislo N(const char* text) { return CCislo::Parse(text, Separators{}, CCislo::kPoint); }

class ElementTest : public ::testing::Test {
protected:
    ScriptedUi ui;
    MemorySettingsStore settings;
    CalcContext context{ui, settings, Separators{}};
    CMaterialList materials;
    CNavrh navrh;

    // A price-list record with the catalogued sizes given (Sirka, Delka, Vyska), not yet in
    // the list: a test sets further fields and then puts it in with Put.
    static std::unique_ptr<CMaterial> Record(const std::string& objCislo, int skupina, int typ, const CCislo& sirka,
                                             const CCislo& delka, const CCislo& vyska, const std::string& zaklMat = "")
    {
        auto record = std::make_unique<CMaterial>();
        record->ObjCislo = objCislo;
        record->Nazev = "Materiál " + objCislo;
        record->Zavod = "Závod";
        record->Skupina = CCislo(skupina);
        record->Typ = CCislo(typ);
        record->Sirka = sirka;
        record->Delka = delka;
        record->Vyska = vyska;
        record->ZaklMat = zaklMat;
        record->Otoceni = CCislo(0);
        record->Malta = CCislo(0);
        record->Perlit = CCislo(0);
        record->MaltaZak = CCislo(0);
        record->VariantaKod = CCislo(0);
        return record;
    }

    const CMaterial& Put(std::unique_ptr<CMaterial> record) { return materials.Append(std::move(record)); }

    const CMaterial& Add(const std::string& objCislo, int skupina, int typ, const CCislo& sirka, const CCislo& delka,
                         const CCislo& vyska, const std::string& zaklMat = "")
    {
        return Put(Record(objCislo, skupina, typ, sirka, delka, vyska, zaklMat));
    }

    void Compute(CPrvek& element, const std::string& label = "")
    {
        element.VypocetPolozek(navrh, materials, label, context);
    }

    // The item of a material (not added as separate) with this label, or null.
    const CPolozka* Item(const std::string& objCislo, const std::string& label = "") const
    {
        for (const auto& item : navrh.Polozky)
            if (item->ObjCislo == objCislo && item->NazevSkupiny == label) return item.get();
        return nullptr;
    }

    // The computed quantity of a material's item; null when there is no item.
    CCislo Quantity(const std::string& objCislo, const std::string& label = "") const
    {
        const CPolozka* item = Item(objCislo, label);
        return item ? item->NavrhKs : CCislo();
    }
};

}  // namespace belvo::test
