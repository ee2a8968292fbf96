// The lines into which the printed report and the HTML page split the items of a proposal
// (whole pallets, loose pieces, or the whole item on one line) and the values of their cells.
#pragma once

#include <memory>
#include <vector>

#include "foundation/decimal.h"

namespace belvo {

class CNavrh;
class CPolozka;
class SettingsStore;

enum class LineKind { Pallet, Loose, Whole };

struct OutputLine {
    const CPolozka* item = nullptr;
    LineKind kind = LineKind::Whole;
};

// The two print options of the "Setup" section; each is on only when its value is exactly "A".
struct PrintOptions {
    bool zeroItems = false;  // "TiskNulovychPolozek": items of total 0 get a line
    bool oneLine = false;    // "TiskPolozkyJedenRadek": no split into pallet and loose lines
};
PrintOptions ReadPrintOptions(const SettingsStore& settings);

// The VAT factor (100.00 + DPH) / 100 of a proposal.
CCislo VatFactor(const CNavrh& navrh);

// Total pieces of an item: KsNaPalete × Palet + PlusKs (null counts as 0).
CCislo TotalPieces(const CPolozka& item);

// The report's lines: an item without order number gets none; one whole line with the one-line
// option, for an item sold by the piece, or for a zero total with the zero option; otherwise a
// pallet line when Palet > 0 and a loose line when PlusKs > 0.
std::vector<OutputLine> ReportLines(const std::vector<std::unique_ptr<CPolozka>>& items,
                                    const PrintOptions& options);
// The HTML page's lines: as the report's, except that an item of total 0 is left out unless
// the zero option is on, and the split writes a pallet line when Palet is not 0 and a loose
// line when PlusKs is not 0.
std::vector<OutputLine> HtmlLines(const std::vector<std::unique_ptr<CPolozka>>& items,
                                  const PrintOptions& options);

// When a line's prices are written as 0: the report looks at the line's own count, the HTML
// page at the item's total.
enum class NegativeRule { LineCount, ItemTotal };

struct LineValues {
    CCislo listPrice;        // CenaVolna on a loose line, CenaPaleta otherwise
    CCislo count;            // the line's pieces: Palet × KsNaPalete, PlusKs or the total
    CCislo correction;       // total − NavrhKs
    bool proposedShown = true;  // false on a loose line of an item that also has pallets
    CCislo net;              // A × (100 − Sleva) / 100, or 0
    CCislo gross;            // A × V × (100 − Sleva) / 100 + 0.05 rounded to 1 decimal, or 0
};
LineValues ComputeLine(const OutputLine& line, const CCislo& vat, NegativeRule rule);

}  // namespace belvo
