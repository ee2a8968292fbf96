#include "catalogue/price_list_view.h"

#include "catalogue/price_list_label.h"

namespace belvo {

std::string PriceListViewTitle(const std::string& cenikId)
{
    const std::string currency = CenikIdCurrency(cenikId);
    return "Ceník " + cenikId + "; ceny v " + (currency.empty() ? std::string("Kč") : currency);
}

std::vector<TableDialog::Column> PriceListViewColumns()
{
    constexpr bool kNumber = true;
    return {
        {"obj.č.", 65},
        {"název", 300},
        {"závod", 150},
        {"šířka", 50, kNumber},
        {"délka", 50, kNumber},
        {"výška", 50, kNumber},
        {"cena (paleta)", 80, kNumber},
        {"cena (volná)", 80, kNumber},
        {"hmotnost/ks", 80, kNumber},
        {"ks/paletu", 80, kNumber},
        {"skupina", 40, kNumber},
        {"paleta", 80},
        {"TTU2", 80},
        {"patří k", 1},
        {"typ doplňku", 1, kNumber},
        {"otočení", 1, kNumber},
    };
}

std::vector<std::string> PriceListViewRow(const CMaterial& m, const Separators& separators)
{
    const auto number = [&](const CCislo& value, int decimals = CCislo::kOwnScale) {
        return value.Format(separators, 0, decimals);
    };
    return {
        m.ObjCislo,
        m.Nazev,
        m.Zavod,
        number(m.Sirka),
        number(m.Delka),
        number(m.Vyska),
        number(m.CenaPaleta, 2),
        number(m.CenaVolna, 2),
        number(m.Vaha, 1),
        number(m.KsNaPalete),
        number(m.Skupina),
        m.PaletaNazev + "(" + m.PaletaObjCislo + ")",
        m.Ttu2,
        m.ZaklMat,
        number(m.Typ),
        number(m.Otoceni),
    };
}

TableDialog PriceListViewTable(const PriceList& cenik, const Separators& separators)
{
    TableDialog table;
    table.title = PriceListViewTitle(cenik.CenikId);
    table.leadingColumnWidth = 15;
    table.columns = PriceListViewColumns();
    table.filterColumns = {kPriceListViewOrderColumn, kPriceListViewNameColumn};
    for (const CMaterial& material : cenik.materials)
        if (material.JeNeotoceny()) table.rows.push_back(PriceListViewRow(material, separators));
    return table;
}

}  // namespace belvo
