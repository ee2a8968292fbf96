// `TestCeniku`: after a price list was loaded, the materials that the projects' elements name and
// the new price list lacks, shown as the report "Nenalezený materiál v nahraném ceníku".
#pragma once

#include <memory>
#include <vector>

#include "catalogue/material_list.h"
#include "model/element.h"
#include "model/projekt.h"
#include "platform/ui.h"

namespace belvo {

// The missing materials of every project, in the order the projects' walks find them.
std::vector<CChybiMaterial> ChybejiciMaterial(const std::vector<std::unique_ptr<CProjekt>>& projekty,
                                              const CMaterialList& materials, const Separators& separators);

// The report: a fixed leading column, the columns "položka", "obj.č.", "materiál" and
// "nadpoložky", one row per record and the note below.
TableDialog MissingMaterialTable(const std::vector<CChybiMaterial>& missing);

// Checks every project against the price list and shows the report when anything is missing.
// Shows the wait cursor meanwhile; a failure is reported, followed by "TestCeniku" ("Chyba").
void TestCeniku(Ui& ui, const std::vector<std::unique_ptr<CProjekt>>& projekty, const CMaterialList& materials,
                const Separators& separators);

}  // namespace belvo
