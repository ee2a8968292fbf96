// belvo-cli catalogue FILE.dat [--all] [--format text|json]: lists a price-list file as the
// price-list view shows it (rows of rotation 0; every row with --all).
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_classes.h"
#include "catalogue/material.h"
#include "catalogue/price_list_file.h"
#include "catalogue/price_list_label.h"
#include "cli/cli_args.h"
#include "cli/cli_command.h"
#include "cli/cli_text.h"
#include "cli/json_writer.h"
#include "platform/qt/system_info_qt.h"

namespace belvo::cli {

namespace {

struct CatalogueOptions {
    std::string file;
    bool all = false;
    OutputFormat format = OutputFormat::Text;
};

CatalogueOptions ParseOptions(const std::vector<std::string>& args)
{
    CatalogueOptions options;
    options.file = OnlyArgument(ReadArguments(args, {Flag("--all", options.all), FormatOption(options.format)}),
                                "price-list file");
    return options;
}

bool Listed(const CMaterial& material, bool all) { return all || material.JeNeotoceny(); }

void WriteText(std::ostream& out, const PriceList& priceList, bool all, const Separators& separators)
{
    const std::string currency = CenikIdCurrency(priceList.CenikId);
    out << TabCell("Ceník " + priceList.CenikId + "; ceny v " + (currency.empty() ? "Kč" : currency)) << '\n';

    static constexpr std::string_view kHeadings[] = {
        "obj.č.",       "název",     "závod",   "šířka",  "délka", "výška",   "cena (paleta)", "cena (volná)",
        "hmotnost/ks",  "ks/paletu", "skupina", "paleta", "TTU2",  "patří k", "typ doplňku",   "otočení",
    };
    for (std::size_t i = 0; i < std::size(kHeadings); ++i) out << (i ? "\t" : "") << kHeadings[i];
    out << '\n';

    // Numbers as the view formats them: the stated decimals, otherwise as stored; no width.
    const auto number = [&](const CCislo& value, int decimals = CCislo::kOwnScale) {
        return value.Format(separators, 0, decimals);
    };
    for (const CMaterial& m : priceList.materials) {
        if (!Listed(m, all)) continue;
        const std::string cells[] = {
            TabCell(m.ObjCislo),
            TabCell(m.Nazev),
            TabCell(m.Zavod),
            number(m.Sirka),
            number(m.Delka),
            number(m.Vyska),
            number(m.CenaPaleta, 2),
            number(m.CenaVolna, 2),
            number(m.Vaha, 1),
            number(m.KsNaPalete),
            number(m.Skupina),
            TabCell(m.PaletaNazev + "(" + m.PaletaObjCislo + ")"),
            TabCell(m.Ttu2),
            TabCell(m.ZaklMat),
            number(m.Typ),
            number(m.Otoceni),
        };
        for (std::size_t i = 0; i < std::size(cells); ++i) out << (i ? "\t" : "") << cells[i];
        out << '\n';
    }
}

void WriteJson(std::ostream& out, const PriceList& priceList, bool all)
{
    JsonWriter json(out);
    json.BeginObject();
    json.Field("CenikId", priceList.CenikId);
    json.Key("materials");
    json.BeginArray();
    for (const CMaterial& m : priceList.materials) {
        if (!Listed(m, all)) continue;
        json.BeginObject();
        for (const MaterialField& field : MaterialFields()) {
            if (field.text)
                json.Field(field.name, m.*field.text);
            else
                json.Field(field.name, m.*field.number);
        }
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    json.Finish();
}

}  // namespace

int RunCatalogue(const std::vector<std::string>& args)
{
    const CatalogueOptions options = ParseOptions(args);

    ClassRegistry classes;
    RegisterCatalogueClasses(classes);
    const PriceList priceList = ReadPriceListFile(options.file, classes);

    if (options.format == OutputFormat::Json)
        WriteJson(std::cout, priceList, options.all);
    else
        WriteText(std::cout, priceList, options.all, QtSystemInfo().NumberSeparators());
    return kExitDone;
}

}  // namespace belvo::cli
