#include "model/tree_model.h"

#include <algorithm>

namespace belvo {

namespace {
const std::string kNoText;
const std::vector<TreeItem> kNoChildren;
}  // namespace

ProjectTree::ProjectTree()
{
    m_nodes.emplace_back();  // slot 0: the invisible root
    m_nodes[0].alive = true;
}

TreeItem ProjectTree::Insert(TreeItem parent, std::string text, int picture, CObject* data, TreeItem after)
{
    if (!Exists(parent) && parent != kNoTreeItem) return kNoTreeItem;
    if (after != kNoTreeItem && (!Exists(after) || m_nodes[after].parent != parent)) return kNoTreeItem;

    std::vector<TreeItem>& place = m_nodes[parent].children;
    const std::size_t row =
        after == kNoTreeItem ? place.size()
                             : static_cast<std::size_t>(std::find(place.begin(), place.end(), after) - place.begin()) + 1;
    if (m_observer) m_observer->BeforeInsert(parent, row);

    const auto item = static_cast<TreeItem>(m_nodes.size());
    Node node;
    node.alive = true;
    node.text = std::move(text);
    node.picture = picture;
    node.data = data;
    node.parent = parent;
    m_nodes.push_back(std::move(node));

    std::vector<TreeItem>& siblings = m_nodes[parent].children;
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(row), item);
    if (m_observer) m_observer->AfterInsert(item);
    return item;
}

void ProjectTree::Delete(TreeItem item)
{
    if (!Exists(item) || item == kNoTreeItem) return;
    if (m_observer) m_observer->BeforeDelete(item);
    const bool selectionGoes = m_selected != kNoTreeItem && IsInSubtree(m_selected, item);
    std::vector<TreeItem>& siblings = m_nodes[m_nodes[item].parent].children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), item), siblings.end());

    // Free the subtree without recursion, so that a deep tree cannot exhaust the stack.
    std::vector<TreeItem> pending{item};
    while (!pending.empty()) {
        const TreeItem current = pending.back();
        pending.pop_back();
        Node& node = m_nodes[current];
        pending.insert(pending.end(), node.children.begin(), node.children.end());
        if (m_selected == current) m_selected = kNoTreeItem;
        node = Node{};
    }
    if (m_observer) {
        m_observer->AfterDelete();
        if (selectionGoes) m_observer->SelectionChanged(kNoTreeItem);
    }
}

void ProjectTree::DeleteAll()
{
    if (m_observer) m_observer->BeforeReset();
    m_nodes.resize(1);
    m_nodes[0].children.clear();
    m_selected = kNoTreeItem;
    if (m_observer) m_observer->AfterReset();
}

bool ProjectTree::Exists(TreeItem item) const
{
    return item != kNoTreeItem && item < m_nodes.size() && m_nodes[item].alive;
}

const std::string& ProjectTree::Text(TreeItem item) const { return Exists(item) ? m_nodes[item].text : kNoText; }

void ProjectTree::SetText(TreeItem item, std::string text)
{
    if (!Exists(item)) return;
    m_nodes[item].text = std::move(text);
    if (m_observer) m_observer->TextChanged(item);
}

int ProjectTree::Picture(TreeItem item) const { return Exists(item) ? m_nodes[item].picture : -1; }

CObject* ProjectTree::Data(TreeItem item) const { return Exists(item) ? m_nodes[item].data : nullptr; }

TreeItem ProjectTree::Parent(TreeItem item) const { return Exists(item) ? m_nodes[item].parent : kNoTreeItem; }

TreeItem ProjectTree::TopLevelAncestor(TreeItem item) const
{
    if (!Exists(item)) return kNoTreeItem;
    while (m_nodes[item].parent != kNoTreeItem) item = m_nodes[item].parent;
    return item;
}

const std::vector<TreeItem>& ProjectTree::Children(TreeItem parent) const
{
    if (parent == kNoTreeItem) return m_nodes[0].children;
    return Exists(parent) ? m_nodes[parent].children : kNoChildren;
}

void ProjectTree::Select(TreeItem item)
{
    m_selected = Exists(item) ? item : kNoTreeItem;
    if (m_observer) m_observer->SelectionChanged(m_selected);
}

std::size_t ProjectTree::Row(TreeItem item) const
{
    const std::vector<TreeItem>& siblings = Children(Parent(item));
    return static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), item) - siblings.begin());
}

bool ProjectTree::IsInSubtree(TreeItem item, TreeItem top) const
{
    for (; item != kNoTreeItem; item = Parent(item))
        if (item == top) return true;
    return false;
}

TreeItem ProjectTree::Find(const CObject* data) const
{
    if (data == nullptr) return kNoTreeItem;
    for (std::size_t i = 1; i < m_nodes.size(); ++i)
        if (m_nodes[i].alive && m_nodes[i].data == data) return static_cast<TreeItem>(i);
    return kNoTreeItem;
}

}  // namespace belvo
