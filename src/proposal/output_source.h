// What every output of a proposal (the printed report, the HTML page, the XML document) reads
// from its summary window. The window fills it after it has ended cell editing and recomputed,
// so the outputs use exactly what the tables show: the items in table order, the pallet rows,
// and the totals the recompute keeps.
#pragma once

#include <string>

#include "foundation/decimal.h"
#include "proposal/summary_model.h"

namespace belvo {

class CNavrh;

// What the summary window holds about the project, copied from the document when it opened,
// and the name of the last XML file exported from it (empty before the first export).
struct ProjectHeader {
    std::string name;
    std::string author;
    std::string created;
    std::string lastXmlName;
};

struct OutputSource {
    CNavrh* navrh = nullptr;  // its items are the rows of the item table, in order
    ProjectHeader project;
    std::string currency;     // of the proposal's price list
    SummaryTotals totals;
    Separators separators;
};

// The source of the outputs of a summary that has just recomputed.
OutputSource MakeOutputSource(SummaryModel& summary, const ProjectHeader& project);

}  // namespace belvo
