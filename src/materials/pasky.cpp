#include "materials/pasky.h"

#include "catalogue/material.h"
#include "catalogue/material_codes.h"
#include "catalogue/material_list.h"
#include "platform/report_failure.h"
#include "model/najdi_material.h"
#include "materials/element_support.h"
#include "proposal/item_operations.h"
#include "walls/doplnek.h"

namespace belvo {

namespace {
std::unique_ptr<CObject> NewPasky() { return std::make_unique<CPasky>(); }

const CCislo kNula(0);
const CCislo kDesetina(1, 1);
const CCislo kPul(5, 1);
}  // namespace

const CRuntimeClass CPasky::classInfo{"CPasky", 1, &NewPasky, &CPrvek::classInfo};

CPasky::CPasky() { Nazev = "Cihelný obklad"; }

void CPasky::Serialize(CArchive& ar)
{
    ar.Transfer(Nazev).Transfer(MaterialText).Transfer(ObjCislo).Transfer(Delka).Transfer(Vyska).Transfer(Plocha);
    ar.Transfer(Rohy);
    SerializeOtvory(ar);
    SerializePrvky(ar);
}

CCislo CPasky::VyskaSaru(const CMaterial& strip) { return strip.ModulSirka(); }

void CPasky::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                            CalcContext& context)
{
    RunReporting(context.ui, "CPasky::VypocetPolozek", "Chyba", [&] {
        const CMaterial* strip = NajdiMaterial(materials, ObjCislo);
        if (strip == nullptr) {
            HlasChybejiciMaterial(context.ui, MaterialText, ObjCislo);
            ChildrenVypocetPolozek(navrh, materials, label, context);
            return;
        }
        const CCislo face = strip->ModulSirka() * strip->ModulDelka();
        CCislo courses = kNula;
        CCislo corners = kNula;
        CCislo pieces;
        if (Delka > kNula) {
            courses = Vyska / strip->ModulSirka();
            const CCislo perCourse = ZaokrouhliNaPulKusy(NaDesetiny(Delka, 2) / strip->ModulDelka());
            corners = CCislo(((Rohy & kPrvniRoh) != 0) + ((Rohy & kDruhyRoh) != 0));
            pieces = perCourse * courses;
        } else {
            // A facing given by its area alone (the form clears length and height when an area
            // is typed): the strips of that area, rounded up as paving rounds its pieces.
            pieces = NaDesetiny(Plocha, 1) / face + CCislo(99, 2);
            pieces.SetScale(0, false);
        }
        for (const CCislo& area : OdebranePlochy()) pieces -= NaDesetiny(area / face + kPul, 0);

        const CMaterial* corner = Rohy != 0 ? NajdiDoplnek(materials, *strip, kTypBitRohovyPasek) : nullptr;
        if (corner != nullptr) {
            const CCislo cornerCourses = NaDesetiny(courses * corners, 2);
            const CCislo cornerPieces = NaDesetiny(cornerCourses / CCislo(2) + kDesetina, 0);
            const CCislo replaced = ZaokrouhliNaPulKusy(cornerCourses / CCislo(4));
            pieces = NaDesetiny(pieces - cornerPieces - replaced + kDesetina, 0);
            PridejPolozkuKladnou(navrh, label, *corner, cornerPieces, kNula, false);
        } else {
            pieces = NaDesetiny(pieces + kDesetina, 0);
        }
        PridejPolozkuKladnou(navrh, label, *strip, pieces, kNula, false);
        ChildrenVypocetPolozek(navrh, materials, label, context);
    });
}

void CPasky::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                            const CMaterialList& materials, const Separators& separators) const
{
    KontrolaMaterialu(missing, path, ObjCislo, MaterialText, materials, separators);
}

}  // namespace belvo
