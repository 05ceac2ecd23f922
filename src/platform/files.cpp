#include "files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

QString findFileNoCase(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + name))
        return name;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
}

bool matchesMask(const QString &name, const QString &mask)
{
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(mask),
                                     QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch();
}

QStringList listFiles(const QString &folder, const QString &mask)
{
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(mask),
                                     QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    const QStringList entries = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    for (const QString &entry : entries) {
        if (pattern.match(entry).hasMatch())
            names.append(entry);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int blind = a.compare(b, Qt::CaseInsensitive);
        return blind != 0 ? blind < 0 : a < b;
    });
    return names;
}

QString fileNamePart(const QString &path)
{
    qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
#ifdef _WIN32
    cut = std::max(cut, path.lastIndexOf(u':'));
#endif
    return path.mid(cut + 1);
}

CopyResult copyFileNoOverwrite(const QString &source, const QString &target)
{
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return CopyResult::TargetExists;
    return QFile::copy(source, target) ? CopyResult::Copied : CopyResult::Failed;
}

bool makeFolder(const QString &path)
{
    if (QFileInfo(path).isDir())
        return true;
    return QDir().mkpath(path) && QFileInfo(path).isDir();
}
