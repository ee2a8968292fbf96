#include "proposal/html_page.h"

#include "proposal/legend.h"
#include "proposal/navrh.h"

namespace belvo {

namespace {

// The fixed parts of the page, in the order they appear.
constexpr std::string_view kPageStart =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\n"
    "<html>\n"
    "\t<head>\n"
    "\t\t<title>";

constexpr std::string_view kAfterTitle =
    "</title>\n"
    "\t\t<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">\n"
    "\t</head>\n"
    "\t<body>\n"
    "\t\t<P>\n"
    "\t\t\t<IMG src=\"Belvo.bmp\" align=\"right\" height=\"92\" width=\"142\">\n"
    "\t\t\t<br>\n"
    "\t\t\t<FONT size=\"6\"><STRONG>";

constexpr std::string_view kAfterName =
    "</STRONG></FONT>&nbsp;\n"
    "\t\t</P>\n"
    "\t\t<STRONG><FONT face=\"Tahoma\" size=\"3\">";

constexpr std::string_view kAfterSecondLine =
    "</FONT></STRONG>\n"
    "\t\t<HR width=\"100%\" align=\"justify\" color=\"#009999\" SIZE=\"4\">\n"
    "\t\t";

constexpr std::string_view kBeforeProposalName =
    "\n"
    "\t\t<br>\n"
    "\t\t<br>\n"
    "\t\t<FONT size=\"5\">";

constexpr std::string_view kItemTableStart =
    "</FONT>\n"
    "\t\t<TABLE id=\"Table1\" cellSpacing=\"0\" cellPadding=\"0\" width=\"100%\" border=\"1\" borderColor=\"white\" borderColorDark=\"#eeeeee\" borderColorLight=\"white\">\n"
    "\t\t\t<TR bgColor=\"#66ffff\">\n"
    "\t\t\t\t<TD height=\"50\" align=\"middle\">obj. číslo</TD>\n"
    "\t\t\t\t<TD height=\"50\" align=\"middle\">požadovaný materiál</TD>\n"
    "\t\t\t\t<TD height=\"50\" align=\"middle\">ceníková cena</TD>\n"
    "\t\t\t\t<TD height=\"50\" align=\"middle\">U<SUB>2</SUB> [W/m<SUP>2</SUP>K]</TD>\n"
    "\t\t\t\t<TD height=\"50\" align=\"middle\">návrh ks</TD>\n"
    "\t\t\t\t<TD height=\"50\" align=\"middle\">oprava ks</TD>\n"
    "\t\t\t\t<TD height=\"50\" align=\"middle\">celkem ks</TD>\n"
    "\t\t\t\t<TD height=\"50\" align=\"middle\">sleva %</TD>\n"
    "\t\t\t\t<TD height=\"50\" align=\"middle\" width=\"100\">cena bez DPH</TD>\n"
    "\t\t\t\t<TD height=\"50\" align=\"middle\" width=\"100\">cena s DPH</TD>\n"
    "\t\t\t</TR>\n";

constexpr std::string_view kGoodsTotalsStart =
    "\t\t</TABLE>\n"
    "\t\t<HR width=\"100%\" SIZE=\"5\" color=\"#000000\">\n"
    "\t\t<TABLE WIDTH=\"100%\" BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\" bgColor=\"#ffccee\" borderColorDark=\"#ffccee\" borderColor=\"#ffccee\">\n"
    "\t\t\t<TR>\n";

constexpr std::string_view kPalletTableStart =
    "\t\t</TABLE>\n"
    "\t\t<BR>\n"
    "\t\t<TABLE WIDTH=\"100%\" BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\" ID=\"Table3\" borderColor=\"white\" borderColorDark=\"#eeeeee\" borderColorLight=\"white\">\n"
    "  <TR bgColor=#e0e0e0>\n"
    "    <TD align=middle >Palety (obaly): </TD>\n"
    "    <TD align=middle width=\"10%\">prodejní  cena</TD>\n"
    "    <TD align=middle width=\"10%\">návrh ks</TD>\n"
    "    <TD align=middle width=\"10%\">oprava ks</TD>\n"
    "    <TD align=middle width=\"10%\">celkem ks</TD>\n"
    "    <TD align=right width=\"5%\">&nbsp;</TD>\n"
    "    <TD align=middle width=100 >cena bez DPH</TD>\n"
    "    <TD align=middle width=100 >cena s DPH</TD></TR>\n";

constexpr std::string_view kTransportTableStart =
    "\t\t</TABLE>\n"
    "\t\t<BR>\n"
    "\t\t<TABLE WIDTH=\"100%\" BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\" ID=\"Table2\" borderColor=\"white\" borderColorDark=\"#eeeeee\" borderColorLight=\"white\">\n";

constexpr std::string_view kTotalTableStart =
    "\t\t</TABLE>\n"
    "\t\t<HR width=\"100%\" color=\"#ff0000\" SIZE=\"5\">\n"
    "\t\t<TABLE WIDTH=\"100%\" BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\" ID=\"Table4\" bgColor=\"#ffaaaa\" borderColorDark=\"#ffaaaa\" borderColor=\"#ffaaaa\">\n";

constexpr std::string_view kMessageStart =
    "\t\t</TABLE>\n"
    "\t\t<BR>\n";
constexpr std::string_view kLegendStart =
    "\t\t<BR>\n"
    "\t\t<IMG alt=\"\" src=\"Belvo.GIF\" height=\"153\" width=\"256\" align=\"left\"> "
    "<P STYLE=\"margin-left: 8 cm\"><B>Vysvětlivky pro zákazníky</B>\n"
    "\t\t<br>\n"
    "\t\t&nbsp;&nbsp;&nbsp;&nbsp;první číslo objednacího čísla :\n"
    "\t\t<UL>\n";
constexpr std::string_view kLegendLineStart = "\t\t\t<li><P STYLE=\"margin-left: 8 cm\">";
constexpr std::string_view kPageEnd =
    "\t\t</UL>\n"
    "\t</body>\n"
    "</html>";

constexpr std::string_view kRowStart = "\t\t\t<TR>\n";
constexpr std::string_view kRowEnd = "\t\t\t</TR>\n";

const CCislo kZero(0);

class PageWriter {
public:
    explicit PageWriter(const Separators& separators) : m_separators(separators) {}

