// The base of the elements that cover an area from which openings and slanted ends are taken
// away (shaped bricks, paving, facing strips). The openings and slants are edited in the
// element's form; they are not shown in the project tree and not asked for items.
#pragma once

#include <memory>
#include <vector>

#include "foundation/decimal.h"
#include "model/element.h"
#include "walls/okna.h"
#include "walls/zkoseni.h"

namespace belvo {

class CPrvekSOtvory : public CPrvek {
public:
    std::vector<std::unique_ptr<COkna>> Otvory;
    std::vector<std::unique_ptr<CZkoseni>> Zkoseni;

protected:
    // The two lists, each as an object list.
    void SerializeOtvory(CArchive& ar);
    // The area each opening and then each slant takes away: its area × its count.
    std::vector<CCislo> OdebranePlochy() const;
    // The missing-material check of such an element, under its own path below `path`: its
    // material (`objCislo`, shown as `materialText`), then each opening, each slant and each child.
    void KontrolaSOtvory(std::vector<CChybiMaterial>& missing, const std::string& path, const std::string& objCislo,
                         const std::string& materialText, const CMaterialList& materials,
                         const Separators& separators) const;
};

}  // namespace belvo
