#include "catalogue/material.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_fixtures.h"
#include "catalogue/material_codes.h"
#include "catalogue/palety.h"

namespace belvo {
namespace {

using test::LoadBytes;
using test::SampleMaterial;
using test::StoreBytes;

// Writes a class description of CMaterial with the given stored schema, as an older program
// wrote it, followed by the fields of the blocks up to `version` in archive order.
void WriteOldRecord(CArchive& ar, const CMaterial& m, std::uint16_t schema, int version,
                    const CCislo& reserved = CCislo(0))
{
    ar << std::uint16_t{0xFFFF} << schema << std::uint16_t{9};
    for (const char c : std::string("CMaterial")) ar << static_cast<std::uint8_t>(c);
    ar << m.ObjCislo << m.Nazev << m.Zavod;
    ar << m.Sirka << m.Delka << m.Vyska;
    ar << m.Vaha << m.KsNaPalete << m.CenaPaleta << m.CenaVolna;
    ar << m.ZaklMat;
    ar << m.Skupina << m.Typ;
    ar << m.TypText;
    ar << m.Koeficient << m.Otoceni << m.Malta;
    ar << m.PaletaVaha << m.PaletaCena << m.PaletaVykup;
    ar << m.PaletaNazev;
    if (version >= 2) ar << m.Ttu2 << m.Perlit << m.MaltaZak << reserved;
    if (version >= 3) ar << m.PaletaObjCislo << m.SkupZbo << m.PaletaSkupZbo;
    if (version >= 4) ar << m.Varianta << m.Rezerva1 << m.Rezerva2 << m.Polystyr << m.VariantaKod;
    if (version >= 5) ar << m.DelsiUlozeni;
}

std::unique_ptr<CMaterial> LoadOldRecord(const CMaterial& m, std::uint16_t schema, int version)
{
    const std::string bytes = StoreBytes([&](CArchive& ar) { WriteOldRecord(ar, m, schema, version); });
    std::unique_ptr<CMaterial> loaded;
    LoadBytes(bytes, [&](CArchive& ar) {
        loaded = ar.ReadOwned<CMaterial>();
        EXPECT_EQ(ar.Remaining(), 0u) << "schema " << schema;
    });
    return loaded;
}

// What a record of `version` becomes when read: the fields of later blocks take their defaults.
CMaterial WithDefaultsAfter(CMaterial m, int version)
{
    if (version < 2) {
        m.Ttu2.clear();
        m.Perlit = CCislo(0);
        m.MaltaZak = CCislo(0);
    }
    if (version < 3) {
        m.PaletaObjCislo.clear();
        m.SkupZbo.clear();
        m.PaletaSkupZbo.clear();
    }
    if (version < 4) {
        m.Varianta.clear();
        m.Rezerva1.clear();
        m.Rezerva2.clear();
        m.Polystyr = CCislo(0);
        m.VariantaKod = CCislo(0);
    }
    if (version < 5) m.DelsiUlozeni = CCislo(0);  // the sample's name is no KORVALUX STI
    return m;
}

std::string Describe(const CMaterial& m)
{
    std::string text;
    for (const MaterialField& field : MaterialFields()) {
        text += std::string(field.name) + "=";
        if (field.text) {
            text += m.*field.text;
        } else {
            const CCislo& n = m.*field.number;
            text += n.IsNull() ? "null" : n.Format(Separators{}, CCislo::kPoint);
        }
        text += "; ";
    }
    return text;
}

TEST(CMaterial, DefaultRecordHasEmptyTextsNullNumbersAndKoeficientOne)
{
    const CMaterial m;
    for (const MaterialField& field : MaterialFields()) {
        if (field.text) {
            EXPECT_TRUE((m.*field.text).empty()) << field.name;
        } else if (field.name == "Koeficient") {
            EXPECT_TRUE((m.*field.number).SameAs(CCislo(1))) << field.name;
        } else {
            EXPECT_TRUE((m.*field.number).IsNull()) << field.name;
        }
    }
}

TEST(CMaterial, FieldTableListsEveryFieldOnce)
{
    std::vector<std::string_view> names;
    for (const MaterialField& field : MaterialFields()) {
        EXPECT_NE(field.text == nullptr, field.number == nullptr) << field.name;
        for (const auto name : names) EXPECT_NE(name, field.name);
        names.push_back(field.name);
    }
    // Every member differs from the default when set through the table, so none is missing
    // from StejnyZaznam.
    const CMaterial base;
    for (const MaterialField& field : MaterialFields()) {
        CMaterial changed;
        if (field.text)
            changed.*field.text = "x";
        else
            changed.*field.number = CCislo(7);
        EXPECT_FALSE(changed.StejnyZaznam(base)) << field.name;
    }
}

// Every stored schema loads, and the blocks it lacks get their defaults.
TEST(CMaterial, EverySchemaLoadsWithDefaultsForLaterBlocks)
{
    const CMaterial sample = SampleMaterial();
    for (int version = 1; version <= 5; ++version) {
        SCOPED_TRACE("schema " + std::to_string(version));
        const auto loaded = LoadOldRecord(sample, static_cast<std::uint16_t>(version), version);
        ASSERT_TRUE(loaded);
        const CMaterial expected = WithDefaultsAfter(sample, version);
        EXPECT_TRUE(loaded->StejnyZaznam(expected)) << Describe(*loaded) << "\nexpected\n" << Describe(expected);
    }
}

TEST(CMaterial, SchemaOneDefaultsAreZeroNotNull)
{
    CMaterial sample = SampleMaterial();
    const auto loaded = LoadOldRecord(sample, 1, 1);
    ASSERT_TRUE(loaded);
    for (const CCislo* n : {&loaded->Perlit, &loaded->MaltaZak, &loaded->Polystyr, &loaded->VariantaKod,
                            &loaded->DelsiUlozeni})
        EXPECT_TRUE(n->SameAs(CCislo(0)));
}

TEST(CMaterial, LongerBearingOfOlderFilesFollowsTheName)
{
    struct Case {
        const char* name;
        std::uint16_t schema;
        CCislo stored;  // written only under schema 5
        int expected;
    } const cases[] = {
        {"Překlad KORVALUX STI 23/175", 4, {}, 1},
        {"STI řada KORVALUX", 4, {}, 1},
        {"Překlad KORVALUX 23/175", 4, {}, 0},
        {"Překlad STI 23/175", 4, {}, 0},
        {"překlad korvalux sti", 4, {}, 0},  // the tests are case-sensitive
        {"Překlad KORVALUX STI", 1, {}, 1},
        {"Překlad KORVALUX STI", 5, CCislo(0), 0},  // schema 5 keeps what was stored
        {"Překlad obyčejný", 5, CCislo(1), 1},
    };
    for (const Case& c : cases) {
        CMaterial m = SampleMaterial();
        m.Nazev = c.name;
        m.DelsiUlozeni = c.stored;
        const auto loaded = LoadOldRecord(m, c.schema, c.schema);
        ASSERT_TRUE(loaded);
        EXPECT_TRUE(loaded->DelsiUlozeni.SameAs(CCislo(c.expected))) << c.name << " schema " << c.schema;
    }
}

TEST(CMaterial, RoundTripKeepsEveryField)
{
    CMaterial odd;  // default record: null numbers must stay null, Koeficient 1
    CMaterial rich = SampleMaterial();
    rich.Nazev = std::string(300, 'x') + " – “uvozovky” €";
    const std::string bytes = StoreBytes([&](CArchive& ar) {
        ar.WriteObject(&rich);
        ar.WriteObject(&odd);
    });
    LoadBytes(bytes, [&](CArchive& ar) {
        const auto first = ar.ReadOwned<CMaterial>();
        const auto second = ar.ReadOwned<CMaterial>();
        ASSERT_TRUE(first && second);
        EXPECT_TRUE(first->StejnyZaznam(rich)) << Describe(*first);
        EXPECT_TRUE(second->StejnyZaznam(odd)) << Describe(*second);
        EXPECT_EQ(ar.Remaining(), 0u);
    });
}

// The stored layout, read field by field: archive order, and the reserved number as zero.
TEST(CMaterial, StoresFieldsInArchiveOrderWithReservedZero)
{
    const CMaterial m = SampleMaterial();
    const std::string bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&m); });
    LoadBytes(bytes, [&](CArchive& ar) {
        std::uint16_t tag = 0, schema = 0, nameLength = 0;
        ar >> tag >> schema >> nameLength;
        EXPECT_EQ(tag, 0xFFFF);
        EXPECT_EQ(schema, 5);
        ASSERT_EQ(nameLength, 9);
        std::string name;
        for (int i = 0; i < nameLength; ++i) {
            std::uint8_t c = 0;
            ar >> c;
            name += static_cast<char>(c);
        }
        EXPECT_EQ(name, "CMaterial");

        CMaterial r;
        CCislo reserved;
        ar >> r.ObjCislo >> r.Nazev >> r.Zavod >> r.Sirka >> r.Delka >> r.Vyska >> r.Vaha >> r.KsNaPalete >>
            r.CenaPaleta >> r.CenaVolna >> r.ZaklMat >> r.Skupina >> r.Typ >> r.TypText >> r.Koeficient >>
            r.Otoceni >> r.Malta >> r.PaletaVaha >> r.PaletaCena >> r.PaletaVykup >> r.PaletaNazev >> r.Ttu2 >>
            r.Perlit >> r.MaltaZak >> reserved >> r.PaletaObjCislo >> r.SkupZbo >> r.PaletaSkupZbo >> r.Varianta >>
            r.Rezerva1 >> r.Rezerva2 >> r.Polystyr >> r.VariantaKod >> r.DelsiUlozeni;
        EXPECT_TRUE(r.StejnyZaznam(m)) << Describe(r);
        EXPECT_TRUE(reserved.SameAs(CCislo(0)));
        EXPECT_EQ(ar.Remaining(), 0u);
    });
}

