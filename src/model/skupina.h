// CSkupina: a group of elements in the project tree. Groups nest; in a proposal split by groups
// every item carries the name of the innermost group above the element that produced it.
#pragma once

#include <memory>
#include <string>

#include "model/element.h"

namespace belvo {

class CSkupina : public CPrvek {
public:
    static const CRuntimeClass classInfo;  // "CSkupina", 1
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    CSkupina();
    void Serialize(CArchive& ar) override;

    std::unique_ptr<FormModel> VytvorDialog(FormHost& host) override;
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;
    int TreePicture() const override { return 1; }

    std::string Popis;
};

}  // namespace belvo
