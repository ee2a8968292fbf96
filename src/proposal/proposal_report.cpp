#include "proposal/proposal_report.h"

#include <cstdio>

#include "platform/ui.h"
#include "proposal/builtin_pictures.h"
#include "proposal/legend.h"
#include "proposal/logo_file.h"
#include "proposal/navrh.h"

namespace belvo {

namespace {

namespace fonts = report_fonts;

const CCislo kZero(0);
constexpr int kFirstLineTop = 4600;
constexpr int kLineHeight = 500;
constexpr CanvasPen kThinRule{20, 0x400000};

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, int count)
{
    std::size_t pos = 0;
    for (int n = 0; n < count && pos < text.size(); ++n) {
        ++pos;
        while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) ++pos;
    }
    return text.substr(0, pos);
}

std::string Capitalised(std::string_view text)
{
    std::string out(text);
    if (!out.empty() && out[0] >= 'a' && out[0] <= 'z') out[0] = static_cast<char>(out[0] - 'a' + 'A');
    return out;
}

}  // namespace

ProposalReport::ProposalReport(const OutputSource& source, const PrintOptions& options, CanvasImage logo,
                               CanvasImage corner, Ui* ui)
    : m_source(source), m_options(options), m_logo(std::move(logo)), m_corner(std::move(corner)), m_ui(ui)
{
}

std::string ProposalReport::Number(const CCislo& value, int decimals, bool grouped) const
{
    return value.Format(m_source.separators, grouped ? CCislo::kGroupThousands : 0, decimals);
}

int ProposalReport::Begin(Canvas& canvas)
{
    const CNavrh& navrh = *m_source.navrh;
    m_area = ChoosePrintArea(canvas.PrintableWidth(), canvas.PrintableHeight());
    if (m_ui) {
        if (!m_area.widthWarning.empty())
            m_ui->Message(m_area.widthWarning, "chyba tisku", MessageIcon::Warning, MessageButtons::Ok);
        if (!m_area.heightWarning.empty())
            m_ui->Message(m_area.heightWarning, "chyba tisku", MessageIcon::Warning, MessageButtons::Ok);
    }
    m_lines = ReportLines(navrh.Polozky, m_options);
    const int messageHeight = canvas.WrappedTextHeight(navrh.Poselstvi, m_area.width, fonts::kText);
    m_paging = ComputePaging(m_area.height, navrh.SlevaVse != kZero, navrh.DopravaCena != kZero,
                             static_cast<int>(navrh.Palety.size()), messageHeight,
                             static_cast<int>(m_lines.size()));
    return m_paging.pageCount;
}

void ProposalReport::PrintPage(Canvas& canvas, int page)
{
    canvas.SetOrigin((canvas.PrintableWidth() - m_area.width) / 2, (canvas.PrintableHeight() - m_area.height) / 2);
    DrawHeader(canvas, page);
    DrawHeadings(canvas);

    const int perPage = m_paging.linesPerPage;
    const std::size_t first = static_cast<std::size_t>(page - 1) * static_cast<std::size_t>(perPage);
    int bottom = kFirstLineTop;
    for (std::size_t i = first; i < m_lines.size() && i < first + static_cast<std::size_t>(perPage); ++i) {
        DrawLine(canvas, m_lines[i], bottom);
        bottom += kLineHeight;
    }
    if (m_area.height - bottom >= m_paging.reserved) DrawTotals(canvas, bottom);
    DrawLegend(canvas);
}

