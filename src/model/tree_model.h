// The project tree as the engine keeps it: items with a text, a picture index, the element (or
// saved proposal) they carry, ordered children and one selected item. The document's commands
// insert, relabel, select and delete items here; the desktop tree view only mirrors it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "foundation/decimal.h"

namespace belvo {

class CObject;

using TreeItem = std::uint32_t;
inline constexpr TreeItem kNoTreeItem = 0;  // also "the root" as a parent

class ProjectTree {
public:
    ProjectTree();

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
    const std::vector<TreeItem>& Children(TreeItem parent) const;  // kNoTreeItem: root items

    TreeItem Selected() const { return m_selected; }
    void Select(TreeItem item);

    // The item that carries `data`, or kNoTreeItem.
    TreeItem Find(const CObject* data) const;

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
};

}  // namespace belvo
