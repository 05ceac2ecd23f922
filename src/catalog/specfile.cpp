#include "specfile.h"

#include "nodetext.h"
#include "textfile.h"

QString specFilePath(const QString &spDir, const QString &designation)
{
    return spDir + Renfile(designation) + QStringLiteral("_SP.Dat");
}

bool WriteSpecFile(const QStringList &childTexts, const QString &designation, const QString &spDir)
{
    if (childTexts.isEmpty())
        return false;
    writeTextLines(specFilePath(spDir, designation), childTexts);
    return true;
}

QString sectionListPath(const QString &baseDir)
{
    return baseDir + QStringLiteral("Razdel");
}

QStringList readSectionList(const QString &baseDir)
{
    return readTextLines(sectionListPath(baseDir));
}

void writeSectionList(const QString &baseDir, const QStringList &sections)
{
    writeTextLines(sectionListPath(baseDir), sections);
}