void ProposalReport::DrawHeader(Canvas& canvas, int page) const
{
    const CNavrh& navrh = *m_source.navrh;
    const int w = m_area.width;
    const std::string& name = m_source.project.name;
    const std::string title = FirstLine(name);

    canvas.DrawImage(m_logo, {w - 3000, 0, w, 1800});
    canvas.DrawText(title, {0, 0, w - 1000, 1500}, CanvasAlign::Left, fonts::kTitle);
    if (const std::size_t lf = name.find('\n'); lf != std::string::npos)
        canvas.DrawText(name.substr(lf + 1), {0, 1200, w, 1800}, CanvasAlign::Left, fonts::kSubtitle);
    char pages[32];
    std::snprintf(pages, sizeof pages, "%i/%i", page, m_paging.pageCount);
    canvas.DrawText(pages, {w - 1000, 0, w, 1500}, CanvasAlign::Right, fonts::kText);
    canvas.DrawLine(0, 1900, w, 1900, {100, 0x008000});

    canvas.DrawText(navrh.Datum + ",  " + m_source.project.author, {0, 2000, w - 6500, 2600}, CanvasAlign::Left,
                    fonts::kText);
    if (!m_source.project.lastXmlName.empty())
        canvas.DrawText(m_source.project.lastXmlName, {0, 2600, w, 2900}, CanvasAlign::Right, fonts::kSmall);
    canvas.DrawText("projekt", {w - 2600, 2000, w, 2300}, CanvasAlign::Left, fonts::kSmall);
    canvas.DrawText(m_source.project.created, {w - 1600, 2000, w, 2300}, CanvasAlign::Left, fonts::kSmall);
    canvas.DrawText("ceník", {w - 2600, 2300, w, 2600}, CanvasAlign::Left, fonts::kSmall);
    canvas.DrawText(FirstCharacters(navrh.Cenik, 10), {w - 1600, 2300, w, 2600}, CanvasAlign::Left, fonts::kSmall);

    const std::string& proposalName = navrh.Nazev.empty() ? navrh.Jmeno : navrh.Nazev;
    if (proposalName != title)
        canvas.DrawText(proposalName, {0, 3000, w, 3600}, CanvasAlign::Left, fonts::kSubtitle);
}

void ProposalReport::DrawHeadings(Canvas& canvas) const
{
    const int e = m_area.Extra();
    const std::string& currency = m_source.currency;
    struct Heading {
        std::string text;
        CanvasRect box;
        CanvasAlign align;
    };
    const Heading headings[] = {
        {"obj.číslo", {0, 4100, 1400, 4500}, CanvasAlign::Left},
        {"požadovaný materiál", {1700, 4100, e + 5000, 4500}, CanvasAlign::Left},
        {"ceníková cena", {e + 7300, 4100, e + 10750, 4500}, CanvasAlign::Center},
        {"U2 [W/m2K]", {e + 8750, 3700, e + 11400, 4100}, CanvasAlign::Center},
        {"návrh ks", {e + 9400, 4100, e + 12600, 4500}, CanvasAlign::Center},
        {"oprava ks", {e + 10600, 3700, e + 13400, 4100}, CanvasAlign::Center},
        {"celkem ks", {e + 11400, 4100, e + 14600, 4500}, CanvasAlign::Center},
        {"sleva %", {e + 13400, 3700, e + 15800, 4100}, CanvasAlign::Left},
        {currency, {e + 14400, 3700, e + 16300, 4500}, CanvasAlign::Center},
        {currency, {e + 16300, 3700, e + 18000, 4500}, CanvasAlign::Center},
        {"cena bez DPH", {e + 14400, 4100, e + 16300, 4500}, CanvasAlign::Center},
        {"cena s DPH", {e + 16300, 4100, e + 18000, 4500}, CanvasAlign::Center},
    };
    for (const Heading& h : headings) canvas.DrawText(h.text, h.box, h.align, fonts::kText);
    canvas.DrawLine(0, 4550, m_area.width, 4550, kThinRule);
}

