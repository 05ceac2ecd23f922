#pragma once
// The workspace beside the executable, and the other states that every
// window of the program shares for the whole run.

#include <QString>
#include <QStringList>

// Full folder paths, each ending with a separator, set once at start.
extern QString BaseDir;
extern QString SpDir;
extern QString PicDir;
extern QString DataDir;
extern QString GenDir;

// 1 while the editor is open from "Редактировать", 0 otherwise.
extern int EditMode;

// The executable's full path, as the program's start was given it.
void setExecutablePath(const QString &path);
QString executablePath();

// Sets the five paths from the executable's full path: the base folder is the
// path up to and including its last separator (empty when it has none).
void setWorkspacePaths(const QString &executablePath);

// Creates the four workspace folders with any missing parents; returns those
// that could not be created.
QStringList createWorkspaceFolders();

// Puts every shared state back to its start value.
void resetWorkspaceState();
