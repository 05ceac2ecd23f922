#include "pictures.h"

#include "catalog/error.h"
#include "platform/files.h"

#include <QDir>

QString browserStem(const QString &specFileName)
{
    return specFileName.chopped(std::min<qsizetype>(7, specFileName.size()));
}

QString editorStem(const QString &specFileName)
{
    const qsizetype at = specFileName.indexOf(QStringLiteral("_SP"), 0, Qt::CaseSensitive);
    return at < 0 ? QString() : specFileName.left(at);
}

bool isFolderStem(const QString &stem)
{
    return stem != u"." && stem != u"..";
}

QString pictureFolder(const QString &picDir, const QString &stem)
{
    if (!isFolderStem(stem))
        throw IpcatError(
            QStringLiteral("Обозначение \"%1\" не годится для имени папки изображений: "
                           "папка оказалась бы вне папки \"%2\".")
                .arg(stem, QDir::toNativeSeparators(picDir)));
    return picDir + stem + QLatin1Char('/');
}

QString pictureName(const QString &stem, const QString &suffix)
{
    if (suffix.contains(u'/') || suffix.contains(u'\\'))
        throw IpcatError(QStringLiteral("Название \"%1\" не годится для имени файла: в нём есть "
                                        "косая черта.")
                             .arg(suffix));
    return stem + QLatin1Char('_') + suffix + QStringLiteral(".Jpg");
}

void copyPicture(const QString &source, const QString &target)
{
    switch (copyFileNoOverwrite(source, target)) {
    case CopyResult::Copied:
        return;
    case CopyResult::TargetExists:
        throw IpcatError(QStringLiteral("Изображение не добавлено: файл \"%1\" уже существует.")
                             .arg(QDir::toNativeSeparators(target)));
    case CopyResult::Failed:
        throw IpcatError(
            QStringLiteral("Не удалось скопировать файл \"%1\" в \"%2\".")
                .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target)));
    }
}