void ProposalReport::DrawLine(Canvas& canvas, const OutputLine& line, int y) const
{
    const CPolozka& item = *line.item;
    const LineValues v = ComputeLine(line, VatFactor(*m_source.navrh), NegativeRule::LineCount);
    const int e = m_area.Extra();
    const int bottom = y + kLineHeight;
    const auto cell = [&](const std::string& text, int left, int right, CanvasAlign align) {
        canvas.DrawText(text, {left, y, right, bottom}, align, fonts::kText);
    };
    cell(item.ObjCislo, 0, 1700, CanvasAlign::Left);
    cell(line.kind == LineKind::Loose ? item.Nazev + "(volně)" : item.Nazev, 1700, e + 8250, CanvasAlign::Left);
    cell(Number(v.listPrice, 2), e + 8450, e + 9550, CanvasAlign::Right);
    cell(item.Ttu2, e + 9700, e + 10300, CanvasAlign::Right);
    cell(v.proposedShown ? Number(item.NavrhKs, 0, true) : std::string(), e + 10400, e + 11400, CanvasAlign::Right);
    cell(v.proposedShown ? Number(v.correction, 0) : std::string(), e + 11600, e + 12200, CanvasAlign::Right);
    cell(Number(v.count, 0, true), e + 12400, e + 13400, CanvasAlign::Right);
    cell(Number(item.Sleva, 1), e + 13550, e + 14200, CanvasAlign::Right);
    cell(Number(v.net, 2, true), e + 14400, e + 16100, CanvasAlign::Right);
    cell(Number(v.gross, 2, true), e + 16300, e + 18000, CanvasAlign::Right);
}

void ProposalReport::PriceColumns(Canvas& canvas, int y, const CCislo& net, const CCislo& gross,
                                  const CanvasFont& font) const
{
    const int e = m_area.Extra();
    canvas.DrawText(Number(net, 2, true), {e + 14400, y, e + 16100, y + 400}, CanvasAlign::Right, font);
    canvas.DrawText(Number(gross, 2, true), {e + 16300, y, e + 18000, y + 400}, CanvasAlign::Right, font);
}

void ProposalReport::DrawTotals(Canvas& canvas, int y) const
{
    const CNavrh& navrh = *m_source.navrh;
    const SummaryTotals& totals = m_source.totals;
    const int e = m_area.Extra();
    const int w = m_area.width;
    const CCislo vat = VatFactor(navrh);

    canvas.DrawLine(0, y + 50, w, y + 50, kThinRule);
    y += 100;

    // Goods, and the goods after the overall discount when there is one.
    if (navrh.SlevaVse != kZero) {
        canvas.DrawText("Materiál celkem", {e + 11600, y, e + 14000, y + 400}, CanvasAlign::Right, fonts::kText);
        PriceColumns(canvas, y, totals.MaterialCelkemBezDPH, totals.MaterialCelkemSDPH, fonts::kText);
        y += 400;
        canvas.DrawText("Materiál po slevě  " + Number(navrh.SlevaVse, 1) + "%  celkem", {e, y, e + 14000, y + 400},
                        CanvasAlign::Right, fonts::kBoldText);
        PriceColumns(canvas, y, totals.MaterialPoSleveBezDPH, totals.MaterialPoSleveSDPH, fonts::kBoldText);
    } else {
        canvas.DrawText("Materiál celkem", {e + 11600, y, e + 14000, y + 400}, CanvasAlign::Right,
                        fonts::kBoldText);
        PriceColumns(canvas, y, totals.MaterialCelkemBezDPH, totals.MaterialCelkemSDPH, fonts::kBoldText);
    }
    y += 400;

    if (!navrh.Palety.empty()) {
        y += 200;
        for (const auto& row : navrh.Palety) {
            const CCislo count = row->Pocet + row->Oprava;
            if (!(count > kZero)) continue;
            const auto cell = [&](const std::string& text, int left, int right, CanvasAlign align) {
                canvas.DrawText(text, {left, y, right, y + 400}, align, fonts::kText);
            };
            cell("Palety (obaly):   " + row->Nazev, 0, e + 8250, CanvasAlign::Left);
            cell(Number(row->Cena, 2), e + 8450, e + 9550, CanvasAlign::Right);
            cell(Number(row->Pocet, 0), e + 10400, e + 11400, CanvasAlign::Right);
            cell(Number(row->Oprava, 0), e + 11600, e + 12200, CanvasAlign::Right);
            cell(Number(count, 0), e + 12400, e + 13400, CanvasAlign::Right);
            PriceColumns(canvas, y, count * row->Cena, count * vat * row->Cena, fonts::kText);
            y += 400;
        }
    }

    if (navrh.DopravaCena > kZero) {
        y += 200;
        canvas.DrawText("Doprava  ", {0, y, 5000, y + 400}, CanvasAlign::Left, fonts::kText);
        if (navrh.DopravaKm > kZero) {
            if (navrh.DopravaCenaKm > kZero) {
                canvas.DrawText("cena/km", {e + 5500, y, e + 7000, y + 400}, CanvasAlign::Right, fonts::kText);
                canvas.DrawText(Number(navrh.DopravaCenaKm, 2), {e + 7000, y, e + 8000, y + 400}, CanvasAlign::Right,
                                fonts::kText);
            }
            canvas.DrawText(Number(navrh.DopravaKm, 0) + " km ", {e + 10000, y, e + 12000, y + 400},
                            CanvasAlign::Right, fonts::kText);
        }
        PriceColumns(canvas, y, totals.DopravaBezDPH, totals.DopravaSDPH, fonts::kText);
        y += 400;
    }

    y += 200;
    canvas.DrawLine(0, y, w, y, {100, 0x800000});
    y += 100;
    canvas.DrawText("Celkem", {0, y, 5000, y + 600}, CanvasAlign::Left, fonts::kSubtitle);
    y += 100;
    canvas.DrawText("hmotnost brutto   " + Number(totals.HmotnostBrutto, 0, true) + " kg",
                    {e + 6000, y, e + 11000, y + 400}, CanvasAlign::Left, fonts::kText);
    canvas.DrawText("cena v " + m_source.currency, {e + 11000, y, e + 14200, y + 400}, CanvasAlign::Right,
                    fonts::kBoldText);
    PriceColumns(canvas, y, totals.CelkemBezDPH, totals.CelkemSDPH, fonts::kBoldText);

    y += 1000;
    canvas.DrawText(navrh.Poselstvi, {0, y, e + 18000, y + 10000}, CanvasAlign::Left, fonts::kText, true);
}

