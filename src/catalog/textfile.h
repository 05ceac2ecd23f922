#pragma once
// Whole-file reading and atomic writing of the program's Windows-1251 text
// files, with the line rules every file shares.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstring>

// The file's bytes; a file that cannot be opened is an error naming it.
QByteArray readFileBytes(const QString &path);

// Replaces the file at `path` atomically: a failed write leaves the old file whole.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// Writes a file through a reused buffer and replaces the old file only on
// commit(); destroyed without commit(), it leaves the old file whole.
class AtomicFileWriter
{
public:
    explicit AtomicFileWriter(const QString &path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    // Room for `size` bytes at the returned pointer; advance() says how many
    // of them were written.
    char *reserve(qsizetype size);
    void advance(qsizetype size) { m_used += size; }
    void commit();

private:
    void flush();
    [[noreturn]] void fail();

    QString m_path;
    struct Impl;
    Impl *m_impl;
    QByteArray m_buffer;
    qsizetype m_used = 0;
};

// Calls `line(begin, length)` for each line of the text: breaks at CR LF, CR
// and LF, a NUL byte ends the text, a final break adds no empty line.
template <typename LineFn> void forEachLine(const QByteArray &bytes, LineFn line)
{
    const char *p = bytes.constData();
    qsizetype end = bytes.size();
    if (const void *nul = memchr(p, 0, size_t(end)))
        end = static_cast<const char *>(nul) - p;
    qsizetype start = 0;
    for (qsizetype i = 0; i < end; ++i) {
        const char c = p[i];
        if (c != '\r' && c != '\n')
            continue;
        line(p + start, i - start);
        if (c == '\r' && i + 1 < end && p[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < end)
        line(p + start, end - start);
}

QStringList decodeLines(const QByteArray &bytes);
QStringList readTextLines(const QString &path);

// Each line followed by CR LF; a character outside the code page is an error
// naming the file, and the file stays as it was.
QByteArray encodeLines(const QStringList &lines, const QString &path);
void writeTextLines(const QString &path, const QStringList &lines);
