#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "foundation/archive_test_support.h"
#include "foundation/atomic_file.h"
#include "foundation/errors.h"
#include "foundation/file_path.h"
#include "foundation/input_file.h"

namespace belvo::testing {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ArchiveTest {
protected:
    AtomicFile()
    {
        folder = fs::temp_directory_path() / ("belvo-atomic-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    ~AtomicFile() override
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    std::string PathOf(const std::string& name) const { return PathToUtf8(folder / PathFromUtf8(name)); }

    static std::string Contents(const std::string& path)
    {
        std::ifstream in(PathFromUtf8(path), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The names in the folder, to see that no temporary file is left behind.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(PathToUtf8(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
};

TEST_F(AtomicFile, WritesAndReplaces)
{
    const std::string path = PathOf("Zeď přízemí.kar");
    WriteFileAtomically(path, [](std::ostream& out) { out << "first"; });
    EXPECT_EQ(Contents(path), "first");
    WriteFileAtomically(path, [](std::ostream& out) { out << "second"; });
    EXPECT_EQ(Contents(path), "second");
    EXPECT_EQ(Names(), std::vector<std::string>{"Zeď přízemí.kar"});
}

TEST_F(AtomicFile, FailedWriteLeavesTheOldFile)
{
    const std::string path = PathOf("cenik.dat");
    WriteFileAtomically(path, [](std::ostream& out) { out << "old"; });

    // The writer's own failure passes through unchanged.
    EXPECT_THROW(WriteFileAtomically(path,
                                     [](std::ostream& out) {
                                         out << "half of the new";
                                         throw std::runtime_error("calculation failed");
                                     }),
                 std::runtime_error);
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"cenik.dat"});

    // A stream that reports an error is a file error naming the file.
    try {
        WriteFileAtomically(path, [](std::ostream& out) {
            out << "new";
            out.setstate(std::ios::badbit);
        });
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Path(), path);
    }
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"cenik.dat"});
}

TEST_F(AtomicFile, UnwritablePlacesAreFileErrors)
{
    const std::string missingFolder = PathOf("chybí/projekt.kar");
    try {
        WriteFileAtomically(missingFolder, [](std::ostream& out) { out << "x"; });
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(missingFolder), std::string::npos) << e.what();
    }

    // A folder in the way of the target: the rename fails, nothing is left behind.
    fs::create_directory(folder / "projekt.kar");
    EXPECT_THROW(WriteFileAtomically(PathOf("projekt.kar"), [](std::ostream& out) { out << "x"; }), FileError);
    EXPECT_EQ(Names(), std::vector<std::string>{"projekt.kar"});
}

TEST_F(AtomicFile, OpeningForLoading)
{
    const std::string path = PathOf("cenik.dat");
    WriteFileAtomically(path, [](std::ostream& out) { out << "12345"; });
    InputFile input = OpenInputFile(path);
    EXPECT_EQ(input.size, 5u);
    std::string read(5, '\0');
    input.stream.read(read.data(), 5);
    EXPECT_EQ(read, "12345");

    struct Case {
        std::string path;
        const char* cause;
    } const cases[] = {
        {PathOf("není.dat"), "soubor neexistuje"},
        {PathToUtf8(folder), "není to obyčejný soubor"},
    };
    for (const auto& c : cases) {
        try {
            OpenInputFile(c.path);
            ADD_FAILURE() << c.path;
        } catch (const FileError& e) {
            EXPECT_EQ(e.what(), "Soubor \"" + c.path + "\": " + c.cause);
        }
    }
}

TEST_F(AtomicFile, ArchiveThroughFiles)
{
    const std::string path = PathOf("projekt.kar");
    TSkupina group;
    group.Nazev = "Přízemí";
    group.Prvky.push_back(std::make_unique<TZed>());
    WriteFileAtomically(path, [&](std::ostream& out) {
        CArchive ar(out, path, registry);
        ar.WriteObject(&group);
        ar.Flush();
    });

    InputFile input = OpenInputFile(path);
    CArchive ar(input.stream, input.size, path, registry);
    auto read = ar.ReadOwned<TSkupina>();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Nazev, "Přízemí");
    EXPECT_EQ(read->Prvky.size(), 1u);
    EXPECT_EQ(ar.Remaining(), 0u);
}

}  // namespace
}  // namespace belvo::testing
