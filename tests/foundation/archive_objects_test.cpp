// Object references, class descriptions, schemas, ownership and the causes of failed loads.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <streambuf>

#include "foundation/archive_test_support.h"

namespace belvo::testing {
namespace {

using ArchiveObjects = ArchiveTest;

std::unique_ptr<TZed> Wall(const char* name, std::int32_t pocet)
{
    auto wall = std::make_unique<TZed>();
    wall->Nazev = name;
    wall->Vyska = CCislo(2500);
    wall->Pocet = pocet;
    return wall;
}

// The fields of a wall named by one letter, 2500 high, as Wall() makes it.
std::string WallFields(char letter, std::int32_t pocet)
{
    return std::string{'\x01', letter} + Bytes("c4 09 00 00 00 00 00 00 00 00 00 00 00") +
           Dword(static_cast<std::uint32_t>(pocet));
}

TEST_F(ArchiveObjects, ListOfThreeWalls)
{
    std::vector<std::unique_ptr<TElement>> walls;
    walls.push_back(Wall("A", 1));
    walls.push_back(Wall("B", 2));
    walls.push_back(Wall("C", 3));
    const std::string bytes = Store([&](CArchive& ar) { ar.SerializeList(walls); });

    // The class is described once and takes index 1; the first wall takes index 2, so the
    // further walls name the class by the tag 0x8001.
    EXPECT_EQ(bytes, Bytes("03 00 ff ff 05 00 04 00") + "TZed" + WallFields('A', 1) + Word(0x8001) +
                         WallFields('B', 2) + Word(0x8001) + WallFields('C', 3));

    Load(bytes, [](CArchive& ar) {
        std::vector<std::unique_ptr<TElement>> read;
        ar.SerializeList(read);
        ASSERT_EQ(read.size(), 3u);
        const char* names[] = {"A", "B", "C"};
        for (std::size_t i = 0; i < 3; ++i) {
            const auto* wall = dynamic_cast<const TZed*>(read[i].get());
            ASSERT_NE(wall, nullptr);
            EXPECT_EQ(wall->Nazev, names[i]);
            EXPECT_EQ(wall->Pocet, static_cast<std::int32_t>(i + 1));
            EXPECT_TRUE(wall->Vyska.SameAs(CCislo(2500)));
            EXPECT_EQ(wall->seenSchema, 5u);  // the versionable flag is not part of it
            EXPECT_EQ(wall->secondSchema, 0xFFFFFFFFu);
        }
        EXPECT_EQ(ar.GetObjectSchema(), 0xFFFFFFFFu);  // nothing left over outside the objects
    });

    std::vector<std::unique_ptr<TElement>> none;
    EXPECT_EQ(Store([&](CArchive& ar) { ar.SerializeList(none); }), Bytes("00 00"));
}

TEST_F(ArchiveObjects, SameObjectTwiceIsStoredOnceAndLoadedOnce)
{
    const auto wall = Wall("A", 1);
    const std::string bytes = Store([&](CArchive& ar) {
        ar.WriteObject(wall.get());
        ar.WriteObject(wall.get());
        ar.WriteObject(nullptr);
    });
    EXPECT_EQ(bytes, Bytes("ff ff 05 00 04 00") + "TZed" + WallFields('A', 1) + Bytes("02 00 00 00"));

    Load(bytes, [](CArchive& ar) {
        CObject* first = ar.ReadObject();
        CObject* second = ar.ReadObject(&TElement::classInfo);
        EXPECT_NE(first, nullptr);
        EXPECT_EQ(first, second);
        EXPECT_EQ(ar.ReadObject(), nullptr);
    });
}

TEST_F(ArchiveObjects, SharedReferencesResolveWhicheverSideComesFirst)
{
    TSkupina group;
    group.Nazev = "Přízemí";
    group.Prvky.push_back(Wall("A", 1));
    TLink link;
    link.target = group.Prvky[0].get();

    // The owner first: the link refers back to the wall.
    Load(Store([&](CArchive& ar) {
             ar.WriteObject(&group);
             ar.WriteObject(&link);
         }),
         [](CArchive& ar) {
             auto readGroup = ar.ReadOwned<TSkupina>();
             const auto* readLink = static_cast<const TLink*>(ar.ReadObject(&TLink::classInfo));
             ASSERT_TRUE(readGroup && readLink);
             EXPECT_EQ(readGroup->Nazev, "Přízemí");
             ASSERT_EQ(readGroup->Prvky.size(), 1u);
             EXPECT_EQ(readLink->target, readGroup->Prvky[0].get());
         });

    // The link first: it stores the wall in full, and the group's list then takes ownership of
    // the wall the archive has been holding.
    Load(Store([&](CArchive& ar) {
             ar.WriteObject(&link);
             ar.WriteObject(&group);
         }),
         [](CArchive& ar) {
             const auto* readLink = static_cast<const TLink*>(ar.ReadObject(&TLink::classInfo));
             auto readGroup = ar.ReadOwned<TSkupina>();
             ASSERT_TRUE(readGroup && readLink);
             ASSERT_EQ(readGroup->Prvky.size(), 1u);
             EXPECT_EQ(readLink->target, readGroup->Prvky[0].get());
         });
}

TEST_F(ArchiveObjects, BigTagsBeyondIndex0x7FFE)
{
    // Class TNest takes index 1, its objects 2 to 0x7FFF.
    std::vector<std::unique_ptr<TNest>> nests(0x7FFE);
    for (auto& nest : nests) nest = std::make_unique<TNest>();
    TLink firstLink, secondLink;

    const std::string bytes = Store([&](CArchive& ar) {
        for (const auto& nest : nests) ar.WriteObject(nest.get());
        ar.WriteObject(nests.front().get());
        ar.WriteObject(nests.back().get());
        ar.WriteObject(&firstLink);   // class 0x8000, object 0x8001
        ar.WriteObject(&secondLink);  // object 0x8002
        ar.WriteObject(&firstLink);
    });
    const std::string tail = Word(2) + Bytes("ff 7f ff 7f 00 00") + Bytes("ff ff 01 00 05 00") + "TLink" +
                             Bytes("00 00") + Bytes("ff 7f") + Dword(0x80008000) + Bytes("00 00") + Bytes("ff 7f") +
                             Dword(0x8001);
    ASSERT_GT(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);

    Load(bytes, [&](CArchive& ar) {
        std::vector<CObject*> read(nests.size());
        for (auto& object : read) object = ar.ReadObject(&TNest::classInfo);
        EXPECT_EQ(ar.ReadObject(), read.front());
        EXPECT_EQ(ar.ReadObject(), read.back());
        CObject* link1 = ar.ReadObject(&TLink::classInfo);
        CObject* link2 = ar.ReadObject(&TLink::classInfo);
        EXPECT_NE(link1, link2);
        EXPECT_EQ(ar.ReadObject(), link1);
    });
}

TEST_F(ArchiveObjects, OlderSchemaOfVersionableClassGetsDefaults)
{
    // Two walls stored under schema 4, which had no height or count yet.
    const std::string bytes = Bytes("02 00 ff ff 04 00 04 00") + "TZed" + "\x01" "A" + Word(0x8001) + "\x01" "B";
    Load(bytes, [](CArchive& ar) {
        std::vector<std::unique_ptr<TElement>> walls;
        ar.SerializeList(walls);
        ASSERT_EQ(walls.size(), 2u);
        for (const auto& element : walls) {
            const auto& wall = static_cast<const TZed&>(*element);
            EXPECT_EQ(wall.seenSchema, 4u) << wall.Nazev;
            EXPECT_EQ(wall.secondSchema, 0xFFFFFFFFu);
            EXPECT_TRUE(wall.Vyska.SameAs(CCislo(2500)));
            EXPECT_EQ(wall.Pocet, 1);
        }
    });
}

struct FailureCase {
    const char* name;
    std::string bytes;
    ArchiveCause cause;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

const std::string kNestClass = Bytes("ff ff 01 00 05 00") + "TNest";
const std::string kGroupClass = Bytes("ff ff 01 00 08 00") + "TSkupina";

// Each stream is read as an object of any class, then as an owned element; every one is refused
// with the given cause.
class ArchiveObjectFailures : public ArchiveTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ArchiveObjectFailures, Cause)
{
    const auto& c = GetParam();
    const auto cause = LoadCause(c.bytes, [](CArchive& ar) {
        ar.ReadObject();
        ar.ReadOwned<TElement>();
    });
    EXPECT_EQ(cause, c.cause);
}

INSTANTIATE_TEST_SUITE_P(
    Objects, ArchiveObjectFailures,
    ::testing::Values(
        // Classes.
        FailureCase{"unknown class", Bytes("ff ff 01 00 04 00") + "TWal", ArchiveCause::BadClass},
        FailureCase{"class name case differs", Bytes("ff ff 05 00 04 00") + "tzed" + WallFields('A', 1),
                    ArchiveCause::BadClass},
        FailureCase{"class name of 64", Bytes("ff ff 01 00 40 00") + std::string(64, 'T') + std::string(40, '\0'),
                    ArchiveCause::BadClass},
        FailureCase{"class name of 65535", Bytes("ff ff 01 00 ff ff"), ArchiveCause::BadClass},
        FailureCase{"class name cut off", Bytes("ff ff 05 00 04 00") + "TZ", ArchiveCause::BadClass},
        FailureCase{"abstract class", Bytes("ff ff 01 00 08 00") + "TElement", ArchiveCause::BadClass},
        FailureCase{"not an element", kNestClass + Bytes("00 00") + Word(0x8001) + Bytes("00 00"),
                    ArchiveCause::BadClass},
        FailureCase{"reference to a non-element", kNestClass + Bytes("00 00 02 00"), ArchiveCause::BadClass},
        FailureCase{"null in an owned list", kGroupClass + Bytes("00 01 00 00 00"), ArchiveCause::BadClass},
        // Schemas.
        FailureCase{"non-versionable class, other schema", Bytes("ff ff 02 00 08 00") + "TSkupina" + Bytes("00 00 00"),
                    ArchiveCause::BadSchema},
        // Indices.
        FailureCase{"reference to nothing", Bytes("01 00"), ArchiveCause::BadIndex},
        FailureCase{"big reference to nothing", Bytes("ff 7f 05 00 00 00"), ArchiveCause::BadIndex},
        FailureCase{"class index 0", Bytes("00 80"), ArchiveCause::BadIndex},
        FailureCase{"undescribed class", Bytes("01 80"), ArchiveCause::BadIndex},
        FailureCase{"big undescribed class", Bytes("ff 7f 07 00 00 80"), ArchiveCause::BadIndex},
        FailureCase{"big tag all ones", Bytes("ff 7f ff ff ff ff"), ArchiveCause::BadIndex},
        FailureCase{"reference to a class", kGroupClass + Bytes("00 00 00 01 00"), ArchiveCause::BadIndex},
        FailureCase{"class tag naming an object", kGroupClass + Bytes("00 00 00 02 80"), ArchiveCause::BadIndex},
        FailureCase{"owned twice", kGroupClass + Bytes("00 02 00 ff ff 05 00 04 00") + "TZed" + WallFields('A', 1) +
                                       Bytes("04 00"),
                    ArchiveCause::BadIndex},
        FailureCase{"owns itself", kGroupClass + Bytes("00 01 00 02 00"), ArchiveCause::BadIndex},
        FailureCase{"owns its owner", kGroupClass + Bytes("00 01 00") + Word(0x8001) + Bytes("00 01 00 02 00"),
                    ArchiveCause::BadIndex},
        // Ends.
        FailureCase{"empty stream", "", ArchiveCause::EndOfFile},
        FailureCase{"half a tag", Bytes("ff"), ArchiveCause::EndOfFile},
        FailureCase{"class description cut off", Bytes("ff ff 05"), ArchiveCause::EndOfFile}),
    [](const ::testing::TestParamInfo<FailureCase>& param) { return TestName(param.param.name); });

TEST_F(ArchiveObjects, NestedOwnerSeesItsNestedChildren)
{
    // A nest owning a nest: the inner one is handed to the outer one, the outer to the caller.
    Load(kNestClass + Word(0x8001) + Bytes("00 00"), [](CArchive& ar) {
        auto outer = ar.ReadOwned<TNest>();
        ASSERT_TRUE(outer && outer->child);
        EXPECT_EQ(outer->child->child, nullptr);
    });
}

TEST_F(ArchiveObjects, ObjectsReadBeforeAFailureStayInTheList)
{
    std::vector<std::unique_ptr<TElement>> walls;
    walls.push_back(Wall("A", 1));
    walls.push_back(Wall("B", 2));
    walls.push_back(Wall("C", 3));
    const std::string bytes = Store([&](CArchive& ar) { ar.SerializeList(walls); });

    std::vector<std::unique_ptr<TElement>> read;
    // Cut inside the third wall: the third wall is freed by the archive, two stay.
    EXPECT_EQ(LoadCause(bytes.substr(0, bytes.size() - 3), [&](CArchive& ar) { ar.SerializeList(read); }),
              ArchiveCause::EndOfFile);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1]->Nazev, "B");
}

