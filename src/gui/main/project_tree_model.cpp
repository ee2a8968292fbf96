#include "gui/main/project_tree_model.h"

#include <QApplication>
#include <QPalette>

#include "gui/icons.h"
#include "gui/qt_text.h"

namespace belvo::gui {

ProjectTreeModel::ProjectTreeModel(ProjectTree& tree, QObject* parent) : QAbstractItemModel(parent), m_tree(tree)
{
    m_tree.SetObserver(this);
}

ProjectTreeModel::~ProjectTreeModel() { m_tree.SetObserver(nullptr); }

TreeItem ProjectTreeModel::ItemOf(const QModelIndex& index)
{
    return index.isValid() ? static_cast<TreeItem>(index.internalId()) : kNoTreeItem;
}

QModelIndex ProjectTreeModel::IndexOf(TreeItem item) const
{
    if (!m_tree.Exists(item)) return {};
    return createIndex(static_cast<int>(m_tree.Row(item)), 0, static_cast<quintptr>(item));
}

QModelIndex ProjectTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0) return {};
    const std::vector<TreeItem>& children = m_tree.Children(ItemOf(parent));
    if (static_cast<std::size_t>(row) >= children.size()) return {};
    return createIndex(row, 0, static_cast<quintptr>(children[static_cast<std::size_t>(row)]));
}

QModelIndex ProjectTreeModel::parent(const QModelIndex& child) const { return IndexOf(m_tree.Parent(ItemOf(child))); }

int ProjectTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0) return 0;
    return static_cast<int>(m_tree.Children(ItemOf(parent)).size());
}

int ProjectTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant ProjectTreeModel::data(const QModelIndex& index, int role) const
{
    const TreeItem item = ItemOf(index);
    if (!m_tree.Exists(item)) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: return Qs(m_tree.Text(item));
    case Qt::DecorationRole: return TreeIcon(m_tree.Picture(item));
    case Qt::BackgroundRole:
        if (item == m_dropTarget) return QApplication::palette().highlight();
        return {};
    case Qt::ForegroundRole:
        if (item == m_dropTarget) return QApplication::palette().highlightedText();
        return {};
    default: return {};
    }
}

Qt::ItemFlags ProjectTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    // Which item may be dragged where is the engine's rule; the view asks it during the drag.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

void ProjectTreeModel::SetDropTarget(TreeItem item)
{
    if (item == m_dropTarget) return;
    const QModelIndex old = IndexOf(m_dropTarget);
    m_dropTarget = item;
    if (old.isValid()) emit dataChanged(old, old);
    const QModelIndex now = IndexOf(item);
    if (now.isValid()) emit dataChanged(now, now);
}

// --- The tree's notifications -------------------------------------------------------------------

void ProjectTreeModel::BeforeInsert(TreeItem parent, std::size_t row)
{
    beginInsertRows(IndexOf(parent), static_cast<int>(row), static_cast<int>(row));
}

void ProjectTreeModel::AfterInsert(TreeItem) { endInsertRows(); }

void ProjectTreeModel::BeforeDelete(TreeItem item)
{
    if (m_dropTarget != kNoTreeItem && m_tree.IsInSubtree(m_dropTarget, item)) m_dropTarget = kNoTreeItem;
    const int row = static_cast<int>(m_tree.Row(item));
    beginRemoveRows(IndexOf(m_tree.Parent(item)), row, row);
}

void ProjectTreeModel::AfterDelete() { endRemoveRows(); }

void ProjectTreeModel::BeforeReset()
{
    m_dropTarget = kNoTreeItem;
    beginResetModel();
}

void ProjectTreeModel::AfterReset() { endResetModel(); }

void ProjectTreeModel::TextChanged(TreeItem item)
{
    const QModelIndex index = IndexOf(item);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleTextRole});
}

void ProjectTreeModel::SelectionChanged(TreeItem item) { emit engineSelectionChanged(item); }

}  // namespace belvo::gui
