#pragma once
// Tree files: one line per node in pre-order, as many TABs as the node's depth.

#include "tree.h"

#include <QByteArray>
#include <QString>

// Reads a tree file. A file that cannot be opened or holds a line more than
// one level deeper than the line before it is an error; no partial tree is
// ever returned, so a caller's tree survives a failed load.
CatalogTree LoadTreeFile(const QString &path);
CatalogTree parseTreeBytes(const QByteArray &bytes);

// Writes the tree file, replacing any file at the path atomically.
void SaveTreeFile(const CatalogTree &tree, const QString &path);

class AtomicFileWriter;
// One line of a tree file, for writers that walk trees of their own.
void writeTreeLine(AtomicFileWriter &out, const QString &path, const QString &text, int depth);
