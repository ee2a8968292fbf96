#include "proposal/navrh.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "foundation/archive_copy.h"
#include "foundation/cp1250.h"
#include "model/projekt.h"

namespace belvo {

namespace {
std::unique_ptr<CObject> NewPolozka() { return std::make_unique<CPolozka>(); }
std::unique_ptr<CObject> NewNavrh() { return std::make_unique<CNavrh>(); }
}  // namespace

const CRuntimeClass CPolozka::classInfo{"CPolozka", VERSIONABLE_SCHEMA | 4, &NewPolozka, nullptr};
const CRuntimeClass CNavrh::classInfo{"CNavrh", VERSIONABLE_SCHEMA | 5, &NewNavrh, nullptr};

void CPolozka::Serialize(CArchive& ar)
{
    const std::uint32_t schema = ar.GetObjectSchema();
    ar.Transfer(ObjCislo).Transfer(Nazev).Transfer(Zavod);
    ar.Transfer(Vaha).Transfer(KsNaPalete).Transfer(CenaPaleta).Transfer(CenaVolna);
    ar.Transfer(PaletaVaha).Transfer(PaletaCena).Transfer(PaletaVykup);
    ar.Transfer(PaletaNazev);
    ar.Transfer(NavrhKs).Transfer(Palet).Transfer(PlusKs).Transfer(Sleva);
    if (schema >= 2) {
        ar.Transfer(Ttu2);
    } else {
        Ttu2.clear();
    }
    if (schema >= 3) {
        ar.Transfer(PaletaObjCislo).Transfer(SkupZbo).Transfer(PaletaSkupZbo).Transfer(PuvodniObjCislo);
    } else {
        PaletaObjCislo.clear();
        SkupZbo.clear();
        PaletaSkupZbo.clear();
        PuvodniObjCislo.clear();
    }
    if (schema >= 4) {
        ar.Transfer(Varianta).Transfer(NazevSkupiny).Transfer(Skupina).Transfer(Typ).Transfer(Rezerva2).Transfer(Sirka);
    } else {
        Varianta.clear();
        NazevSkupiny.clear();
        Rezerva2.clear();
        Skupina = CCislo(0);
        Typ = CCislo(0);
        Sirka = CCislo(0);
    }
}

CNavrh::CNavrh(const CNavrh& other)
    : CObject(other),
      Jmeno(other.Jmeno),
      JmenoRadek2(other.JmenoRadek2),
      CelyProjekt(other.CelyProjekt),
      Poselstvi(other.Poselstvi),
      Titulek(other.Titulek),
      SDPH(other.SDPH),
      DPH(other.DPH),
      Atyp(other.Atyp),
      SlevaVse(other.SlevaVse),
      Rezerva(other.Rezerva),
      DopravaCenaKm(other.DopravaCenaKm),
      DopravaKm(other.DopravaKm),
      DopravaCena(other.DopravaCena),
      Datum(other.Datum),
      Cenik(other.Cenik),
      Nazev(other.Nazev),
      Autor(other.Autor),
      Zrychleny(other.Zrychleny)
{
    Polozky.reserve(other.Polozky.size());
    for (const auto& item : other.Polozky) Polozky.push_back(CopyThroughArchive(*item));
    Palety.reserve(other.Palety.size());
    for (const auto& pallet : other.Palety) Palety.push_back(CopyThroughArchive(*pallet));
}

void CNavrh::Serialize(CArchive& ar)
{
    const std::uint32_t schema = ar.GetObjectSchema();
    ar.Transfer(Jmeno).Transfer(CelyProjekt).Transfer(Poselstvi).Transfer(Titulek).Transfer(SDPH);
    ar.Transfer(DPH).Transfer(SlevaVse).Transfer(Rezerva);
    ar.Transfer(DopravaCenaKm).Transfer(DopravaKm).Transfer(DopravaCena);
    ar.Transfer(Datum).Transfer(Cenik).Transfer(Nazev);
    if (schema >= 3) {
        ar.Transfer(Autor).Transfer(JmenoRadek2);
    } else {
        Autor.clear();
        JmenoRadek2.clear();
    }
    if (schema >= 4) {
        ar.Transfer(Atyp);
    } else {
        Atyp = AtypZNastaveni(ar.Settings(), Cenik);
    }
    if (schema >= 5) {
        ar.Transfer(Zrychleny);
    } else {
        Zrychleny = 0;
    }
    if (ar.IsLoading()) {
        Polozky.clear();
        Palety.clear();
        m_itemIndex.Clear();
    }
    ar.SerializeList(Polozky);
    ar.SerializeList(Palety);
}

TreeItem CNavrh::VlozDoStromu(ProjectTree& tree, TreeItem parent)
{
    hItem = tree.Insert(parent, Nazev + " (" + Datum + ")", CelyProjekt == 1 ? 24 : 25, this);
    return hItem;
}

CPolozka* CNavrh::NajdiPolozku(const std::string& objCislo, const std::string& label)
{
    return m_itemIndex.Find(Polozky, objCislo, label);
}

namespace {
// The sort keys of one item, kept together so that sorting a large proposal does not chase
// pointers to the items.
struct SortKey {
    std::uint32_t labelRank;  // order of NazevSkupiny among the proposal's labels
    CCislo skupina;
    CCislo sirka;
    CCislo typ;
    std::uint32_t position;   // where the item stood: equal keys keep this order
};

bool SortsBefore(const SortKey& a, const SortKey& b)
{
    if (a.labelRank != b.labelRank) return a.labelRank < b.labelRank;
    if (const int byGroup = CCislo::Compare(a.skupina, b.skupina); byGroup != 0) return byGroup < 0;
    if (const int byWidth = CCislo::Compare(a.sirka, b.sirka); byWidth != 0) return byWidth > 0;  // wider first
    if (const int byType = CCislo::Compare(a.typ, b.typ); byType != 0) return byType < 0;
    return a.position < b.position;
}
}  // namespace

void CNavrh::SeradPolozky()
{
    // Rank the distinct group labels in Windows-1250 byte order; labels that compare equal share
    // a rank.
    std::unordered_map<std::string_view, std::uint32_t> rankOf;
    std::vector<std::string_view> labels;
    for (const auto& item : Polozky)
        if (rankOf.emplace(item->NazevSkupiny, 0).second) labels.push_back(item->NazevSkupiny);
    std::sort(labels.begin(), labels.end(),
              [](std::string_view a, std::string_view b) { return CompareCp1250(a, b) < 0; });
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (i > 0 && CompareCp1250(labels[i - 1], labels[i]) != 0) ++rank;
        rankOf[labels[i]] = rank;
    }

    std::vector<SortKey> keys;
    keys.reserve(Polozky.size());
    for (std::size_t i = 0; i < Polozky.size(); ++i) {
        const CPolozka& item = *Polozky[i];
        keys.push_back({rankOf[item.NazevSkupiny], item.Skupina, item.Sirka, item.Typ, static_cast<std::uint32_t>(i)});
    }
    // The position as the last key makes the order the one a stable sort gives.
    std::sort(keys.begin(), keys.end(), SortsBefore);

    std::vector<std::unique_ptr<CPolozka>> sorted;
    sorted.reserve(Polozky.size());
    for (const SortKey& key : keys) sorted.push_back(std::move(Polozky[key.position]));
    Polozky = std::move(sorted);
    m_itemIndex.Clear();
}

}  // namespace belvo
