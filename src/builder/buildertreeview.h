#pragma once
// A tree view of the builder window: dragging carries the pressed node, and
// the window decides what a drop means.

#include <QTreeWidget>
#include <functional>

class BuilderTreeView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit BuilderTreeView(QWidget *parent = nullptr);

    // Asked while something is dragged over the view: the drag's source
    // widget and the point in the view's viewport. Not set: no drops.
    std::function<bool(QObject *source, const QPoint &at)> acceptDrop;
    std::function<void(QObject *source, const QPoint &at)> drop;

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
