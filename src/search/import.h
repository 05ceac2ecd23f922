#pragma once
// The import of the archive's current assembly, with all its sub-assemblies,
// as a tree of catalogue entries.

#include "catalog/nodetext.h"
#include "catalog/tree.h"

#include <QStringList>
#include <functional>

class SearchServer;

// Reads one archive object as a catalogue entry (the object is opened and closed).
TArtData ReadArtData(SearchServer &server, int id);

struct ImportWalk {
    SearchServer &server;
    // Told of every object read, so a long import can show it is alive.
    std::function<void()> tick;
    // Designations of objects met inside their own composition; they are
    // added but not entered again, so the walk always ends.
    QStringList repeated;
    // The assemblies on the way down, to find such loops.
    QList<int> ancestors;
};

// Adds the entry as the last of `siblings` and, for an assembly, its
// components of kinds 3 to 8 below it, depth first in the server's order.
void AddArtBranch(ImportWalk &walk, const TArtData &entry, std::vector<TreeNode> &siblings);

// The whole import over a connected server. `beforeImport` runs once the
// archive has said it has something to import, before anything is read. The
// imported assembly is appended to `imported` as it is read, so a failing
// call leaves what was read so far there.
void importSelection(ImportWalk &walk, CatalogTree &imported,
                     const std::function<void()> &beforeImport);
