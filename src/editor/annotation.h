#pragma once
// The annotation line: one mark of a picture as the annotation file stores it,
// read for drawing and written when a mark is placed.

#include <QString>
#include <array>
#include <optional>

enum class MarkKind { Callout, Plane, Section, Arrow, Circle };

struct Annotation {
    MarkKind kind = MarkKind::Callout;
    // The numeric fields in their stored order; fieldCount(kind) of them are used.
    std::array<int, 7> fields{};
    QString label;
    // The picture the mark refers to; call-outs have none.
    QString picture;
};

QChar markPrefix(MarkKind kind);
int fieldCount(MarkKind kind);

// Reads a line; std::nullopt for a line that is not a mark (an empty line, an
// unknown first character), which is skipped. A numeric field that is not an
// integer, the empty one a missing "*" leaves included, is the error
// "'<text>' is not a valid integer value".
std::optional<Annotation> readAnnotationLine(const QString &line);

// The line of a mark. A label or picture name that the line could not carry
// back (a line break; an "@" in the label of a mark that names a picture) is
// an error, so every written line reads back as it was.
QString writeAnnotationLine(const Annotation &mark);

// The circle's line, from the centre and radius kept as "CX*CY*R" while its
// leader was pending.
QString circleAnnotationLine(const QString &pendingCircleText, int lx1, int ly1, int lx2, int ly2,
                             const QString &label, const QString &picture);
