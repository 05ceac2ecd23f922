#include "nodetext.h"

QString MakeNodeText(const QString &position, const QString &designation, const QString &name,
                     const QString &quantity, const QString &unitName)
{
    const QChar bar = u'|';
    return position + bar + designation + bar + name + bar + quantity + bar + unitName + bar;
}

QString NodeField(const QString &nodeText, int field)
{
    qsizetype start = 0;
    for (int i = 1; i < field; ++i) {
        const qsizetype bar = nodeText.indexOf(u'|', start);
        if (bar < 0)
            break;
        start = bar + 1;
    }
    const qsizetype end = nodeText.indexOf(u'|', start);
    return end < 0 ? QString() : nodeText.mid(start, end - start);
}

QString Renfile(const QString &text)
{
    QString stem = text;
    for (QChar &c : stem) {
        if (c == u'/' || c == u'\\' || c == u'|')
            c = u'_';
    }
    return stem;
}
