// The printed report of a proposal: on every page the header with the project and the logo,
// the column headings, the item lines of the page and the legend with the corner picture; on
// the last page the totals block (goods, pallets, transport, grand totals) and the message.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"
#include "proposal/output_lines.h"
#include "proposal/output_source.h"
#include "proposal/report_layout.h"

namespace belvo {

class SettingsStore;
class Ui;

class ProposalReport : public PagedDocument {
public:
    // `source` must stay valid for the job; `ui`, when given, is told about paper that is too
    // small (the job goes on with the smaller size).
    ProposalReport(const OutputSource& source, const PrintOptions& options, CanvasImage logo,
                   CanvasImage corner, Ui* ui = nullptr);

    int Begin(Canvas& canvas) override;
    void PrintPage(Canvas& canvas, int page) override;

    const PrintArea& Area() const { return m_area; }
    const ReportPaging& Paging() const { return m_paging; }

private:
    void DrawHeader(Canvas& canvas, int page) const;
    void DrawHeadings(Canvas& canvas) const;
    // Draws the line with its top at y.
    void DrawLine(Canvas& canvas, const OutputLine& line, int y) const;
    void DrawTotals(Canvas& canvas, int y) const;
    void DrawLegend(Canvas& canvas) const;
    std::string Number(const CCislo& value, int decimals, bool grouped = false) const;
    void PriceColumns(Canvas& canvas, int y, const CCislo& net, const CCislo& gross, const CanvasFont& font) const;

    const OutputSource& m_source;
    PrintOptions m_options;
    CanvasImage m_logo;
    CanvasImage m_corner;
    Ui* m_ui;
    std::vector<OutputLine> m_lines;
    PrintArea m_area;
    ReportPaging m_paging;
};

// The report as every program prints it (the desktop's print, preview and PDF, the batch tool's
// PDF): over its own copy of the outputs' source, with the print options read from the settings
// as the job is made and the logo of the start-up directory. `ui`, when given, is told about
// paper that is too small.
class ProposalReportJob : public PagedDocument {
public:
    ProposalReportJob(OutputSource source, const SettingsStore& settings, const std::string& startupDirectory,
                      Ui* ui = nullptr);
    ProposalReportJob(const ProposalReportJob&) = delete;
    ProposalReportJob& operator=(const ProposalReportJob&) = delete;

    int Begin(Canvas& canvas) override { return m_report.Begin(canvas); }
    void PrintPage(Canvas& canvas, int page) override { m_report.PrintPage(canvas, page); }
    void End() override { m_report.End(); }

    const ProposalReport& Report() const { return m_report; }

private:
    OutputSource m_source;
    ProposalReport m_report;
};

// The report's logo: the file "Logo.bmp" of the start-up directory when it can be read (also
// spelt "logo.bmp" on file systems that tell case apart), otherwise the built-in logo.
CanvasImage LoadReportLogo(const std::string& startupDirectory);
// The corner picture of every page: always the built-in logo.
CanvasImage ReportCornerPicture();

}  // namespace belvo
