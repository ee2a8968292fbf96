#include "gui/main/project_tree_view.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "document/belvo_doc.h"
#include "document/tree_drag.h"
#include "gui/icons.h"
#include "gui/main/project_tree_model.h"
#include "platform/report_failure.h"
#include "proposal/navrh.h"

namespace belvo::gui {

namespace {
constexpr const char* kClickOperation = "CLeftView::On_WM_USER";
constexpr const char* kDoubleClickOperation = "CLeftView::On_WM_LBUTTONDBLCLK";
// The turns of the event loop after setting the tree up, so the window is ready for the editor.
constexpr int kSetupTurns = 10;
}  // namespace

ProjectTreeView::ProjectTreeView(CBelvoDoc& doc, ProjectTreeModel& model, QWidget* parent)
    : QTreeView(parent), m_doc(doc), m_model(model)
{
    setModel(&m_model);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);  // the target item itself is highlighted
    setDragDropMode(QAbstractItemView::DragDrop);
    setAccessibleName("Projekt");
    connect(&m_model, &ProjectTreeModel::engineSelectionChanged, this, &ProjectTreeView::FollowEngineSelection);
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parentIndex) {
        // A new element shows in its container.
        if (parentIndex.isValid()) expand(parentIndex);
    });
    connect(&m_model, &QAbstractItemModel::modelReset, this, [this] { FollowEngineSelection(m_doc.Tree().Selected()); });
}

void ProjectTreeView::FinishSetup()
{
    expandAll();
    FollowEngineSelection(m_doc.Tree().Selected());
    setFocus(Qt::OtherFocusReason);
    PostSelectionChange(kSetupTurns, kNoTreeItem);
}

void ProjectTreeView::keyPressEvent(QKeyEvent* event)
{
    // The arrows only select; Enter opens the selected item's editor, as a click does, so the
    // keyboard reaches every form.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier &&
        currentIndex().isValid()) {
        PostSelectionChange(1, m_doc.Tree().Selected());
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ProjectTreeView::PostSelectionChange(int turns, TreeItem previous)
{
    QTimer::singleShot(0, this, [this, turns, previous] {
        if (turns > 0) {
            PostSelectionChange(turns - 1, previous);
            return;
        }
        RunReporting(m_doc.GetUi(), kClickOperation, "Chyba",
                     [&] { m_doc.ZmenaVyberu(m_doc.Tree().Selected(), previous); });
        emit selectionMoved();
    });
}

void ProjectTreeView::FollowEngineSelection(TreeItem item)
{
    m_following = true;
    const QModelIndex index = m_model.IndexOf(item);
    if (index.isValid()) {
        setCurrentIndex(index);
        scrollTo(index);
    } else {
        clearSelection();
        setCurrentIndex(QModelIndex());
    }
    m_following = false;
    emit selectionMoved();
}

void ProjectTreeView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTreeView::currentChanged(current, previous);
    if (m_following) return;
    // The keyboard (or a click) moved the selection: the engine's tree selects the same item;
    // only a click goes on to open the editor.
    m_following = true;
    m_doc.Tree().Select(ProjectTreeModel::ItemOf(current));
    m_following = false;
    emit selectionMoved();
}

void ProjectTreeView::mousePressEvent(QMouseEvent* event)
{
    m_pressPrevious = m_doc.Tree().Selected();
    m_clickPending = event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid();
    QTreeView::mousePressEvent(event);
}

void ProjectTreeView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    // A click ends with the release; a drag never gets here and opens no editor.
    if (event->button() == Qt::LeftButton && m_clickPending) PostSelectionChange(1, m_pressPrevious);
    m_clickPending = false;
}

void ProjectTreeView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    RunReporting(m_doc.GetUi(), kDoubleClickOperation, "Chyba", [&] {
        const ProjectTree& tree = m_doc.Tree();
        const TreeItem selected = tree.Selected();
        if (selected == kNoTreeItem || tree.TopLevelAncestor(selected) != m_doc.ProposalsItem()) return;
        if (const auto* navrh = dynamic_cast<const CNavrh*>(tree.Data(selected))) m_doc.ZobrazUlozenyNavrh(*navrh);
    });
}

// --- Drag and drop ------------------------------------------------------------------------------

QMimeData* ProjectTreeView::DragMimeData(TreeItem item) const
{
    auto* mime = new QMimeData;
    mime->setData(kTreeItemMimeType, DragToken() + QByteArray::number(item));
    return mime;
}

QByteArray ProjectTreeView::DragToken() const
{
    // An item number means something only in this tree of this process.
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(this)) + ':';
}

TreeItem ProjectTreeView::DraggedFrom(const QMimeData* mime) const
{
    if (mime == nullptr || !mime->hasFormat(kTreeItemMimeType)) return kNoTreeItem;
    const QByteArray carried = mime->data(kTreeItemMimeType);
    const QByteArray token = DragToken();
    if (!carried.startsWith(token)) return kNoTreeItem;
    bool ok = false;
    const auto item = static_cast<TreeItem>(carried.mid(token.size()).toUInt(&ok));
    return ok && LzeTahnout(m_doc, item) ? item : kNoTreeItem;
}

void ProjectTreeView::startDrag(Qt::DropActions)
{
    const TreeItem item = ProjectTreeModel::ItemOf(currentIndex());
    if (!LzeTahnout(m_doc, item)) return;
    m_clickPending = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(DragMimeData(item));
    const QIcon icon = TreeIcon(m_doc.Tree().Picture(item));
    if (!icon.isNull()) {
        drag->setPixmap(icon.pixmap(20, 20));
        drag->setHotSpot(QPoint(15, 15));
    }
    drag->exec(Qt::MoveAction, Qt::MoveAction);
    // The move, if any, happened in dropEvent through the engine; nothing is removed here.
    m_model.SetDropTarget(kNoTreeItem);
}

TreeItem ProjectTreeView::DropTargetAt(TreeItem dragged, const QPoint& pos) const
{
    const TreeItem target = CilPretazeni(m_doc, dragged, ProjectTreeModel::ItemOf(indexAt(pos)));
    return LzePresunout(m_doc, dragged, target) ? target : kNoTreeItem;
}

void ProjectTreeView::dragEnterEvent(QDragEnterEvent* event)
{
    // Only items of this tree are dragged here; files dropped on the tree go to the window.
    if (DraggedFrom(event->mimeData()) != kNoTreeItem) {
        event->acceptProposedAction();
        return;
    }
    event->ignore();
}

void ProjectTreeView::dragMoveEvent(QDragMoveEvent* event)
{
    const TreeItem dragged = DraggedFrom(event->mimeData());
    const TreeItem target = dragged == kNoTreeItem ? kNoTreeItem : DropTargetAt(dragged, event->position().toPoint());
    m_model.SetDropTarget(target);
    // The cursor says whether the item may be dropped here.
    if (target != kNoTreeItem)
        event->acceptProposedAction();
    else
        event->ignore();
}

void ProjectTreeView::dragLeaveEvent(QDragLeaveEvent* event)
{
    m_model.SetDropTarget(kNoTreeItem);
    QTreeView::dragLeaveEvent(event);
}

void ProjectTreeView::dropEvent(QDropEvent* event)
{
    const TreeItem dragged = DraggedFrom(event->mimeData());
    const TreeItem target = dragged == kNoTreeItem ? kNoTreeItem : DropTargetAt(dragged, event->position().toPoint());
    m_model.SetDropTarget(kNoTreeItem);
    if (target == kNoTreeItem) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (Pretahni(m_doc, dragged, target)) expand(m_model.IndexOf(target));
}

}  // namespace belvo::gui
