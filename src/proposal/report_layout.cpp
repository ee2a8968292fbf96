#include "proposal/report_layout.h"

#include <algorithm>

namespace belvo {

PrintArea ChoosePrintArea(int printableWidth, int printableHeight)
{
    PrintArea area;
    if (printableWidth >= 25000) {
        area.width = 25000;
    } else if (printableWidth >= 18000) {
        area.width = 18000;
    } else {
        area.width = printableWidth;
        area.widthWarning = "šířka papíru musí být větší, než 18 cm";
    }
    if (printableHeight >= 35000) {
        area.height = 35000;
    } else if (printableHeight >= 25000) {
        area.height = 25000;
    } else if (printableHeight >= 18000) {
        area.height = 18000;
    } else {
        area.height = printableHeight;
        area.heightWarning = "délka papíru musí být větší, než 18 cm";
    }
    return area;
}

ReportPaging ComputePaging(int areaHeight, bool discount, bool transport, int palletRows,
                           int messageHeight, int lineCount)
{
    ReportPaging paging;
    int reserved = 3600;
    int above = areaHeight - 8200;
    const auto take = [&](int height) {
        reserved += height;
        above -= height;
    };
    if (discount) take(400);
    if (transport) take(600);
    if (palletRows > 0) take(400 * palletRows + 200);
    take(messageHeight);

    paging.reserved = reserved;
    paging.aboveTotals = above;
    // Paper lower than 74 mm holds no line at all; one line per page keeps the paging defined.
    paging.linesPerPage = std::max(1, (areaHeight - 6900) / 500);
    // With a negative height no page has room for the totals block (see PrintPage).
    paging.linesBeforeTotals = above / 500;
    paging.lineCount = lineCount;
    paging.pageCount = lineCount / paging.linesPerPage + 1;
    if (lineCount % paging.linesPerPage > paging.linesBeforeTotals) ++paging.pageCount;
    return paging;
}

}  // namespace belvo
