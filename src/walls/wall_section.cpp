#include "walls/wall_section.h"

#include "catalogue/material.h"
#include "catalogue/material_codes.h"
#include "catalogue/material_list.h"
#include "proposal/item_operations.h"
#include "walls/doplnek.h"
#include "walls/wall_steps.h"
#include "walls/zed.h"

namespace belvo {

namespace {
const CCislo kNula(0);
const CCislo kDva(2);

CCislo AtScale(CCislo value, int scale)
{
    value.SetScale(scale, true);
    return value;
}

CCislo Whole(CCislo value)
{
    value.SetScale(0, true);
    return value;
}

// The number of pieces of height `pieceHeight` along `length` mm: length at one decimal
// divided by the height, rounded up.
CCislo PiecesUp(const CCislo& length, const CCislo& pieceHeight)
{
    return ZaokrouhliNahoru(AtScale(length, 1) / pieceHeight);
}

// Whether `candidate`, a member of the family of `brick`, has the brick's catalogued height and
// price variant and a type bit of `mask` (corner and 135° corner bricks).
bool IsFamilyPiece(const CMaterial& candidate, const CMaterial& brick, int mask)
{
    return MaBitDoplnku(candidate, mask) && StejneCislo(candidate.Vyska, brick.Vyska) && candidate.Varianta == brick.Varianta;
}

void Add(CNavrh& navrh, const std::string& label, const CMaterial& material, const CCislo& quantity)
{
    PridejPolozkuKladnou(navrh, label, material, quantity, kNula, false);
}

// Shaped edge bricks of one kind round the openings, and the polystyrene filling of those that
// carry it.
void EdgeBricks(const CZed& wall, WallSection& section, const CMaterial& piece, const CCislo& sides,
                const CCislo& doorBottoms, const CCislo& windowBottoms, const CCislo& poly, CNavrh& navrh,
                const CMaterialList& materials, const std::string& label, CalcContext& context)
{
    const CCislo pieceH = piece.ModulVyska();
    const CCislo pieceL = piece.ModulDelka();
    Add(navrh, label, piece, Whole(wall.Pocet * PiecesUp(sides + doorBottoms + windowBottoms, pieceH)));
    // Door bottoms lie inside the opening, already deducted with it.
    section.deducted += pieceH * pieceL * PiecesUp(sides + windowBottoms, pieceH);
    if (poly > kNula) {
        const CMaterial* filling =
            VyberMaterial(navrh, materials, kSkupinaVyplne, kTypPolystyrenKrajovek, true, context);
        if (filling) {
            const CCislo volume = AtScale(AtScale(poly, 2) / pieceH * piece.Polystyr, 5);
            Add(navrh, label, *filling, AtScale(volume / filling->Malta, 2));
        }
    }
}
}  // namespace

void VypocetSekce(const CZed& wall, WallSection& section, CNavrh& navrh, const CMaterialList& materials,
                  const std::string& label, CalcContext& context)
{
    const CMaterial& brick = *section.brick;
    const CCislo brickH = brick.ModulVyska();
    const CCislo brickL = brick.ModulDelka();
    const CCislo brickW = brick.ModulSirka();
    const CCislo& pocet = wall.Pocet;
    const CCislo& height = section.height;
    OpeningSums& sums = section.sums;
    const int cornerEnds = wall.PocetRohu();
    // The height of the wall's free ends: slants take half their height off on average.
    const CCislo endHeight = height - section.slantHeights / kDva;
    const bool endCorners = cornerEnds > 0 && height > section.slantHeights / kDva;

    // 1. Corner bricks at the wall's ends and along its inner corners.
    if (endCorners || wall.VnitrniRohy > kNula) {
        CCislo cornerCourses(0);
        if (endCorners) {
            cornerCourses = PiecesUp(endHeight, brickH);
            if (cornerEnds == 1) cornerCourses = PiecesUp(cornerCourses, kDva);
        }
        const CCislo cornerArea = cornerCourses * brickW * brickH;
        section.deducted += cornerArea;
        section.netArea -= cornerArea;
        if (wall.VnitrniRohy > kNula) cornerCourses += PiecesUp(height, brickH) * wall.VnitrniRohy;
        for (const CMaterial& corner : ClenoveRodiny(materials, brick)) {
            if (!IsFamilyPiece(corner, brick, kTypBitRohova)) continue;
            Add(navrh, label, corner, Whole(cornerCourses * pocet));
            section.deducted += cornerCourses * corner.ModulDelka() * corner.ModulVyska();
        }
    }

    // 2. and 3. Shaped edge bricks "K" and "K 1/2"; without "K 1/2" pieces half bricks take
    // their place.
    if (const CMaterial* pieceK = NajdiDoplnek(materials, brick, kTypBitKrajovaK))
        EdgeBricks(wall, section, *pieceK, sums.sidesK, sums.doorBottomK, sums.windowBottomK, sums.polyK, navrh,
                   materials, label, context);
    const CMaterial* pieceK2 = NajdiDoplnek(materials, brick, kTypBitKrajovaKPul);
    if (pieceK2)
        EdgeBricks(wall, section, *pieceK2, sums.sidesK2, sums.doorBottomK2, sums.windowBottomK2, sums.polyK2,
                   navrh, materials, label, context);
    else
        sums.plainSides += sums.sidesK2 + sums.doorBottomK2 + sums.windowBottomK2;

    // 4. Half bricks at the free ends and the opening sides without edge bricks.
    if (const CMaterial* half = NajdiDoplnek(materials, brick, kTypBitPulka)) {
        if (cornerEnds == 0) sums.plainSides += endHeight;
        else if (cornerEnds == 1) sums.plainSides += endHeight / kDva;
        const CCislo halfH = half->ModulVyska();
        const CCislo count = PiecesUp(sums.plainSides, halfH);
        Add(navrh, label, *half, Whole(pocet * count));
        // Door bottoms lie inside the opening, already deducted with it.
        const CCislo deductedCount = pieceK2 ? count : PiecesUp(sums.plainSides - sums.doorBottomK2, halfH);
        section.deducted += halfH * half->ModulDelka() * deductedCount;
    }

    // 5. 135° corner bricks.
    if (wall.Rohy135 > kNula) {
        for (const CMaterial& corner : ClenoveRodiny(materials, brick)) {
            if (!IsFamilyPiece(corner, brick, kTypBitRohova135)) continue;
            const CCislo cornerH = corner.ModulVyska();
            const CCislo q = wall.Rohy135 * PiecesUp(height, cornerH);
            Add(navrh, label, corner, Whole(pocet * q));
            section.deducted += AtScale(cornerH * brickW, 2) / kDva * q;
        }
    }

    // 6. Base bricks for the rest of the face.
    Add(navrh, label, brick, Whole(pocet * PiecesUp(wall.Delka * height - section.deducted, brickL * brickH)));

    // 7. Perlite in the courses that take it.
    if (section.perliteCourses > kNula && brick.Perlit > kNula) {
        const CCislo courses = PiecesUp(height, brickH);
        CCislo p = section.perliteCourses < courses ? section.perliteCourses : courses;
        if (p < kNula) p = kNula;
        PridejPerlit(navrh, materials, label, context, brick, wall.Delka, p, pocet);
    }

    // 8. Mortar: thermal-insulating on request, always for the price variants.
    if ((wall.TeplaMalta & 1) || brick.VariantaKod > kNula)
        PridejMaltu(navrh, materials, label, context, brick, section.netArea, pocet);
}

}  // namespace belvo
