// Build-time tool: turns the readable demo price list (a tab-separated text) into a price-list
// file with the program's own writer.
//
//   make_demo_catalogue SOURCE.tsv OUTPUT.dat
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/catalogue_classes.h"
#include "catalogue/material.h"
#include "catalogue/price_list_file.h"

namespace {

using namespace belvo;

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return cells;
        start = tab + 1;
    }
}

[[noreturn]] void Fail(const std::string& source, int lineNumber, const std::string& what)
{
    throw std::runtime_error(source + ":" + std::to_string(lineNumber) + ": " + what);
}

PriceList ReadSource(const std::string& source)
{
    std::ifstream in(source, std::ios::binary);
    if (!in) throw std::runtime_error(source + ": cannot be opened");

    PriceList priceList;
    bool haveLabel = false;
    std::vector<const MaterialField*> columns;
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        const std::vector<std::string> cells = SplitTabs(line);

        if (!haveLabel) {
            if (cells.size() != 2 || cells[0] != "CenikId") Fail(source, lineNumber, "expected \"CenikId<TAB>label\"");
            priceList.CenikId = cells[1];
            haveLabel = true;
            continue;
        }
        if (columns.empty()) {
            std::map<std::string, const MaterialField*> byName;
            for (const MaterialField& field : MaterialFields()) byName[std::string(field.name)] = &field;
            for (const std::string& name : cells) {
                const auto found = byName.find(name);
                if (found == byName.end()) Fail(source, lineNumber, "no field \"" + name + "\"");
                columns.push_back(found->second);
            }
            continue;
        }

        if (cells.size() != columns.size())
            Fail(source, lineNumber,
                 std::to_string(cells.size()) + " cells, the header names " + std::to_string(columns.size()));
        auto material = std::make_unique<CMaterial>();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const MaterialField& field = *columns[i];
            const std::string& cell = cells[i];
            if (cell.empty()) continue;
            if (field.text) {
                material.get()->*field.text = cell;
                continue;
            }
            std::size_t stop = 0;
            const CCislo value = CCislo::Parse(cell, Separators{}, CCislo::kPoint, &stop);
            if (value.IsNull() || stop != cell.size())
                Fail(source, lineNumber, "\"" + cell + "\" is no number for " + std::string(field.name));
            material.get()->*field.number = value;
            if (field.name == "Typ") material->TypText = cell;
        }
        priceList.materials.Append(std::move(material));
    }
    if (!haveLabel || columns.empty()) throw std::runtime_error(source + ": no label or no header");
    return priceList;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_demo_catalogue SOURCE.tsv OUTPUT.dat\n";
        return 2;
    }
    try {
        const PriceList priceList = ReadSource(argv[1]);
        ClassRegistry classes;
        RegisterCatalogueClasses(classes);
        WritePriceListFile(argv[2], priceList.CenikId, priceList.materials, classes);
        std::cout << "make_demo_catalogue: " << priceList.materials.size() << " materials written to " << argv[2]
                  << '\n';
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "make_demo_catalogue: " << error.what() << '\n';
        return 1;
    }
}
