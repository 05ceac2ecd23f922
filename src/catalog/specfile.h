#pragma once
// Specification files (one line per direct child of an assembly) and the
// section list of the section dialog.

#include <QString>
#include <QStringList>

// spDir + Renfile(designation) + "_SP.Dat"
QString specFilePath(const QString &spDir, const QString &designation);

// Writes the children's texts as the assembly's specification file. A node
// without children writes nothing and leaves an existing file alone; returns
// whether a file was written.
bool WriteSpecFile(const QStringList &childTexts, const QString &designation, const QString &spDir);

// baseDir + "Razdel"
QString sectionListPath(const QString &baseDir);
QStringList readSectionList(const QString &baseDir);
void writeSectionList(const QString &baseDir, const QStringList &sections);
