#pragma once
// Moves catalogue trees between their plain value form and a QTreeWidget.

#include "catalog/tree.h"

class QTreeWidget;
class QTreeWidgetItem;

// Replaces the widget's nodes with the tree; the nodes start collapsed and
// none is selected.
void fillTreeWidget(QTreeWidget *widget, const CatalogTree &tree);
CatalogTree treeFromWidget(const QTreeWidget *widget);
TreeNode nodeFromItem(const QTreeWidgetItem *item);
QTreeWidgetItem *itemFromNode(const TreeNode &node);

// Sets up a catalogue tree view: one column, no header, in-place editing of
// node texts restricted to the file code page.
void setUpCatalogTreeWidget(QTreeWidget *widget);

// Loads a tree file into the widget; on failure the widget keeps its nodes.
void loadTreeWidget(QTreeWidget *widget, const QString &path);
void saveTreeWidget(const QTreeWidget *widget, const QString &path);
