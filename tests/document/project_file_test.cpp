#include <gtest/gtest.h>

#include "settings/memory_settings_store.h"
#include "app/persistent_classes.h"
#include "catalogue/price_list_file.h"
#include "document/project_file.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "proposal/navrh.h"
#include "support/fixture_element.h"
#include "support/memory_archive.h"
#include "support/temp_dir.h"
#include "support/test_materials.h"

namespace belvo {
namespace {

using test::CTestPrvek;
using test::TempDir;

ProjectFile SampleFile()
{
    ProjectFile file;
    file.CenikId = "CZ20160515 14:30 (Kč)/K1";
    test::Add(file.materials, {"110300", "Cihla 30"});
    test::Add(file.materials, {"380001", "Malta", 38});
    auto projekt = std::make_unique<CProjekt>();
    projekt->Nazev = "Dům\nBrno";
    projekt->CenikId = file.CenikId;
    auto group = std::make_unique<CSkupina>();
    group->Nazev = "Přízemí";
    group->Prvky.push_back(std::make_unique<CTestPrvek>(
        "Zeď 1", std::vector<CTestPrvek::Contribution>{{"110300", CCislo(950)}}));
    projekt->Prvky.push_back(std::move(group));
    file.projekty.push_back(std::move(projekt));
    auto navrh = std::make_unique<CNavrh>();
    navrh->Nazev = "Uložený";
    navrh->Datum = "5.3.2016 09:07";
    navrh->Polozky.push_back(std::make_unique<CPolozka>());
    navrh->Polozky.back()->ObjCislo = "110300";
    file.navrhy.push_back(std::move(navrh));
    return file;
}

TEST(ProjectFileTest, WrittenAndReadWithAllFourParts)
{
    TempDir dir;
    const std::string path = dir.File("dům.kar");
    ProjectFile file = SampleFile();
    WriteProjectFile(path, file, test::TestClasses());

    ProjectFile loaded;
    loaded.CenikId = "leftover";
    ReadProjectFile(path, test::TestClasses(), nullptr, loaded);
    EXPECT_EQ(loaded.CenikId, "CZ20160515 14:30 (Kč)/K1");
    ASSERT_EQ(loaded.materials.size(), 2u);
    EXPECT_EQ(loaded.materials[1].Nazev, "Malta");
    ASSERT_EQ(loaded.projekty.size(), 1u);
    EXPECT_EQ(loaded.projekty[0]->Nazev, "Dům\nBrno");
    ASSERT_EQ(loaded.projekty[0]->Prvky.size(), 1u);
    EXPECT_EQ(loaded.projekty[0]->Prvky[0]->Prvky.at(0)->Nazev, "Zeď 1");
    ASSERT_EQ(loaded.navrhy.size(), 1u);
    EXPECT_EQ(loaded.navrhy[0]->Nazev, "Uložený");
    EXPECT_EQ(loaded.navrhy[0]->Polozky.at(0)->ObjCislo, "110300");

    // A project file starts like a price-list file, so it reads as one.
    const PriceList priceList = ReadPriceListFile(path, test::TestClasses());
    EXPECT_EQ(priceList.CenikId, "CZ20160515 14:30 (Kč)/K1");
    EXPECT_EQ(priceList.materials.size(), 2u);

    // Writing is byte for byte repeatable.
    const std::string again = dir.File("znovu.kar");
    WriteProjectFile(again, loaded, test::TestClasses());
    EXPECT_EQ(TempDir::ReadBytes(again), TempDir::ReadBytes(path));
}

TEST(ProjectFileTest, OlderFileEndsAfterTheProjects)
{
    ProjectFile file = SampleFile();
    const std::string bytes = test::StoreBytes(test::TestClasses(), [&](CArchive& ar) {
        ar << file.CenikId;
        file.materials.Store(ar);
        ar.SerializeList(file.projekty);
    });
    TempDir dir;
    const std::string path = dir.File("stary.kar");
    TempDir::WriteBytes(path, bytes);
    ProjectFile loaded;
    ReadProjectFile(path, test::TestClasses(), nullptr, loaded);
    EXPECT_EQ(loaded.projekty.size(), 1u);
    EXPECT_TRUE(loaded.navrhy.empty());
}

TEST(ProjectFileTest, DamagedFilesFailNamingTheFile)
{
    TempDir dir;
    const std::string path = dir.File("projekt.kar");
    ProjectFile file = SampleFile();
    WriteProjectFile(path, file, test::TestClasses());
    const std::string bytes = TempDir::ReadBytes(path);

    // Cut inside the proposals: a damaged file, not an older one.
    const std::string cut = dir.File("useknuty.kar");
    TempDir::WriteBytes(cut, bytes.substr(0, bytes.size() - 5));
    ProjectFile loaded;
    try {
        ReadProjectFile(cut, test::TestClasses(), nullptr, loaded);
        FAIL() << "a truncated file loaded";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.Cause(), ArchiveCause::EndOfFile);
        EXPECT_NE(std::string(error.what()).find("useknuty.kar"), std::string::npos);
    }
    EXPECT_EQ(loaded.projekty.size(), 1u);  // what was read before the failure stays

    // A file with an element class this program does not know.
    try {
        ReadProjectFile(path, PersistentClasses(), nullptr, loaded);
        FAIL() << "an unknown class loaded";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.Cause(), ArchiveCause::BadClass);
    }

    EXPECT_THROW(ReadProjectFile(dir.File("není.kar"), test::TestClasses(), nullptr, loaded), FileError);
}

TEST(ProjectFileTest, FailedWriteLeavesTheOldFile)
{
    TempDir dir;
    const std::string path = dir.File("projekt.kar");
    ProjectFile file = SampleFile();
    WriteProjectFile(path, file, test::TestClasses());
    const std::string before = TempDir::ReadBytes(path);

    // A failure in the middle of storing.
    static_cast<CTestPrvek&>(*file.projekty[0]->Prvky[0]->Prvky[0]).failWhileStoring = true;
    file.CenikId = "changed";
    EXPECT_THROW(WriteProjectFile(path, file, test::TestClasses()), std::runtime_error);
    EXPECT_EQ(TempDir::ReadBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace belvo
