// The project tree beside the form area. A click on an item opens its editor once the click has
// been handled (on the release of the button) (the editor of the item clicked before may refuse to close: then the view beeps
// and the previous item is selected again); moving the selection with the keyboard only selects,
// so the commands act on the new item while the form still shows the one clicked last (Enter opens
// the selected item's editor as a click does, so the keyboard reaches every form). A double
// click on a saved proposal shows a copy of it. Elements are moved by dragging them onto the
// project or a group; where an item may go is the engine's rule.
#pragma once

#include <QByteArray>
#include <QTreeView>

#include "model/tree_model.h"

namespace belvo {
class CBelvoDoc;
}

namespace belvo::gui {

class ProjectTreeModel;

class ProjectTreeView : public QTreeView {
    Q_OBJECT
public:
    ProjectTreeView(CBelvoDoc& doc, ProjectTreeModel& model, QWidget* parent = nullptr);

    // The document has set its tree up: the selected item's editor opens once the window is
    // ready (after a few turns of the event loop).
    void FinishSetup();
    // What a drag of `item` carries: the item, marked as one of this tree of this process.
    QMimeData* DragMimeData(TreeItem item) const;

signals:
    // The selection of the engine's tree changed (by the user or by a command).
    void selectionMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Hands the click to the document after `turns` more turns of the event loop.
    void PostSelectionChange(int turns, TreeItem previous);
    void FollowEngineSelection(TreeItem item);
    // The item `dragged` would go to with the mouse at `pos`.
    TreeItem DropTargetAt(TreeItem dragged, const QPoint& pos) const;
    // The item a drag carries; kNoTreeItem for anything else (another window's drag, a file, an
    // item that may not be dragged).
    TreeItem DraggedFrom(const QMimeData* mime) const;
    QByteArray DragToken() const;

    CBelvoDoc& m_doc;
    ProjectTreeModel& m_model;
    bool m_following = false;
    bool m_clickPending = false;     // a left button press on an item, not yet released
    TreeItem m_pressPrevious = kNoTreeItem;
};

// The MIME type of a tree item being dragged inside the tree.
inline constexpr const char* kTreeItemMimeType = "application/x-belvo-tree-item";

}  // namespace belvo::gui
