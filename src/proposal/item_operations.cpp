#include "proposal/item_operations.h"

#include "catalogue/material.h"
#include "catalogue/material_list.h"
#include "foundation/cp1250.h"
#include "model/element.h"
#include "model/najdi_material.h"
#include "platform/ui.h"
#include "proposal/navrh.h"

namespace belvo {

namespace {

const char* const kSeparateObjCislo = "----";

std::unique_ptr<CPolozka> NewItem(const std::string& label, const CMaterial& material, const CCislo& quantity,
                                  const CCislo& surcharge, bool separate)
{
    auto item = std::make_unique<CPolozka>();
    if (separate) {
        item->ObjCislo = kSeparateObjCislo;
        item->PuvodniObjCislo = material.ObjCislo;
    } else {
        item->ObjCislo = material.ObjCislo;
    }
    item->Nazev = material.Nazev;
    item->Zavod = material.Zavod;
    item->Vaha = material.Vaha;
    item->KsNaPalete = material.KsNaPalete;
    item->CenaPaleta = material.CenaPaleta;
    item->CenaVolna = material.CenaVolna;
    item->PaletaVaha = material.PaletaVaha;
    item->PaletaCena = material.PaletaCena;
    item->PaletaVykup = material.PaletaVykup;
    item->PaletaNazev = material.PaletaNazev;
    item->Ttu2 = material.Ttu2;
    item->PaletaObjCislo = material.PaletaObjCislo;
    item->SkupZbo = material.SkupZbo;
    item->PaletaSkupZbo = material.PaletaSkupZbo;
    item->Varianta = material.Varianta;
    item->Typ = material.Typ;
    item->Rezerva2 = material.Rezerva2;
    item->Skupina = material.Skupina.Sign() < 0 ? -material.Skupina : material.Skupina;
    // A surcharge is a negative discount: 20 % more is a discount of -20 %.
    item->Sleva = surcharge == CCislo(0) ? CCislo(0) : -surcharge;
    item->NazevSkupiny = label;
    item->NavrhKs = quantity;
    // Only wall bricks sort by width; everything else sorts as width 0.
    item->Sirka = material.Skupina == CCislo(1) ? material.Sirka : CCislo(0);
    return item;
}

bool Qualifies(const CMaterial& material, int group, int type, bool mortar)
{
    return material.Skupina == CCislo(group) && material.Typ == CCislo(type) &&
           (!mortar || material.Malta > CCislo(0));
}

}  // namespace

void PridejPolozku(CNavrh& navrh, const std::string& label, const CMaterial& material, const CCislo& quantity,
                   const CCislo& surcharge, bool separate)
{
    if (!separate) {
        if (CPolozka* item = navrh.NajdiPolozku(material.ObjCislo, label)) {
            item->NavrhKs += quantity;
            return;
        }
    }
    navrh.Polozky.push_back(NewItem(label, material, quantity, surcharge, separate));
}

void PridejPolozkuKladnou(CNavrh& navrh, const std::string& label, const CMaterial& material,
                          const CCislo& quantity, const CCislo& surcharge, bool separate)
{
    if (quantity > CCislo(0)) PridejPolozku(navrh, label, material, quantity, surcharge, separate);
}

void PridejObjCislo(CNavrh& navrh, const std::string& label, const CMaterialList& materials,
                    const std::string& objCislo, const CCislo& quantity, const CCislo& surcharge, bool separate,
                    CalcContext& context)
{
    if (!(quantity > CCislo(0))) return;
    const CMaterial* material = NajdiMaterial(materials, objCislo);
    if (material == nullptr) {
        context.ui.Message(ChybiMaterialText(objCislo), "Chyba", MessageIcon::Warning);
        return;
    }
    PridejPolozku(navrh, label, *material, quantity, surcharge, separate);
}

std::string ChybiMaterialText(const std::string& objCislo)
{
    return "Material s obj.číslem " + objCislo + "\nnenalezen v číselníku";
}

const CMaterial* VyberMaterial(CNavrh& navrh, const CMaterialList& materials, int group, int type, bool mortar,
                               CalcContext& context)
{
    for (const CMaterial* chosen : navrh.ZvoleneMaterialy)
        if (Qualifies(*chosen, group, type, mortar)) return chosen;

    const auto question = std::make_tuple(group, type, mortar);
    if (navrh.ZvolenoNic.contains(question)) return nullptr;
    std::vector<const CMaterial*> candidates;
    for (const CMaterial& material : materials.InGroup(group))
        if (Qualifies(material, group, type, mortar)) candidates.push_back(&material);
    if (candidates.empty()) {
        navrh.ZvolenoNic.insert(question);
        return nullptr;
    }

    const CMaterial* chosen = candidates.front();
    if (candidates.size() > 1) {
        if (navrh.Zrychleny != 0) {
            // The smallest order number; among equal ones the last in the list.
            for (const CMaterial* candidate : candidates)
                if (CompareCp1250(candidate->ObjCislo, chosen->ObjCislo) <= 0) chosen = candidate;
        } else {
            std::vector<std::string> lines;
            lines.reserve(candidates.size());
            for (const CMaterial* candidate : candidates) lines.push_back(candidate->ObjCislo + " " + candidate->Nazev);
            const std::optional<std::size_t> answer =
                context.ui.ChooseFromList("Výběr alternativního materiálu", "", lines, std::size_t{0});
            // The dialog always closes with a line selected; without an answer that is the first.
            if (answer && *answer < candidates.size()) chosen = candidates[*answer];
        }
    }
    navrh.ZvoleneMaterialy.push_back(chosen);
    return chosen;
}

}  // namespace belvo
