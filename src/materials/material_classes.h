// The persistent classes of the material elements, for the application's class registry.
#pragma once

#include "foundation/archive.h"

namespace belvo {

// Adds CKusy, CKusyPreklady, CDelka, CCihly, CTvarovky, CDlazba, CPasky, CVelto and CHurdis.
void RegisterMaterialClasses(ClassRegistry& registry);

}  // namespace belvo
