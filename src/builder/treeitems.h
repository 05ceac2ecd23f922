#pragma once
// Node operations of the builder's tree views.

#include <QList>
#include <QString>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// The selected node, null when none is.
QTreeWidgetItem *selectedNode(const QTreeWidget *tree);
// Selects the node and shows it, opening its ancestors.
void selectNode(QTreeWidget *tree, QTreeWidgetItem *node);

// Adds a node as the last child of `parent`, or as the last top-level node
// when `parent` is null.
QTreeWidgetItem *addNode(QTreeWidget *tree, QTreeWidgetItem *parent, const QString &text);

// Takes the node with its subtree out of the tree.
void detachNode(QTreeWidget *tree, QTreeWidgetItem *node);
// Puts a detached node at `index` among the children of `parent` (top level
// when null).
void insertNode(QTreeWidget *tree, QTreeWidgetItem *parent, int index, QTreeWidgetItem *node);
// The node's index among its siblings.
int siblingIndex(const QTreeWidget *tree, const QTreeWidgetItem *node);

// The expanded nodes of a subtree, node included: taking a node out of a
// view forgets them, so a move notes them first and opens them again after.
QList<QTreeWidgetItem *> expandedNodes(QTreeWidgetItem *node);
void expandNodes(const QList<QTreeWidgetItem *> &nodes);

// Puts the children in the order given as indexes of their present places.
void reorderChildren(QTreeWidgetItem *parent, const std::vector<int> &order);

QStringList childTexts(const QTreeWidgetItem *node);

// Writes the view's nodes as a tree file straight from the items, without
// copying the tree first.
void saveTreeView(const QTreeWidget *tree, const QString &path);
