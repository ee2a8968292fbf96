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
#include "catalogue/price_list_view.h"
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
    out << TabCell(PriceListViewTitle(priceList.CenikId)) << '\n';
    const std::vector<TableDialog::Column> columns = PriceListViewColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) out << (i ? "\t" : "") << columns[i].header;
    out << '\n';
    for (const CMaterial& m : priceList.materials) {
        if (!Listed(m, all)) continue;
        const std::vector<std::string> cells = PriceListViewRow(m, separators);
        for (std::size_t i = 0; i < cells.size(); ++i) out << (i ? "\t" : "") << TabCell(cells[i]);
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