TEST_F(ArchiveObjects, ErrorMessagesNameTheFileAndTheCause)
{
    EXPECT_STREQ(ArchiveError("cenik.dat", ArchiveCause::EndOfFile).what(),
                 "Soubor \"cenik.dat\" nelze načíst: neočekávaný konec souboru");
    const ArchiveCause causes[] = {ArchiveCause::EndOfFile, ArchiveCause::BadIndex, ArchiveCause::BadClass,
                                   ArchiveCause::BadSchema, ArchiveCause::TooDeep};
    for (const auto a : causes) {
        const ArchiveError error("projekt.kar", a);
        EXPECT_EQ(error.what(), "Soubor \"projekt.kar\" nelze načíst: " + ArchiveError::CauseText(a));
        for (const auto b : causes)
            if (a != b) {
                EXPECT_NE(ArchiveError::CauseText(a), ArchiveError::CauseText(b));
            }
    }
}

// A stream buffer that refuses to take or give anything.
class BrokenBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    int_type underflow() override { throw std::runtime_error("device error"); }
};

TEST_F(ArchiveObjects, StreamFailuresAreFileErrorsNamingTheFile)
{
    BrokenBuffer buffer;
    std::ostream out(&buffer);
    CArchive store(out, "projekt.kar", registry);
    try {
        store << std::string("Zeď");
        store.Flush();
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Path(), "projekt.kar");
        EXPECT_NE(std::string(e.what()).find("projekt.kar"), std::string::npos);
    }

    std::istream in(&buffer);
    CArchive load(in, 100, "cenik.dat", registry);
    std::uint32_t value = 0;
    EXPECT_THROW(load >> value, FileError);
}

