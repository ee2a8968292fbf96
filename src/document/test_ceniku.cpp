#include "document/test_ceniku.h"

#include "platform/report_failure.h"

namespace belvo {

std::vector<CChybiMaterial> ChybejiciMaterial(const std::vector<std::unique_ptr<CProjekt>>& projekty,
                                              const CMaterialList& materials, const Separators& separators)
{
    std::vector<CChybiMaterial> missing;
    for (const auto& projekt : projekty) projekt->KontrolaCeniku(missing, "", materials, separators);
    return missing;
}

TableDialog MissingMaterialTable(const std::vector<CChybiMaterial>& missing)
{
    TableDialog table;
    table.title = "Nenalezený materiál v nahraném ceníku";
    table.leadingColumnWidth = 15;
    table.columns = {{"položka", 200}, {"obj.č.", 70}, {"materiál", 400}, {"nadpoložky", 800}};
    table.rows.reserve(missing.size());
    for (const CChybiMaterial& record : missing)
        table.rows.push_back({record.Polozka, record.ObjCislo, record.Material, record.Nadpolozky});
    table.note = "pravděpodobně bude potřeba uvedené materiály nahradit";
    return table;
}

void TestCeniku(Ui& ui, const std::vector<std::unique_ptr<CProjekt>>& projekty, const CMaterialList& materials,
                const Separators& separators)
{
    const WaitCursor wait(ui);
    RunReporting(ui, "TestCeniku", "Chyba", [&] {
        const std::vector<CChybiMaterial> missing = ChybejiciMaterial(projekty, materials, separators);
        if (!missing.empty()) ui.ShowTable(MissingMaterialTable(missing));
    });
}

}  // namespace belvo
