#pragma once
// Which files of an assembly go into the archive, and their entry through
// the exchange folder.

#include "platform/files.h"

#include <QString>
#include <QStringList>
#include <functional>

class SearchServer;

struct ExportLists {
    QString stem;            // the text by which the archive object is found
    QStringList specFiles;   // the specification file
    QStringList pictures;    // the assembly's pictures
    QStringList annotations; // the annotation files of those pictures
};

// The three lists for the specification file `specName` of spDir: the file
// itself, picDir + stem + "/" + prefix*.Jpg and dataDir + prefix*.Dat, the
// prefix being the stem and "_"; names are matched without regard to case.
ExportLists collectExportFiles(const QString &specName, const QString &spDir, const QString &picDir,
                               const QString &dataDir);

// An export enters all three groups or nothing: a missing group is an error
// naming it and the assembly.
void requireEveryGroup(const ExportLists &lists);

// The folder through which files enter the archive; the program never creates it.
QString exchangeFolder(const QString &baseDir);

struct ExportReport {
    QStringList entered;
    QStringList refused; // each: the file and why it was not entered
};

// Copies each file into the exchange folder and enters it into the archive
// object named by the stem. A file that could not be copied, or whose name is
// taken in the exchange folder by different bytes, is not entered. A failing
// server call throws and stops the export there. `step` is told of each file.
ExportReport exportToArchive(SearchServer &server, const ExportLists &lists,
                             const QString &exchange,
                             const std::function<void(int done, int total)> &step = {});
