#include "model/model_classes.h"

#include "model/projekt.h"
#include "model/skupina.h"

namespace belvo {

void RegisterModelClasses(ClassRegistry& registry)
{
    registry.Add(CProjekt::classInfo);
    registry.Add(CSkupina::classInfo);
}

}  // namespace belvo
