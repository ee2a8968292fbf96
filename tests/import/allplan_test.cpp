#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "foundation/cp1250.h"
#include "foundation/errors.h"
#include "import/allplan_csv.h"
#include "materials/element_fixture.h"
#include "materials/kusy.h"
#include "materials/strop.h"
#include "model/skupina.h"

namespace belvo::test {
namespace {

const char kHeading[] = "Pozice;Název;Typ;Délka;Šířka;Výška;Počet;Atyp;Délka2\r\n";

class AllplanTest : public ElementTest {
protected:
    void SetUp() override
    {
        Add("N2000", 6, 0, N("120"), N("2000"), N("250"));
        Add("V250", 7, 0, N("500"), N("250"), N("200"));
        auto caption = Record(".", -499, 3, CCislo(), CCislo(), CCislo());
        caption->Nazev = "Panel 25";
        caption->Zavod = "KSP 25";
        Put(std::move(caption));
        Add("K4200", 499, 3, N("1200"), N("4200"), N("250"));
        Add("K3000", 499, 3, N("1200"), N("3000"), N("250"));
    }

    // Imports a file whose lines are given in UTF-8; the file itself is Windows-1250.
    AllplanImport Import(const std::string& utf8Text)
    {
        std::istringstream in(Utf8ToCp1250(utf8Text));
        return ImportujAllplan(in, "strop", "/projekty/strop.csv", materials, Separators{});
    }

