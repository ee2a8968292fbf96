// Loading streams that are cut off, that announce absurd sizes, that nest without end or that
// are plain garbage: every one ends with an ArchiveError, never with a crash, a hang, a leak or
// an allocation the stream cannot justify.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "foundation/archive_test_support.h"

namespace belvo::testing {
namespace {

class ArchiveHostile : public ArchiveTest {
protected:
    // A stream with every kind of value: a group owning walls and a nested group, a link to
    // one of the walls, a decimal, a count and a wide text.
    std::string RichStream()
    {
        TSkupina group;
        group.Nazev = "Přízemí";
        for (const char* name : {"A", "B"}) {
            auto wall = std::make_unique<TZed>();
            wall->Nazev = name;
            wall->Vyska = CCislo(2755, 1);
            wall->Pocet = 2;
            group.Prvky.push_back(std::move(wall));
        }
        auto inner = std::make_unique<TSkupina>();
        inner->Nazev = "Patro";
        inner->Prvky.push_back(std::make_unique<TZed>());
        group.Prvky.push_back(std::move(inner));
        TLink link;
        link.target = group.Prvky[1].get();

        return Store([&](CArchive& ar) {
                   ar.WriteObject(&group);
                   ar.WriteObject(&link);
                   ar << CCislo(-125, 2);
                   ar.WriteCount(2);
               }) +
               Bytes("ff fe ff 03 5a 00 65 00 0f 01");
    }