TEST(CMaterial, ReservedNumberIsSkippedOnReading)
{
    const CMaterial m = SampleMaterial();
    const std::string bytes = StoreBytes([&](CArchive& ar) { WriteOldRecord(ar, m, 5, 5, CCislo(725, 2)); });
    LoadBytes(bytes, [&](CArchive& ar) {
        const auto loaded = ar.ReadOwned<CMaterial>();
        ASSERT_TRUE(loaded);
        EXPECT_TRUE(loaded->StejnyZaznam(m)) << Describe(*loaded);
    });
}

// A record of a newer layout carries fields this program does not know: refused, not misread.
TEST(CMaterial, NewerSchemaIsRefused)
{
    const CMaterial m = SampleMaterial();
    const std::string bytes = StoreBytes([&](CArchive& ar) { WriteOldRecord(ar, m, 6, 5); });
    try {
        LoadBytes(bytes, [](CArchive& ar) { ar.ReadOwned<CMaterial>(); });
        FAIL() << "a schema 6 record loaded";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.Cause(), ArchiveCause::BadSchema);
    }
}

TEST(CMaterial, ModularDimensionsAtRangeEdges)
{
    struct Case {
        CCislo dimension;
        CCislo expected;
    } const cases[] = {
        {CCislo(238), CCislo(250)},       {CCislo(240), CCislo(250)},       {CCislo(230), CCislo(250)},
        {CCislo(229), CCislo(229)},       {CCislo(250), CCislo(250)},       {CCislo(251), CCislo(251)},
        {CCislo(153), CCislo(170)},       {CCislo(152), CCislo(152)},       {CCislo(170), CCislo(170)},
        {CCislo(175), CCislo(175)},       {CCislo(290), CCislo(300)},       {CCislo(300), CCislo(300)},
        {CCislo(140), CCislo(150)},       {CCislo(150), CCislo(150)},       {CCislo(186), CCislo(190)},
        {CCislo(190), CCislo(190)},       {CCislo(180), CCislo(185)},       {CCislo(185), CCislo(185)},
        {CCislo(370), CCislo(375)},       {CCislo(376), CCislo(376)},       {CCislo(330), CCislo(340)},
        {CCislo(340), CCislo(340)},       {CCislo(495), CCislo(500)},       {CCislo(500), CCislo(500)},
        {CCislo(501), CCislo(501)},       {CCislo(112), CCislo(125)},       {CCislo(113), CCislo(125)},
        {CCislo(125), CCislo(125)},       {CCislo(111), CCislo(111)},       {CCislo(64), CCislo(75)},
        {CCislo(65), CCislo(75)},         {CCislo(75), CCislo(75)},         {CCislo(63), CCislo(63)},
        {CCislo(0), CCislo(0)},
        // Decimal bounds: just outside stays as catalogued, with its own decimals.
        {CCislo(1255, 1), CCislo(1255, 1)}, {CCislo(2499, 1), CCislo(250)}, {CCislo(22999, 2), CCislo(22999, 2)},
        {CCislo(2400, 1), CCislo(250)},   // the module has no decimals
        {CCislo(), CCislo()},             // null stays null
    };
    for (const Case& c : cases) {
        CMaterial m;
        m.Sirka = c.dimension;
        m.Delka = c.dimension;
        m.Vyska = c.dimension;
        const std::string shown = c.dimension.IsNull() ? "null" : c.dimension.Format(Separators{}, CCislo::kPoint);
        EXPECT_TRUE(m.ModulSirka().SameAs(c.expected)) << shown;
        EXPECT_TRUE(m.ModulDelka().SameAs(c.expected)) << shown;
        EXPECT_TRUE(m.ModulVyska().SameAs(c.expected)) << shown;
    }
}

