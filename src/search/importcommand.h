#pragma once
// "Загрузить из Search": the import of the archive's current assembly into a
// tree view, with a sign of life while a long import runs.

class QTreeWidget;
class QWidget;

// Imports into `target` as its new last top-level node; the first top-level
// node goes first, once the archive has something to import. A failing
// server call is an error; what was read before it stays in the tree.
void importIntoTreeView(QTreeWidget *target, QWidget *parent);
