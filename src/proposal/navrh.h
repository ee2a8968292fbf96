// CPolozka and CNavrh: a bill-of-materials line and the proposal that holds the lines, the
// pallet rows and the pricing parameters copied from the project when it was computed.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/palety.h"
#include "foundation/archive.h"
#include "foundation/decimal.h"
#include "model/tree_model.h"
#include "proposal/item_index.h"

namespace belvo {

class CMaterial;
class SettingsStore;

class CPolozka : public CObject {
public:
    static const CRuntimeClass classInfo;  // "CPolozka", 0x80000004
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    std::string ObjCislo;  // "----" for an item added as separate
    std::string Nazev;
    std::string Zavod;
    CCislo Vaha;
    CCislo KsNaPalete;
    CCislo CenaPaleta;
    CCislo CenaVolna;
    CCislo PaletaVaha;
    CCislo PaletaCena;
    CCislo PaletaVykup;
    std::string PaletaNazev;
    CCislo NavrhKs;
    CCislo Sleva;
    CCislo Palet;
    CCislo PlusKs;
    std::string Ttu2;             // version 2
    std::string PaletaObjCislo;   // version 3
    std::string SkupZbo;
    std::string PaletaSkupZbo;
    std::string PuvodniObjCislo;
    std::string Varianta;         // version 4
    std::string NazevSkupiny;
    CCislo Skupina;
    CCislo Typ;
    std::string Rezerva2;
    CCislo Sirka;
};

class CNavrh : public CObject {
public:
    static const CRuntimeClass classInfo;  // "CNavrh", 0x80000005
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    CNavrh() = default;
    // Deep copy: every stored field and new copies of the items and pallet rows;
    // ZvoleneMaterialy is not copied.
    CNavrh(const CNavrh& other);
    CNavrh& operator=(const CNavrh&) = delete;

    // A proposal stored before version 4 takes Atyp from the settings of its price list, which
    // the loading archive supplies (CArchive::Settings()).
    void Serialize(CArchive& ar) override;

    std::vector<std::unique_ptr<CPolozka>> Polozky;
    std::vector<std::unique_ptr<CPalety>> Palety;
    std::vector<const CMaterial*> ZvoleneMaterialy;  // not stored, not owned
    // Not stored: the choices (group, type, mortar flag) for which VyberMaterial found no
    // material in the price list, so that it does not look again for every element.
    std::set<std::tuple<int, int, bool>> ZvolenoNic;

    std::string Jmeno;
    std::string JmenoRadek2;     // version 3
    std::int32_t CelyProjekt = 0;
    std::string Poselstvi;
    std::string Titulek;
    std::int32_t SDPH = 0;
    CCislo DPH;
    CCislo Atyp;                 // version 4
    CCislo SlevaVse;
    std::int32_t Rezerva = 0;
    CCislo DopravaCenaKm;
    CCislo DopravaKm;
    CCislo DopravaCena;
    std::string Datum;
    std::string Cenik;
    std::string Nazev;
    std::string Autor;           // version 3
    std::int32_t Zrychleny = 0;  // version 5

    TreeItem hItem = kNoTreeItem;  // not stored

    // The tree item of a saved proposal: Nazev + " (" + Datum + ")", picture 24 for a whole
    // project and 25 otherwise.
    TreeItem VlozDoStromu(ProjectTree& tree, TreeItem parent);

    // The item that a contribution of `objCislo` with the group label `label` merges into: the
    // first in Polozky with both texts equal byte for byte; null when there is none. Found
    // through an index, so computing a large project stays linear.
    CPolozka* NajdiPolozku(const std::string& objCislo, const std::string& label);
    // Sorts Polozky stably into the order of the summary: by group label (Windows-1250 byte
    // order), then material group, then wider bricks first, then type.
    void SeradPolozky();

private:
    ItemIndex m_itemIndex;  // not stored, not copied
};

}  // namespace belvo
