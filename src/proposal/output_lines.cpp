#include "proposal/output_lines.h"

#include "settings/settings_keys.h"
#include "proposal/navrh.h"

namespace belvo {

namespace {

const CCislo kZero(0);
const CCislo kHundred(100);

// Whether the item prints as one whole line rather than split into pallets and loose pieces.
bool WholeLine(const CPolozka& item, const CCislo& total, const PrintOptions& options)
{
    return options.oneLine || item.KsNaPalete <= kZero || (options.zeroItems && total == kZero);
}

}  // namespace

PrintOptions ReadPrintOptions(const SettingsStore& settings)
{
    PrintOptions options;
    // The outputs take either option as on only when it is exactly "A", whatever the key's own
    // test says.
    options.zeroItems = ReadFlag(settings, keys::TiskNulovychPolozek, {"0", YesNoTest::OnlyYes});
    options.oneLine = ReadFlag(settings, keys::TiskPolozkyJedenRadek, {"N", YesNoTest::OnlyYes});
    return options;
}

CCislo VatFactor(const CNavrh& navrh)
{
    return (CCislo(10000, 2) + navrh.DPH) / kHundred;
}

CCislo TotalPieces(const CPolozka& item)
{
    return item.KsNaPalete * item.Palet + item.PlusKs;
}

std::vector<OutputLine> ReportLines(const std::vector<std::unique_ptr<CPolozka>>& items,
                                    const PrintOptions& options)
{
    std::vector<OutputLine> lines;
    for (const auto& owned : items) {
        const CPolozka& item = *owned;
        if (item.ObjCislo.empty()) continue;
        if (WholeLine(item, TotalPieces(item), options)) {
            lines.push_back({&item, LineKind::Whole});
            continue;
        }
        if (item.Palet > kZero) lines.push_back({&item, LineKind::Pallet});
        if (item.PlusKs > kZero) lines.push_back({&item, LineKind::Loose});
    }
    return lines;
}

std::vector<OutputLine> HtmlLines(const std::vector<std::unique_ptr<CPolozka>>& items,
                                  const PrintOptions& options)
{
    std::vector<OutputLine> lines;
    for (const auto& owned : items) {
        const CPolozka& item = *owned;
        const CCislo total = TotalPieces(item);
        if (item.ObjCislo.empty() || (total == kZero && !options.zeroItems)) continue;
        if (WholeLine(item, total, options)) {
            lines.push_back({&item, LineKind::Whole});
            continue;
        }
        if (item.Palet != kZero) lines.push_back({&item, LineKind::Pallet});
        if (item.PlusKs != kZero) lines.push_back({&item, LineKind::Loose});
    }
    return lines;
}

LineValues ComputeLine(const OutputLine& line, const CCislo& vat, NegativeRule rule)
{
    const CPolozka& item = *line.item;
    const CCislo total = TotalPieces(item);
    const CCislo palletPieces = item.Palet * item.KsNaPalete;
    const CCislo palletAmount = item.CenaPaleta * item.Palet * item.KsNaPalete;
    const CCislo looseAmount = item.CenaVolna * item.PlusKs;

    LineValues v;
    CCislo amount;
    switch (line.kind) {
    case LineKind::Pallet:
        v.listPrice = item.CenaPaleta;
        v.count = palletPieces;
        amount = palletAmount;
        break;
    case LineKind::Loose:
        v.listPrice = item.CenaVolna;
        v.count = item.PlusKs;
        amount = looseAmount;
        v.proposedShown = !(item.Palet > kZero);
        break;
    case LineKind::Whole:
        v.listPrice = item.CenaPaleta;
        v.count = total;
        amount = palletAmount + looseAmount;
        break;
    }
    v.correction = total - item.NavrhKs;

    const CCislo& decisive = rule == NegativeRule::LineCount ? v.count : total;
    if (decisive < kZero) {
        v.net = kZero;
        v.gross = kZero;
        return v;
    }
    const CCislo share = kHundred - item.Sleva;
    v.net = amount * share / kHundred;
    v.gross = amount * vat * share / kHundred + CCislo(5, 2);
    v.gross.SetScale(1, true);
    return v;
}

}  // namespace belvo
