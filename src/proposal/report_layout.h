// The geometry of the printed report: the print area chosen from the printable size of the
// page, the five fonts, and the paging (lines per page, the space the totals block needs and
// the number of pages). Units are hundredths of a millimetre.
#pragma once

#include <string>

#include "platform/canvas.h"

namespace belvo {

namespace report_fonts {
inline const CanvasFont kTitle{"Times New Roman", 1000, 600, 700};
inline const CanvasFont kSubtitle{"Times New Roman", 600, 0, 300};
inline const CanvasFont kText{"Arial", 400, 125, 300};
inline const CanvasFont kBoldText{"Arial", 400, 125, 700};
inline const CanvasFont kSmall{"Arial", 300, 0, 300};
}  // namespace report_fonts

struct PrintArea {
    int width = 0;   // W
    int height = 0;  // H
    // What is wrong with the paper, for the message box "chyba tisku"; empty when nothing.
    std::string widthWarning;
    std::string heightWarning;

    // E: how much wider than 18 cm the area is; the right-hand columns move by it.
    int Extra() const { return width - 18000; }
};

// 25 cm or 18 cm wide, 35, 25 or 18 cm high, as the printable size allows; smaller paper uses
// its printable size and gets a warning.
PrintArea ChoosePrintArea(int printableWidth, int printableHeight);

struct ReportPaging {
    int reserved = 0;         // R: height the totals block needs below the last line
    int aboveTotals = 0;      // A: height left for lines on the page that carries the totals
    int linesPerPage = 0;     // P
    int linesBeforeTotals = 0;  // L
    int lineCount = 0;        // C
    int pageCount = 0;

    // The first line on page p is line (p - 1) × P + 1.
};

// `messageHeight` is the height of the message word-wrapped to the width of the area,
// `palletRows` the number of the proposal's pallet rows (all of them, also those of count 0).
ReportPaging ComputePaging(int areaHeight, bool discount, bool transport, int palletRows,
                           int messageHeight, int lineCount);

}  // namespace belvo
