#include "catalogue/material.h"

#include <array>

#include "catalogue/material_codes.h"
#include "catalogue/modular_dimension.h"

namespace belvo {

namespace {
// The stored schema of a record written by this program (GetObjectSchema while storing).
constexpr std::uint32_t kStoringSchema = 0xFFFFFFFFu;

// Typ as a whole number, for the bit tests of brick-family pieces; a fraction or a null Typ
// counts as its integer part.
std::int64_t WholeNumber(const CCislo& value)
{
    CCislo whole = value;
    whole.SetScale(0, false);
    return whole.Mantissa();
}
}  // namespace

const CRuntimeClass CMaterial::classInfo{"CMaterial", VERSIONABLE_SCHEMA | kCurrentVersion, &CreateObject<CMaterial>,
                                         nullptr};

CMaterial::CMaterial() : Koeficient(1) {}

void CMaterial::Serialize(CArchive& ar)
{
    const std::uint32_t schema = ar.GetObjectSchema();
    // A record from a newer program carries fields this one does not know; reading on would
    // take them for the next record, so the load is refused.
    if (ar.IsLoading() && schema != kStoringSchema && schema > kCurrentVersion) ar.Fail(ArchiveCause::BadSchema);

    ar.Transfer(ObjCislo).Transfer(Nazev).Transfer(Zavod);
    ar.Transfer(Sirka).Transfer(Delka).Transfer(Vyska);
    ar.Transfer(Vaha).Transfer(KsNaPalete).Transfer(CenaPaleta).Transfer(CenaVolna);
    ar.Transfer(ZaklMat);
    ar.Transfer(Skupina).Transfer(Typ);
    ar.Transfer(TypText);
    ar.Transfer(Koeficient).Transfer(Otoceni).Transfer(Malta);
    ar.Transfer(PaletaVaha).Transfer(PaletaCena).Transfer(PaletaVykup);
    ar.Transfer(PaletaNazev);

    if (schema >= 2) {
        ar.Transfer(Ttu2).Transfer(Perlit).Transfer(MaltaZak);
        // A reserved number: written as zero, skipped on reading.
        CCislo reserved(0);
        ar.Transfer(reserved);
    } else {
        Ttu2.clear();
        Perlit = CCislo(0);
        MaltaZak = CCislo(0);
    }

    if (schema >= 3) {
        ar.Transfer(PaletaObjCislo).Transfer(SkupZbo).Transfer(PaletaSkupZbo);
    } else {
        PaletaObjCislo.clear();
        SkupZbo.clear();
        PaletaSkupZbo.clear();
    }

    if (schema >= 4) {
        ar.Transfer(Varianta).Transfer(Rezerva1).Transfer(Rezerva2).Transfer(Polystyr).Transfer(VariantaKod);
    } else {
        Varianta.clear();
        Rezerva1.clear();
        Rezerva2.clear();
        Polystyr = CCislo(0);
        VariantaKod = CCislo(0);
    }

    if (schema >= 5) {
        ar.Transfer(DelsiUlozeni);
    } else {
        // Older files knew the longer bearing only from the name of the lintel series.
        const bool longerBearing =
            Nazev.find("KORVALUX") != std::string::npos && Nazev.find("STI") != std::string::npos;
        DelsiUlozeni = CCislo(longerBearing ? 1 : 0);
    }
}

CCislo CMaterial::ModulSirka() const { return ModularDimension(Sirka); }
CCislo CMaterial::ModulDelka() const { return ModularDimension(Delka); }
CCislo CMaterial::ModulVyska() const { return ModularDimension(Vyska); }

bool CMaterial::PatriDoRodiny(std::string_view zaklMat) const
{
    const CCislo family = CtiKodRodiny(zaklMat);
    return AnyKodRodiny([&](const CCislo& code) { return code == family; });
}

CCislo CMaterial::CtiKodRodiny(std::string_view text)
{
    // Whichever separator comes first is the decimal one; the other then stops the reading.
    static const Separators comma{",", ""};
    const std::size_t separator = text.find_first_of(",.");
    if (separator != std::string_view::npos && text[separator] == ',') return CCislo::Parse(text, comma);
    return CCislo::Parse(text, comma, CCislo::kPoint);
}

bool CMaterial::JeNeotoceny() const { return Otoceni == CCislo(kOtoceniZadne); }

bool CMaterial::JeTitulekTypu() const { return ObjCislo == kObjCisloTitulkuTypu; }

bool CMaterial::MaTypBit(int bits) const { return (WholeNumber(Typ) & bits) != 0; }

bool CMaterial::StejnyZaznam(const CMaterial& other) const
{
    for (const MaterialField& field : MaterialFields()) {
        if (field.text ? this->*field.text != other.*field.text
                       : !(this->*field.number).SameAs(other.*field.number))
            return false;
    }
    return true;
}

std::span<const MaterialField> MaterialFields()
{
    using M = CMaterial;
    static const std::array<MaterialField, 33> fields{{
        {"ObjCislo", &M::ObjCislo, nullptr},
        {"Nazev", &M::Nazev, nullptr},
        {"Zavod", &M::Zavod, nullptr},
        {"Vaha", nullptr, &M::Vaha},
        {"KsNaPalete", nullptr, &M::KsNaPalete},
        {"CenaPaleta", nullptr, &M::CenaPaleta},
        {"CenaVolna", nullptr, &M::CenaVolna},
        {"PaletaVaha", nullptr, &M::PaletaVaha},
        {"PaletaCena", nullptr, &M::PaletaCena},
        {"PaletaVykup", nullptr, &M::PaletaVykup},
        {"PaletaNazev", &M::PaletaNazev, nullptr},
        {"Sirka", nullptr, &M::Sirka},
        {"Delka", nullptr, &M::Delka},
        {"Vyska", nullptr, &M::Vyska},
        {"ZaklMat", &M::ZaklMat, nullptr},
        {"TypText", &M::TypText, nullptr},
        {"Typ", nullptr, &M::Typ},
        {"Skupina", nullptr, &M::Skupina},
        {"Koeficient", nullptr, &M::Koeficient},
        {"Otoceni", nullptr, &M::Otoceni},
        {"Malta", nullptr, &M::Malta},
        {"Ttu2", &M::Ttu2, nullptr},
        {"Perlit", nullptr, &M::Perlit},
        {"MaltaZak", nullptr, &M::MaltaZak},
        {"PaletaObjCislo", &M::PaletaObjCislo, nullptr},
        {"SkupZbo", &M::SkupZbo, nullptr},
        {"PaletaSkupZbo", &M::PaletaSkupZbo, nullptr},
        {"Varianta", &M::Varianta, nullptr},
        {"Rezerva1", &M::Rezerva1, nullptr},
        {"Rezerva2", &M::Rezerva2, nullptr},
        {"Polystyr", nullptr, &M::Polystyr},
        {"VariantaKod", nullptr, &M::VariantaKod},
        {"DelsiUlozeni", nullptr, &M::DelsiUlozeni},
    }};
    return fields;
}

}  // namespace belvo