    static void ReadRich(CArchive& ar)
    {
        auto group = ar.ReadOwned<TSkupina>();
        auto* link = static_cast<TLink*>(ar.ReadObject(&TLink::classInfo));
        CCislo number;
        ar >> number;
        const std::uint32_t count = ar.ReadCount();
        std::string wide;
        ar >> wide;

        ASSERT_TRUE(group && link);
        ASSERT_EQ(group->Prvky.size(), 3u);
        EXPECT_EQ(link->target, group->Prvky[1].get());
        EXPECT_TRUE(number.SameAs(CCislo(-125, 2)));
        EXPECT_EQ(count, 2u);
        EXPECT_EQ(wide, "Zeď");
    }
};

TEST_F(ArchiveHostile, CutAtEveryByte)
{
    const std::string stream = RichStream();
    Load(stream, ReadRich);

    // Where the stream holds class names: a cut inside one is a bad class, any other cut is an
    // unexpected end.
    std::vector<std::pair<std::size_t, std::size_t>> names;
    for (const std::string name : {"TSkupina", "TZed", "TLink"}) {
        const std::size_t at = stream.find(name);
        ASSERT_NE(at, std::string::npos) << name;
        names.emplace_back(at, at + name.size());
    }

    for (std::size_t length = 0; length < stream.size(); ++length) {
        ArchiveCause expected = ArchiveCause::EndOfFile;
        for (const auto& [from, to] : names)
            if (length >= from && length < to) expected = ArchiveCause::BadClass;
        EXPECT_EQ(LoadCause(stream.substr(0, length), ReadRich), expected) << "cut at " << length;
    }
}

TEST_F(ArchiveHostile, StreamShorterThanAnnounced)
{
    const std::string stream = RichStream();
    for (const std::size_t length : {std::size_t{0}, std::size_t{5}, stream.size() / 2, stream.size() - 1}) {
        std::istringstream in(stream.substr(0, length), std::ios::binary);
        CArchive ar(in, stream.size(), "test.kar", registry);
        try {
            ReadRich(ar);
            ADD_FAILURE() << "no error at " << length;
        } catch (const ArchiveError& e) {
            EXPECT_EQ(e.Cause(), ArchiveCause::EndOfFile) << length;
        }
    }
}

struct AbsurdCase {
    const char* name;
    bool group;               // read as a group (with a list), else as a text
    std::string bytes;
    std::uint64_t announced;  // 0: the size of the bytes
};

TEST_F(ArchiveHostile, AbsurdLengthsAndCountsEndTheLoadBeforeAllocating)
{
    const std::string padding(64, 'x');
    const std::string groupClass = Bytes("ff ff 01 00 08 00") + "TSkupina";
    const AbsurdCase cases[] = {
        {"text of 4 GiB", false, Bytes("ff ff ff ff ff ff ff") + padding, 0},
        {"text of 65533", false, Bytes("ff fd ff") + padding, 0},
        {"wide text of 4 Gi characters", false, Bytes("ff fe ff ff ff ff ff ff ff ff") + padding, 0},
        {"wide text of 2 GiB", false, Bytes("ff fe ff ff ff ff 00 00 00 80") + padding, 0},
        {"wide text of odd bytes", false, Bytes("ff fe ff 03 41 00 42 00 43"), 0},
        {"wide markers without end", false, Bytes("ff fe ff ff fe ff ff fe ff ff fe ff ff fe"), 0},
        {"list of 4 Gi objects", true, groupClass + Bytes("00 ff ff ff ff ff ff") + padding, 0},
        {"list of 65534 objects", true, groupClass + Bytes("00 fe ff") + padding, 0},
        // The stream announces far more than it holds: memory follows what arrives.
        {"text of 1 GiB, short stream", false, Bytes("ff ff ff 00 00 00 40") + padding, std::uint64_t{1} << 40},
        {"list of 1 Gi objects, short stream", true, groupClass + Bytes("00 ff ff 00 00 00 40"),
         std::uint64_t{1} << 40},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.bytes, std::ios::binary);
        CArchive ar(in, c.announced ? c.announced : c.bytes.size(), "test.kar", registry);
        try {
            if (c.group) {
                ar.ReadOwned<TSkupina>();
            } else {
                std::string text;
                ar >> text;
            }
            ADD_FAILURE() << c.name << ": no error";
        } catch (const ArchiveError& e) {
            EXPECT_EQ(e.Cause(), ArchiveCause::EndOfFile) << c.name;
        }
    }
    EXPECT_EQ(LoadCause(Bytes("ff ff ff ff ff ff") + padding, [](CArchive& ar) { ar.ReadCount(); }),
              ArchiveCause::EndOfFile);
}

// `depth` nests, each owning the next.
std::string NestChain(std::size_t depth)
{
    std::string stream = Bytes("ff ff 01 00 05 00") + "TNest";
    stream.reserve(stream.size() + 2 * depth);
    for (std::size_t i = 1; i < depth; ++i) stream += Word(0x8001);
    return stream + Word(0);
}

TEST_F(ArchiveHostile, NestingIsBounded)
{
    Load(NestChain(CArchive::kMaxNesting), [](CArchive& ar) {
        auto outer = ar.ReadOwned<TNest>();
        int depth = 0;
        for (const TNest* nest = outer.get(); nest; nest = nest->child.get()) ++depth;
        EXPECT_EQ(depth, CArchive::kMaxNesting);
    });
    // One level more, or a million more, is refused before the stack could run out.
    for (const std::size_t depth : {std::size_t{CArchive::kMaxNesting} + 1, std::size_t{1000000}}) {
        const auto cause = LoadCause(NestChain(depth), [](CArchive& ar) { ar.ReadOwned<TNest>(); });
        EXPECT_EQ(cause, ArchiveCause::TooDeep) << depth;
    }
    EXPECT_NE(ArchiveError("x.kar", ArchiveCause::TooDeep).what(), std::string());
}

// Random damage to a valid stream: whatever the bytes, the load succeeds or ends with an
// ArchiveError (sanitizers watch for the rest).
TEST_F(ArchiveHostile, DamagedStreamsFailCleanly)
{
    const std::string stream = RichStream();
    std::mt19937 random(1250);
    std::uniform_int_distribution<std::size_t> position(0, stream.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    int failures = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = stream;
        const int changes = 1 + round % 4;
        for (int i = 0; i < changes; ++i) damaged[position(random)] = static_cast<char>(byte(random));
        std::istringstream in(damaged, std::ios::binary);
        CArchive ar(in, damaged.size(), "test.kar", registry);
        try {
            auto group = ar.ReadOwned<TSkupina>();
            ar.ReadObject(&TLink::classInfo);
            CCislo number;
            ar >> number;
            ar.ReadCount();
            std::string wide;
            ar >> wide;
        } catch (const ArchiveError&) {
            ++failures;
        }
    }
    EXPECT_GT(failures, 0);
}

}  // namespace
}  // namespace belvo::testing
