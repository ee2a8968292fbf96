// The persistent classes of walls, for the application's class registry.
#pragma once

#include "foundation/archive.h"

namespace belvo {

// Adds CZed, COkna, CZkoseni and CZedSokl.
void RegisterWallClasses(ClassRegistry& registry);

}  // namespace belvo
