// Pictures of the summary window for the manual and for review: the most recent summary window
// on the tab "materiál" and on the tab "obaly", and the print preview of its report.
#pragma once

#include <QString>

namespace belvo::gui {

class SummaryWindowList;

// Writes summary-material.png, summary-obaly.png and print-preview.png into `directory` (which
// must exist). Nothing is written when no summary window is open. Returns whether all three
// pictures were written.
bool WriteSummaryScreenshots(SummaryWindowList& windows, const QString& directory);

}  // namespace belvo::gui
