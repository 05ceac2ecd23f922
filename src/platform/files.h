#pragma once
// File-system operations the windows need beyond plain Qt.

#include <QString>
#include <QStringList>

// The name as stored of the file in `folder` whose name equals `name` without
// regard to letter case (Cyrillic included); empty when there is none.
QString findFileNoCase(const QString &folder, const QString &name);

// True when `name` matches the mask ("*.Dat", "*.Jpg", "*") without regard to case.
bool matchesMask(const QString &name, const QString &mask);

// The names of the plain files in `folder` that match the mask, in the order
// a list box sorts them (letter case ignored).
QStringList listFiles(const QString &folder, const QString &mask);

// The name part of a path: what follows its last "/" or "\" (or, on
// Windows, a drive's ":").
QString fileNamePart(const QString &path);

enum class CopyResult { Copied, TargetExists, Failed };
// Copies without ever replacing an existing file.
CopyResult copyFileNoOverwrite(const QString &source, const QString &target);

// Creates the folder and any missing parents; true when it exists afterwards.
bool makeFolder(const QString &path);
