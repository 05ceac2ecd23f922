#include "strtoint.h"

#include "error.h"

std::optional<int> tryStrToInt(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > qint64(1) << 31)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return std::nullopt;
    return int(value);
}

int StrToInt(const QString &text)
{
    const std::optional<int> value = tryStrToInt(text);
    if (!value)
        throw IpcatError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *value;
}

bool isCanonicalInt(const QString &text)
{
    const std::optional<int> value = tryStrToInt(text);
    return value && QString::number(*value) == text;
}
