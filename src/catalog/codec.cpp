#include "codec.h"

#include "error.h"

#include <QStringDecoder>
#include <array>
#include <vector>

namespace cp1251 {
namespace {

// Qt's converter knows the code page; the tables only make the per-byte
// work of large tree files cheap.
struct Tables {
    std::array<char16_t, 256> toUnicode{};
    std::vector<qint16> fromUnicode = std::vector<qint16>(0x10000, -1);

    Tables()
    {
        QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
        Q_ASSERT(decoder.isValid());
        for (int byte = 0; byte < 256; ++byte) {
            const char c = char(byte);
            const QString s = decoder.decode(QByteArrayView(&c, 1));
            const char16_t u = s.isEmpty() ? char16_t(byte) : s.at(0).unicode();
            toUnicode[byte] = u;
            fromUnicode[u] = qint16(byte);
        }
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

} // namespace

QString decode(const char *data, qsizetype size)
{
    const auto &table = tables().toUnicode;
    QString result(size, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(result.data());
    const auto *in = reinterpret_cast<const unsigned char *>(data);
    for (qsizetype i = 0; i < size; ++i)
        out[i] = table[in[i]];
    return result;
}

qsizetype firstUnencodable(QStringView text)
{
    const auto &table = tables().fromUnicode;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (table[text[i].unicode()] < 0)
            return i;
    }
    return -1;
}

bool canEncode(QStringView text)
{
    return firstUnencodable(text) < 0;
}

bool encodeInto(char *out, QStringView text)
{
    const qint16 *__restrict table = tables().fromUnicode.data();
    const char16_t *__restrict in = text.utf16();
    char *__restrict dst = out;
    const qsizetype size = text.size();
    // Branch-free: a missing character's entry is -1, so its sign bit
    // survives the OR and one test at the end finds it.
    qint16 missing = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const qint16 byte = table[in[i]];
        missing |= byte;
        dst[i] = char(byte);
    }
    return missing >= 0;
}

bool appendEncoded(QByteArray &out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    if (!encodeInto(out.data() + start, text)) {
        out.resize(start);
        return false;
    }
    return true;
}

void throwUnencodable(QStringView text, const QString &path)
{
    const qsizetype at = firstUnencodable(text);
    QString shown;
    uint code = 0;
    if (at >= 0) {
        // A surrogate pair is one character to the user.
        if (text[at].isHighSurrogate() && at + 1 < text.size()) {
            shown = text.mid(at, 2).toString();
            code = QChar::surrogateToUcs4(text[at], text[at + 1]);
        } else {
            shown = text[at];
            code = text[at].unicode();
        }
    }
    throw IpcatError(
        QStringLiteral("Файл \"%1\" не записан: символ \"%2\" (U+%3) нельзя "
                       "сохранить в кодировке Windows-1251.")
            .arg(path, shown, QString::number(code, 16).toUpper().rightJustified(4, u'0')));
}

QByteArray encodeForFile(QStringView text, const QString &path)
{
    QByteArray out;
    if (!appendEncoded(out, text))
        throwUnencodable(text, path);
    return out;
}

} // namespace cp1251
