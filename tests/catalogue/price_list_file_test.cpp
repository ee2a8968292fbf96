#include "catalogue/price_list_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/catalogue_fixtures.h"
#include "catalogue/palety.h"
#include "support/temp_dir.h"

namespace belvo {
namespace {

using test::CatalogueRegistry;
using test::TempDir;

CMaterialList SampleList()
{
    CMaterialList list;
    CMaterial m = test::SampleMaterial();
    list.Append(std::make_unique<CMaterial>(m));
    m.Otoceni = CCislo(1);
    m.Sirka = CCislo(247);
    m.Delka = CCislo(300);
    list.Append(std::make_unique<CMaterial>(m));
    auto caption = std::make_unique<CMaterial>();
    caption->ObjCislo = ".";
    caption->Skupina = CCislo(-499);
    caption->Nazev = "Panel typu A";
    list.Append(std::move(caption));
    return list;
}

const std::string kLabel = "CZ20160515 14:30 (Kč)/KLIC";

void ExpectSameList(const CMaterialList& actual, const CMaterialList& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_TRUE(actual[i].StejnyZaznam(expected[i])) << i;
}

TEST(PriceListFile, WriteThenReadGivesTheSameLabelAndList)
{
    TempDir dir;
    const std::string path = dir.File("cenik.dat");
    const CMaterialList list = SampleList();
    WritePriceListFile(path, kLabel, list, CatalogueRegistry());

    const PriceList read = ReadPriceListFile(path, CatalogueRegistry());
    EXPECT_EQ(read.CenikId, kLabel);
    ExpectSameList(read.materials, list);
    EXPECT_EQ(read.materials.Find("10030", CCislo(1))->Delka, CCislo(300));

    // Label first (one length byte and Windows-1250 text), then the count of the list.
    const std::string bytes = TempDir::ReadBytes(path);
    ASSERT_GT(bytes.size(), 30u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 26u);
    EXPECT_EQ(bytes.substr(1, 26), "CZ20160515 14:30 (K\xe8)/KLIC");
    EXPECT_EQ(bytes.substr(27, 2), std::string("\x03\x00", 2));
}

TEST(PriceListFile, EmptyListIsLabelAndZeroCount)
{
    TempDir dir;
    const std::string path = dir.File("prazdny.dat");
    WritePriceListFile(path, "", CMaterialList(), CatalogueRegistry());
    EXPECT_EQ(TempDir::ReadBytes(path), std::string("\x00\x00\x00", 3));
    const PriceList read = ReadPriceListFile(path, CatalogueRegistry());
    EXPECT_EQ(read.CenikId, "");
    EXPECT_TRUE(read.materials.empty());
}

TEST(PriceListFile, OverwritesAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string path = dir.File("cenik.dat");
    WritePriceListFile(path, "první", SampleList(), CatalogueRegistry());
    WritePriceListFile(path, "druhý", CMaterialList(), CatalogueRegistry());
    EXPECT_EQ(ReadPriceListFile(path, CatalogueRegistry()).CenikId, "druhý");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()),
              1);
}

TEST(PriceListFile, WriteIntoMissingFolderFailsNamingTheFile)
{
    TempDir dir;
    const std::string path = dir.File("neni/cenik.dat");
    try {
        WritePriceListFile(path, kLabel, SampleList(), CatalogueRegistry());
        FAIL() << "written into a missing folder";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
}

// Every cut of a valid file fails as end of file (as bad class inside a class description) and
// keeps the records read until then; the error names the file.
TEST(PriceListFile, TruncatedFileFailsClearlyAtEveryLength)
{
    const CMaterialList list = SampleList();
    const std::string bytes = test::StoreBytes([&](CArchive& ar) { StorePriceList(ar, kLabel, list); });
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        PriceList into;
        try {
            test::LoadBytes(bytes.substr(0, length),
                            [&](CArchive& ar) { SerializePriceList(ar, into.CenikId, into.materials); });
            ADD_FAILURE() << "a file cut to " << length << " bytes loaded";
        } catch (const ArchiveError& error) {
            EXPECT_TRUE(error.Cause() == ArchiveCause::EndOfFile || error.Cause() == ArchiveCause::BadClass)
                << length << ": " << error.what();
        }
        ASSERT_LE(into.materials.size(), list.size());
        for (std::size_t i = 0; i < into.materials.size(); ++i)
            EXPECT_TRUE(into.materials[i].StejnyZaznam(list[i])) << "cut " << length << " record " << i;
    }

    TempDir dir;
    const std::string path = dir.File("useknutý.dat");
    TempDir::WriteBytes(path, std::string_view(bytes).substr(0, bytes.size() - 20));
    PriceList into;
    try {
        ReadPriceListFile(path, CatalogueRegistry(), into);
        FAIL() << "a cut file loaded";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.Cause(), ArchiveCause::EndOfFile);
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
    EXPECT_EQ(into.CenikId, kLabel);
    EXPECT_EQ(into.materials.size(), 2u);
}

// Damaged bytes anywhere either still load or fail with an archive error; nothing else escapes.
TEST(PriceListFile, DamagedBytesFailOnlyAsArchiveErrors)
{
    const CMaterialList list = SampleList();
    const std::string bytes = test::StoreBytes([&](CArchive& ar) { StorePriceList(ar, kLabel, list); });
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        for (const char value : {'\x00', '\x7f', '\xff'}) {
            std::string damaged = bytes;
            damaged[at] = value;
            PriceList into;
            try {
                test::LoadBytes(damaged, [&](CArchive& ar) { SerializePriceList(ar, into.CenikId, into.materials); });
            } catch (const ArchiveError&) {
            } catch (const std::exception& error) {
                ADD_FAILURE() << "byte " << at << " set to " << int(static_cast<unsigned char>(value)) << ": "
                              << error.what();
            }
        }
    }
}

TEST(PriceListFile, MissingFileAndFolderRaiseFileError)
{
    TempDir dir;
    for (const std::string& path : {dir.File("neni.dat"), dir.Path().string()}) {
        try {
            ReadPriceListFile(path, CatalogueRegistry());
            ADD_FAILURE() << path << " loaded";
        } catch (const FileError& error) {
            EXPECT_EQ(error.Path(), path);
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        }
    }
}

// The list holds only material records; anything else in it fails the load.
TEST(PriceListFile, OtherObjectInTheListIsRefused)
{
    TempDir dir;
    const std::string path = dir.File("cizi.dat");
    CPalety pallet;
    TempDir::WriteBytes(path, test::StoreBytes([&](CArchive& ar) {
        ar << std::string("štítek");
        ar.WriteCount(1);
        ar.WriteObject(&pallet);
    }));
    try {
        ReadPriceListFile(path, CatalogueRegistry());
        FAIL() << "a pallet loaded as a material";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.Cause(), ArchiveCause::BadClass);
    }
}

// An absurd count in a short file fails at once instead of allocating for it.
TEST(PriceListFile, AbsurdCountFailsAsEndOfFile)
{
    TempDir dir;
    const std::string path = dir.File("pocet.dat");
    TempDir::WriteBytes(path, std::string("\x01x\xff\xff\xff\xff\xff\x7f", 8));
    try {
        ReadPriceListFile(path, CatalogueRegistry());
        FAIL() << "loaded";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.Cause(), ArchiveCause::EndOfFile);
    }
}

}  // namespace
}  // namespace belvo
