// The outputs of a proposal as its summary leaves it: a fresh proposal split into pallets by the
// table model, a cell edited by the user, recomputed; every output shows what the tables show.
#include <gtest/gtest.h>

#include "proposal/html_page.h"
#include "proposal/output_fixture.h"
#include "proposal/output_source.h"
#include "proposal/proposal_report.h"
#include "proposal/summary_model.h"
#include "proposal/xml_export.h"
#include "support/recording_canvas.h"
#include "support/scripted_ui.h"

namespace belvo {
namespace {

using testing::AddItem;
using testing::D;

class OutputsFromSummary : public ::testing::Test {
protected:
    OutputsFromSummary()
    {
        testing::FillProposal(navrh);
        // Freshly computed: no split yet, no discount set.
        AddItem(navrh, {.palet = CCislo(), .plusKs = CCislo(), .sleva = CCislo()});
        navrh.DopravaCena = D("500.00");
        project.name = "Rodinný dům\nBrno";
        project.author = "Novák";
        project.created = "1.2.2016";
    }

    OutputSource Source(SummaryModel& summary) { return MakeOutputSource(summary, project); }

    CNavrh navrh;
    ProjectHeader project;
    ScriptedUi ui;
};

TEST_F(OutputsFromSummary, TheSplitAndTheTotalsOfTheTableReachEveryOutput)
{
    SummaryModel summary(navrh, SummarySettings{}, Separators{",", " "}, ui);
    summary.Otevri(false);
    const OutputSource source = Source(summary);
    EXPECT_EQ(source.currency, "Kč");

    const std::string page = BuildHtmlPage(source, PrintOptions{});
    EXPECT_NE(page.find("<TD align=\"right\">900</TD>"), std::string::npos);
    EXPECT_NE(page.find("<TD align=\"left\">Belvo 30 P+D(volně)</TD>"), std::string::npos);
    const SummaryTotals& t = summary.Totals();
    const Separators sep{",", " "};
    EXPECT_NE(page.find(">" + t.CelkemBezDPH.Format(sep, CCislo::kGroupThousands, 2) + "</TD>"), std::string::npos);
    EXPECT_NE(page.find(">" + t.CelkemSDPH.Format(sep, CCislo::kGroupThousands, 2) + "</TD>"), std::string::npos);
    // The pallet row that the recompute made: 9 EUR pallets.
    EXPECT_NE(page.find("<TD align=\"left\">EUR paleta</TD>\n\t\t\t\t<TD align=\"right\">300,00</TD>\n"
                        "\t\t\t\t<TD align=\"right\">9</TD>"),
              std::string::npos)
        << page;
    // 9600 + 2700 pallets + 500 transport.
    EXPECT_EQ(t.CelkemBezDPH.Format(sep, 0, 2), "12800,00");

    RecordingCanvas canvas;
    ProposalReport report(source, PrintOptions{}, {}, {}, &ui);
    canvas.PrintAll(report);
    EXPECT_NE(canvas.FindText("Palety (obaly):   EUR paleta"), nullptr);
    EXPECT_NE(canvas.FindText("12 800,00"), nullptr);

    const std::string xml = BuildXmlDocument(navrh, "x.xml", "", sep);
    EXPECT_NE(xml.find("<Mnozstvi>900</Mnozstvi>"), std::string::npos);
    EXPECT_NE(xml.find("<Mnozstvi>50</Mnozstvi>"), std::string::npos);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OutputsFromSummary, AnEditedCellCountsOnceTheSummaryRecomputes)
{
    SummaryModel summary(navrh, SummarySettings{}, Separators{",", " "}, ui);
    summary.Otevri(false);
    summary.Items().SetText(1, SummaryModel::kPalet, "10");
    summary.Items().SetText(1, SummaryModel::kPlusKs, "0");
    summary.Pocitej();
    const OutputSource source = Source(summary);

    const std::string page = BuildHtmlPage(source, PrintOptions{});
    EXPECT_NE(page.find("<TD align=\"right\">1 000</TD>"), std::string::npos);
    EXPECT_EQ(page.find("(volně)"), std::string::npos);
    const std::string xml = BuildXmlDocument(navrh, "x.xml", "", Separators{",", " "});
    EXPECT_NE(xml.find("<Mnozstvi>1000</Mnozstvi>"), std::string::npos);
    EXPECT_NE(xml.find("<Mnozstvi>10</Mnozstvi>"), std::string::npos);
    EXPECT_EQ(xml.find("<RozbalenyObal>ANO</RozbalenyObal>"), std::string::npos);
}

}  // namespace
}  // namespace belvo
