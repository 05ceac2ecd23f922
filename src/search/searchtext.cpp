#include "searchtext.h"

#include "catalog/codec.h"

QString fromSearchText(const QString &text)
{
    qsizetype at = cp1251::firstUnencodable(text);
    if (at < 0)
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype done = 0;
    while (at >= 0) {
        result.append(QStringView(text).mid(done, at - done));
        result.append(QLatin1Char('?'));
        done = at + 1;
        if (text[at].isHighSurrogate() && done < text.size() && text[done].isLowSurrogate())
            ++done;
        const qsizetype next = cp1251::firstUnencodable(QStringView(text).mid(done));
        at = next < 0 ? -1 : done + next;
    }
    result.append(QStringView(text).mid(done));
    return result;
}
