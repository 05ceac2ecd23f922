#include "workspace.h"

#include "files.h"

QString BaseDir;
QString SpDir;
QString PicDir;
QString DataDir;
QString GenDir;
int EditMode = 0;

namespace {
QString runningExecutable;
}

void setExecutablePath(const QString &path)
{
    runningExecutable = path;
}

QString executablePath()
{
    return runningExecutable;
}

void setWorkspacePaths(const QString &executablePath)
{
    const qsizetype cut =
        std::max(executablePath.lastIndexOf(u'/'), executablePath.lastIndexOf(u'\\'));
    BaseDir = executablePath.left(cut + 1);
    const QChar separator = cut >= 0 ? executablePath.at(cut) : QChar(u'/');
    PicDir = BaseDir + QStringLiteral("Pic") + separator;
    DataDir = BaseDir + QStringLiteral("DATA") + separator;
    GenDir = BaseDir + QStringLiteral("Gen") + separator;
    SpDir = BaseDir + QStringLiteral("SP") + separator;
}

QStringList createWorkspaceFolders()
{
    QStringList failed;
    for (const QString &folder : {PicDir, DataDir, GenDir, SpDir}) {
        if (!makeFolder(folder))
            failed.append(folder);
    }
    return failed;
}

void resetWorkspaceState()
{
    BaseDir.clear();
    SpDir.clear();
    PicDir.clear();
    DataDir.clear();
    GenDir.clear();
    EditMode = 0;
    runningExecutable.clear();
}
