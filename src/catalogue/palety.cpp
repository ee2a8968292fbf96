#include "catalogue/palety.h"

namespace belvo {

const CRuntimeClass CPalety::classInfo{"CPalety", 1, &CreateObject<CPalety>, nullptr};

void CPalety::Serialize(CArchive& ar)
{
    ar.Transfer(Nazev).Transfer(Cena).Transfer(Vykup).Transfer(Pocet).Transfer(Oprava).Transfer(Vaha);
}

}  // namespace belvo