TEST(CMaterial, FamilyMembership)
{
    struct Case {
        const char* zaklMat;
        const char* family;
        bool expected;
    } const cases[] = {
        {"12;15", "12", true},
        {"12;15", "15", true},
        {"12;15", "1", false},
        {"12;15", "0", false},
        {"12;15;", "0", true},   // the empty last piece reads as null, which is 0
        {"12;15;", "", true},    // so does an empty family code
        {"", "0", true},
        {"", "", true},          // a base brick with an empty ZaklMat
        {"", "12", false},
        {"30", "30", true},
        {"30", "300", false},
        {" 30 ; 44", "44", true},   // spaces are skipped
        // Codes are data: a point or a comma is the decimal separator, in the list and in the
        // given code alike, whatever the locale.
        {"12.5;7", "12,5", true},
        {"12,5;7", "12,5", true},
        {"12,5;7", "12.5", true},
        {"12.5;7", "12", false},
        {"12,5;7", "12", false},
        {"12.5.1;7", "12,5", true},  // a second separator ends the code
        {"12;15", "abc", false},     // a code of letters is null, no piece is
        {"12;15", "15 mm", true},
    };
    for (const Case& c : cases) {
        CMaterial m;
        m.ZaklMat = c.zaklMat;
        EXPECT_EQ(m.PatriDoRodiny(c.family), c.expected) << '"' << c.zaklMat << "\" family \"" << c.family << '"';
    }
    CMaterial base;
    base.ZaklMat = "1 012,50";
    EXPECT_EQ(base.KodRodiny(), CCislo(10125, 1));
}

