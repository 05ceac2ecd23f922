#pragma once
// Windows-1251 at the file boundary: the only place that knows the code page.

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace cp1251 {

QString decode(const char *data, qsizetype size);
inline QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), bytes.size());
}

// True when every character of the text has a byte in the code page.
bool canEncode(QStringView text);
// Index of the first character without a byte in the code page, or -1.
qsizetype firstUnencodable(QStringView text);

// Appends the encoded text. Returns false, having appended nothing, when a
// character has no byte in the code page.
bool appendEncoded(QByteArray &out, QStringView text);

// Writes text.size() bytes at `out`; false when a character has no byte in
// the code page (the bytes written are then meaningless).
bool encodeInto(char *out, QStringView text);

// Encodes a text bound for the file at `path`; a character the code page lacks
// is an error naming the file and the character.
QByteArray encodeForFile(QStringView text, const QString &path);
[[noreturn]] void throwUnencodable(QStringView text, const QString &path);

} // namespace cp1251
