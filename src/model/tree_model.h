// The project tree as the engine keeps it: items with a text, a picture index, the element (or
// saved proposal) they carry, ordered children and one selected item. The document's commands
// insert, relabel, select and delete items here; the desktop tree view only mirrors it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "foundation/decimal.h"

namespace belvo {

class CObject;

using TreeItem = std::uint32_t;
inline constexpr TreeItem kNoTreeItem = 0;  // also "the root" as a parent

// What a view of the tree is told of every change, before and after it, so that it can mirror
// the tree item by item (and keep what it shows expanded).
class TreeObserver {
public:
    virtual ~TreeObserver() = default;
    // An item is about to become child `row` of `parent` (kNoTreeItem: a root item).
    virtual void BeforeInsert(TreeItem parent, std::size_t row) = 0;
    virtual void AfterInsert(TreeItem item) = 0;
    // An item (with its subtree) is about to go; it still exists.
    virtual void BeforeDelete(TreeItem item) = 0;
    virtual void AfterDelete() = 0;
    // Every item is about to go.
    virtual void BeforeReset() = 0;
    virtual void AfterReset() = 0;
    virtual void TextChanged(TreeItem item) = 0;
    virtual void SelectionChanged(TreeItem item) = 0;
};

class ProjectTree {
public:
    ProjectTree();
    ProjectTree(const ProjectTree&) = delete;
    ProjectTree& operator=(const ProjectTree&) = delete;

    // The one observer of the tree, or none.
    void SetObserver(TreeObserver* observer) { m_observer = observer; }

    // Inserts an item as the last child of `parent` (kNoTreeItem: at the root), or directly after
    // `after` when given. Returns the new item.
    TreeItem Insert(TreeItem parent, std::string text, int picture, CObject* data,
                    TreeItem after = kNoTreeItem);
    // Removes an item with all its descendants; the selection moves to none if it was inside.
    void Delete(TreeItem item);
    void DeleteAll();

    bool Exists(TreeItem item) const;
    const std::string& Text(TreeItem item) const;
    void SetText(TreeItem item, std::string text);
    int Picture(TreeItem item) const;
    CObject* Data(TreeItem item) const;
    TreeItem Parent(TreeItem item) const;          // kNoTreeItem for a root item
    TreeItem TopLevelAncestor(TreeItem item) const;
    // The item's place among its parent's children.
    std::size_t Row(TreeItem item) const;
    const std::vector<TreeItem>& Children(TreeItem parent) const;  // kNoTreeItem: root items

    TreeItem Selected() const { return m_selected; }
    void Select(TreeItem item);

    // The item that carries `data`, or kNoTreeItem.
    TreeItem Find(const CObject* data) const;
    // Whether `item` is `top` or lies below it.
    bool IsInSubtree(TreeItem item, TreeItem top) const;

    // The separators with which the labels write numbers: the system locale's, set by the owner
    // of the tree (',' and ' ' until then).
    const Separators& NumberSeparators() const { return m_separators; }
    void SetNumberSeparators(Separators separators) { m_separators = std::move(separators); }

private:
    struct Node {
        bool alive = false;
        std::string text;
        int picture = 0;
        CObject* data = nullptr;
        TreeItem parent = kNoTreeItem;
        std::vector<TreeItem> children;
    };
    std::vector<Node> m_nodes;  // index = item; slot 0 is the invisible root
    TreeItem m_selected = kNoTreeItem;
    Separators m_separators;
    TreeObserver* m_observer = nullptr;
};

}  // namespace belvo
