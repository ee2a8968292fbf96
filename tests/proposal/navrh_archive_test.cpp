#include <gtest/gtest.h>

#include "settings/memory_settings_store.h"
#include "app/persistent_classes.h"
#include "catalogue/material.h"
#include "model/tree_model.h"
#include "proposal/navrh.h"
#include "support/memory_archive.h"

namespace belvo {
namespace {

const Separators kPoint{".", ""};
std::string Show(const CCislo& c)
{
    return c.IsNull() ? "null" : c.Format(kPoint, CCislo::kPoint);
}

// Every stored field of an item, in archive order.
std::vector<std::string> Fields(const CPolozka& p)
{
    return {p.ObjCislo,        p.Nazev,         Show(p.Vaha),     Show(p.KsNaPalete), Show(p.CenaPaleta),
            Show(p.CenaVolna), Show(p.PaletaVaha), Show(p.PaletaCena), Show(p.PaletaVykup), p.PaletaNazev,
            Show(p.NavrhKs),   Show(p.Palet),   Show(p.PlusKs),   Show(p.Sleva),      p.Ttu2,
            p.PaletaObjCislo,  p.SkupZbo,       p.PaletaSkupZbo,  p.PuvodniObjCislo,  p.Varianta,
            p.NazevSkupiny,    Show(p.Skupina), Show(p.Typ),      p.Rezerva2,         Show(p.Sirka),
            p.Zavod};
}

std::unique_ptr<CPolozka> FullItem(const std::string& objCislo)
{
    auto p = std::make_unique<CPolozka>();
    p->ObjCislo = objCislo;
    p->Nazev = "Cihla " + objCislo;
    p->Zavod = "Závod";
    p->Vaha = CCislo(12500, 3);
    p->KsNaPalete = CCislo(100);
    p->CenaPaleta = CCislo(1000, 2);
    p->CenaVolna = CCislo(1200, 2);
    p->PaletaVaha = CCislo(25);
    p->PaletaCena = CCislo(25000, 2);
    p->PaletaVykup = CCislo(20000, 2);
    p->PaletaNazev = "EUR";
    p->NavrhKs = CCislo(950);
    p->Palet = CCislo(9);
    p->PlusKs = CCislo(50);
    p->Sleva = CCislo(-200, 1);
    p->Ttu2 = "0,21";
    p->PaletaObjCislo = "P1";
    p->SkupZbo = "100";
    p->PaletaSkupZbo = "900";
    p->PuvodniObjCislo = "";
    p->Varianta = "sb";
    p->NazevSkupiny = "Přízemí";
    p->Skupina = CCislo(1);
    p->Typ = CCislo(4);
    p->Rezerva2 = "r";
    p->Sirka = CCislo(300);
    return p;
}

CNavrh FullProposal()
{
    CNavrh n;
    n.Jmeno = "Dům - Zeď 1";
    n.JmenoRadek2 = "Brno";
    n.CelyProjekt = 0;
    n.Poselstvi = "Dodat do pátku";
    n.Titulek = "Návrh materiálu pro Dům - Zeď 1";
    n.SDPH = 1;
    n.DPH = CCislo(21);
    n.Atyp = CCislo(15);
    n.SlevaVse = CCislo(5);
    n.Rezerva = 7;
    n.DopravaCenaKm = CCislo(3050, 2);
    n.DopravaKm = CCislo(12);
    n.DopravaCena = CCislo(36600, 2);
    n.Datum = "5.3.2016 09:07";
    n.Cenik = "CZ20160515 14:30 (Kč)/K1";
    n.Nazev = "První návrh";
    n.Autor = "PC~jan";
    n.Zrychleny = 1;
    n.Polozky.push_back(FullItem("110300"));
    n.Polozky.push_back(FullItem("----"));
    auto pallet = std::make_unique<CPalety>();
    pallet->Nazev = "EUR";
    pallet->Cena = CCislo(25000, 2);
    pallet->Vykup = CCislo(20000, 2);
    pallet->Pocet = CCislo(9);
    pallet->Oprava = CCislo(-2);
    pallet->Vaha = CCislo(25);
    pallet->Radek = 4;
    n.Palety.push_back(std::move(pallet));
    return n;
}

void ExpectSameHeader(const CNavrh& a, const CNavrh& b)
{
    EXPECT_EQ(a.Jmeno, b.Jmeno);
    EXPECT_EQ(a.JmenoRadek2, b.JmenoRadek2);
    EXPECT_EQ(a.CelyProjekt, b.CelyProjekt);
    EXPECT_EQ(a.Poselstvi, b.Poselstvi);
    EXPECT_EQ(a.Titulek, b.Titulek);
    EXPECT_EQ(a.SDPH, b.SDPH);
    EXPECT_TRUE(a.DPH.SameAs(b.DPH));
    EXPECT_TRUE(a.Atyp.SameAs(b.Atyp));
    EXPECT_TRUE(a.SlevaVse.SameAs(b.SlevaVse));
    EXPECT_EQ(a.Rezerva, b.Rezerva);
    EXPECT_TRUE(a.DopravaCenaKm.SameAs(b.DopravaCenaKm));
    EXPECT_TRUE(a.DopravaKm.SameAs(b.DopravaKm));
    EXPECT_TRUE(a.DopravaCena.SameAs(b.DopravaCena));
    EXPECT_EQ(a.Datum, b.Datum);
    EXPECT_EQ(a.Cenik, b.Cenik);
    EXPECT_EQ(a.Nazev, b.Nazev);
    EXPECT_EQ(a.Autor, b.Autor);
    EXPECT_EQ(a.Zrychleny, b.Zrychleny);
}

TEST(ProposalArchive, RoundTripKeepsEveryField)
{
    CNavrh original = FullProposal();
    const std::string bytes =
        test::StoreBytes(PersistentClasses(), [&](CArchive& ar) { ar.WriteObject(&original); });
    std::unique_ptr<CNavrh> loaded;
    test::LoadBytes(bytes, PersistentClasses(), nullptr, [&](CArchive& ar) { loaded = ar.ReadOwned<CNavrh>(); });
    ASSERT_TRUE(loaded);
    ExpectSameHeader(*loaded, original);
    ASSERT_EQ(loaded->Polozky.size(), 2u);
    EXPECT_EQ(Fields(*loaded->Polozky[0]), Fields(*original.Polozky[0]));
    EXPECT_EQ(Fields(*loaded->Polozky[1]), Fields(*original.Polozky[1]));
    ASSERT_EQ(loaded->Palety.size(), 1u);
    EXPECT_EQ(loaded->Palety[0]->Nazev, "EUR");
    EXPECT_EQ(Show(loaded->Palety[0]->Oprava), "-2");
    EXPECT_EQ(loaded->Palety[0]->Radek, -1);  // the table row is not stored
}

TEST(ProposalArchive, DeepCopyOwnsNewItemsAndDropsTheChoices)
{
    CNavrh original = FullProposal();
    CMaterial chosen;
    original.ZvoleneMaterialy.push_back(&chosen);
    CNavrh copy(original);
    ExpectSameHeader(copy, original);
    EXPECT_TRUE(copy.ZvoleneMaterialy.empty());
    ASSERT_EQ(copy.Polozky.size(), 2u);
    EXPECT_NE(copy.Polozky[0].get(), original.Polozky[0].get());
    EXPECT_EQ(Fields(*copy.Polozky[0]), Fields(*original.Polozky[0]));
    ASSERT_EQ(copy.Palety.size(), 1u);
    EXPECT_NE(copy.Palety[0].get(), original.Palety[0].get());
    EXPECT_EQ(copy.Palety[0]->Radek, -1);

    copy.Polozky[0]->NavrhKs = CCislo(1);
    copy.Palety[0]->Oprava = CCislo(5);
    EXPECT_EQ(Show(original.Polozky[0]->NavrhKs), "950");
    EXPECT_EQ(Show(original.Palety[0]->Oprava), "-2");
}

TEST(ProposalArchive, TreeItemShowsNameAndDate)
{
    ProjectTree tree;
    const TreeItem folder = tree.Insert(kNoTreeItem, "Návrhy", 2, nullptr);
    CNavrh partial = FullProposal();
    CNavrh whole = FullProposal();
    whole.CelyProjekt = 1;
    const TreeItem a = partial.VlozDoStromu(tree, folder);
    const TreeItem b = whole.VlozDoStromu(tree, folder);
    EXPECT_EQ(tree.Text(a), "První návrh (5.3.2016 09:07)");
    EXPECT_EQ(tree.Picture(a), 25);
    EXPECT_EQ(tree.Picture(b), 24);
    EXPECT_EQ(tree.Data(b), &whole);
    EXPECT_EQ(whole.hItem, b);
}

// Fields of an item as its first three versions store them.
void WriteOldItem(CArchive& ar, std::uint16_t schema)
{
    test::WriteClassHeader(ar, "CPolozka", schema);
    ar << std::string("110300") << std::string("Cihla") << std::string("Závod");
    ar << CCislo(12500, 3) << CCislo(100) << CCislo(1000, 2) << CCislo(1200, 2) << CCislo(25) << CCislo(25000, 2)
       << CCislo(20000, 2);
    ar << std::string("EUR");
    ar << CCislo(950) << CCislo(9) << CCislo(50) << CCislo(0, 1);
    if (schema >= 2) ar << std::string("0,21");
    if (schema >= 3) ar << std::string("P1") << std::string("100") << std::string("900") << std::string("");
}

// A proposal as the given version stores it, with one item of `itemSchema`.
std::string OldProposal(std::uint16_t schema, std::uint16_t itemSchema, const std::string& cenik)
{
    return test::StoreBytes(PersistentClasses(), [&](CArchive& ar) {
        test::WriteClassHeader(ar, "CNavrh", schema);
        ar << std::string("Dům") << std::int32_t{1} << std::string("") << std::string("Návrh materiálu pro Dům")
           << std::int32_t{0};
        ar << CCislo(19) << CCislo(0) << std::int32_t{0};
        ar << CCislo() << CCislo() << CCislo(0);
        ar << std::string("1.2.2012 10:00") << cenik << std::string("Uložený");
        if (schema >= 3) ar << std::string("autor") << std::string("Brno");
        if (schema >= 4) ar << CCislo(30);
        ar.WriteCount(1);
        WriteOldItem(ar, itemSchema);
        ar.WriteCount(0);
    });
}

TEST(ProposalArchive, OlderProposalsTakeTheirDefaults)
{
    MemorySettingsStore settings;
    settings.SetString("SK-EUR", "Atyp", "12,5");
    settings.SetString("Setup", "Atyp", "17");

    struct Case {
        std::uint16_t schema;
        std::uint16_t itemSchema;
        const char* cenik;
        const char* atyp;
        const char* autor;
    };
    const Case cases[] = {
        {4, 3, "SK20160515 14:30 (EUR)", "30", "autor"},  // Atyp stored
        {3, 3, "SK20160515 14:30 (EUR)", "12.5", "autor"},  // from the price list's section
        {2, 2, "CZ20160515 14:30 (Kč)", "17", ""},  // the section lacks it: Setup
        {1, 1, "SK20160515 14:30 (EUR)", "12.5", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.schema);
        std::unique_ptr<CNavrh> loaded;
        test::LoadBytes(OldProposal(c.schema, c.itemSchema, c.cenik), PersistentClasses(), &settings,
                        [&](CArchive& ar) { loaded = ar.ReadOwned<CNavrh>(); });
        ASSERT_TRUE(loaded);
        EXPECT_EQ(Show(loaded->Atyp), c.atyp);
        EXPECT_EQ(loaded->Autor, c.autor);
        EXPECT_EQ(loaded->JmenoRadek2, c.schema >= 3 ? "Brno" : "");
        EXPECT_EQ(loaded->Zrychleny, 0);
        EXPECT_EQ(loaded->Nazev, "Uložený");
        ASSERT_EQ(loaded->Polozky.size(), 1u);
        const CPolozka& item = *loaded->Polozky[0];
        EXPECT_EQ(item.Ttu2, c.itemSchema >= 2 ? "0,21" : "");
        EXPECT_EQ(item.PaletaObjCislo, c.itemSchema >= 3 ? "P1" : "");
        EXPECT_EQ(item.SkupZbo, c.itemSchema >= 3 ? "100" : "");
        EXPECT_EQ(item.Varianta, "");
        EXPECT_EQ(item.NazevSkupiny, "");
        EXPECT_TRUE(item.Skupina.SameAs(CCislo(0)));
        EXPECT_TRUE(item.Typ.SameAs(CCislo(0)));
        EXPECT_TRUE(item.Sirka.SameAs(CCislo(0)));
        EXPECT_EQ(Show(item.PlusKs), "50");
    }

    std::unique_ptr<CNavrh> withoutSettings;
    test::LoadBytes(OldProposal(3, 3, "x"), PersistentClasses(), nullptr,
                    [&](CArchive& ar) { withoutSettings = ar.ReadOwned<CNavrh>(); });
    EXPECT_EQ(Show(withoutSettings->Atyp), "20");
}

TEST(ProposalArchive, OldItemSortsByItsDefaultsWhenSortedAgain)
{
    std::unique_ptr<CNavrh> loaded;
    test::LoadBytes(OldProposal(3, 3, "x"), PersistentClasses(), nullptr,
                    [&](CArchive& ar) { loaded = ar.ReadOwned<CNavrh>(); });
    ASSERT_TRUE(loaded);
    auto brick = FullItem("110440");
    brick->NazevSkupiny = "";
    brick->Typ = CCislo(0);
    loaded->Polozky.insert(loaded->Polozky.begin(), std::move(brick));
    loaded->SeradPolozky();
    // Group 0 and width 0: the old item sorts before the bricks of group 1 of the same label.
    EXPECT_EQ(loaded->Polozky[0]->ObjCislo, "110300");
    EXPECT_EQ(loaded->Polozky[1]->ObjCislo, "110440");
}

TEST(ProposalArchive, EveryTruncationFailsCleanly)
{
    CNavrh original = FullProposal();
    const std::string bytes =
        test::StoreBytes(PersistentClasses(), [&](CArchive& ar) { ar.WriteObject(&original); });
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        try {
            test::LoadBytes(bytes.substr(0, length), PersistentClasses(), nullptr,
                            [](CArchive& ar) { ar.ReadOwned<CNavrh>(); });
            ADD_FAILURE() << "loaded from " << length << " of " << bytes.size() << " bytes";
        } catch (const ArchiveError&) {
            // end of file, or a short class name (bad class)
        }
    }
}

}  // namespace
}  // namespace belvo
