#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Records the notifications as lines, with the tree's state seen at each of them.
class RecordingObserver : public TreeObserver {
public:
    explicit RecordingObserver(const ProjectTree& tree) : m_tree(tree) {}
    std::vector<std::string> log;
    void BeforeInsert(TreeItem parent, std::size_t row) override
    {
        log.push_back("before insert " + std::to_string(parent) + ":" + std::to_string(row) + " of " +
                      std::to_string(m_tree.Children(parent).size()));
    }
    void AfterInsert(TreeItem item) override
    {
        log.push_back("inserted " + m_tree.Text(item) + " at " + std::to_string(m_tree.Row(item)));
    }
    void BeforeDelete(TreeItem item) override { log.push_back("before delete " + m_tree.Text(item)); }
    void AfterDelete() override { log.push_back("deleted"); }
    void BeforeReset() override { log.push_back("before reset"); }
    void AfterReset() override { log.push_back("reset"); }
    void TextChanged(TreeItem item) override { log.push_back("text " + m_tree.Text(item)); }
    void SelectionChanged(TreeItem item) override { log.push_back("selected " + std::to_string(item)); }

private:
    const ProjectTree& m_tree;
};

TEST(ProjectTree, TheObserverHearsOfEveryChangeBeforeAndAfterIt)
{
    ProjectTree tree;
    RecordingObserver observer(tree);
    tree.SetObserver(&observer);
    const TreeItem project = tree.Insert(kNoTreeItem, "Dům", 0, nullptr);
    const TreeItem wall = tree.Insert(project, "Zeď", 3, nullptr);
    const TreeItem group = tree.Insert(project, "Skupina", 1, nullptr);
    const TreeItem opening = tree.Insert(wall, "Okno", 4, nullptr);
    tree.Insert(kNoTreeItem, "Návrhy", 2, nullptr, project);
    tree.Insert(project, "Vložená", 1, nullptr, wall);
    tree.SetText(group, "Přízemí");
    tree.Select(opening);
    tree.Delete(wall);      // takes the selection with it
    tree.Delete(group);     // the selection is elsewhere: none is reported
    tree.SetText(99, "x");  // no such item: nothing happens
    tree.DeleteAll();
    EXPECT_EQ(observer.log, (std::vector<std::string>{
                                "before insert 0:0 of 0", "inserted Dům at 0",
                                "before insert 1:0 of 0", "inserted Zeď at 0",
                                "before insert 1:1 of 1", "inserted Skupina at 1",
                                "before insert 2:0 of 0", "inserted Okno at 0",
                                "before insert 0:1 of 1", "inserted Návrhy at 1",
                                "before insert 1:1 of 2", "inserted Vložená at 1",
                                "text Přízemí",
                                "selected 4",
                                "before delete Zeď", "deleted", "selected 0",
                                "before delete Přízemí", "deleted",
                                "before reset", "reset",
                            }));
    EXPECT_TRUE(tree.IsInSubtree(project, project));
}

}  // namespace
}  // namespace belvo
