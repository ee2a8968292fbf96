// The persistent classes of proposals, for the application's class registry.
#pragma once

#include "foundation/archive.h"

namespace belvo {

// Adds CPolozka and CNavrh.
void RegisterProposalClasses(ClassRegistry& registry);

}  // namespace belvo
