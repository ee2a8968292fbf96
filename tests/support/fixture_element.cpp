#include "support/fixture_element.h"

#include <stdexcept>

#include "app/persistent_classes.h"
#include "catalogue/material.h"
#include "model/najdi_material.h"
#include "proposal/item_operations.h"

namespace belvo::test {

namespace {
std::unique_ptr<CObject> NewTestPrvek() { return std::make_unique<CTestPrvek>(); }
}  // namespace

const CRuntimeClass CTestPrvek::classInfo{"CTestPrvek", 1, &NewTestPrvek, &CPrvek::classInfo};

CTestPrvek::CTestPrvek() { Nazev = "Prvek"; }

CTestPrvek::CTestPrvek(std::string name, std::vector<Contribution> list) : contributions(std::move(list))
{
    Nazev = std::move(name);
}

void CTestPrvek::Serialize(CArchive& ar)
{
    ar.GetObjectSchema();
    ar.Transfer(Nazev);
    if (ar.IsStoring() && failWhileStoring) throw std::runtime_error("Uložení selhalo");
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<std::uint32_t>(contributions.size()));
        for (Contribution& c : contributions) ar.Transfer(c.objCislo).Transfer(c.quantity).Transfer(c.surcharge).Transfer(c.separate);
    } else {
        const std::uint32_t count = ar.ReadCount(31);
        contributions.resize(count);
        for (Contribution& c : contributions) ar.Transfer(c.objCislo).Transfer(c.quantity).Transfer(c.surcharge).Transfer(c.separate);
    }
    SerializePrvky(ar);
}

void CTestPrvek::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                                CalcContext& context)
{
    for (const Contribution& c : contributions)
        PridejObjCislo(navrh, label, materials, c.objCislo, c.quantity, c.surcharge, c.separate, context);
    for (const Choice& c : choices)
        if (const CMaterial* material = VyberMaterial(navrh, materials, c.group, c.type, c.mortar, context))
            PridejPolozku(navrh, label, *material, c.quantity, CCislo(0), false);
    if (failAfterAdding) throw std::runtime_error("Prvek selhal");
    ChildrenVypocetPolozek(navrh, materials, label, context);
}

void CTestPrvek::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                                const CMaterialList& materials, const Separators& separators) const
{
    const std::string own = path + "::" + Nazev;
    for (const Contribution& c : contributions)
        if (NajdiMaterial(materials, c.objCislo) == nullptr) missing.push_back({Nazev, c.objCislo, c.objCislo, own});
    ChildrenKontrolaCeniku(missing, own, materials, separators);
}

const ClassRegistry& TestClasses()
{
    static const ClassRegistry registry = [] {
        ClassRegistry r = PersistentClasses();
        r.Add(CTestPrvek::classInfo);
        return r;
    }();
    return registry;
}

}  // namespace belvo::test
