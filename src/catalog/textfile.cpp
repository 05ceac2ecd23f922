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
        throw IpcatError(
            QStringLiteral("Ошибка чтения файла \"%1\": %2").arg(path, file.errorString()));
    return bytes;
}

struct AtomicFileWriter::Impl {
    explicit Impl(const QString &path) : file(path) {}
    QSaveFile file;
};

AtomicFileWriter::AtomicFileWriter(const QString &path)
    : m_path(path), m_impl(new Impl(path)), m_buffer(256 << 10, Qt::Uninitialized)
{
    if (QFileInfo(path).isDir()) {
        delete m_impl;
        throw IpcatError(QStringLiteral("Не удаётся записать файл \"%1\": это папка.").arg(path));
    }
    if (!m_impl->file.open(QIODevice::WriteOnly)) {
        const QString why = m_impl->file.errorString();
        delete m_impl;
        throw IpcatError(QStringLiteral("Не удаётся записать файл \"%1\": %2").arg(path, why));
    }
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (m_impl->file.isOpen())
        m_impl->file.cancelWriting();
    delete m_impl;
}

void AtomicFileWriter::fail()
{
    const QString why = m_impl->file.errorString();
    m_impl->file.cancelWriting();
    throw IpcatError(QStringLiteral("Не удаётся записать файл \"%1\": %2").arg(m_path, why));
}

void AtomicFileWriter::flush()
{
    if (m_used > 0 && m_impl->file.write(m_buffer.constData(), m_used) != m_used)
        fail();
    m_used = 0;
}

char *AtomicFileWriter::reserve(qsizetype size)
{
    if (m_used + size > m_buffer.size()) {
        flush();
        if (size > m_buffer.size())
            m_buffer.resize(size);
    }
    return m_buffer.data() + m_used;
}

void AtomicFileWriter::commit()
{
    flush();
    if (!m_impl->file.commit())
        fail();
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    AtomicFileWriter writer(path);
    std::memcpy(writer.reserve(bytes.size()), bytes.constData(), size_t(bytes.size()));
    writer.advance(bytes.size());
    writer.commit();
}

QStringList decodeLines(const QByteArray &bytes)
{
    QStringList lines;
    forEachLine(bytes, [&](const char *begin, qsizetype length) {
        lines.append(cp1251::decode(begin, length));
    });
    return lines;
}

QStringList readTextLines(const QString &path)
{
    return decodeLines(readFileBytes(path));
}

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
