#include "exportfiles.h"

#include "S4_TLB.h"
#include "catalog/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// Plain files of `folder` whose names start with `prefix` and end with
// `ending`, letter case ignored, in name order.
QStringList findFiles(const QString &folder, const QString &prefix, const QString &ending)
{
    QStringList names;
    const QStringList entries =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString &name : entries) {
        if (name.size() >= prefix.size() + ending.size() &&
            name.startsWith(prefix, Qt::CaseInsensitive) &&
            name.endsWith(ending, Qt::CaseInsensitive))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int blind = a.compare(b, Qt::CaseInsensitive);
        return blind != 0 ? blind < 0 : a < b;
    });
    return names;
}

QStringList prefixed(const QString &folder, const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names)
        paths.append(folder + name);
    return paths;
}

bool sameBytes(const QString &a, const QString &b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    while (!fa.atEnd()) {
        if (fa.read(1 << 16) != fb.read(1 << 16))
            return false;
    }
    return true;
}

// Puts a copy of `source` in the exchange folder; the reason it could not,
// or an empty text.
QString copyToExchange(const QString &source, const QString &target)
{
    if (!QFileInfo(source).isFile())
        return QStringLiteral("файл не найден");
    if (QFileInfo::exists(target)) {
        return sameBytes(source, target)
                   ? QString()
                   : QStringLiteral("в папке обмена уже есть другой файл с таким именем");
    }
    return QFile::copy(source, target) ? QString()
                                       : QStringLiteral("не удалось скопировать в папку обмена");
}

} // namespace

ExportLists collectExportFiles(const QString &specName, const QString &spDir, const QString &picDir,
                               const QString &dataDir)
{
    ExportLists lists;
    const QStringList spec = findFiles(spDir, specName, QString());
    for (const QString &name : spec) {
        if (name.compare(specName, Qt::CaseInsensitive) == 0) {
            lists.specFiles.append(spDir + name);
            break;
        }
    }
    lists.stem = specName.chopped(std::min<qsizetype>(7, specName.size()));
    const QString prefix = lists.stem + QLatin1Char('_');
    const QString pictureFolder = picDir + lists.stem + QLatin1Char('/');
    lists.pictures =
        prefixed(pictureFolder, findFiles(pictureFolder, prefix, QStringLiteral(".Jpg")));
    lists.annotations = prefixed(dataDir, findFiles(dataDir, prefix, QStringLiteral(".Dat")));
    return lists;
}

void requireEveryGroup(const ExportLists &lists)
{
    QStringList missing;
    if (lists.specFiles.isEmpty())
        missing.append(QStringLiteral("файл спецификации"));
    if (lists.pictures.isEmpty())
        missing.append(QStringLiteral("изображения"));
    if (lists.annotations.isEmpty())
        missing.append(QStringLiteral("файлы позиций"));
    if (!missing.isEmpty())
        throw IpcatError(QStringLiteral("Ничего не занесено: не найдены %1 сборки \"%2\".")
                             .arg(missing.join(QStringLiteral(", ")), lists.stem));
}

QString exchangeFolder(const QString &baseDir)
{
#ifdef _WIN32
    Q_UNUSED(baseDir);
    return QStringLiteral("C:\\SearchWork\\");
#else
    return baseDir + QStringLiteral("SearchWork/");
#endif
}

ExportReport exportToArchive(SearchServer &server, const ExportLists &lists,
                             const QString &exchange,
                             const std::function<void(int done, int total)> &step)
{
    ExportReport report;
    const int total =
        int(lists.specFiles.size() + lists.pictures.size() + lists.annotations.size());
    int done = 0;
    server.Connect();
    server.SelectObject(server.FindObject(lists.stem));
    server.BeginAddFiles();
    // The specification file enters under its copy's path, pictures and
    // annotation files under their own.
    const auto enter = [&](const QStringList &paths, bool underCopy) {
        for (const QString &source : paths) {
            if (step)
                step(done, total);
            ++done;
            const QString target = exchange + fileNamePart(source);
            const QString why = copyToExchange(source, target);
            if (!why.isEmpty()) {
                report.refused.append(QDir::toNativeSeparators(source) + QStringLiteral(": ") +
                                      why);
                continue;
            }
            server.AddFile(underCopy ? target : source);
            report.entered.append(QDir::toNativeSeparators(source));
        }
    };
    enter(lists.specFiles, true);
    enter(lists.pictures, false);
    enter(lists.annotations, false);
    server.EndAddFiles();
    if (step)
        step(total, total);
    return report;
}
