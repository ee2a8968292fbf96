// A test-only element that adds the quantities it is given, so that projects, proposals and the
// batch tool can be exercised before the real element classes take part. It stores itself like
// any element ("CTestPrvek"), so it also travels through project files in tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "foundation/decimal.h"
#include "model/element.h"

namespace belvo::test {

class CTestPrvek : public CPrvek {
public:
    static const CRuntimeClass classInfo;  // "CTestPrvek", 1
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }

    struct Contribution {
        std::string objCislo;
        CCislo quantity;
        CCislo surcharge = CCislo(0);
        bool separate = false;
    };
    // A quantity of the material that VyberMaterial picks for a group and type.
    struct Choice {
        int group = 0;
        int type = 0;
        bool mortar = false;
        CCislo quantity;
    };

    CTestPrvek();
    explicit CTestPrvek(std::string name, std::vector<Contribution> contributions = {});

    std::vector<Contribution> contributions;  // stored
    std::vector<Choice> choices;              // not stored
    bool failAfterAdding = false;             // throws once its contributions are in; not stored
    bool failWhileStoring = false;            // throws in the middle of being stored; not stored

    void Serialize(CArchive& ar) override;
    void VypocetPolozek(CNavrh& navrh, const CMaterialList& materials, const std::string& label,
                        CalcContext& context) override;
    void KontrolaCeniku(std::vector<CChybiMaterial>& missing, const std::string& path,
                        const CMaterialList& materials, const Separators& separators) const override;
    int TreePicture() const override { return 3; }
};

// The classes of the application plus CTestPrvek.
const ClassRegistry& TestClasses();

}  // namespace belvo::test
