#include <gtest/gtest.h>

#include "foundation/archive.h"
#include "model/tree_model.h"

namespace belvo {
namespace {

class Marker : public CObject {
public:
    const CRuntimeClass& GetRuntimeClass() const override
    {
        static const CRuntimeClass cls{"Marker", 1, nullptr, nullptr};
        return cls;
    }
    void Serialize(CArchive&) override {}
};

TEST(ProjectTree, InsertKeepsOrderAndAfterPosition)
{
    ProjectTree tree;
    Marker a, b;
    const TreeItem project = tree.Insert(kNoTreeItem, "Dům", 0, &a);
    const TreeItem proposals = tree.Insert(kNoTreeItem, "Návrhy", 2, nullptr);
    const TreeItem first = tree.Insert(project, "Zeď", 3, &b);
    const TreeItem last = tree.Insert(project, "Skupina", 1, nullptr);
    const TreeItem middle = tree.Insert(project, "Okno", 1, nullptr, first);

    EXPECT_EQ(tree.Children(kNoTreeItem), (std::vector<TreeItem>{project, proposals}));
    EXPECT_EQ(tree.Children(project), (std::vector<TreeItem>{first, middle, last}));
    EXPECT_EQ(tree.Text(project), "Dům");
    EXPECT_EQ(tree.Picture(proposals), 2);
    EXPECT_EQ(tree.Data(first), &b);
    EXPECT_EQ(tree.Parent(first), project);
    EXPECT_EQ(tree.Parent(project), kNoTreeItem);
    EXPECT_EQ(tree.TopLevelAncestor(middle), project);
    EXPECT_EQ(tree.Find(&b), first);
    EXPECT_EQ(tree.Find(nullptr), kNoTreeItem);

    tree.SetText(first, "Zeď, 3");
    EXPECT_EQ(tree.Text(first), "Zeď, 3");
}

TEST(ProjectTree, InsertFailsUnderMissingParentOrForeignSibling)
{
    ProjectTree tree;
    const TreeItem root = tree.Insert(kNoTreeItem, "P", 0, nullptr);
    const TreeItem other = tree.Insert(kNoTreeItem, "Q", 0, nullptr);
    EXPECT_EQ(tree.Insert(999, "x", 0, nullptr), kNoTreeItem);
    EXPECT_EQ(tree.Insert(root, "x", 0, nullptr, other), kNoTreeItem);
}

TEST(ProjectTree, DeleteRemovesSubtreeAndSelection)
{
    ProjectTree tree;
    Marker m;
    const TreeItem project = tree.Insert(kNoTreeItem, "P", 0, nullptr);
    const TreeItem group = tree.Insert(project, "G", 1, nullptr);
    const TreeItem wall = tree.Insert(group, "W", 3, &m);
    tree.Select(wall);
    EXPECT_EQ(tree.Selected(), wall);

    tree.Delete(group);
    EXPECT_FALSE(tree.Exists(group));
    EXPECT_FALSE(tree.Exists(wall));
    EXPECT_EQ(tree.Selected(), kNoTreeItem);
    EXPECT_TRUE(tree.Children(project).empty());
    EXPECT_EQ(tree.Find(&m), kNoTreeItem);
    EXPECT_EQ(tree.Text(wall), "");
    EXPECT_EQ(tree.Data(wall), nullptr);

    tree.Select(12345);
    EXPECT_EQ(tree.Selected(), kNoTreeItem);

    tree.DeleteAll();
    EXPECT_TRUE(tree.Children(kNoTreeItem).empty());
    EXPECT_FALSE(tree.Exists(project));
}

}  // namespace
}  // namespace belvo
