#include "walls/lintels.h"

#include <array>
#include <vector>

#include "settings/settings_keys.h"
#include "catalogue/material.h"
#include "catalogue/material_codes.h"
#include "catalogue/material_list.h"
#include "model/najdi_material.h"
#include "platform/ui.h"
#include "proposal/item_operations.h"
#include "walls/doplnek.h"
#include "walls/okna.h"
#include "walls/zed.h"

namespace belvo {

namespace {

const CCislo kNula(0);
const char kPrilisUzka[] = "Zeď je příliš úzká pro aut. návrh překladu";
const char kNenalezenProSirku[] = "Nenalezen překlad pro šířku otvotu ";

// [a ÷ b]: a at one decimal divided by b (one decimal kept), then rounded to a whole number.
CCislo Courses(CCislo a, const CCislo& b)
{
    a.SetScale(1, true);
    CCislo q = a / b;
    q.SetScale(0, true);
    return q;
}

// Everything one opening's lintel design needs to know.
struct LintelJob {
    const CZed& wall;
    const COkna& opening;
    const CMaterial* brick;  // the brick whose courses the lintels replace
    CNavrh& navrh;
    const CMaterialList& materials;
    const std::string& label;
    CalcContext& context;
    CCislo thickness;        // T
    CCislo n;                // opening count × wall count

    void Refuse(const std::string& text) const
    {
        context.ui.Message(text, wall.Nazev, MessageIcon::Warning);
    }

    // The base bricks that a lintel replaces, and the reduced bricks that fill the
    // course above a low lintel.
    void ReplaceBricks(const CMaterial& lintel) const
    {
        if (brick) OdeberCihlyZaPreklad(navrh, materials, label, lintel, *brick, thickness, n);
    }

    // `count` load-bearing lintels of the order number side by side.
    bool AddLoadBearing(const std::string& objCislo, const CCislo& count) const
    {
        const CMaterial* lintel = NajdiMaterial(materials, objCislo);
        if (!lintel) {
            Refuse(ChybiMaterialText(objCislo));
            return false;
        }
        PridejPolozkuKladnou(navrh, label, *lintel, n * count, kNula, false);
        ReplaceBricks(*lintel);
        return true;
    }

    // Polystyrene between the load-bearing lintels of `length` mm.
    void AddPolystyrene(const CCislo& length) const
    {
        for (int t : PolystyrenMeziPreklady(thickness, opening.Preklady)) {
            const CMaterial* piece = nullptr;
            for (const CMaterial& m : materials.InGroup(kSkupinaPolystyreny)) {
                if (JeCislo(m.Typ, 0) && m.Sirka == CCislo(t)) {
                    piece = &m;
                    break;
                }
            }
            if (!piece) {
                Refuse("Polystyrén mezi překlady s tloušťkou " + std::to_string(t) + "\nnenalezen v číselníku");
                return;
            }
            CCislo run = n * length;
            run.SetScale(2, true);
            PridejPolozkuKladnou(navrh, label, *piece, run / piece->Delka, kNula, false);
        }
    }

    void OtherCount() const
    {
        const auto lintel = NajdiNosnyPreklad(materials, opening.Sirka, opening.Preklady & kPrekladDelsiUlozeni);
        AddLoadBearing(lintel ? lintel->objCislo : std::string(), CCislo(opening.PocetPrekladu.RoundToInteger()));
    }

    void Variants() const
    {
        if (thickness < CCislo(140)) return Refuse(kPrilisUzka);
        const auto lintel = NajdiNosnyPreklad(materials, opening.Sirka, opening.Preklady & kPrekladDelsiUlozeni);
        if (!lintel) return Refuse(kNenalezenProSirku + opening.Sirka.Format(context.separators));
        if (!AddLoadBearing(lintel->objCislo, CCislo(PocetNosnychPrekladu(thickness, opening.Preklady)))) return;
        if (opening.Preklady & kPrekladPolystyren) AddPolystyrene(lintel->delka);
    }

    void Flat() const
    {
        if (thickness < CCislo(80)) return Refuse(kPrilisUzka);
        const auto length = NajdiDelkuPlochych(materials, opening.Sirka);
        if (!length) return Refuse(kNenalezenProSirku + opening.Sirka.Format(context.separators));
        bool first = true;
        for (const auto& [width, count] : PlochePreklady(thickness)) {
            const CMaterial* lintel = nullptr;
            for (const CMaterial& m : materials.InGroup(kSkupinaPreklady)) {
                if (JeCislo(m.Typ, kTypPrekladPlochy) && m.Delka == *length &&
                    m.Sirka == CCislo(width)) {
                    lintel = &m;
                    break;
                }
            }
            if (!lintel)
                return Refuse("Nosny preklad s delkou " + length->Format(context.separators) + "\nnenalezen v číselníku");
            PridejPolozkuKladnou(navrh, label, *lintel, n * CCislo(count), kNula, false);
            if (first) ReplaceBricks(*lintel);
            first = false;
        }
    }

