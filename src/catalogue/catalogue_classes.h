// The persistent classes of the catalogue, for the application's class registry.
#pragma once

#include "foundation/archive.h"

namespace belvo {

// Adds CMaterial and CPalety.
void RegisterCatalogueClasses(ClassRegistry& registry);

}  // namespace belvo
