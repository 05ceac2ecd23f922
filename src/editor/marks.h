#pragma once
// Drawing the marks into a picture's pixels. Each operation sets only the
// pen, brush and font settings it names and leaves the rest as it finds them.

#include <QColor>
#include <QString>

class DrawingSurface;

namespace markcolors {
inline const QColor Stored{0, 0, 255};
inline const QColor Callout{0, 255, 0};
inline const QColor Plane{255, 0, 255};
inline const QColor Section{0, 0, 255};
inline const QColor Arrow{0, 128, 0};
inline const QColor Circle{0, 128, 128};
inline const QColor CalloutNumber{255, 255, 255};
} // namespace markcolors

// A position call-out: the leader from (x1, y1) and the numbered disc at (x2, y2).
void PaintPos(const QColor &color, int x1, int y1, int x2, int y2, int radius, const QString &text,
              DrawingSurface &canvas);
// A plane mark: the rectangle and its label in the corner the code names.
void PaintPloscost(const QColor &color, int x1, int y1, int x2, int y2, int placementCode,
                   const QString &text, DrawingSurface &canvas);
// A section cut: two arrowed strokes joined by the cutting line.
void PaintRazrez(const QColor &color, int x1, int y1, int x2, int y2, int directionCode,
                 const QString &text, DrawingSurface &canvas);
// A view arrow along the middle of the rectangle.
void PaintStrelka(const QColor &color, int x1, int y1, int x2, int y2, int directionCode,
                  const QString &text, DrawingSurface &canvas);
// A circle outline; it also sets the font that the leader's label uses next.
void PaintEllipse(const QColor &color, int x, int y, double radius, DrawingSurface &canvas);
// A leader with its label, in whatever font and brush the surface has.
void PaintLine(const QColor &color, int x1, int y1, int x2, int y2, const QString &text,
               DrawingSurface &canvas);

// Reads one annotation line and draws it in blue; a line that is not a mark
// draws nothing, a bad number is an error and draws nothing.
void DrawAnnotation(const QString &line, DrawingSurface &canvas);