    void RollerShutter() const
    {
        if (thickness < CCislo(365) - opening.Vylozeni) return Refuse(kPrilisUzka);
        const CMaterial* found = NajdiRoletovyPreklad(materials, opening.Sirka, thickness, opening.Vylozeni);
        if (!found) return Refuse(kNenalezenProSirku + opening.Sirka.Format(context.separators));
        const CMaterial* lintel = NajdiMaterial(materials, found->ObjCislo);
        PridejPolozkuKladnou(navrh, label, *lintel, n, kNula, false);
        ReplaceBricks(*lintel);
    }
};

}  // namespace

void OdeberCihlyZaPreklad(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                          const CMaterial& lintel, const CMaterial& brick, const CCislo& thickness, const CCislo& n)
{
    if (!(n > kNula)) return;
    const CCislo lintelH = lintel.ModulVyska();
    const CCislo lintelL = lintel.ModulDelka();
    const CCislo brickH = brick.ModulVyska();
    if (lintelH + CCislo(20) > brickH) {
        const CCislo q = Courses(lintelH, brickH) * Courses(lintelL, brick.ModulDelka()) *
                         Courses(thickness, brick.ModulSirka()) * n;
        PridejPolozku(navrh, label, brick, -q, kNula, false);
        return;
    }
    const CMaterial* reduced = NajdiDoplnek(materials, brick, kTypBitSnizena);
    if (!reduced) return;
    const CCislo reducedH = reduced->ModulVyska();
    if (!(brickH + CCislo(20) > lintelH + reducedH)) return;
    const CCislo filled = Courses(brickH - lintelH, reducedH) * Courses(lintelL, reduced->ModulDelka()) *
                          Courses(thickness, reduced->ModulSirka()) * n;
    // The plain add: a count that rounds to 0 still makes the reduced brick's item.
    PridejPolozku(navrh, label, *reduced, filled, kNula, false);
    const CCislo q = Courses(lintelL, brick.ModulDelka()) * Courses(thickness, brick.ModulSirka()) * n;
    PridejPolozku(navrh, label, brick, -q, kNula, false);
}

int PocetNosnychPrekladu(const CCislo& thickness, std::int32_t preklady)
{
    // Columns: T < 200, < 220, < 280, < 420, from 420.
    static constexpr std::array<int, 5> withoutInsulation{2, 3, 3, 4, 5};
    static constexpr std::array<int, 5> variantB{2, 2, 3, 3, 5};
    static constexpr std::array<int, 5> variantA{2, 3, 3, 4, 4};
    std::size_t column = 4;
    if (thickness < CCislo(200)) column = 0;
    else if (thickness < CCislo(220)) column = 1;
    else if (thickness < CCislo(280)) column = 2;
    else if (thickness < CCislo(420)) column = 3;
    if (preklady & kPrekladBezIzolace) return withoutInsulation[column];
    if (preklady & kPrekladVariantaB) return variantB[column];
    return variantA[column];
}

std::vector<std::pair<int, int>> PlochePreklady(const CCislo& thickness)
{
    struct Row {
        int below;  // the row applies to thicknesses below this
        std::vector<std::pair<int, int>> lintels;
    };
    static const std::vector<Row> rows{
        {140, {{115, 1}}},           {170, {{145, 1}}},           {230, {{175, 1}}},
        {280, {{115, 2}}},           {300, {{115, 1}, {145, 1}}}, {355, {{145, 2}}},
        {375, {{175, 2}}},           {395, {{115, 3}}},           {435, {{115, 2}, {145, 1}}},
        {480, {{145, 3}}},
    };
    for (const Row& row : rows)
        if (thickness < CCislo(row.below)) return row.lintels;
    return {{145, 2}, {175, 1}};
}

std::vector<int> PolystyrenMeziPreklady(const CCislo& thickness, std::int32_t preklady)
{
    if (preklady & kPrekladBezIzolace) return {};
    const bool variantB = (preklady & kPrekladVariantaB) != 0;
    switch (thickness.RoundToInteger()) {
    case 300: return variantB ? std::vector<int>{90} : std::vector<int>{};
    case 365: return variantB ? std::vector<int>{150} : std::vector<int>{70};
    case 380: return variantB ? std::vector<int>{70, 100} : std::vector<int>{100};
    case 400: return variantB ? std::vector<int>{70, 120} : std::vector<int>{120};
    case 440: return variantB ? std::vector<int>{90} : std::vector<int>{70, 90};
    case 490: return variantB ? std::vector<int>{140} : std::vector<int>{70, 140};
    case 500: return variantB ? std::vector<int>{150} : std::vector<int>{70, 150};
    default: return {};
    }
}

std::optional<NalezenyPreklad> NajdiNosnyPreklad(const CMaterialList& materials, const CCislo& width,
                                                 bool delsiUlozeni)
{
    CCislo required;
    if (width <= CCislo(1500)) required = width + CCislo(delsiUlozeni ? 310 : 250);
    else if (width <= CCislo(1850)) required = width + CCislo(400);
    else required = width + CCislo(500);

    const CMaterial* best = nullptr;
    for (const CMaterial& m : materials.InGroup(kSkupinaPreklady)) {
        if (JeCislo(m.Typ, kTypPrekladNosny) && m.Delka >= required &&
            (!best || m.Delka < best->Delka))
            best = &m;
    }
    if (!best) return std::nullopt;
    return NalezenyPreklad{best->ObjCislo, best->Delka};
}

std::optional<CCislo> NajdiDelkuPlochych(const CMaterialList& materials, const CCislo& width)
{
    const CCislo required = width + CCislo(250);
    std::optional<CCislo> best;
    for (const CMaterial& m : materials.InGroup(kSkupinaPreklady)) {
        if (JeCislo(m.Typ, kTypPrekladPlochy) && m.Delka >= required && (!best || m.Delka < *best))
            best = m.Delka;
    }
    return best;
}

const CMaterial* NajdiRoletovyPreklad(const CMaterialList& materials, const CCislo& width, const CCislo& thickness,
                                      const CCislo& vylozeni)
{
    const CCislo required = width + CCislo(400);
    const CCislo widest = thickness + vylozeni;
    const CMaterial* taken = nullptr;
    for (const CMaterial& m : materials.InGroup(kSkupinaRoletovePreklady)) {
        if (m.Delka < required || m.Sirka > widest) continue;
        if (!taken || (m.Delka <= taken->Delka && m.Sirka >= taken->Sirka)) taken = &m;
    }
    return taken;
}

void NavrhniPreklady(const CZed& wall, const COkna& opening, const CMaterial* brick, CNavrh& navrh,
                     const CMaterialList& materials, const std::string& label, CalcContext& context)
{
    if (!opening.MaVolbuPrekladu()) return;
    const LintelJob job{wall, opening, brick, navrh, materials, label, context, wall.Sirka, opening.Pocet * wall.Pocet};
    const std::int32_t bits = opening.Preklady;
    if (bits & kPrekladJinyPocet) job.OtherCount();
    else if (bits & kPrekladNosne) job.Variants();
    else if (bits & kPrekladPloche) job.Flat();
    else if (bits & kPrekladRoletove) job.RollerShutter();
}

void ZvolPrekladyNovehoOtvoru(COkna& opening, const CZed& wall, const CMaterialList& materials,
                              const SettingsStore& settings)
{
    if (opening.Preklady != kPrekladyNezvoleno) return;
    opening.Preklady = 0;
    // A missing value of either setting reads as off here.
    const FlagReading offWhenMissing{"0", YesNoTest::OnlyYes};
    if (ReadFlag(settings, keys::Preklady, offWhenMissing))
        opening.Preklady = ReadFlag(settings, keys::Nosne, offWhenMissing) ? kPrekladNosne : kPrekladPloche;

    bool longer = false;
    if (const CMaterial* brick = NajdiMaterialOtoceni(materials, wall.ObjCislo, wall.Otoceni)) {
        longer = brick->DelsiUlozeni == CCislo(1);
        if (!longer && opening.Strany) {
            const CMaterial* pieceK = NajdiDoplnek(materials, *brick, kTypBitKrajovaK);
            const CMaterial* pieceK2 = NajdiDoplnek(materials, *brick, kTypBitKrajovaKPul);
            longer = (pieceK && pieceK->DelsiUlozeni == CCislo(1)) || (pieceK2 && pieceK2->DelsiUlozeni == CCislo(1));
        }
    }
    if (longer) opening.Preklady |= kPrekladDelsiUlozeni;
    opening.Preklady |= kPrekladPolystyren;
}

}  // namespace belvo
