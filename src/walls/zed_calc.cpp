// The calculation of a wall: its openings and slants, the reduced courses, the main section
// above the plinth sections, the plinth sections, the base-course mortar and the plaster.
#include <exception>
#include <vector>

#include "catalogue/material.h"
#include "catalogue/material_codes.h"
#include "platform/report_failure.h"
#include "model/najdi_material.h"
#include "platform/ui.h"
#include "proposal/item_operations.h"
#include "walls/doplnek.h"
#include "walls/lintels.h"
#include "walls/wall_section.h"
#include "walls/wall_steps.h"
#include "walls/zed.h"

namespace belvo {

namespace {
const CCislo kNula(0);
const CCislo kMilion(1000000);
}  // namespace

void CZed::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                          CalcContext& context)
{
    try {
        Vypocet(navrh, materials, label, context);
    } catch (const std::exception& failure) {
        ReportFailure(context.ui, failure, "CZed::VypocetPolozek");
    } catch (...) {
        ReportUnknownFailure(context.ui, "CZed::VypocetPolozek");
    }
}

void CZed::Vypocet(CNavrh& navrh, const CMaterialList& materials, const std::string& label, CalcContext& context)
{
    const CMaterial* brick = NajdiMaterialOtoceni(materials, ObjCislo, Otoceni);
    if (!brick) {
        // A wall that silently drops out of a bill of materials leaves the order short: say so,
        // as the other elements do, and still compute the elements below the wall.
        context.ui.Message("Material " + MaterialText + "(" + ObjCislo + ")\nnenalezen v číselníku", "Chyba",
                           MessageIcon::Warning);
        ChildrenVypocetPolozek(navrh, materials, label, context);
        return;
    }

    // Plinth sections: their bricks, their heights, and the special bricks they supply.
    const bool withPlinths = Sokl > kNula;
    std::vector<PlinthWork> plinths;
    CCislo plinthHeight(0);
    const CMaterial* lintelBrick = brick;      // the brick whose courses the lintels replace
    const CMaterial* baseCourseBrick = brick;  // the brick of the base-course mortar
    if (withPlinths) {
        plinths.reserve(Sokly.size());
        for (const auto& section : Sokly) {
            PlinthWork work = section->Priprav(materials);
            if (!work.brick) {
                context.ui.Message(section->ObjCislo + " " + section->MaterialText + " není v aktuálním ceníku",
                                   "Error", MessageIcon::Error);
                return;
            }
            plinthHeight += work.brick->ModulVyska() * section->PocetSaru;
            if (section->Volby & kSoklPreklady) lintelBrick = work.brick;
            if (section->Volby & kSoklNejspodnejsi) baseCourseBrick = work.brick;
            plinths.push_back(work);
        }
    }

    WallSection main;
    main.brick = brick;
    OpeningSums& sums = main.sums;
    CCislo height = Vyska - plinthHeight;
    CCislo grossArea = Vyska * Delka;  // the face that takes plaster
    CCislo doorWidths(0);              // doors without bottom edge bricks: no base course there

    for (const auto& opening : Okna) {
        const CCislo& n = opening->Pocet;
        const CCislo& w = opening->Sirka;
        if (!(opening->Vyska > kNula)) {
            // Given by its area only.
            main.deducted += opening->Plocha * n;
            grossArea -= opening->Plocha * n;
            continue;
        }
        CCislo inPlinth(0);
        bool bottomInPlinth = false;
        if (withPlinths) {
            for (std::size_t i = 0; i < Sokly.size(); ++i) {
                bool bottomHere = false;
                inPlinth += Sokly[i]->CastOtvoru(*opening, plinths[i], bottomHere);
                bottomInPlinth = bottomInPlinth || bottomHere;
            }
        }
        const CCislo h = opening->Vyska - inPlinth;
        const bool door = opening->JeDvere();
        main.deducted += w * h * n;
        if (opening->Strany) {
            sums.sidesK += h * n;
            sums.sidesK2 += h * n;
            if (opening->Polystyren) {
                sums.polyK += h * n;
                sums.polyK2 += h * n;
            }
        } else {
            sums.plainSides += h * n;
        }
        if (!bottomInPlinth && opening->Dole) {
            if (opening->TypDole == 2) {
                (door ? sums.doorBottomK2 : sums.windowBottomK2) += w * n;
                if (opening->Polystyren) sums.polyK2 += w * n;
            } else {
                (door ? sums.doorBottomK : sums.windowBottomK) += w * n;
                if (opening->Polystyren) sums.polyK += w * n;
            }
        }
        if (door && !opening->Dole) doorWidths += w * n;
        NavrhniPreklady(*this, *opening, lintelBrick, navrh, materials, label, context);
    }

    for (const auto& slant : Zkoseni) {
        const CCislo& n = slant->Pocet;
        main.deducted += slant->Plocha * n;
        main.slantHeights += slant->Vyska * n;
        grossArea -= slant->Plocha * n;
    }

    main.netArea = height * Delka - main.deducted;

    // Reduced courses: a height that whole courses of the base brick cannot reach is made up
    // with one or two courses of the brick of reduced height.
    height.SetScale(1, true);
    const CCislo brickH = brick->ModulVyska();
    if (!(height == height / brickH * brickH)) {
        if (const CMaterial* reduced = NajdiDoplnek(materials, *brick, kTypBitSnizena)) {
            const CCislo reducedH = reduced->ModulVyska();
            const CCislo c = CCislo(height.RoundToInteger()) / CCislo(brickH.RoundToInteger());
            int k = 0;
            if (height == brickH * c + reducedH) k = 1;
            if (height == brickH * (c - CCislo(1)) + CCislo(2) * reducedH) k = 2;
            if (k > 0) {
                main.deducted += CCislo(k) * reducedH * Delka;
                CCislo run = Delka * CCislo(k);
                run.SetScale(1, true);
                PridejPolozkuKladnou(navrh, label, *reduced, ZaokrouhliNahoru(run / reduced->ModulDelka()) * Pocet,
                                     kNula, false);
                main.netArea += Delka * (brickH - reducedH) * CCislo(k);
            }
        }
    }

    // The main section. SarePerlit counts the perlite courses above the bottom plinth, which is
    // where the main section starts.
    main.height = height;
    main.perliteCourses = SarePerlit;
    VypocetSekce(*this, main, navrh, materials, label, context);

    if (withPlinths) {
        for (std::size_t i = 0; i < Sokly.size(); ++i) {
            const CZedSokl& plinth = *Sokly[i];
            WallSection section;
            section.brick = plinths[i].brick;
            section.deducted = plinths[i].deducted;
            section.sums = plinths[i].sums;
            section.height = plinth.PocetSaru * plinth.VyskaModul;
            section.netArea = section.height * Delka - section.deducted;
            section.perliteCourses = (plinth.Volby & kSoklPerlit) ? plinth.PocetSaru : kNula;
            VypocetSekce(*this, section, navrh, materials, label, context);
        }
    }

    if ((ZaklMalta & 1) && baseCourseBrick->VariantaKod > kNula)
        PridejZakladaciMaltu(navrh, materials, label, context, *baseCourseBrick, Delka - doorWidths, Pocet);

    if (Omitka & (kOmitkaVnejsi | kOmitkaVnitrni)) {
        const int sides = ((Omitka & kOmitkaVnejsi) ? 1 : 0) + ((Omitka & kOmitkaVnitrni) ? 1 : 0);
        if (const CMaterial* plaster = VyberMaterial(navrh, materials, kSkupinaMaltyOmitky, kTypOmitka, true, context)) {
            CCislo area = CCislo(sides) * grossArea * Pocet;
            area.SetScale(1, true);
            CCislo q = area / (plaster->Malta * kMilion);
            q.SetScale(1, true);
            PridejPolozkuKladnou(navrh, label, *plaster, q, kNula, false);
        }
    }

    ChildrenVypocetPolozek(navrh, materials, label, context);
}

}  // namespace belvo
