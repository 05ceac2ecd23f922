#include "textfile.h"

#include "codec.h"
#include "error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString readFailure(const QString &path, const QFile &file)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("Не найден файл \"%1\".").arg(path);
    if (info.isDir())
        return QStringLiteral("Не удаётся открыть файл \"%1\": это папка, а не файл.").arg(path);
    return QStringLiteral("Не удаётся открыть файл \"%1\": %2").arg(path, file.errorString());
}

} // namespace

QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw IpcatError(readFailure(path, file));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IpcatError(QStringLiteral("Ошибка чтения файла \"%1\": %2").arg(path, file.errorString()));
    return bytes;
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    const auto fail = [&] {
        throw IpcatError(
            QStringLiteral("Не удаётся записать файл \"%1\": %2").arg(path, file.errorString()));
    };
    if (QFileInfo(path).isDir())
        throw IpcatError(QStringLiteral("Не удаётся записать файл \"%1\": это папка.").arg(path));
    if (!file.open(QIODevice::WriteOnly))
        fail();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        fail();
    }
    if (!file.commit())
        fail();
}

QStringList decodeLines(const QByteArray &bytes)
{
    QStringList lines;
    forEachLine(bytes, [&](const char *begin, qsizetype length) {
        lines.append(cp1251::decode(begin, length));
    });
    return lines;
}

QStringList readTextLines(const QString &path) { return decodeLines(readFileBytes(path)); }

QByteArray encodeLines(const QStringList &lines, const QString &path)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        if (!cp1251::appendEncoded(bytes, line))
            cp1251::throwUnencodable(line, path);
        bytes.append("\r\n", 2);
    }
    return bytes;
}

void writeTextLines(const QString &path, const QStringList &lines)
{
    writeFileAtomically(path, encodeLines(lines, path));
}
