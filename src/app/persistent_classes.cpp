#include "app/persistent_classes.h"

#include "catalogue/catalogue_classes.h"
#include "model/model_classes.h"
#include "proposal/proposal_classes.h"
#include "walls/wall_classes.h"

namespace belvo {

const ClassRegistry& PersistentClasses()
{
    static const ClassRegistry registry = [] {
        ClassRegistry r;
        RegisterCatalogueClasses(r);
        RegisterModelClasses(r);
        RegisterProposalClasses(r);
        RegisterWallClasses(r);
        return r;
    }();
    return registry;
}

}  // namespace belvo