TEST_F(ArchiveObjects, StoringRefusesWhatCouldNotBeReadBack)
{
    std::vector<std::unique_ptr<TElement>> withNull;
    withNull.push_back(Wall("A", 1));
    withNull.push_back(nullptr);
    std::ostringstream out;
    CArchive ar(out, "x.kar", registry);
    EXPECT_THROW(ar.SerializeList(withNull), std::logic_error);
    EXPECT_EQ(out.str(), "");  // nothing of the list was written
}

struct TLongName : CObject {
    static const CRuntimeClass classInfo;
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive&) override {}
};
const CRuntimeClass TLongName::classInfo{
    "T123456789012345678901234567890123456789012345678901234567890123", 1, &CreateObject<TLongName>, nullptr};

TEST_F(ArchiveObjects, RegistryRefusesNamesFilesCannotHold)
{
    ClassRegistry classes;
    classes.Add(TZed::classInfo);
    classes.Add(TZed::classInfo);  // the same class again is harmless
    const CRuntimeClass impostor{"TZed", 1, &CreateObject<TNest>, nullptr};
    EXPECT_THROW(classes.Add(impostor), std::invalid_argument);
    EXPECT_THROW(classes.Add(TLongName::classInfo), std::invalid_argument);
    EXPECT_EQ(classes.Find("TZed"), &TZed::classInfo);
    EXPECT_EQ(classes.Find("tzed"), nullptr);

    TLongName object;
    std::ostringstream out;
    CArchive ar(out, "x.kar", classes);
    EXPECT_THROW(ar.WriteObject(&object), std::logic_error);
}

}  // namespace
}  // namespace belvo::testing
