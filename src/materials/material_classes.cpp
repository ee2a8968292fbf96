#include "materials/material_classes.h"

#include "materials/cihly.h"
#include "materials/delka.h"
#include "materials/dlazba.h"
#include "materials/kusy.h"
#include "materials/pasky.h"
#include "materials/strop.h"
#include "materials/tvarovky.h"

namespace belvo {

void RegisterMaterialClasses(ClassRegistry& registry)
{
    for (const CRuntimeClass* cls : {&CKusy::classInfo, &CKusyPreklady::classInfo, &CDelka::classInfo,
                                     &CCihly::classInfo, &CTvarovky::classInfo, &CDlazba::classInfo,
                                     &CPasky::classInfo, &CVelto::classInfo, &CHurdis::classInfo})
        registry.Add(*cls);
}

}  // namespace belvo
