// The archive forms of walls, openings, slants and plinth sections: files of every older
// schema load with their defaults, a schema-4 wall's plinth becomes a plinth section, and a
// wall written and read back is written again byte for byte.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "app/persistent_classes.h"
#include "walls/wall_fixture.h"

namespace belvo {
namespace {

using test::AddOpening;
using test::AddPlinth;
using test::Show;
using test::Wall;

std::string StoreBytes(const std::function<void(CArchive&)>& write)
{
    std::ostringstream out(std::ios::binary);
    {
        CArchive ar(out, "zed.kar", PersistentClasses());
        write(ar);
        ar.Flush();
    }
    return out.str();
}

template <class T>
std::unique_ptr<T> LoadObject(const std::string& bytes)
{
    std::istringstream in(bytes, std::ios::binary);
    CArchive ar(in, bytes.size(), "zed.kar", PersistentClasses());
    auto object = ar.ReadOwned<T>();
    EXPECT_EQ(ar.Remaining(), 0u);
    return object;
}

std::optional<ArchiveCause> LoadCause(const std::string& bytes)
{
    try {
        LoadObject<CPrvek>(bytes);
    } catch (const ArchiveError& error) {
        return error.Cause();
    }
    return std::nullopt;
}

// The class description of a new object as an older program wrote it.
void WriteClass(CArchive& ar, const std::string& name, std::uint16_t schema)
{
    ar << std::uint16_t{0xFFFF} << schema << static_cast<std::uint16_t>(name.size());
    for (const char c : name) ar << static_cast<std::uint8_t>(c);
}

// The fields of a wall as a program of `schema` wrote them, with the opening lists written by
// `writeLists` (openings, slants and children; plinth sections for schema 5).
struct OldWall {
    std::string Nazev = "Zeď stará";
    CCislo Pocet = CCislo(2);
    CCislo Sirka = CCislo(300);
    CCislo Delka = CCislo(5000);
    CCislo Vyska = CCislo(2500);
    std::int32_t Rohy = 3;
    CCislo VnitrniRohy = CCislo(1);
    std::int32_t TeplaMalta = 1;
    std::int32_t Omitka = 2;
    CCislo Rohy135 = CCislo(1);
    CCislo SarePerlit = CCislo(5);
    std::int32_t ZaklMalta = 1;
    CCislo Sokl = CCislo(3);
    CCislo SoklStarySirka = CCislo(300);
    std::string SoklStaryText = "SB1 Cihla soklová";
    std::string SoklStaryObjCislo = "SB1";
    CCislo SoklStaryOtoceni = CCislo(0);
    std::string Skladba = "(D3)+(7)";

