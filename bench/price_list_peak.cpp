// price_list_peak write FILE [COUNT] | read FILE
// Writes a benchmark price list, or reads one and reports its size, so that the peak memory of
// reading can be measured without the writing in the same process.
#include <cstdlib>
#include <iostream>
#include <string>

#include "bench_price_list.h"
#include "catalogue/catalogue_classes.h"
#include "catalogue/price_list_file.h"

int main(int argc, char** argv)
{
    using namespace belvo;
    if (argc < 3) {
        std::cerr << "usage: price_list_peak write FILE [COUNT] | read FILE\n";
        return 2;
    }
    ClassRegistry classes;
    RegisterCatalogueClasses(classes);
    const std::string mode = argv[1];
    try {
        if (mode == "write") {
            const std::size_t count = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 50000;
            WritePriceListFile(argv[2], "CZ20240102 08:00 (Kč)/BENCH", bench::MakeLargePriceList(count), classes);
            return 0;
        }
        if (mode == "read") {
            const PriceList read = ReadPriceListFile(argv[2], classes);
            std::cout << read.materials.size() << " records\n";
            return 0;
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 3;
    }
    std::cerr << "unknown mode " << mode << '\n';
    return 2;
}
