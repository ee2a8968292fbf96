#include "document/tree_drag.h"

#include <gtest/gtest.h>

#include "materials/kusy.h"
#include "document/document_fixture.h"
#include "walls/zed.h"

namespace belvo {
namespace {

// The sample project: Dům > [Přízemí > [Zeď 1], Komín], and a saved proposal under "Návrhy".
class TreeDragTest : public test::DocumentTest {
protected:
    void SetUp() override
    {
        std::vector<std::unique_ptr<CNavrh>> navrhy;
        navrhy.push_back(test::SavedProposal("Celý dům"));
        auto projekt = test::SampleProject();
        // A wall with a lintel element below it.
        auto zed = std::make_unique<CZed>();
        zed->Nazev = "Obvodová";
        zed->Prvky.push_back(std::make_unique<CKusyPreklady>());
        projekt->Prvky[0]->Prvky.push_back(std::move(zed));
        OpenProject(std::move(projekt), std::move(navrhy));
        doc.SetModifiedFlag(false);
    }

    TreeItem Group() const { return ItemOf({0}); }
    TreeItem GroupWall() const { return ItemOf({0, 0}); }
    TreeItem Wall() const { return ItemOf({0, 1}); }
    TreeItem Lintel() const { return ItemOf({0, 1, 0}); }
    TreeItem Komin() const { return ItemOf({1}); }
    TreeItem Saved() const { return doc.Tree().Children(doc.ProposalsItem()).at(0); }
};

TEST_F(TreeDragTest, OnlyElementsOfTheProjectOrOfAGroupMayBeDragged)
{
    EXPECT_FALSE(LzeTahnout(doc, doc.ProjectItem()));
    EXPECT_FALSE(LzeTahnout(doc, doc.ProposalsItem()));
    EXPECT_FALSE(LzeTahnout(doc, Saved()));
    EXPECT_FALSE(LzeTahnout(doc, Lintel()));  // its parent is a wall
    EXPECT_FALSE(LzeTahnout(doc, kNoTreeItem));
    for (const TreeItem item : {Group(), GroupWall(), Wall(), Komin()}) EXPECT_TRUE(LzeTahnout(doc, item));
}

TEST_F(TreeDragTest, TheDropTargetIsTheProjectOrAGroupOfTheSameTopItem)
{
    EXPECT_EQ(CilPretazeni(doc, Komin(), GroupWall()), Group());
    EXPECT_EQ(CilPretazeni(doc, Komin(), Lintel()), Group());
    EXPECT_EQ(CilPretazeni(doc, Wall(), Komin()), doc.ProjectItem());
    EXPECT_EQ(CilPretazeni(doc, Komin(), doc.ProjectItem()), kNoTreeItem);  // its own parent
    EXPECT_EQ(CilPretazeni(doc, Komin(), Komin()), kNoTreeItem);
    EXPECT_EQ(CilPretazeni(doc, Komin(), kNoTreeItem), kNoTreeItem);
    EXPECT_EQ(CilPretazeni(doc, Wall(), Saved()), kNoTreeItem);
    EXPECT_EQ(CilPretazeni(doc, Wall(), doc.ProposalsItem()), kNoTreeItem);
}

TEST_F(TreeDragTest, DroppingMovesTheElementWithItsSubtree)
{
    const CPrvek* wall = doc.Projekt()->Prvky[0]->Prvky[1].get();
    const TreeItem oldItem = Wall();
    ASSERT_TRUE(Pretahni(doc, oldItem, CilPretazeni(doc, oldItem, Komin())));

    const CProjekt& projekt = *doc.Projekt();
    ASSERT_EQ(projekt.Prvky.size(), 3u);
    EXPECT_EQ(projekt.Prvky.back().get(), wall);
    EXPECT_EQ(projekt.Prvky[0]->Prvky.size(), 1u);
    const ProjectTree& tree = doc.Tree();
    EXPECT_FALSE(tree.Exists(oldItem));
    EXPECT_EQ(tree.Children(doc.ProjectItem()).back(), wall->hItem);
    EXPECT_EQ(tree.Data(wall->hItem), wall);
    ASSERT_EQ(tree.Children(wall->hItem).size(), 1u);
    EXPECT_EQ(tree.Children(wall->hItem)[0], wall->Prvky[0]->hItem);
    EXPECT_EQ(tree.Selected(), wall->hItem);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(TreeDragTest, DroppingOnItselfOrItsOwnSubtreeDoesNothing)
{
    const TreeItem group = Group();
    for (const TreeItem target : {group, CilPretazeni(doc, group, GroupWall()), Wall(), kNoTreeItem}) {
        EXPECT_FALSE(LzePresunout(doc, group, target));  // so the view offers no drop
        EXPECT_FALSE(Pretahni(doc, group, target));
    }
    EXPECT_TRUE(LzePresunout(doc, Komin(), Group()));
    EXPECT_FALSE(Pretahni(doc, Lintel(), doc.ProjectItem()));  // may not be dragged
    EXPECT_EQ(doc.Projekt()->Prvky.size(), 2u);
    EXPECT_EQ(doc.Projekt()->Prvky[0]->Prvky.size(), 2u);
    EXPECT_TRUE(doc.Tree().Exists(group));
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace belvo
