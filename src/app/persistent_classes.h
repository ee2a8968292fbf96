// Every persistent class of the program, in the one registry that each archive is given: a file
// may hold exactly the classes listed here.
#pragma once

#include "foundation/archive.h"

namespace belvo {

// Built on first use; every folder that has persistent classes adds them here.
const ClassRegistry& PersistentClasses();

}  // namespace belvo
