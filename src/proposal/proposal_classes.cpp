#include "proposal/proposal_classes.h"

#include "proposal/navrh.h"

namespace belvo {

void RegisterProposalClasses(ClassRegistry& registry)
{
    registry.Add(CPolozka::classInfo);
    registry.Add(CNavrh::classInfo);
}

}  // namespace belvo
