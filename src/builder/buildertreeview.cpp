#include "buildertreeview.h"

#include "platform/treewidget.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>

BuilderTreeView::BuilderTreeView(QWidget *parent) : QTreeWidget(parent)
{
    setUpCatalogTreeWidget(this);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDropIndicatorShown(false);
    // The selection stays as visible as with focus: the commands act on it
    // while the user works in the other tree.
    QPalette look = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        look.setColor(QPalette::Inactive, role, look.color(QPalette::Active, role));
    setPalette(look);
}

void BuilderTreeView::startDrag(Qt::DropActions)
{
    // The drop copies or moves by itself; the drag never lets the view
    // remove what it carried, as the default move would.
    QTreeWidgetItem *item = currentItem();
    if (!item)
        return;
    auto *data = new QMimeData;
    data->setText(item->text(0));
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void BuilderTreeView::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptDrop && qobject_cast<BuilderTreeView *>(event->source())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void BuilderTreeView::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeWidget::dragMoveEvent(event); // scrolls near the edges
    const bool accepted = acceptDrop && acceptDrop(event->source(), event->position().toPoint());
    event->setDropAction(Qt::CopyAction);
    event->setAccepted(accepted);
}

void BuilderTreeView::dropEvent(QDropEvent *event)
{
    stopAutoScroll();
    setState(NoState);
    if (drop)
        drop(event->source(), event->position().toPoint());
    event->setDropAction(Qt::CopyAction);
    event->accept();
    viewport()->update();
}
