#include "proposal/navrh.h"

#include <algorithm>

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
// Whether item a sorts after item b: the keys in turn, the first that differs decides.
bool SortsAfter(const CPolozka& a, const CPolozka& b)
{
    if (const int byLabel = CompareCp1250(a.NazevSkupiny, b.NazevSkupiny); byLabel != 0) return byLabel > 0;
    if (const int byGroup = CCislo::Compare(a.Skupina, b.Skupina); byGroup != 0) return byGroup > 0;
    if (const int byWidth = CCislo::Compare(a.Sirka, b.Sirka); byWidth != 0) return byWidth < 0;
    return CCislo::Compare(a.Typ, b.Typ) > 0;
}
}  // namespace

void CNavrh::SeradPolozky()
{
    // A stable sort keeps items that compare equal in the order in which they were added.
    std::stable_sort(Polozky.begin(), Polozky.end(),
                     [](const std::unique_ptr<CPolozka>& a, const std::unique_ptr<CPolozka>& b) {
                         return SortsAfter(*b, *a);
                     });
    m_itemIndex.Clear();
}

}  // namespace belvo
