#include "fuzz_classes.h"

namespace belvo::fuzz {

const CRuntimeClass FuzzElement::classInfo{"FuzzElement", 1, nullptr, nullptr};
const CRuntimeClass FuzzWall::classInfo{"FuzzWall", VERSIONABLE_SCHEMA | 3, &CreateObject<FuzzWall>,
                                        &FuzzElement::classInfo};
const CRuntimeClass FuzzGroup::classInfo{"FuzzGroup", 1, &CreateObject<FuzzGroup>, &FuzzElement::classInfo};
const CRuntimeClass FuzzLink::classInfo{"FuzzLink", 1, &CreateObject<FuzzLink>, nullptr};
const CRuntimeClass FuzzNest::classInfo{"FuzzNest", 1, &CreateObject<FuzzNest>, nullptr};

void FuzzWall::Serialize(CArchive& ar)
{
    const std::uint32_t schema = ar.GetObjectSchema();
    ar.Transfer(Nazev);
    ar.Transfer(Delka);
    if (schema >= 2) {
        ar.Transfer(Pocet);
        ar.Transfer(Nosna);
    } else {
        Pocet = 1;
        Nosna = false;
    }
    if (schema >= 3)
        ar.Transfer(Poznamka);
    else
        Poznamka = "-";
}

void FuzzGroup::Serialize(CArchive& ar)
{
    ar.Transfer(Nazev);
    ar.SerializeList(Prvky);
}

void FuzzLink::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar.WriteObject(target);
    else
        target = static_cast<FuzzElement*>(ar.ReadObject(&FuzzElement::classInfo));
    ar.Transfer(Podil);
}

void FuzzNest::Serialize(CArchive& ar)
{
    ar.Transfer(Uroven);
    if (ar.IsStoring())
        ar.WriteObject(child.get());
    else
        child = ar.ReadOwned<FuzzNest>();
}

void RegisterFuzzClasses(ClassRegistry& registry)
{
    for (const CRuntimeClass* cls :
         {&FuzzElement::classInfo, &FuzzWall::classInfo, &FuzzGroup::classInfo, &FuzzLink::classInfo, &FuzzNest::classInfo})
        registry.Add(*cls);
}

}  // namespace belvo::fuzz
