#include "bench_price_list.h"

#include <string>

namespace belvo::bench {

CMaterialList MakeLargePriceList(std::size_t count)
{
    CMaterialList list;
    CMaterial m;
    m.Zavod = "Závod Jih";
    m.PaletaNazev = "Paleta 1200x1000";
    m.PaletaObjCislo = "99001";
    m.PaletaVaha = CCislo(25);
    m.PaletaCena = CCislo(25000, 2);
    m.PaletaVykup = CCislo(20000, 2);
    m.Ttu2 = "0,28";
    m.SkupZbo = "110";
    m.PaletaSkupZbo = "900";
    m.Koeficient = CCislo(1);
    m.Perlit = CCislo(10, 3);
    m.MaltaZak = CCislo(0);
    m.Polystyr = CCislo(0);
    m.VariantaKod = CCislo(0);
    m.DelsiUlozeni = CCislo(0);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t material = i - i % 3;
        const bool rotatedFamily = material % 9 == 0;
        const std::size_t rotation = rotatedFamily ? i % 3 : 0;
        m.ObjCislo = std::to_string(100000 + (rotatedFamily ? material : i));
        m.Nazev = "Cihla broušená P+D řada " + std::to_string(i % 97) + " tloušťka " + std::to_string(i % 50) + " cm";
        m.Sirka = CCislo(static_cast<std::int64_t>(100 + i % 400));
        m.Delka = CCislo(247);
        m.Vyska = CCislo(249);
        m.Vaha = CCislo(static_cast<std::int64_t>(15000 + i % 1000), 3);
        m.KsNaPalete = CCislo(60);
        m.CenaPaleta = CCislo(static_cast<std::int64_t>(5000 + i % 700), 2);
        m.CenaVolna = CCislo(static_cast<std::int64_t>(5300 + i % 700), 2);
        m.ZaklMat = std::to_string(i % 60);
        m.TypText = std::to_string(i % 3 == 0 ? 0 : 1 << (i % 6));
        m.Typ = CCislo(i % 3 == 0 ? 0 : 1 << (i % 6));
        m.Skupina = CCislo(static_cast<int>(i % 7 == 0 ? 38 : 1));
        m.Otoceni = CCislo(static_cast<std::int64_t>(rotation));
        m.Malta = CCislo(120, 2);
        list.Append(std::make_unique<CMaterial>(m));
    }
    return list;
}

}  // namespace belvo::bench
