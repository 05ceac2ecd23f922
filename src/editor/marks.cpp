#include "marks.h"

#include "annotation.h"
#include "platform/drawingsurface.h"

#include <cmath>
#include <limits>

namespace {

// Offsets from stored coordinates may leave the 32-bit range; such points
// lie far outside any picture, so holding them at the range's edge changes
// nothing that shows.
int at(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

// The middle of a span; in 64 bits so that a span wider than the int range
// still gives a point between its ends.
int middle(int from, int to)
{
    return at(qint64(from) + (qint64(to) - from) / 2);
}

void segment(DrawingSurface &canvas, qint64 x1, qint64 y1, qint64 x2, qint64 y2)
{
    canvas.line(at(x1), at(y1), at(x2), at(y2));
}

void label(DrawingSurface &canvas, qint64 x, qint64 y, const QString &text)
{
    canvas.text(at(x), at(y), text);
}

// A stroke with its two head strokes, drawn from the stored corners as they are.
void horizontalArrow(DrawingSurface &canvas, qint64 x1, qint64 x2, qint64 y, qint64 tip,
                     qint64 back)
{
    segment(canvas, x1, y, x2, y);
    segment(canvas, back, y - 5, tip, y);
    segment(canvas, back, y + 5, tip, y);
}

void verticalArrow(DrawingSurface &canvas, qint64 x, qint64 y1, qint64 y2, qint64 tip, qint64 back)
{
    segment(canvas, x, y1, x, y2);
    segment(canvas, x - 5, back, x, tip);
    segment(canvas, x + 5, back, x, tip);
}

void setUpLabels(DrawingSurface &canvas, const QColor &color)
{
    canvas.setPenColor(color);
    canvas.setBrushClear();
    canvas.setFontHeight(20);
    canvas.setFontColor(color);
}

} // namespace

void PaintPos(const QColor &color, int x1, int y1, int x2, int y2, int radius, const QString &text,
              DrawingSurface &canvas)
{
    canvas.setPenColor(color);
    canvas.setBrushColor(color);
    canvas.line(x1, y1, x2, y2);
    canvas.ellipse(at(qint64(x2) - radius), at(qint64(y2) - radius), at(qint64(x2) + radius),
                   at(qint64(y2) + radius));
    canvas.setFontColor(markcolors::CalloutNumber);
    canvas.setFontHeight(14);
    const int a = roundHalfEven(canvas.textWidth(text) / 2.0);
    const int b = roundHalfEven(canvas.textHeight(text) / 2.0);
    label(canvas, qint64(x2) - a, qint64(y2) - b, text);
}

void PaintEllipse(const QColor &color, int x, int y, double radius, DrawingSurface &canvas)
{
    canvas.setPenColor(color);
    canvas.setBrushClear();
    canvas.setFontHeight(20);
    canvas.setFontColor(color);
    const qint64 r = std::isfinite(radius) ? qint64(std::clamp(std::trunc(radius), -4e9, 4e9)) : 0;
    canvas.ellipse(at(x - r), at(y - r), at(x + r), at(y + r));
}

void PaintLine(const QColor &color, int x1, int y1, int x2, int y2, const QString &text,
               DrawingSurface &canvas)
{
    canvas.setPenColor(color);
    canvas.line(x1, y1, x2, y2);
    if (x2 < x1 && y2 < y1)
        label(canvas, qint64(x2) - 15, qint64(y2) - 15, text);
    else
        canvas.text(x2, y2, text);
}

void PaintPloscost(const QColor &color, int x1, int y1, int x2, int y2, int placementCode,
                   const QString &text, DrawingSurface &canvas)
{
    canvas.setPenColor(color);
    canvas.setBrushClear();
    canvas.rectangle(x1, y1, x2, y2);
    canvas.setFontHeight(20);
    canvas.setFontColor(color);
    switch (placementCode) {
    case 1:
        label(canvas, qint64(x2) - 15, qint64(y1) + 2, text);
        break;
    case 2:
        label(canvas, qint64(x1) + 5, qint64(y1) + 2, text);
        break;
    case 3:
        label(canvas, qint64(x1) + 5, qint64(y2) - 22, text);
        break;
    case 4:
        label(canvas, qint64(x2) - 15, qint64(y2) - 22, text);
        break;
    default:
        break;
    }
}

void PaintStrelka(const QColor &color, int x1, int y1, int x2, int y2, int directionCode,
                  const QString &text, DrawingSurface &canvas)
{
    setUpLabels(canvas, color);
    const qint64 mx = middle(x1, x2), my = middle(y1, y2);
    switch (directionCode) {
    case 1:
    case 2: {
        const qint64 tip = directionCode == 1 ? x2 : x1;
        horizontalArrow(canvas, x1, x2, my, tip, directionCode == 1 ? tip - 10 : tip + 10);
        label(canvas, mx - 4, my - 22, text);
        break;
    }
    case 3:
    case 4: {
        const qint64 tip = directionCode == 3 ? y1 : y2;
        verticalArrow(canvas, mx, y1, y2, tip, directionCode == 3 ? tip + 10 : tip - 10);
        label(canvas, mx - 15, my - canvas.textHeight(text) / 2, text);
        break;
    }
    default:
        break;
    }
}

void PaintRazrez(const QColor &color, int x1, int y1, int x2, int y2, int directionCode,
                 const QString &text, DrawingSurface &canvas)
{
    setUpLabels(canvas, color);
    const qint64 X1 = x1, Y1 = y1, X2 = x2, Y2 = y2;
    switch (directionCode) {
    case 1:
        horizontalArrow(canvas, X1, X2, Y1, X2, X2 - 10);
        horizontalArrow(canvas, X1, X2, Y2, X2, X2 - 10);
        segment(canvas, X2, Y1 - 15, X2, Y2 + 15);
        label(canvas, X1, Y1 - 25, text);
        label(canvas, X1, Y2 + 5, text);
        break;
    case 2:
        horizontalArrow(canvas, X1, X2, Y1, X1, X1 + 10);
        horizontalArrow(canvas, X1, X2, Y2, X1, X1 + 10);
        segment(canvas, X1, Y1 - 15, X1, Y2 + 15);
        label(canvas, X2 - 8, Y1 - 25, text);
        label(canvas, X2 - 8, Y2 + 5, text);
        break;
    case 3:
        verticalArrow(canvas, X1, Y1, Y2, Y1, Y1 + 10);
        verticalArrow(canvas, X2, Y1, Y2, Y1, Y1 + 10);
        segment(canvas, X1 - 15, Y1, X2 + 15, Y1);
        label(canvas, X1 - 18, Y2 - 20, text);
        label(canvas, X2 + 5, Y2 - 20, text);
        break;
    case 4:
        verticalArrow(canvas, X1, Y1, Y2, Y2, Y2 - 10);
        verticalArrow(canvas, X2, Y1, Y2, Y2, Y2 - 10);
        segment(canvas, X1 - 15, Y2, X2 + 15, Y2);
        label(canvas, X1 - 20, Y1 + 10, text);
        label(canvas, X2 + 5, Y1 + 10, text);
        break;
    default:
        break;
    }
}

void DrawAnnotation(const QString &line, DrawingSurface &canvas)
{
    const std::optional<Annotation> mark = readAnnotationLine(line);
    if (!mark)
        return;
    const auto &f = mark->fields;
    const QColor &blue = markcolors::Stored;
    switch (mark->kind) {
    case MarkKind::Callout:
        PaintPos(blue, f[0], f[1], f[2], f[3], 10, mark->label, canvas);
        break;
    case MarkKind::Plane:
        PaintPloscost(blue, f[0], f[1], f[2], f[3], f[4], mark->label, canvas);
        break;
    case MarkKind::Section:
        PaintRazrez(blue, f[0], f[1], f[2], f[3], f[4], mark->label, canvas);
        break;
    case MarkKind::Arrow:
        PaintStrelka(blue, f[0], f[1], f[2], f[3], f[4], mark->label, canvas);
        break;
    case MarkKind::Circle:
        PaintEllipse(blue, f[0], f[1], f[2], canvas);
        PaintLine(blue, f[3], f[4], f[5], f[6], mark->label, canvas);
        break;
    }
}
