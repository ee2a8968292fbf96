// CMaterial: one record of the price list. Identity (order number, name, plant), dimensions,
// weight, packaging on pallets, prices, classification (group and type) and the product figures
// that the element calculations read.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "foundation/archive.h"
#include "foundation/decimal.h"

namespace belvo {

class CMaterial : public CObject {
public:
    static const CRuntimeClass classInfo;
    // The newest record layout; older files lack the blocks added after their version.
    static constexpr std::uint32_t kCurrentVersion = 5;

    CMaterial();
    CMaterial(const CMaterial&) = default;
    CMaterial& operator=(const CMaterial&) = default;

    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    // The modular value of Sirka, Delka or Vyska (see ModularDimension).
    CCislo ModulSirka() const;
    CCislo ModulDelka() const;
    CCislo ModulVyska() const;

    // Family codes are data, not display: they read the same under every locale.
    // One family code from its text: a point or a comma is the decimal separator, spaces are
    // skipped, reading stops at any other character (a second separator included); an empty text
    // reads as null, which compares as 0.
    static CCislo CtiKodRodiny(std::string_view text);
    // ZaklMat read as one code: the family code of a base brick.
    CCislo KodRodiny() const { return CtiKodRodiny(ZaklMat); }
    // Whether ZaklMat lists the family code that `zaklMat` holds (typically the ZaklMat of a base
    // brick), both read with CtiKodRodiny.
    bool PatriDoRodiny(std::string_view zaklMat) const;
    // Whether `test` holds for some family code that ZaklMat lists; the codes are tried in order
    // (the pieces between ";", read with CtiKodRodiny) until one passes.
    template <class Test>
    bool AnyKodRodiny(Test&& test) const
    {
        const std::string_view codes = ZaklMat;
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = codes.find(';', start);
            if (test(CtiKodRodiny(codes.substr(start, end == std::string_view::npos ? end : end - start)))) return true;
            if (end == std::string_view::npos) return false;
            start = end + 1;
        }
    }

    // Row kinds.
    bool JeNeotoceny() const;      // Otoceni is 0 (a null rotation counts as 0)
    bool JeTitulekTypu() const;    // a type caption row (order number ".")

    // Whether Typ, as a whole number, has any of the given bits set (pieces of a brick family).
    bool MaTypBit(int bits) const;

    // All fields identical, decimals including their scale and null flag.
    bool StejnyZaznam(const CMaterial& other) const;

    // Fields, in declaration order. Texts are UTF-8; the files hold them in Windows-1250.
    std::string ObjCislo;       // order number, the key; "." for a type caption row
    std::string Nazev;          // name; the caption for a type caption row
    std::string Zavod;          // plant; the Allplan keyword for a type caption row
    CCislo Vaha;                // weight of one piece, kg
    CCislo KsNaPalete;          // pieces on one pallet
    CCislo CenaPaleta;          // price of a piece bought by whole pallets
    CCislo CenaVolna;           // price of a piece bought loose
    CCislo PaletaVaha;          // weight of the pallet
    CCislo PaletaCena;          // price of the pallet
    CCislo PaletaVykup;         // buy-back price of the pallet
    std::string PaletaNazev;    // name of the pallet
    CCislo Sirka;               // first dimension, mm
    CCislo Delka;               // second dimension, mm
    CCislo Vyska;               // third dimension, mm
    std::string ZaklMat;        // brick-family codes separated by ";"
    std::string TypText;        // type code as text
    CCislo Typ;                 // type code
    CCislo Skupina;             // group code (negative for special rows)
    CCislo Koeficient;          // 1; stored and copied, read by no calculation
    CCislo Otoceni;             // rotation of the dimensions: 0, 1 or 2
    CCislo Malta;               // mortar figure of this row
    std::string Ttu2;           // thermal transmittance text (version 2)
    CCislo Perlit;              // (version 2)
    CCislo MaltaZak;            // (version 2)
    std::string PaletaObjCislo; // order number of the pallet (version 3)
    std::string SkupZbo;        // ERP goods group (version 3)
    std::string PaletaSkupZbo;  // ERP goods group of the pallet (version 3)
    std::string Varianta;       // price-variant suffix: "", "sb", "sbc", "sbd" (version 4)
    std::string Rezerva1;       // reserved, empty (version 4)
    std::string Rezerva2;       // reserved, empty (version 4)
    CCislo Polystyr;            // lintel figure (version 4)
    CCislo VariantaKod;         // price-variant code: 0, 4, 8, 16 (version 4)
    CCislo DelsiUlozeni;        // longer-bearing figure of a lintel (version 5)
};

// One field of CMaterial by name, for generic listing (JSON output, text sources, comparison).
// Exactly one of the two member pointers is set.
struct MaterialField {
    std::string_view name;
    std::string CMaterial::*text = nullptr;
    CCislo CMaterial::*number = nullptr;
};

// Every field of CMaterial in declaration order.
std::span<const MaterialField> MaterialFields();

}  // namespace belvo
