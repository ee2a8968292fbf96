// How the material elements show themselves in the project tree and report missing materials.
#include <gtest/gtest.h>

#include "materials/cihly.h"
#include "materials/delka.h"
#include "materials/dlazba.h"
#include "materials/element_fixture.h"
#include "materials/kusy.h"
#include "materials/pasky.h"
#include "materials/strop.h"
#include "materials/tvarovky.h"
#include "model/tree_model.h"
#include "walls/okna.h"

namespace belvo::test {
namespace {

TEST(MaterialTree, EachClassShowsItsNameAndPicture)
{
    std::vector<std::pair<std::unique_ptr<CPrvek>, int>> elements;
    elements.emplace_back(std::make_unique<CKusy>(91, kObrazekKotvy), 28);
    elements.emplace_back(std::make_unique<CKusyPreklady>(), 18);
    elements.emplace_back(std::make_unique<CDelka>(8, kObrazekVencovky), 11);
    elements.emplace_back(std::make_unique<CCihly>(), 6);
    elements.emplace_back(std::make_unique<CTvarovky>(), 10);
    elements.emplace_back(std::make_unique<CDlazba>(600, kObrazekSalovaciDesky), 20);
    elements.emplace_back(std::make_unique<CPasky>(), 14);
    elements.emplace_back(std::make_unique<CVelto>(), 17);
    elements.emplace_back(std::make_unique<CHurdis>(), 15);

    ProjectTree tree;
    for (auto& [element, picture] : elements) {
        element->Nazev += " 1";
        const TreeItem item = element->VlozDoStromu(tree, kNoTreeItem);
        ASSERT_NE(item, kNoTreeItem);
        EXPECT_EQ(element->hItem, item);
        EXPECT_EQ(tree.Text(item), element->Nazev);
        EXPECT_EQ(tree.Picture(item), picture);
        EXPECT_EQ(tree.Data(item), element.get());
    }
}

TEST(MaterialTree, ChildrenFollowButOpeningsStayOut)
{
    CTvarovky wall;
    wall.Otvory.push_back(std::make_unique<COkna>());
    auto child = std::make_unique<CKusy>(9, kObrazekPreklady);
    child->Nazev = "Překlady";
    CKusy* childPtr = child.get();
    wall.Prvky.push_back(std::move(child));

    ProjectTree tree;
    const TreeItem item = wall.VlozDoStromu(tree, kNoTreeItem);
    ASSERT_EQ(tree.Children(item).size(), 1u);
    EXPECT_EQ(tree.Data(tree.Children(item)[0]), childPtr);
}

class MaterialCheckTest : public ElementTest {};

TEST_F(MaterialCheckTest, MissingMaterialsAreListedWithTheirPath)
{
    Add("OK", 500, 0, N("285"), N("285"), N("40"));
    CDlazba paving(500, kObrazekDlazba);
    paving.Nazev = "Terasa";
    paving.ObjCislo = "OK";
    auto caps = std::make_unique<CDelka>(502, kObrazekPlotoveStrisky);
    caps->Nazev = "Stříška";
    caps->ObjCislo = "S9";
    caps->MaterialText = "S9 stříška";
    paving.Prvky.push_back(std::move(caps));
    auto lintels = std::make_unique<CKusyPreklady>();
    lintels->ObjCislo = "P9";
    lintels->MaterialText = "P9 překlad";
    lintels->ZaklObjCislo = "B9";  // the wall's brick is not checked
    paving.Prvky.push_back(std::move(lintels));

    std::vector<CChybiMaterial> missing;
    paving.KontrolaCeniku(missing, "Dům::Přízemí", materials, context.separators);
    ASSERT_EQ(missing.size(), 2u);
    EXPECT_EQ(missing[0], (CChybiMaterial{"Stříška", "S9", "S9 stříška", "Dům::Přízemí::Terasa::Stříška"}));
    EXPECT_EQ(missing[1], (CChybiMaterial{"Překlad", "P9", "P9 překlad", "Dům::Přízemí::Terasa::Překlad"}));
}

TEST_F(MaterialCheckTest, EveryElementChecksItsOwnMaterial)
{
    std::vector<std::unique_ptr<CPrvek>> elements;
    const auto withMaterial = [&](auto element) {
        element->ObjCislo = "X";
        element->MaterialText = "X text";
        elements.push_back(std::move(element));
    };
    withMaterial(std::make_unique<CKusy>());
    withMaterial(std::make_unique<CDelka>());
    withMaterial(std::make_unique<CCihly>());
    withMaterial(std::make_unique<CTvarovky>());
    withMaterial(std::make_unique<CDlazba>());
    withMaterial(std::make_unique<CPasky>());
    withMaterial(std::make_unique<CVelto>());
    withMaterial(std::make_unique<CHurdis>());

    for (const auto& element : elements) {
        std::vector<CChybiMaterial> missing;
        element->KontrolaCeniku(missing, "P", materials, context.separators);
        ASSERT_EQ(missing.size(), 1u) << element->Nazev;
        EXPECT_EQ(missing[0].Nadpolozky, "P::" + element->Nazev);
        EXPECT_EQ(missing[0].Material, "X text");
    }
}

}  // namespace
}  // namespace belvo::test
