#include "model/projekt.h"

#include "model/projekt_form.h"
#include "settings/settings_keys.h"
#include "catalogue/price_list_label.h"
#include "platform/report_failure.h"
#include "platform/system_info.h"

namespace belvo {

namespace {
std::unique_ptr<CObject> NewProjekt() { return std::make_unique<CProjekt>(); }

// "%#d.%#m.%Y": day and month without leading zeros.
std::string Datum(const LocalTime& t)
{
    return std::to_string(t.day) + "." + std::to_string(t.month) + "." + std::to_string(t.year);
}
}  // namespace

const CRuntimeClass CProjekt::classInfo{"CProjekt", VERSIONABLE_SCHEMA | 2, &NewProjekt, &CPrvek::classInfo};

CProjekt::CProjekt() : DopravaCena(0)
{
    Nazev = "Projekt";
}

std::unique_ptr<CProjekt> CProjekt::Novy(SettingsStore& settings, const SystemInfo& system)
{
    auto projekt = std::make_unique<CProjekt>();
    projekt->Vznik = Datum(system.Now());
    projekt->Autor = ReadText(settings, keys::Autor);
    if (projekt->Autor.empty()) {
        projekt->Autor = system.ComputerName() + "~" + system.UserName();
        WriteText(settings, keys::Autor, projekt->Autor);
    }
    projekt->NactiVychozi(settings, kSetupSection);
    projekt->SDPH = ReadFlag(settings, keys::Cena);
    return projekt;
}

void CProjekt::NactiVychozi(const SettingsStore& settings, std::string_view section)
{
    // A new project reads a missing VAT as 22 %, unlike the settings dialog.
    DPH = ReadDecimal(settings, section, keys::DPH, "22");
    Sleva = ReadDecimal(settings, section, keys::Sleva, "0");
    Atyp = ReadDecimal(settings, section, keys::Atyp, "20");
}

CCislo AtypZNastaveni(const SettingsStore* settings, const std::string& cenikId)
{
    if (settings == nullptr) return ParseSettingDecimal(keys::Atyp.defaultValue);
    return ReadDecimalOrSetup(*settings, PriceListSectionName(cenikId), keys::Atyp);
}

void CProjekt::Serialize(CArchive& ar)
{
    const std::uint32_t schema = ar.GetObjectSchema();
    ar.Transfer(Nazev).Transfer(Popis).Transfer(Vznik).Transfer(Autor).Transfer(CenikId);
    ar.Transfer(Sleva).Transfer(DPH);
    ar.Transfer(SDPH);
    ar.Transfer(DopravaKm).Transfer(DopravaCenaKm).Transfer(DopravaCena);
    if (schema >= 2) {
        ar.Transfer(Atyp);
    } else {
        Atyp = AtypZNastaveni(ar.Settings(), CenikId);
    }
    SerializePrvky(ar);
}

std::string CProjekt::PrvniRadek() const { return Nazev.substr(0, Nazev.find('\n')); }

void CProjekt::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                              CalcContext& context)
{
    RunReporting(context.ui, "CProjekt::VypocetPolozek", "Chyba",
                 [&] { ChildrenVypocetPolozek(navrh, materials, label, context); });
}

void CProjekt::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string&,
                              const CMaterialList& materials, const Separators& separators) const
{
    ChildrenKontrolaCeniku(missing, PrvniRadek(), materials, separators);
}

std::unique_ptr<FormModel> CProjekt::VytvorDialog(FormHost& host) { return std::make_unique<ProjektForm>(*this, host); }

}  // namespace belvo