    void Write(CArchive& ar, std::uint16_t schema, const std::function<void(CArchive&)>& writeOpenings = {}) const
    {
        WriteClass(ar, "CZed", schema);
        ar << Nazev << Pocet << std::string("popis") << Sirka << Delka << Vyska;
        ar << std::string("B Cihla") << std::string("B") << CCislo(0);
        ar << Rohy << VnitrniRohy << TeplaMalta << Omitka;
        if (schema >= 2) ar << Rohy135 << SarePerlit;
        if (schema >= 3) ar << ZaklMalta;
        if (schema >= 4) ar << Sokl << SoklStarySirka << SoklStaryText << SoklStaryObjCislo << SoklStaryOtoceni << Skladba;
        if (schema >= 5) ar.WriteCount(0);
        if (writeOpenings) writeOpenings(ar);
        else ar.WriteCount(0);
        ar.WriteCount(0);  // slants
        ar.WriteCount(0);  // children
    }
};

TEST(WallArchive, OlderWallsLoadWithTheDefaultsOfTheirMissingBlocks)
{
    const OldWall old;
    for (std::uint16_t schema = 1; schema <= 3; ++schema) {
        const auto wall = LoadObject<CZed>(StoreBytes([&](CArchive& ar) { old.Write(ar, schema); }));
        ASSERT_TRUE(wall) << schema;
        EXPECT_EQ(wall->Nazev, old.Nazev);
        EXPECT_EQ(Show(wall->Pocet), "2");
        EXPECT_EQ(wall->Rohy, 3);
        EXPECT_EQ(Show(wall->VnitrniRohy), "1");
        EXPECT_EQ(wall->Omitka, 2);
        EXPECT_EQ(Show(wall->Rohy135), schema >= 2 ? "1" : "0") << schema;
        EXPECT_EQ(Show(wall->SarePerlit), schema >= 2 ? "5" : "0") << schema;
        EXPECT_EQ(wall->ZaklMalta, schema >= 3 ? 1 : 0) << schema;
        EXPECT_TRUE(wall->Sokl.SameAs(CCislo(0)));
        EXPECT_TRUE(wall->SoklStarySirka.IsNull());
        EXPECT_TRUE(wall->SoklStaryOtoceni.IsNull());
        EXPECT_TRUE(wall->SoklStaryText.empty() && wall->SoklStaryObjCislo.empty() && wall->Skladba.empty());
        EXPECT_TRUE(wall->Sokly.empty());
    }
}

TEST(WallArchive, SchemaFourPlinthBecomesTheFirstPlinthSection)
{
    OldWall old;
    const std::string bytes = StoreBytes([&](CArchive& ar) { old.Write(ar, 4); });
    const auto wall = LoadObject<CZed>(bytes);
    ASSERT_EQ(wall->Sokly.size(), 1u);
    const CZedSokl& plinth = *wall->Sokly[0];
    EXPECT_EQ(plinth.Nazev, "Sokl");
    EXPECT_EQ(Show(plinth.PocetSaru), "3");
    EXPECT_EQ(plinth.MaterialText, old.SoklStaryText);
    EXPECT_EQ(plinth.ObjCislo, "SB1");
    EXPECT_EQ(Show(plinth.SirkaModul), "300");
    EXPECT_EQ(Show(plinth.Otoceni), "0");
    EXPECT_TRUE(plinth.VyskaModul.SameAs(CCislo(0)));
    EXPECT_EQ(plinth.Volby, 53);
    // Perlite courses now count above the plinth; the plinth flag keeps its old value.
    EXPECT_EQ(Show(wall->SarePerlit), "2");
    EXPECT_EQ(Show(wall->Sokl), "3");
    EXPECT_EQ(wall->Skladba, "(D3)+(7)");

    // Written back in the current schema: the old fields unchanged, and read again nothing is
    // converted a second time.
    const std::string current = StoreBytes([&](CArchive& ar) { ar.WriteObject(wall.get()); });
    const auto again = LoadObject<CZed>(current);
    EXPECT_EQ(again->Sokly.size(), 1u);
    EXPECT_EQ(Show(again->SarePerlit), "2");
    EXPECT_EQ(again->SoklStaryObjCislo, "SB1");
    EXPECT_EQ(again->SoklStaryText, old.SoklStaryText);
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(again.get()); }), current);

    // Fewer perlite courses than plinth courses leave none; a wall without a plinth gets no
    // section.
    old.SarePerlit = CCislo(2);
    EXPECT_TRUE(LoadObject<CZed>(StoreBytes([&](CArchive& ar) { old.Write(ar, 4); }))->SarePerlit.SameAs(CCislo(0)));
    old.Sokl = CCislo(0);
    old.SarePerlit = CCislo(5);
    const auto flat = LoadObject<CZed>(StoreBytes([&](CArchive& ar) { old.Write(ar, 4); }));
    EXPECT_TRUE(flat->Sokly.empty());
    EXPECT_EQ(Show(flat->SarePerlit), "5");
}

TEST(WallArchive, OlderOpeningsLoadWithTheDefaultsOfTheirMissingBlocks)
{
    for (std::uint16_t schema = 1; schema <= 6; ++schema) {
        const OldWall old;
        const auto wall = LoadObject<CZed>(StoreBytes([&](CArchive& ar) {
            old.Write(ar, 5, [&](CArchive& a) {
                a.WriteCount(1);
                WriteClass(a, "COkna", schema);
                a << std::string("Okno") << CCislo(1200) << CCislo(1500) << CCislo(2) << CCislo(1800000);
                if (schema >= 2) a << std::int32_t{0} << std::int32_t{0};           // Dole, Strany
                if (schema >= 3) a << std::int32_t{kPrekladNosne};                 // Preklady
                if (schema >= 4) a << std::int32_t{1};                             // Polystyren
                if (schema >= 5) a << CCislo(65);                                  // Vylozeni
                if (schema >= 6) a << CCislo(3) << std::int32_t{2};                // PocetPrekladu, TypDole
                a.WriteCount(0);
            });
        }));
        ASSERT_EQ(wall->Okna.size(), 1u) << schema;
        const COkna& o = *wall->Okna[0];
        EXPECT_EQ(o.Nazev, "Okno");
        EXPECT_EQ(Show(o.Plocha), "1800000");
        EXPECT_EQ(o.Dole, schema >= 2 ? 0 : 1) << schema;
        EXPECT_EQ(o.Strany, schema >= 2 ? 0 : 1) << schema;
        EXPECT_EQ(o.Preklady, schema >= 3 ? kPrekladNosne : 0) << schema;
        EXPECT_EQ(o.Polystyren, schema >= 4 ? 1 : 0) << schema;
        EXPECT_EQ(Show(o.Vylozeni), schema >= 5 ? "65" : "0") << schema;
        EXPECT_EQ(Show(o.PocetPrekladu), schema >= 6 ? "3" : "0") << schema;
        EXPECT_EQ(o.TypDole, schema >= 6 ? 2 : 1) << schema;
    }
}