    static const CKusy& KusyAt(const AllplanImport& result, std::size_t index)
    {
        return dynamic_cast<const CKusy&>(*result.skupina->Prvky.at(index));
    }
};

TEST_F(AllplanTest, HeadingOnlyGivesAnEmptyGroupNamedAfterTheFile)
{
    const AllplanImport result = Import(kHeading);
    EXPECT_EQ(result.skupina->Nazev, "Import strop");
    EXPECT_EQ(result.skupina->Popis, "Import Allplan \r\n/projekty/strop.csv\r\n");
    EXPECT_TRUE(result.skupina->Prvky.empty());
    EXPECT_TRUE(result.nezpracovane.empty());

    EXPECT_TRUE(Import("").skupina->Prvky.empty());
}

TEST_F(AllplanTest, BeamFoundAndBeamNotFound)
{
    const AllplanImport result = Import(std::string(kHeading) +
                                        "1;SN KARNO;;2000;120;250;5\r\n"
                                        "2;SN KARNO;;2100;120;250;5\r\n");
    ASSERT_EQ(result.skupina->Prvky.size(), 1u);
    const CKusy& beam = KusyAt(result, 0);
    EXPECT_EQ(beam.Nazev, "1;SN KARNO;;2000;120;250;5");
    EXPECT_EQ(beam.ObjCislo, "N2000");
    EXPECT_EQ(beam.MaterialText, "N2000 Materiál N2000 (Závod)");
    EXPECT_EQ(beam.Skupina, 6);
    EXPECT_EQ(beam.TreePicture(), 16);
    EXPECT_EQ(beam.Atyp, 0);
    EXPECT_EQ(beam.Pocet, CCislo(5));
    EXPECT_EQ(result.nezpracovane, "2;SN KARNO;;2100;120;250;5\r\n");
}

TEST_F(AllplanTest, DimensionsAreComparedByValue)
{
    const AllplanImport result = Import(std::string(kHeading) + "1;SN KARNO;;2000,0;120;250,00;5\n");
    ASSERT_EQ(result.skupina->Prvky.size(), 1u);
    EXPECT_EQ(KusyAt(result, 0).ObjCislo, "N2000");
}

TEST_F(AllplanTest, InsertsTakeTheirLengthFromTheSecondDimension)
{
    const AllplanImport result = Import(std::string(kHeading) + "3;SV VELTO;;500;250;200;40\n"
                                                                "4;SV VELTO;;250;500;200;40\n");
    ASSERT_EQ(result.skupina->Prvky.size(), 1u);
    const auto& insert = dynamic_cast<const CVelto&>(*result.skupina->Prvky[0]);
    EXPECT_EQ(insert.ObjCislo, "V250");
    EXPECT_EQ(insert.PocetKusu, CCislo(40));
    EXPECT_EQ(insert.Delka, CCislo(0));
    EXPECT_FALSE(insert.Delka.IsNull());
    EXPECT_EQ(insert.PocetPoli, CCislo(1));
    EXPECT_EQ(result.nezpracovane, "4;SV VELTO;;250;500;200;40\r\n");
}

TEST_F(AllplanTest, PanelsByTypeKeywordAndField9)
{
    const AllplanImport result = Import(std::string(kHeading) +
                                        "5;KSP KARNO;KSP 25;3000;1200;250;2;;4200\n"
                                        "6;KSP KARNO;KSP 25;3000;1200;250;1;A\n"
                                        "7;KSP KARNO;KSP 30;3000;1200;250;1\n");
    ASSERT_EQ(result.skupina->Prvky.size(), 2u);
    const CKusy& byField9 = KusyAt(result, 0);
    EXPECT_EQ(byField9.ObjCislo, "K4200");  // field 4 (3000) is ignored
    EXPECT_EQ(byField9.Skupina, 499);
    EXPECT_EQ(byField9.TreePicture(), 23);
    EXPECT_EQ(byField9.Atyp, 0);
    EXPECT_EQ(byField9.Pocet, CCislo(2));
    const CKusy& atypical = KusyAt(result, 1);
    EXPECT_EQ(atypical.ObjCislo, "K3000");
    EXPECT_EQ(atypical.Atyp, 1);
    EXPECT_EQ(result.nezpracovane, "7;KSP KARNO;KSP 30;3000;1200;250;1\r\n");  // no such type
}

TEST_F(AllplanTest, RingBeamsAndUnknownPartsAreReported)
{
    const AllplanImport result = Import(std::string(kHeading) +
                                        "8;VĚNCOVKA;;2000;120;250;5\n"
                                        "9;Věncovka;;2000;120;250;5\n"
                                        "10;sn karno;;2000;120;250;5\n");
    EXPECT_TRUE(result.skupina->Prvky.empty());
    EXPECT_EQ(result.nezpracovane,
              "8;VĚNCOVKA;;2000;120;250;5\r\n9;Věncovka;;2000;120;250;5\r\n10;sn karno;;2000;120;250;5\r\n");
}

TEST_F(AllplanTest, LineWithoutASemicolonEndsTheImport)
{
    for (const char* stop : {"\r\n", "\n", "konec\n"}) {
        SCOPED_TRACE(stop);
        const AllplanImport result = Import(std::string(kHeading) + "1;SN KARNO;;2000;120;250;5\n" + stop +
                                            "2;SN KARNO;;2000;120;250;5\n"
                                            "3;VĚNCOVKA\n");
        EXPECT_EQ(result.skupina->Prvky.size(), 1u);
        EXPECT_TRUE(result.nezpracovane.empty());
    }
}

TEST_F(AllplanTest, LastLineWithoutALineEndKeepsAllItsCharacters)
{
    const AllplanImport result = Import(std::string(kHeading) + "1;SN KARNO;;2000;120;250;5\n"
                                                                "2;SN KARNO;;2000;120;250;7");
    ASSERT_EQ(result.skupina->Prvky.size(), 2u);
    EXPECT_EQ(KusyAt(result, 1).Nazev, "2;SN KARNO;;2000;120;250;7");
    EXPECT_EQ(KusyAt(result, 1).Pocet, CCislo(7));

    const AllplanImport reported = Import(std::string(kHeading) + "2;VĚNCOVKA;;1;2;3;4");
    EXPECT_EQ(reported.nezpracovane, "2;VĚNCOVKA;;1;2;3;4\r\n");
}

TEST_F(AllplanTest, LongLinesArriveInPiecesOf3999Characters)
{
    // A line of 5000 characters: its first 3999 are a line of their own, the rest another.
    const std::string longLine = "1;XX;" + std::string(4995, 'a');
    const AllplanImport result = Import(std::string(kHeading) + longLine + "\n");
    EXPECT_EQ(result.nezpracovane, longLine.substr(0, 3999) + "\r\n");  // the rest has no ";"

    const std::string split = std::string(3997, 'b') + ";;" + "7;SN KARNO;;2000;120;250;5\n";
    const AllplanImport second = Import(std::string(kHeading) + split);
    ASSERT_EQ(second.skupina->Prvky.size(), 1u);
    EXPECT_EQ(KusyAt(second, 0).Nazev, "7;SN KARNO;;2000;120;250;5");
}

TEST_F(AllplanTest, GarbageNeverCrashes)
{
    std::mt19937 random(20160515);
    std::string garbage;
    for (int i = 0; i < 200000; ++i) garbage.push_back(static_cast<char>(random() & 0xFF));
    std::istringstream in(std::string(kHeading) + "1;x\n" + garbage);
    const AllplanImport result = ImportujAllplan(in, "g", "/g.csv", materials, Separators{});
    EXPECT_TRUE(result.skupina != nullptr);

    // A zero byte ends a line's text, as it did when lines were C strings.
    using namespace std::string_literals;
    std::istringstream zeros(std::string(kHeading) + "1;VENCOVKA\0;tail\n"s + std::string(10, '\0'));
    const AllplanImport cut = ImportujAllplan(zeros, "z", "/z.csv", materials, Separators{});
    EXPECT_EQ(cut.nezpracovane, "1;VENCOVKA\r\n");
}

TEST_F(AllplanTest, OversizedFileIsRefused)
{
    std::istringstream in(std::string(kHeading) + std::string(kMaxAllplanBytes, ';'));
    EXPECT_THROW(ImportujAllplan(in, "big", "/big.csv", materials, Separators{}), FileError);
}

TEST_F(AllplanTest, FilesAreReadByPathAndRefusedWhenUnreadable)
{
    const auto dir = std::filesystem::temp_directory_path() / "belvo_allplan_test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "Strop 1.csv";
    {
        std::ofstream out(file, std::ios::binary);
        out << Utf8ToCp1250(std::string(kHeading) + "1;SN KARNO;;2000;120;250;5\r\n8;VĚNCOVKA;;1;1;1;1\r\n");
    }
    const AllplanImport result = ImportujAllplan(file.string(), materials, Separators{});
    EXPECT_EQ(result.skupina->Nazev, "Import Strop 1");
    EXPECT_EQ(result.skupina->Popis, "Import Allplan \r\n" + file.string() + "\r\n");
    EXPECT_EQ(result.skupina->Prvky.size(), 1u);
    EXPECT_EQ(result.nezpracovane, "8;VĚNCOVKA;;1;1;1;1\r\n");

    EXPECT_THROW(ImportujAllplan((dir / "chybí.csv").string(), materials, Separators{}), FileError);
    EXPECT_THROW(ImportujAllplan(dir.string(), materials, Separators{}), FileError);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace belvo::test
