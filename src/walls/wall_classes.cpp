#include "walls/wall_classes.h"

#include "walls/okna.h"
#include "walls/zed.h"
#include "walls/zed_sokl.h"
#include "walls/zkoseni.h"

namespace belvo {

void RegisterWallClasses(ClassRegistry& registry)
{
    registry.Add(CZed::classInfo);
    registry.Add(COkna::classInfo);
    registry.Add(CZkoseni::classInfo);
    registry.Add(CZedSokl::classInfo);
}

}  // namespace belvo
