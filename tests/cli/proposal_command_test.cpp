// belvo-cli proposal and check, run as a child process over project files that the tests write.
#include <gtest/gtest.h>

#include <string>

#include "app/persistent_classes.h"
#include "catalogue/price_list_file.h"
#include "cli/cli_runner.h"
#include "cli/sample_project.h"
#include "document/project_file.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "proposal/navrh.h"
#include "support/fixture_element.h"
#include "support/temp_dir.h"
#include "support/test_materials.h"

namespace belvo {
namespace {

using test::RunCli;

const std::map<std::string, std::string> kMarch5{{"SOURCE_DATE_EPOCH", "1457168820"}};  // 5.3.2016 09:07 UTC

class ProposalCommand : public test::ProposalCommandFiles {
protected:
    ProposalCommand() : ProposalCommandFiles("dům.kar")
    {
        auto projekt = std::make_unique<CProjekt>();
        test::FillSampleProject(*projekt).Prvky.push_back(std::make_unique<CSkupina>());
        WriteFiles("[Setup]\nAutor=nikdo\n", std::move(projekt));
    }
};

TEST_F(ProposalCommand, ProjectOfGroupsGivesAnEmptyProposalAsJson)
{
    const auto result = RunCli(Args({"--format", "json"}), kMarch5);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, test::kSampleProposalJsonHead + std::string(R"json(  "messages": [],
  "Polozky": [],
  "Palety": [],
  "totals": {
    "SumaBezDPH": "0",
    "SumaSDPH": "0",
    "PaletyBezDPH": "0",
    "PaletySDPH": "0.00",
    "CenaZbozi": "0.00",
    "Zbozi": "0",
    "CenaObalu": "0.0",
    "Obaly": "0",
    "Ztrata": "0.00",
    "CenaDopravy": "0",
    "MaterialCelkemBezDPH": "0.00",
    "MaterialCelkemSDPH": "0.00",
    "MaterialPoSleveBezDPH": null,
    "MaterialPoSleveSDPH": null,
    "CelkemBezDPH": "0.0",
    "CelkemSDPH": "0.0",
    "HmotnostBrutto": "0"
  }
}
)json"));
}

TEST_F(ProposalCommand, SameInputAndEpochGiveTheSameBytes)
{
    const auto first = RunCli(Args({"--format", "json", "--round-all"}), kMarch5);
    const auto second = RunCli(Args({"--format", "json", "--round-all"}), kMarch5);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, second.out);
    const auto later = RunCli(Args({"--format", "json"}), {{"SOURCE_DATE_EPOCH", "1457254800"}});
    EXPECT_NE(later.out.find("\"Datum\": \"6.3.2016 09:00\""), std::string::npos) << later.out;
}

TEST_F(ProposalCommand, ElementQuickAndSplitOptions)
{
    const auto partial = RunCli(Args({"--format", "json", "--element", "Dům::Přízemí", "--quick", "--split-groups"}),
                                kMarch5);
    ASSERT_EQ(partial.exitCode, 0) << partial.err;
    EXPECT_NE(partial.out.find("\"Jmeno\": \"Dům - Přízemí\""), std::string::npos) << partial.out;
    EXPECT_NE(partial.out.find("\"CelyProjekt\": 0"), std::string::npos);
    EXPECT_NE(partial.out.find("\"Zrychleny\": 1"), std::string::npos);
    EXPECT_NE(partial.out.find("\"Titulek\": \"Zrychlený návrh materiálu pro Dům - Přízemí\""), std::string::npos);

    const auto nested = RunCli(Args({"--format", "json", "--element", "Dům::Přízemí::Skupina"}), kMarch5);
    EXPECT_EQ(nested.exitCode, 0) << nested.err;

    const auto missing = RunCli(Args({"--element", "Dům::Patro"}), kMarch5);
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("Dům::Patro"), std::string::npos) << missing.err;
}

TEST_F(ProposalCommand, TextIsTheDefaultFormat)
{
    const auto result = RunCli(Args({}), kMarch5);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, result.out.find('\n')), "Návrh materiálu pro Dům");
    EXPECT_NE(result.out.find("Datum: 5.3.2016 09:07\n"), std::string::npos);
    EXPECT_NE(result.out.find("Hmotnost brutto: 0 kg\n"), std::string::npos) << result.out;
}

TEST_F(ProposalCommand, BadArgumentsAndUnreadableFiles)
{
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* inError;
    };
    const Case cases[] = {
        {{"proposal"}, 2, "no project file"},
        {{"proposal", project, "--html"}, 2, "needs a value"},
        {{"proposal", project, "--output", dir.File("n.kar")}, 2, "needs --xml"},
        {{"proposal", project, "--format", "xml"}, 2, "unknown format"},
        {{"proposal", project, "--bogus"}, 2, "unknown option"},
        {{"proposal", project, "--settings"}, 2, "needs a value"},
        {{"proposal", dir.File("není.kar"), "--settings", settings}, 3, "není.kar"},
        {{"proposal", project, "--settings", dir.File("není.ini")}, 3, "není.ini"},
        {{"proposal", project, "--settings", settings, "--catalogue", dir.File("není.dat")}, 3, "není.dat"},
        {{"check"}, 2, "no project file"},
        {{"check", dir.File("není.kar")}, 3, "není.kar"},
    };
    for (const Case& c : cases) {
        const auto result = RunCli(c.args, kMarch5);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.inError << "\n" << result.err;
        EXPECT_NE(result.err.find(c.inError), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

TEST_F(ProposalCommand, UnknownElementClassIsAClearError)
{
    ProjectFile file;
    file.CenikId = "CZ";
    auto projekt = std::make_unique<CProjekt>();
    projekt->Prvky.push_back(std::make_unique<test::CTestPrvek>("Cizí"));
    file.projekty.push_back(std::move(projekt));
    const std::string foreign = dir.File("cizí.kar");
    WriteProjectFile(foreign, file, test::TestClasses());

    const auto proposal = RunCli({"proposal", foreign, "--settings", settings}, kMarch5);
    EXPECT_EQ(proposal.exitCode, 3) << proposal.err;
    EXPECT_NE(proposal.err.find("cizí.kar"), std::string::npos) << proposal.err;
    EXPECT_NE(proposal.err.find(ArchiveError::CauseText(ArchiveCause::BadClass)), std::string::npos) << proposal.err;
    const auto check = RunCli({"check", foreign});
    EXPECT_EQ(check.exitCode, 3) << check.err;
    EXPECT_NE(check.err.find("cizí.kar"), std::string::npos) << check.err;
}

TEST_F(ProposalCommand, CheckOfACompleteProject)
{
    const auto result = RunCli({"check", project});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    const std::string emptyCatalogue = dir.File("prázdný.dat");
    WritePriceListFile(emptyCatalogue, "CZ", CMaterialList{}, PersistentClasses());
    EXPECT_EQ(RunCli({"check", project, "--catalogue", emptyCatalogue}).exitCode, 0);
}

}  // namespace
}  // namespace belvo
