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
#include "cli/cli_command.h"
#include "cli/json_writer.h"
#include "platform/qt/system_info_qt.h"

namespace belvo::cli {

namespace {

enum class Format { Text, Json };

struct CatalogueOptions {
    std::string file;
    bool all = false;
    Format format = Format::Text;
};

Format ParseFormat(std::string_view value)
{
    if (value == "text") return Format::Text;
    if (value == "json") return Format::Json;
    throw UsageError("unknown format \"" + std::string(value) + "\" (text or json)");
}

CatalogueOptions ParseOptions(const std::vector<std::string>& args)
{
    CatalogueOptions options;
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--all") {
            options.all = true;
        } else if (arg == "--format") {
            if (i + 1 >= args.size()) throw UsageError("--format needs a value (text or json)");
            options.format = ParseFormat(args[++i]);
        } else if (arg.starts_with("--format=")) {
            options.format = ParseFormat(std::string_view(arg).substr(9));
        } else if (arg.starts_with("-") && arg != "-") {
            throw UsageError("unknown option \"" + arg + "\"");
        } else if (haveFile) {
            throw UsageError("more than one file given");
        } else {
            options.file = arg;
            haveFile = true;
        }
    }
    if (!haveFile) throw UsageError("no price-list file given");
    return options;
}

bool Listed(const CMaterial& material, bool all) { return all || material.JeNeotoceny(); }

// A cell of the tab-separated listing: tabs, line feeds and other control characters would
// break the rows, so they become spaces.
std::string Cell(std::string_view text)
{
    std::string cell(text);
    for (char& c : cell)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return cell;
}

void WriteText(std::ostream& out, const PriceList& priceList, bool all, const Separators& separators)
{
    const std::string currency = CenikIdCurrency(priceList.CenikId);
    out << Cell("Ceník " + priceList.CenikId + "; ceny v " + (currency.empty() ? "Kč" : currency)) << '\n';

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
            Cell(m.ObjCislo),
            Cell(m.Nazev),
            Cell(m.Zavod),
            number(m.Sirka),
            number(m.Delka),
            number(m.Vyska),
            number(m.CenaPaleta, 2),
            number(m.CenaVolna, 2),
            number(m.Vaha, 1),
            number(m.KsNaPalete),
            number(m.Skupina),
            Cell(m.PaletaNazev + "(" + m.PaletaObjCislo + ")"),
            Cell(m.Ttu2),
            Cell(m.ZaklMat),
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

    if (options.format == Format::Json)
        WriteJson(std::cout, priceList, options.all);
    else
        WriteText(std::cout, priceList, options.all, QtSystemInfo().NumberSeparators());
    return kExitDone;
}

}  // namespace belvo::cli
