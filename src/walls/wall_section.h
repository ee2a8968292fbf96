// The quantities of one horizontal section of a wall (the part above the plinth sections, or
// one plinth section) and the routine that turns a section into items.
#pragma once

#include <string>

#include "foundation/decimal.h"

namespace belvo {

class CMaterial;
class CNavrh;
class CZed;
class CMaterialList;
struct CalcContext;

// What the openings contribute to a section, in mm.
struct OpeningSums {
    CCislo plainSides = CCislo(0);      // opening sides without shaped edge bricks (half bricks)
    CCislo sidesK = CCislo(0);          // opening sides with shaped edge bricks "K"
    CCislo sidesK2 = CCislo(0);         // the same sum for the pieces "K 1/2"
    CCislo doorBottomK = CCislo(0);     // widths of door bottoms with "K" pieces
    CCislo windowBottomK = CCislo(0);   // widths of window bottoms with "K" pieces
    CCislo doorBottomK2 = CCislo(0);    // the same with "K 1/2" pieces
    CCislo windowBottomK2 = CCislo(0);
    CCislo polyK = CCislo(0);           // lengths of edge bricks with polystyrene, "K"
    CCislo polyK2 = CCislo(0);          // the same, "K 1/2"
};

struct WallSection {
    const CMaterial* brick = nullptr;
    // Face area not built of base bricks (mm²); the routine adds to it.
    CCislo deducted = CCislo(0);
    CCislo height = CCislo(0);
    CCislo slantHeights = CCislo(0);     // 0 for plinth sections
    CCislo netArea = CCislo(0);          // masonry area for the mortar (mm²)
    CCislo perliteCourses = CCislo(0);
    OpeningSums sums;
};

// The working values of a plinth section during one calculation of its wall.
struct PlinthWork {
    const CMaterial* brick = nullptr;
    const CMaterial* pieceK = nullptr;         // its "K" piece
    const CMaterial* pieceK2OrHalf = nullptr;  // its "K 1/2" piece, else its half brick
    CCislo deducted = CCislo(0);
    OpeningSums sums;
};

// Computes one section of `wall` with the section's brick: corner, edge, half and 135° corner
// pieces, base bricks, perlite and mortar. Changes `section.deducted` and the sums as it goes.
void VypocetSekce(const CZed& wall, WallSection& section, CNavrh& navrh, const CMaterialList& materials,
                  const std::string& label, CalcContext& context);

}  // namespace belvo
