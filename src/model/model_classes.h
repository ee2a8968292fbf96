// The persistent classes of the project model, for the application's class registry.
#pragma once

#include "foundation/archive.h"

namespace belvo {

// Adds CProjekt and CSkupina.
void RegisterModelClasses(ClassRegistry& registry);

}  // namespace belvo
