// The demo projects that the build writes beside the demo price list: they hold what a family
// house and a garage are made of, and their proposals come out complete, with every material
// found in the demo price list and nothing to report.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "app/persistent_classes.h"
#include "cli/cli_runner.h"
#include "document/project_file.h"
#include "model/projekt.h"
#include "support/temp_dir.h"
#include "walls/zed.h"

namespace belvo {
namespace {

using test::RunCli;
using test::TempDir;

std::string DemoProject(const char* name) { return std::string(BELVO_BUILD_DIR) + "/data/" + name; }

// The order numbers of the items in the JSON output.
std::set<std::string> ItemNumbers(const std::string& json)
{
    std::set<std::string> numbers;
    const std::regex item(R"re("ObjCislo": "([^"]*)")re");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), item); it != std::sregex_iterator(); ++it)
        numbers.insert((*it)[1]);
    return numbers;
}

class DemoProjectsTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string settings = dir.File("belvo.ini");

    void SetUp() override
    {
        // The lintels over the openings are designed, as the settings dialog proposes.
        TempDir::WriteBytes(settings, "[Setup]\nAutor=demo\nPreklady=A\nNosne=A\n");
    }
};

TEST_F(DemoProjectsTest, HouseHasItsFloorsWallsOpeningsAndCeiling)
{
    ProjectFile file;
    ReadProjectFile(DemoProject("demo-dum.kar"), PersistentClasses(), nullptr, file);
    EXPECT_EQ(file.CenikId, "CZ-demo");
    EXPECT_GT(file.materials.size(), 250u);
    ASSERT_EQ(file.projekty.size(), 1u);
    const CProjekt& dum = *file.projekty[0];
    EXPECT_EQ(dum.PrvniRadek(), "Rodinný dům Zahradní");
    EXPECT_EQ(dum.CenikId, file.CenikId);
    std::vector<std::string> groups;
    int walls = 0;
    int openings = 0;
    for (const auto& group : dum.Prvky) {
        groups.push_back(group->Nazev);
        for (const auto& element : group->Prvky)
            if (const auto* zed = dynamic_cast<const CZed*>(element.get())) {
                ++walls;
                openings += static_cast<int>(zed->Okna.size());
            }
    }
    EXPECT_EQ(groups, (std::vector<std::string>{"Přízemí", "Strop nad přízemím", "Podkroví", "Terasa a okolí"}));
    EXPECT_GE(walls, 7);
    EXPECT_GE(openings, 8);
    EXPECT_TRUE(file.navrhy.empty());
}

TEST_F(DemoProjectsTest, ProposalsAreCompleteAndReportNothing)
{
    struct Case {
        const char* project;
        std::vector<std::string> expected;  // some items the project must produce
    };
    const Case cases[] = {
        {"demo-dum.kar",
         {"101440", "101444", "103115", "106475", "107190", "108080", "138001", "150002", "154001", "154002",
          "153100", "151001"}},
        {"demo-garaz.kar", {"101300", "109300", "139100", "139900", "141260", "160250", "104290"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.project);
        const test::CliResult check = RunCli({"check", DemoProject(c.project)});
        EXPECT_EQ(check.exitCode, 0) << check.out << check.err;

        const test::CliResult result =
            RunCli({"proposal", DemoProject(c.project), "--settings", settings, "--format", "json"});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        // Nothing missing, nothing failed: the interactive program would show no message.
        EXPECT_EQ(result.err, "");
        EXPECT_NE(result.out.find("\"messages\": []"), std::string::npos) << result.out.substr(0, 2000);
        const std::set<std::string> items = ItemNumbers(result.out);
        for (const std::string& objCislo : c.expected) EXPECT_TRUE(items.count(objCislo)) << objCislo;
        // Lintels were designed over the openings.
        EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const std::string& n) { return n.starts_with("109"); }));
        EXPECT_EQ(result.out.find("\"CelkemSDPH\": null"), std::string::npos);
    }
}

}  // namespace
}  // namespace belvo
