#include "annotation.h"

#include "catalog/error.h"
#include "catalog/strtoint.h"

#include <algorithm>

namespace {

// A 1 MB field quoted whole would make a message box nobody can read.
QString quoted(const QString &text)
{
    constexpr int Shown = 60;
    return text.size() <= Shown ? text : text.left(Shown) + QChar(0x2026);
}

int readField(QStringView &rest)
{
    const qsizetype star = rest.indexOf(u'*');
    const QStringView field = star < 0 ? QStringView() : rest.left(star);
    const std::optional<int> value = tryStrToInt(field.toString());
    if (!value)
        throw IpcatError(
            QStringLiteral("'%1' is not a valid integer value").arg(quoted(field.toString())));
    rest = rest.mid(star + 1);
    return *value;
}

void checkText(const QString &text, bool atAllowed)
{
    for (const QChar c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            throw IpcatError(QStringLiteral("Надпись \"%1\" не может содержать перевод строки.")
                                 .arg(quoted(text)));
        if (c == u'@' && !atAllowed)
            throw IpcatError(
                QStringLiteral("Надпись \"%1\" не может содержать знак \"@\": он отделяет "
                               "надпись от имени изображения.")
                    .arg(quoted(text)));
    }
}

} // namespace

QChar markPrefix(MarkKind kind)
{
    switch (kind) {
    case MarkKind::Callout:
        return u'&';
    case MarkKind::Plane:
        return u'!';
    case MarkKind::Section:
        return u'$';
    case MarkKind::Arrow:
        return u'#';
    case MarkKind::Circle:
        return u'%';
    }
    return u'&';
}

int fieldCount(MarkKind kind)
{
    switch (kind) {
    case MarkKind::Callout:
        return 4;
    case MarkKind::Circle:
        return 7;
    default:
        return 5;
    }
}

std::optional<Annotation> readAnnotationLine(const QString &line)
{
    if (line.isEmpty())
        return std::nullopt;
    Annotation mark;
    const auto kinds = {MarkKind::Callout, MarkKind::Plane, MarkKind::Section, MarkKind::Arrow,
                        MarkKind::Circle};
    const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                   [&](MarkKind k) { return markPrefix(k) == line.at(0); });
    if (kind == kinds.end())
        return std::nullopt;
    mark.kind = *kind;
    QStringView rest = QStringView(line).mid(1);
    for (int i = 0; i < fieldCount(mark.kind); ++i)
        mark.fields[size_t(i)] = readField(rest);
    if (mark.kind == MarkKind::Callout) {
        mark.label = rest.toString();
        return mark;
    }
    const qsizetype at = rest.indexOf(u'@');
    if (at >= 0) {
        mark.label = rest.left(at).toString();
        mark.picture = rest.mid(at + 1).toString();
    }
    return mark;
}

QString writeAnnotationLine(const Annotation &mark)
{
    const bool callout = mark.kind == MarkKind::Callout;
    checkText(mark.label, callout);
    checkText(mark.picture, true);
    QString line(markPrefix(mark.kind));
    for (int i = 0; i < fieldCount(mark.kind); ++i)
        line += QString::number(mark.fields[size_t(i)]) + u'*';
    line += mark.label;
    if (!callout)
        line += u'@' + mark.picture;
    return line;
}

QString circleAnnotationLine(const QString &pendingCircleText, int lx1, int ly1, int lx2, int ly2,
                             const QString &label, const QString &picture)
{
    checkText(label, false);
    checkText(picture, true);
    QString line = u'%' + pendingCircleText;
    for (const int value : {lx1, ly1, lx2, ly2})
        line += u'*' + QString::number(value);
    return line + u'*' + label + u'@' + picture;
}