    void Raw(std::string_view text) { m_page += text; }
    void Text(std::string_view text) { m_page += HtmlText(text); }
    void Cell(std::string_view attributes, std::string_view text)
    {
        m_page += "\t\t\t\t<TD ";
        m_page += attributes;
        m_page += ">";
        m_page += text;
        m_page += "</TD>\n";
    }
    std::string Number(const CCislo& value, int decimals, bool grouped = false) const
    {
        return value.Format(m_separators, grouped ? CCislo::kGroupThousands : 0, decimals);
    }
    std::string Take() { return std::move(m_page); }

private:
    const Separators& m_separators;
    std::string m_page;
};

std::string FirstLine(const std::string& name)
{
    return name.substr(0, name.find('\n'));
}

std::string UpToSlash(const std::string& text)
{
    return text.substr(0, text.find('/'));
}

void WriteItemLines(PageWriter& page, const CNavrh& navrh, const PrintOptions& options)
{
    const CCislo vat = VatFactor(navrh);
    for (const OutputLine& line : HtmlLines(navrh.Polozky, options)) {
        const CPolozka& item = *line.item;
        const LineValues v = ComputeLine(line, vat, NegativeRule::ItemTotal);
        const auto left = [&](const std::string& text) { page.Cell("align=\"left\"", HtmlText(text)); };
        const auto right = [&](const std::string& text) { page.Cell("align=\"right\"", HtmlText(text)); };
        page.Raw(kRowStart);
        left(item.ObjCislo);
        left(line.kind == LineKind::Loose ? item.Nazev + "(volně)" : item.Nazev);
        right(page.Number(v.listPrice, 2));
        right(item.Ttu2);
        right(v.proposedShown ? page.Number(item.NavrhKs, 0, true) : std::string());
        right(v.proposedShown ? page.Number(v.correction, 0) : std::string());
        right(page.Number(v.count, 0, true));
        right(page.Number(item.Sleva, 1));
        right(page.Number(v.net, 2, true));
        right(page.Number(v.gross, 2, true));
        page.Raw(kRowEnd);
    }
}

void WriteTotalsRow(PageWriter& page, std::string_view text, const CCislo& net, const CCislo& gross)
{
    page.Raw(kRowStart);
    page.Cell("align=\"right\"", text);
    page.Cell("align=\"right\" width=\"100\"", page.Number(net, 2, true));
    page.Cell("align=\"right\" width=\"100\"", page.Number(gross, 2, true));
    page.Raw(kRowEnd);
}

void WriteGoodsTotals(PageWriter& page, const CNavrh& navrh, const SummaryTotals& totals)
{
    if (navrh.SlevaVse == kZero) {
        WriteTotalsRow(page, "<B>Materiál celkem</B>", totals.MaterialCelkemBezDPH, totals.MaterialCelkemSDPH);
        return;
    }
    WriteTotalsRow(page, "Materiál celkem", totals.MaterialCelkemBezDPH, totals.MaterialCelkemSDPH);
    WriteTotalsRow(page, "<B>Materiál po slevě  " + page.Number(navrh.SlevaVse, 1) + "%  celkem</B>",
                   totals.MaterialPoSleveBezDPH, totals.MaterialPoSleveSDPH);
}

void WritePallets(PageWriter& page, const CNavrh& navrh)
{
    const CCislo vat = VatFactor(navrh);
    bool started = false;
    for (const auto& row : navrh.Palety) {
        const CCislo count = row->Pocet + row->Oprava;
        if (!(count > kZero)) continue;
        if (!started) page.Raw(kPalletTableStart);
        started = true;
        const CCislo amount = count * row->Cena;
        page.Raw(kRowStart);
        page.Cell("align=\"left\"", HtmlText(row->Nazev));
        page.Cell("align=\"right\"", page.Number(row->Cena, 2));
        page.Cell("align=\"right\"", page.Number(row->Pocet, 0));
        page.Cell("align=\"right\"", page.Number(row->Oprava, 0));
        page.Cell("align=\"right\"", page.Number(count, 0));
        page.Cell("align=\"right\" ", "&nbsp;");
        page.Cell("align=\"right\" width=\"100\"", page.Number(amount, 2, true));
        page.Cell("align=\"right\" width=\"100\"", page.Number(amount * vat, 2, true));
        page.Raw(kRowEnd);
    }
}

void WriteTransport(PageWriter& page, const CNavrh& navrh, const SummaryTotals& totals)
{
    if (!(navrh.DopravaCena > kZero)) return;
    page.Raw(kTransportTableStart);
    page.Raw(kRowStart);
    page.Cell("align=\"left\"", "Doprava  ");
    if (navrh.DopravaKm > kZero) {
        page.Cell("align=\"right\"",
                  navrh.DopravaCenaKm > kZero ? "cena/km " + page.Number(navrh.DopravaCenaKm, 2) : std::string());
        page.Cell("align=\"right\"", page.Number(navrh.DopravaKm, 0) + " km ");
    } else {
        page.Cell("align=\"right\"", "");
        page.Cell("align=\"right\"", "");
    }
    page.Cell("align=\"right\" width=\"20%\"", "&nbsp;");
    page.Cell("align=\"right\" width=\"100\"", page.Number(totals.DopravaBezDPH, 2, true));
    page.Cell("align=\"right\" width=\"100\"", page.Number(totals.DopravaSDPH, 2, true));
    page.Raw(kRowEnd);
}

void WriteTotalRow(PageWriter& page, const OutputSource& source)
{
    page.Raw(kTotalTableStart);
    page.Raw("\t\t\t<TR height=\"50\">\n");
    page.Cell("align=\"left\"", "<B>Celkem</B>");
    page.Cell("align=\"right\"", "hmotnost brutto");
    page.Cell("align=\"right\"", page.Number(source.totals.HmotnostBrutto, 0, true) + " kg");
    page.Cell("align=\"right\" width=\"30%\"", "<B>cena v " + HtmlText(source.currency) + "</B>");
    page.Cell("align=\"right\" width=\"100\"", page.Number(source.totals.CelkemBezDPH, 2, true));
    page.Cell("align=\"right\" width=\"100\"", page.Number(source.totals.CelkemSDPH, 2, true));
    page.Raw(kRowEnd);
}

std::string MessageText(const std::string& message)
{
    std::string out;
    for (const char c : HtmlText(message)) {
        if (c == '\n')
            out += "<BR>";
        else
            out += c;
    }
    return out;
}

}  // namespace

std::string HtmlText(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == '<') c = '(';
        else if (c == '>') c = ')';
    }
    return out;
}

