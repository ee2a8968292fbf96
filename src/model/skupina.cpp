#include "model/skupina.h"

#include "model/skupina_form.h"
#include "platform/report_failure.h"

namespace belvo {

namespace {
std::unique_ptr<CObject> NewSkupina() { return std::make_unique<CSkupina>(); }
}  // namespace

const CRuntimeClass CSkupina::classInfo{"CSkupina", 1, &NewSkupina, &CPrvek::classInfo};

CSkupina::CSkupina() { Nazev = "Skupina"; }

void CSkupina::Serialize(CArchive& ar)
{
    ar.GetObjectSchema();
    ar.Transfer(Nazev).Transfer(Popis);
    SerializePrvky(ar);
}

void CSkupina::VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                              CalcContext& context)
{
    // With the split on the label is never empty, and the innermost group's name wins.
    const std::string& childLabel = label.empty() ? label : Nazev;
    RunReporting(context.ui, "CSkupina::VypocetPolozek", Nazev,
                 [&] { ChildrenVypocetPolozek(navrh, materials, childLabel, context); });
}

void CSkupina::KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                              const CMaterialList& materials, const Separators& separators) const
{
    ChildrenKontrolaCeniku(missing, path + "::" + Nazev, materials, separators);
}

std::unique_ptr<FormModel> CSkupina::VytvorDialog(FormHost& host) { return std::make_unique<SkupinaForm>(*this, host); }

}  // namespace belvo
