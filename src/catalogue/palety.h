// CPalety: the pallet summary row of a proposal, one per kind of pallet that the proposal's
// items use.
#pragma once

#include <string>

#include "foundation/archive.h"
#include "foundation/decimal.h"

namespace belvo {

class CPalety : public CObject {
public:
    static const CRuntimeClass classInfo;

    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    std::string Nazev;  // name of the pallet
    CCislo Cena;        // price of one pallet
    CCislo Vykup;       // buy-back price
    CCislo Pocet;       // pallets the proposal needs
    CCislo Oprava;      // the user's correction of Pocet
    CCislo Vaha;        // weight of one pallet
    int Radek = -1;     // row of the pallet table showing this record; not stored
};

}  // namespace belvo
