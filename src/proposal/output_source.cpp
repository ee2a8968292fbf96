#include "proposal/output_source.h"

namespace belvo {

OutputSource MakeOutputSource(SummaryModel& summary, const ProjectHeader& project)
{
    OutputSource source;
    source.navrh = &summary.Navrh();
    source.project = project;
    source.currency = summary.Currency();
    source.totals = summary.Totals();
    source.separators = summary.NumberSeparators();
    return source;
}

}  // namespace belvo
