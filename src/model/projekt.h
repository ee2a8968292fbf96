// CProjekt, the root of the project tree: the project's name, description, author, the label of
// the price list it was made with and its pricing parameters, which every proposal copies.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "foundation/decimal.h"
#include "model/element.h"

namespace belvo {

class SystemInfo;

class CProjekt : public CPrvek {
public:
    static const CRuntimeClass classInfo;  // "CProjekt", 0x80000002
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    // The fixed defaults; what a loaded project starts from.
    CProjekt();
    // A new project: created today, its author, VAT, discount, surcharge and the VAT display from
    // the settings. An empty author setting is filled with "computer~user" and written back.
    static std::unique_ptr<CProjekt> Novy(SettingsStore& settings, const SystemInfo& system);

    // Takes DPH, Sleva and Atyp from the given settings section.
    void NactiVychozi(const SettingsStore& settings, std::string_view section);

    // A project stored under schema 1 has no Atyp: it takes the one of its price list's
    // settings (through the archive's Settings(); "20" without settings).
    void Serialize(CArchive& ar) override;

    std::unique_ptr<FormModel> VytvorDialog(FormHost& host) override;
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;
    std::string TreeLabel(const Separators&) const override { return PrvniRadek(); }
    int TreePicture() const override { return 0; }

    // Nazev up to its first line feed: the name in the tree and at the head of every path.
    std::string PrvniRadek() const;

    std::string Popis;
    std::string Vznik;    // "%#d.%#m.%Y"
    std::string Autor;
    std::string CenikId;
    CCislo Sleva;
    CCislo Atyp;          // schema 2
    CCislo DPH;
    bool SDPH = false;
    CCislo DopravaKm;
    CCislo DopravaCenaKm;
    CCislo DopravaCena;
};

// The surcharge for atypical panels that the settings give a price list: the key "Atyp" of the
// price list's section, else of "Setup", else "20". Without settings, "20".
CCislo AtypZNastaveni(const SettingsStore* settings, const std::string& cenikId);

}  // namespace belvo
