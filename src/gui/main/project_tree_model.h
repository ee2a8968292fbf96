// The engine's project tree as a Qt item model: one Qt row per tree item, in the engine's order,
// with the item's text and picture. The model observes the tree, so every insert, delete,
// relabel and reset of the document's commands reaches the view item by item and the view keeps
// what is expanded. The item being dragged over is highlighted as the drop target.
#pragma once

#include <QAbstractItemModel>

#include "model/tree_model.h"

namespace belvo::gui {

class ProjectTreeModel : public QAbstractItemModel, private TreeObserver {
    Q_OBJECT
public:
    explicit ProjectTreeModel(ProjectTree& tree, QObject* parent = nullptr);
    ~ProjectTreeModel() override;

    ProjectTree& Tree() const { return m_tree; }
    QModelIndex IndexOf(TreeItem item) const;
    static TreeItem ItemOf(const QModelIndex& index);

    // The drop target to highlight while an item is dragged; kNoTreeItem for none.
    void SetDropTarget(TreeItem item);
    TreeItem DropTarget() const { return m_dropTarget; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // The engine selected an item (kNoTreeItem: none); the view follows.
    void engineSelectionChanged(TreeItem item);

private:
    void BeforeInsert(TreeItem parent, std::size_t row) override;
    void AfterInsert(TreeItem item) override;
    void BeforeDelete(TreeItem item) override;
    void AfterDelete() override;
    void BeforeReset() override;
    void AfterReset() override;
    void TextChanged(TreeItem item) override;
    void SelectionChanged(TreeItem item) override;

    ProjectTree& m_tree;
    TreeItem m_dropTarget = kNoTreeItem;
};

}  // namespace belvo::gui