TEST(WallArchive, WallWrittenAndReadBackIsWrittenIdentically)
{
    auto wall = Wall(365, 7250, 2840);
    wall->Nazev = "Obvodová zeď – jih";
    wall->Popis = "dvě okna, dveře";
    wall->Pocet = CCislo(2);
    wall->Otoceni = CCislo(1);
    wall->Rohy = kRohPrvni;
    wall->VnitrniRohy = CCislo(1);
    wall->Rohy135 = CCislo(2);
    wall->SarePerlit = CCislo(3);
    wall->TeplaMalta = 1;
    wall->ZaklMalta = 1;
    wall->Omitka = 3;
    wall->Skladba = "(D2)+(8+2n)";
    wall->SoklStaryText = "stará";
    COkna& okno = AddOpening(*wall, 1200, 1500, 2);
    okno.Preklady = kPrekladNosne | kPrekladVariantaB | kPrekladPolystyren;
    okno.Vylozeni = CCislo(125, 1);
    okno.TypDole = 2;
    COkna& area = AddOpening(*wall, 0, 0);
    area.Plocha = CCislo(750000);
    area.Sirka = CCislo();
    auto slant = std::make_unique<CZkoseni>();
    slant->Nazev = "Zkosení";
    slant->Delka = CCislo(600);
    slant->Vyska = CCislo(300);
    slant->Plocha = CCislo(90000);
    wall->Zkoseni.push_back(std::move(slant));
    AddPlinth(*wall, "SB", 2, kSoklVolbyPrvni | kSoklPerlit).VyskaModul = CCislo(250);
    AddPlinth(*wall, "SB", 1, kSoklHorni | kSoklPreklady);
    wall->Prvky.push_back(Wall(300, 1000, 1000));

    const std::string bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(wall.get()); });
    const auto loaded = LoadObject<CZed>(bytes);
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(loaded.get()); }), bytes);
    EXPECT_EQ(loaded->Nazev, wall->Nazev);
    EXPECT_EQ(loaded->Okna.size(), 2u);
    EXPECT_TRUE(loaded->Okna[1]->Sirka.IsNull());
    EXPECT_EQ(loaded->Okna[0]->Preklady, okno.Preklady);
    EXPECT_EQ(loaded->Zkoseni.size(), 1u);
    EXPECT_EQ(loaded->Sokly.size(), 2u);
    EXPECT_EQ(loaded->Sokly[1]->Volby, kSoklHorni | kSoklPreklady);
    ASSERT_EQ(loaded->Prvky.size(), 1u);
    EXPECT_NE(dynamic_cast<CZed*>(loaded->Prvky[0].get()), nullptr);
}

TEST(WallArchive, ClassNamesAndSchemasAsFilesRecordThem)
{
    const auto wall = Wall(300, 5000, 2500);
    const std::string bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(wall.get()); });
    EXPECT_EQ(bytes.substr(0, 10), std::string("\xFF\xFF\x05\x00\x04\x00" "CZed", 10));

    // A slant is not versionable: another schema cannot be read.
    const std::string slant = StoreBytes([](CArchive& ar) {
        WriteClass(ar, "CZkoseni", 2);
        ar << std::string("Z") << CCislo(1) << CCislo(1) << CCislo(1) << CCislo(1);
        ar.WriteCount(0);
    });
    EXPECT_EQ(LoadCause(slant), ArchiveCause::BadSchema);

    // A list of openings that holds a slant is refused.
    const std::string wrongKind = StoreBytes([](CArchive& ar) {
        OldWall().Write(ar, 5, [](CArchive& a) {
            a.WriteCount(1);
            a.WriteObject(std::make_unique<CZkoseni>().get());
        });
    });
    EXPECT_EQ(LoadCause(wrongKind), ArchiveCause::BadClass);
}

TEST(WallArchive, TruncatedWallFailsToLoad)
{
    auto wall = Wall(300, 5000, 2500);
    AddOpening(*wall, 1000, 1000);
    AddPlinth(*wall, "SB", 2, kSoklVolbyPrvni);
    const std::string bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(wall.get()); });
    // Cut inside a value: end of file; cut inside a class name: bad class.
    for (std::size_t cut = 1; cut < bytes.size(); ++cut)
        EXPECT_TRUE(LoadCause(bytes.substr(0, cut)).has_value()) << cut;
    EXPECT_EQ(LoadCause(bytes.substr(0, bytes.size() - 1)), ArchiveCause::EndOfFile);
}

}  // namespace
}  // namespace belvo
