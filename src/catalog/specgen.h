#pragma once
// Catalogue-wide commands on node texts: display texts and the specification
// files of every assembly.

#include "tree.h"

#include <QString>

// Designation, a space and name of an entry; a text without "|" as it is.
QString displayText(const QString &nodeText);

// Writes the specification file of every node in pre-order whose designation
// is not empty and that has children. A failing file stops the walk; files
// written before it stay.
void writeAllSpecFiles(const CatalogTree &tree, const QString &spDir);