std::string BuildHtmlPage(const OutputSource& source, const PrintOptions& options)
{
    const CNavrh& navrh = *source.navrh;
    PageWriter page(source.separators);

    page.Raw(kPageStart);
    page.Text("Belvo - ");
    page.Raw(kAfterTitle);

    const std::string& name = source.project.name;
    const std::size_t lineFeed = name.find('\n');
    if (lineFeed != std::string::npos) {
        page.Text(name.substr(0, lineFeed));
        page.Raw(kAfterName);
        page.Text(name.substr(lineFeed + 1));
        page.Raw(kAfterSecondLine);
    } else {
        page.Text(name);
        page.Raw(kAfterName);
        page.Raw(kAfterSecondLine);
    }

    page.Text(navrh.Datum + ",  " + source.project.author + ";  projekt " + source.project.created +
              ";  ceník " + UpToSlash(navrh.Cenik) + ";  " + source.project.lastXmlName);

    std::string proposalName = navrh.Nazev.empty() ? navrh.Jmeno : navrh.Nazev;
    if (proposalName == FirstLine(name)) proposalName.clear();
    page.Raw(kBeforeProposalName);
    page.Text(proposalName);
    page.Raw(kItemTableStart);

    WriteItemLines(page, navrh, options);
    page.Raw(kGoodsTotalsStart);
    WriteGoodsTotals(page, navrh, source.totals);
    WritePallets(page, navrh);
    WriteTransport(page, navrh, source.totals);
    WriteTotalRow(page, source);

    page.Raw(kMessageStart);
    page.Raw(MessageText(navrh.Poselstvi));
    page.Raw(kLegendStart);
    for (const LegendLine& line : kLegendLines) {
        page.Raw(kLegendLineStart);
        page.Raw(line.digit);
        page.Raw(" ... ");
        page.Raw(line.producer);
        if (&line == &kLegendLines.back()) page.Raw("</li>");
        page.Raw("\n");
    }
    page.Raw(kPageEnd);
    return page.Take();
}

}  // namespace belvo
