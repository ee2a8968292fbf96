#include "catalogue/catalogue_classes.h"

#include "catalogue/material.h"
#include "catalogue/palety.h"

namespace belvo {

void RegisterCatalogueClasses(ClassRegistry& registry)
{
    registry.Add(CMaterial::classInfo);
    registry.Add(CPalety::classInfo);
}

}  // namespace belvo
