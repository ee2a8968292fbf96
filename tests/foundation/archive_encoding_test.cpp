// The byte layout of primitive values, decimals, texts and counts.
#include <gtest/gtest.h>

#include <sstream>

#include "foundation/archive_test_support.h"
#include "foundation/cp1250.h"

namespace belvo::testing {
namespace {

using ArchiveEncoding = ArchiveTest;

TEST_F(ArchiveEncoding, PrimitivesAreLittleEndianAndUnpadded)
{
    const std::string bytes = Store([](CArchive& ar) {
        ar << std::uint8_t{0xAB} << std::uint16_t{0x1234} << std::int32_t{-2} << std::uint32_t{0xDEADBEEF}
           << true << false;
    });
    EXPECT_EQ(bytes, Bytes("ab 34 12 fe ff ff ff ef be ad de 01 00 00 00 00 00 00 00"));

    Load(bytes, [](CArchive& ar) {
        std::uint8_t b = 0;
        std::uint16_t w = 0;
        std::int32_t i = 0;
        std::uint32_t u = 0;
        bool t = false, f = true;
        ar >> b >> w >> i >> u >> t >> f;
        EXPECT_EQ(b, 0xAB);
        EXPECT_EQ(w, 0x1234);
        EXPECT_EQ(i, -2);
        EXPECT_EQ(u, 0xDEADBEEFu);
        EXPECT_TRUE(t);
        EXPECT_FALSE(f);
    });
    // Any non-zero integer reads as true.
    Load(Bytes("00 01 00 00"), [](CArchive& ar) {
        bool v = false;
        ar >> v;
        EXPECT_TRUE(v);
    });
}

struct DecimalCase {
    const char* name;
    CCislo value;
    const char* bytes;
};

TEST_F(ArchiveEncoding, DecimalTakesThirteenBytes)
{
    const DecimalCase cases[] = {
        {"2.5", CCislo(25, 1), "19 00 00 00 00 00 00 00 01 00 00 00 00"},
        {"null", CCislo(), "00 00 00 00 00 00 00 00 00 01 00 00 00"},
        {"zero", CCislo(0, 0), "00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"-0.001", CCislo(-1, 3), "ff ff ff ff ff ff ff ff 03 00 00 00 00"},
        {"2^32 + 1", CCislo(std::int64_t{0x100000001}), "01 00 00 00 01 00 00 00 00 00 00 00 00"},
        {"18 places", CCislo(INT64_MAX, 18), "ff ff ff ff ff ff ff 7f 12 00 00 00 00"},
    };
    for (const auto& c : cases) {
        const std::string bytes = Store([&](CArchive& ar) { ar << c.value; });
        EXPECT_EQ(bytes, Bytes(c.bytes)) << c.name;
        Load(bytes, [&](CArchive& ar) {
            CCislo read(7);
            ar >> read;
            EXPECT_TRUE(read.SameAs(c.value)) << c.name;
        });
    }
}

TEST_F(ArchiveEncoding, DecimalFromHostileBytes)
{
    struct Case {
        const char* name;
        const char* bytes;
        CCislo expected;
    } const cases[] = {
        // Any non-zero null flag is null, whatever the other bytes hold.
        {"null flag 2 with digits", "19 00 00 00 00 00 00 00 01 02 00 00 00", CCislo()},
        // More places than 64 bits can carry are rounded to 18.
        {"scale 20", "15 81 e9 7d f4 10 22 11 14 00 00 00 00", CCislo(12345678901234568, 18)},
        {"scale 255", "01 00 00 00 00 00 00 00 ff 00 00 00 00", CCislo(0, 18)},
    };
    for (const auto& c : cases) {
        Load(Bytes(c.bytes), [&](CArchive& ar) {
            CCislo read;
            ar >> read;
            EXPECT_TRUE(read.SameAs(c.expected)) << c.name << ": " << read.Mantissa() << " scale " << read.Scale();
        });
    }
}

struct TextCase {
    std::size_t length;
    const char* prefix;
};

TEST_F(ArchiveEncoding, TextLengthPrefixes)
{
    const TextCase cases[] = {
        {0, "00"},
        {1, "01"},
        {254, "fe"},
        {255, "ff ff 00"},
        {65533, "ff fd ff"},
        {65534, "ff ff ff fe ff 00 00"},
        {70000, "ff ff ff 70 11 01 00"},
    };
    for (const auto& c : cases) {
        const std::string text(c.length, 'x');
        const std::string bytes = Store([&](CArchive& ar) { ar << text; });
        EXPECT_EQ(bytes, Bytes(c.prefix) + text) << c.length;
        Load(bytes, [&](CArchive& ar) {
            std::string read = "old";
            ar >> read;
            EXPECT_EQ(read, text) << c.length;
        });
    }
}

TEST_F(ArchiveEncoding, TextsAreWindows1250InTheFile)
{
    const std::string czech = "Příliš žluťoučký kůň úpěl ďábelské ódy";
    const std::string bytes = Store([&](CArchive& ar) {
        ar << czech;
        ar << std::string("Zeď 日");
    });
    EXPECT_EQ(bytes, "\x26" + Utf8ToCp1250(czech) + "\x05Ze\xEF ?");
    Load(bytes, [&](CArchive& ar) {
        std::string a, b;
        ar >> a >> b;
        EXPECT_EQ(a, czech);
        EXPECT_EQ(b, "Zeď ?");
    });
}

TEST_F(ArchiveEncoding, WideTextsOfOldFilesAreRead)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::string expected;
    } const cases[] = {
        {"short", Bytes("ff fe ff 03 5a 00 65 00 0f 01"), "Zeď"},
        {"empty", Bytes("ff fe ff 00"), ""},
        {"word length", Bytes("ff fe ff ff 02 00 ac 20 3d d8"), "€\uFFFD"},
        {"4-byte length", Bytes("ff fe ff ff ff ff 02 00 00 00 3d d8 00 de"), "\xF0\x9F\x98\x80"},
        {"beyond the code page", Bytes("ff fe ff 01 e5 65"), "日"},
    };
    for (const auto& c : cases) {
        Load(c.bytes, [&](CArchive& ar) {
            std::string read;
            ar >> read;
            EXPECT_EQ(read, c.expected) << c.name;
        });
    }
}

struct CountCase {
    std::uint32_t count;
    const char* bytes;
};

TEST_F(ArchiveEncoding, Counts)
{
    const CountCase cases[] = {
        {0, "00 00"},
        {3, "03 00"},
        {65534, "fe ff"},
        {65535, "ff ff ff ff 00 00"},
        {70000, "ff ff 70 11 01 00"},
    };
    for (const auto& c : cases) {
        const std::string bytes = Store([&](CArchive& ar) { ar.WriteCount(c.count); });
        EXPECT_EQ(bytes, Bytes(c.bytes)) << c.count;
        // The reader wants the elements to fit in what follows.
        Load(bytes + std::string(c.count, '\0'), [&](CArchive& ar) {
            EXPECT_EQ(ar.ReadCount(), c.count);
            EXPECT_EQ(ar.Remaining(), c.count);
        }, false);
    }
}

TEST_F(ArchiveEncoding, CountMustFitTheRemainingBytes)
{
    const std::string tenElements = Bytes("0a 00") + std::string(10, '\0');
    Load(tenElements, [](CArchive& ar) { EXPECT_EQ(ar.ReadCount(1), 10u); }, false);
    Load(tenElements, [](CArchive& ar) { EXPECT_EQ(ar.ReadCount(0), 10u); }, false);
    EXPECT_EQ(LoadCause(tenElements, [](CArchive& ar) { ar.ReadCount(2); }), ArchiveCause::EndOfFile);
}

TEST_F(ArchiveEncoding, UnflushedBytesReachTheStream)
{
    std::ostringstream out(std::ios::binary);
    const std::string big(100000, 'x');  // more than one block
    {
        CArchive ar(out, "test.kar", registry);
        ar << big << std::uint8_t{7};
    }
    EXPECT_EQ(out.str(), Bytes("ff ff ff a0 86 01 00") + big + Bytes("07"));
}

TEST_F(ArchiveEncoding, ObjectSchemaIsNeverSetWhileStoring)
{
    Store([](CArchive& ar) {
        EXPECT_TRUE(ar.IsStoring());
        EXPECT_EQ(ar.GetObjectSchema(), 0xFFFFFFFFu);
    });
    Load("", [](CArchive& ar) {
        EXPECT_TRUE(ar.IsLoading());
        EXPECT_EQ(ar.GetObjectSchema(), 0xFFFFFFFFu);
    });
}

}  // namespace
}  // namespace belvo::testing