TEST(CMaterial, RowKindsAndTypeBits)
{
    CMaterial m;
    m.Otoceni = CCislo(0);
    EXPECT_TRUE(m.JeNeotoceny());
    m.Otoceni = CCislo();  // caption rows have no rotation: listed as unrotated
    EXPECT_TRUE(m.JeNeotoceny());
    m.Otoceni = CCislo(1);
    EXPECT_FALSE(m.JeNeotoceny());

    m.ObjCislo = ".";
    EXPECT_TRUE(m.JeTitulekTypu());
    m.ObjCislo = ".1";
    EXPECT_FALSE(m.JeTitulekTypu());

    m.Typ = CCislo(kTypBitRohova | kTypBitKrajovaK);
    EXPECT_TRUE(m.MaTypBit(kTypBitRohova));
    EXPECT_TRUE(m.MaTypBit(kTypBitKrajovaK));
    EXPECT_FALSE(m.MaTypBit(kTypBitPulka));
    m.Typ = CCislo();
    EXPECT_FALSE(m.MaTypBit(0x3F));
}

TEST(CPalety, RoundTripLeavesRowIndexUnstored)
{
    CPalety p;
    p.Nazev = "Paleta EUR";
    p.Cena = CCislo(25000, 2);
    p.Vykup = CCislo(20000, 2);
    p.Pocet = CCislo(3);
    p.Oprava = CCislo(-1);
    p.Vaha = CCislo();
    p.Radek = 5;
    const std::string bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&p); });
    // Class header (2 + 2 + 2 + 7), the text (1 + 10) and five numbers of 13 bytes.
    EXPECT_EQ(bytes.size(), 13u + 11u + 5u * 13u);
    LoadBytes(bytes, [&](CArchive& ar) {
        const auto loaded = ar.ReadOwned<CPalety>();
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->Nazev, p.Nazev);
        EXPECT_TRUE(loaded->Cena.SameAs(p.Cena));
        EXPECT_TRUE(loaded->Vykup.SameAs(p.Vykup));
        EXPECT_TRUE(loaded->Pocet.SameAs(p.Pocet));
        EXPECT_TRUE(loaded->Oprava.SameAs(p.Oprava));
        EXPECT_TRUE(loaded->Vaha.IsNull());
        EXPECT_EQ(loaded->Radek, -1);
    });
}

TEST(CPalety, OtherStoredSchemaIsRefused)
{
    const std::string bytes = StoreBytes([](CArchive& ar) {
        ar << std::uint16_t{0xFFFF} << std::uint16_t{2} << std::uint16_t{7};
        for (const char c : std::string("CPalety")) ar << static_cast<std::uint8_t>(c);
    });
    try {
        LoadBytes(bytes, [](CArchive& ar) { ar.ReadOwned<CPalety>(); });
        FAIL() << "a CPalety of schema 2 loaded";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.Cause(), ArchiveCause::BadSchema);
    }
}

}  // namespace
}  // namespace belvo
