#include "treeitems.h"

#include "catalog/textfile.h"
#include "catalog/treefile.h"
#include "platform/treewidget.h"

#include <QTreeWidget>

QTreeWidgetItem *selectedNode(const QTreeWidget *tree)
{
    const QList<QTreeWidgetItem *> selected = tree->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void selectNode(QTreeWidget *tree, QTreeWidgetItem *node)
{
    tree->setCurrentItem(node);
    tree->scrollToItem(node);
}

QTreeWidgetItem *addNode(QTreeWidget *tree, QTreeWidgetItem *parent, const QString &text)
{
    QTreeWidgetItem *node = itemFromNode(TreeNode{text, {}});
    if (parent)
        parent->addChild(node);
    else
        tree->addTopLevelItem(node);
    return node;
}

void detachNode(QTreeWidget *tree, QTreeWidgetItem *node)
{
    if (QTreeWidgetItem *parent = node->parent())
        parent->removeChild(node);
    else
        tree->takeTopLevelItem(tree->indexOfTopLevelItem(node));
}

void insertNode(QTreeWidget *tree, QTreeWidgetItem *parent, int index, QTreeWidgetItem *node)
{
    if (parent)
        parent->insertChild(index, node);
    else
        tree->insertTopLevelItem(index, node);
}

int siblingIndex(const QTreeWidget *tree, const QTreeWidgetItem *node)
{
    const QTreeWidgetItem *parent = node->parent();
    return parent ? parent->indexOfChild(const_cast<QTreeWidgetItem *>(node))
                  : tree->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(node));
}

QList<QTreeWidgetItem *> expandedNodes(QTreeWidgetItem *node)
{
    QList<QTreeWidgetItem *> expanded;
    QList<QTreeWidgetItem *> stack{node};
    while (!stack.isEmpty()) {
        QTreeWidgetItem *item = stack.takeLast();
        if (!item->isExpanded())
            continue; // a closed node hides its subtree's state from the user
        expanded.append(item);
        for (int i = 0; i < item->childCount(); ++i)
            stack.append(item->child(i));
    }
    return expanded;
}

void expandNodes(const QList<QTreeWidgetItem *> &nodes)
{
    for (QTreeWidgetItem *node : nodes)
        node->setExpanded(true);
}

void reorderChildren(QTreeWidgetItem *parent, const std::vector<int> &order)
{
    QList<QTreeWidgetItem *> expanded;
    for (int i = 0; i < parent->childCount(); ++i)
        expanded += expandedNodes(parent->child(i));
    const QList<QTreeWidgetItem *> children = parent->takeChildren();
    QList<QTreeWidgetItem *> reordered;
    reordered.reserve(children.size());
    for (int index : order)
        reordered.append(children[index]);
    parent->addChildren(reordered);
    expandNodes(expanded);
}

QStringList childTexts(const QTreeWidgetItem *node)
{
    QStringList texts;
    texts.reserve(node->childCount());
    for (int i = 0; i < node->childCount(); ++i)
        texts.append(node->child(i)->text(0));
    return texts;
}

void saveTreeView(const QTreeWidget *tree, const QString &path)
{
    AtomicFileWriter out(path);
    // Without recursion: a deep tree must not exhaust the stack.
    struct Frame {
        const QTreeWidgetItem *parent;
        int next;
    };
    const QTreeWidgetItem *root = tree->invisibleRootItem();
    std::vector<Frame> stack{{root, 0}};
    while (!stack.empty()) {
        Frame &frame = stack.back();
        if (frame.next == frame.parent->childCount()) {
            stack.pop_back();
            continue;
        }
        const QTreeWidgetItem *item = frame.parent->child(frame.next++);
        writeTreeLine(out, path, item->text(0), int(stack.size()) - 1);
        if (item->childCount() > 0)
            stack.push_back({item, 0});
    }
    out.commit();
}
