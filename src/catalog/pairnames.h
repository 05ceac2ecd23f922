#pragma once
// The two files of a save-all pair: the catalogue tree and the source tree.

#include <QString>

struct PairPaths {
    QString catalogSave;
    QString sourceSave;
    QString catalogLoad;
    QString sourceLoad;
};

// Built from the path chosen in a file dialog. The search for ".dat" is exact
// and case-sensitive, and finds its first occurrence anywhere in the path.
PairPaths PairNames(const QString &chosen);
