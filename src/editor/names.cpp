#include "names.h"

#include "platform/files.h"

namespace {

const QString Jpg = QStringLiteral(".jpg");

// The characters strictly between `after` and the first ".Jpg" (both -1 when
// missing, as if before the first character); empty when there are none.
QString between(const QString &name, qsizetype after)
{
    const qsizetype jpg = name.indexOf(Jpg, 0, Qt::CaseInsensitive);
    const qsizetype count = jpg - after - 1;
    return jpg < 0 || count <= 0 ? QString() : name.mid(after + 1, count);
}

} // namespace

QString CutToLastPart(const QString &text)
{
    QString rest = text;
    for (int i = 0; i < 20; ++i) {
        const qsizetype underscore = rest.indexOf(u'_');
        if (underscore < 0)
            break;
        rest.remove(0, underscore + 1);
    }
    return rest;
}

QString annotationStem(const QString &pictureName)
{
    QString stem = pictureName;
    const qsizetype jpg = stem.indexOf(Jpg, 0, Qt::CaseInsensitive);
    if (jpg >= 0)
        stem.remove(jpg, Jpg.size());
    return stem;
}

QString annotationSavePath(const QString &dataDir, const QString &stem)
{
    return dataDir + stem + QStringLiteral(".Dat");
}

QString findAnnotationFile(const QString &dataDir, const QString &pictureName)
{
    const QString found =
        findFileNoCase(dataDir, annotationStem(pictureName) + QStringLiteral(".dat"));
    return found.isEmpty() ? QString() : dataDir + found;
}

QString pictureTitle(const QString &pictureName)
{
    const QString title = between(pictureName, pictureName.lastIndexOf(u'_'));
    return title.size() == 1 ? QStringLiteral("Разрез %1 - %1").arg(title) : title;
}

QString defaultMarkLabel(const QString &pictureName)
{
    return CutToLastPart(between(pictureName, pictureName.indexOf(u'_')));
}
