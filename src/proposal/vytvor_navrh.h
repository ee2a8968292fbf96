// Computing a proposal: the engine side of the document's proposal commands. The summary window
// that shows the result is not part of it.
#pragma once

#include <memory>
#include <string>

#include "platform/system_info.h"

namespace belvo {

class CMaterialList;
class CNavrh;
class CProjekt;
class CPrvek;
struct CalcContext;

// The group label a calculation starts with: one space when the proposal is split by groups,
// empty otherwise.
std::string PocatecniStitek(bool splitByGroups);

// "%#d.%#m.%Y %H:%M": day and month without leading zeros.
std::string FormatDatumNavrhu(const LocalTime& time);

// Computes a new proposal for `element` (the project itself or an element of its tree) with the
// project's pricing parameters: names and title, the items of the element's calculation merged
// by order number and group label, sorted, and rounded up to whole pieces when not split by
// groups. Failures of the element calculations are reported by the elements; anything else
// escapes to the caller.
std::unique_ptr<CNavrh> VytvorNavrh(CPrvek& element, const CProjekt& projekt, const CMaterialList& materials,
                                    bool quick, bool splitByGroups, const LocalTime& now, CalcContext& context);

}  // namespace belvo
