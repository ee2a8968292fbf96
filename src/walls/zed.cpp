#include "walls/zed.h"

#include "model/najdi_material.h"
#include "walls/wall_texts.h"

namespace belvo {

namespace {

// The plinth of a schema-4 wall as a plinth section of its own.
std::unique_ptr<CZedSokl> SoklZeStareZdi(const CZed& wall)
{
    auto section = std::make_unique<CZedSokl>();
    section->Nazev = "Sokl";
    section->PocetSaru = wall.Sokl;
    section->MaterialText = wall.SoklStaryText;
    section->ObjCislo = wall.SoklStaryObjCislo;
    section->SirkaModul = wall.SoklStarySirka;
    section->Otoceni = wall.SoklStaryOtoceni;
    section->VyskaModul = CCislo(0);
    section->Volby = kSoklVolbyPrevod;
    return section;
}
}  // namespace

const CRuntimeClass CZed::classInfo{"CZed", VERSIONABLE_SCHEMA | 5, &CreateObject<CZed>, &CPrvek::classInfo};

CZed::CZed() { Nazev = "Zeď"; }

void CZed::Serialize(CArchive& ar)
{
    const std::uint32_t schema = ar.GetObjectSchema();
    ar.Transfer(Nazev).Transfer(Pocet).Transfer(Popis).Transfer(Sirka).Transfer(Delka).Transfer(Vyska);
    ar.Transfer(MaterialText).Transfer(ObjCislo).Transfer(Otoceni);
    ar.Transfer(Rohy).Transfer(VnitrniRohy).Transfer(TeplaMalta).Transfer(Omitka);
    if (schema >= 2) {
        ar.Transfer(Rohy135).Transfer(SarePerlit);
    } else {
        Rohy135 = CCislo(0);
        SarePerlit = CCislo(0);
    }
    if (schema >= 3) ar.Transfer(ZaklMalta);
    else ZaklMalta = 0;
    if (schema >= 4) {
        ar.Transfer(Sokl).Transfer(SoklStarySirka).Transfer(SoklStaryText).Transfer(SoklStaryObjCislo);
        ar.Transfer(SoklStaryOtoceni).Transfer(Skladba);
    } else {
        Sokl = CCislo(0);
        SoklStarySirka = CCislo();
        SoklStaryText.clear();
        SoklStaryObjCislo.clear();
        SoklStaryOtoceni = CCislo();
        Skladba.clear();
    }
    if (schema >= 5) ar.SerializeList(Sokly);
    ar.SerializeList(Okna);
    ar.SerializeList(Zkoseni);
    SerializePrvky(ar);

    // A schema-4 wall had one plinth of its own and counted its perlite courses from the foot
    // of the wall; it becomes the first plinth section, and the perlite courses are counted
    // above it. The old fields stay as they were and are written back unchanged.
    if (ar.IsLoading() && schema == 4 && Sokl > CCislo(0)) {
        Sokly.insert(Sokly.begin(), SoklZeStareZdi(*this));
        const CCislo above = SarePerlit - Sokl;
        SarePerlit = above > CCislo(0) ? above : CCislo(0);
    }
}

int CZed::PocetRohu() const
{
    if (Rohy == 0) return 0;
    if (Rohy == kRohPrvni || Rohy == kRohDruhy) return 1;
    return 2;
}

std::string CZed::TreeLabel(const Separators& separators) const
{
    if (Pocet > CCislo(1)) return Nazev + ", " + Pocet.Format(separators);
    return Nazev;
}

void CZed::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                          const CMaterialList& materials, const Separators& separators) const
{
    const std::string ownPath = path + "::" + Nazev;
    if (!NajdiMaterialOtoceni(materials, ObjCislo, Otoceni))
        missing.push_back({Nazev, ObjCislo, MaterialTextSeSirkou(MaterialText, Otoceni, Sirka, separators), ownPath});
    for (const auto& opening : Okna) opening->KontrolaCeniku(missing, ownPath, materials, separators);
    for (const auto& slant : Zkoseni) slant->KontrolaCeniku(missing, ownPath, materials, separators);
    for (const auto& section : Sokly) section->KontrolaCeniku(missing, ownPath, materials, separators);
    ChildrenKontrolaCeniku(missing, ownPath, materials, separators);
}

}  // namespace belvo