void ProposalReport::DrawLegend(Canvas& canvas) const
{
    const int e = m_area.Extra();
    const int h = m_area.height;
    canvas.DrawText("Vysvětlivky pro zákazníka u objednacího čísla - začíná-li :", {e + 4000, h - 2000, e + 12000, h - 1600},
                    CanvasAlign::Right, fonts::kText);
    int top = h - 2000;
    for (const LegendLine& line : kLegendLines) {
        canvas.DrawText(std::string(line.digit) + " ... " + Capitalised(line.producer), {e + 12500, top, e + 18000, top + 400},
                        CanvasAlign::Left, fonts::kText);
        top += 400;
    }
    canvas.DrawImage(m_corner, {0, h - 2300, 3545, h});
}

ProposalReportJob::ProposalReportJob(OutputSource source, const SettingsStore& settings,
                                     const std::string& startupDirectory, Ui* ui)
    : m_source(std::move(source)),
      m_report(m_source, ReadPrintOptions(settings), LoadReportLogo(startupDirectory), ReportCornerPicture(), ui)
{
}

CanvasImage LoadReportLogo(const std::string& startupDirectory)
{
    // Only a bitmap file will do; anything else (a renamed picture, a damaged file) would leave the
    // header without a logo, so the built-in one is used instead.
    std::optional<std::string> bytes = ReadLogoFile(startupDirectory);
    if (bytes && bytes->size() > 54 && bytes->compare(0, 2, "BM") == 0) return {"Logo.bmp", std::move(*bytes)};
    return ReportCornerPicture();
}

CanvasImage ReportCornerPicture()
{
    return {"builtin", std::string(BuiltinLogoBmp())};
}

}  // namespace belvo
