#pragma once
// Drawing on a picture's pixels with a pen, a brush and a font that stay as
// they were set from one operation to the next, the way the marks expect.

#include "drawingstamp.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>

class DrawingSurface
{
public:
    // The surface starts with a black pen 1 pixel wide, a solid white brush and
    // black text 13 pixels high, and draws on nothing until setImage().
    DrawingSurface();
    ~DrawingSurface();
    DrawingSurface(const DrawingSurface &) = delete;
    DrawingSurface &operator=(const DrawingSurface &) = delete;

    // Draws on `image` from now on; the pen, brush and font stay as they are.
    // The image must outlive the surface's use of it.
    void setImage(QImage *image);
    QImage *image() const { return m_image; }

    QColor penColor() const { return m_penColor; }
    void setPenColor(const QColor &color) { m_penColor = color; }
    int penWidth() const { return m_penWidth; }
    void setPenWidth(int width) { m_penWidth = std::max(width, 1); }

    // Setting a brush colour makes the brush solid.
    QColor brushColor() const { return m_brushColor; }
    void setBrushColor(const QColor &color);
    bool brushClear() const { return m_brushClear; }
    void setBrushClear() { m_brushClear = true; }

    // The height of the character cell in pixels.
    int fontHeight() const { return m_fontHeight; }
    void setFontHeight(int pixels);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor &color) { m_fontColor = color; }

    void line(int x1, int y1, int x2, int y2);
    // Outline only, whatever the brush.
    void rectangle(int x1, int y1, int x2, int y2);
    // Outlined with the pen; filled with the brush unless it is clear.
    void ellipse(int x1, int y1, int x2, int y2);
    // The text's cell has its top-left corner at (x, y); its background is
    // the brush colour, or transparent with a clear brush.
    void text(int x, int y, const QString &text);
    int textWidth(const QString &text);
    int textHeight(const QString &text);

    // The part of the picture drawn on since the last call; empty when nothing was.
    QRect takeChangedRect();
    // Ends the painting in progress so the image can be copied or shown.
    void finish();

private:
    QPainter *painter();
    void fillStraight(qint64 x1, qint64 y1, qint64 x2, qint64 y2);
    const QFont &font();
    const QFontMetrics &metrics();
    void touch(const QRect &rect);

    QImage *m_image = nullptr;
    std::unique_ptr<QPainter> m_painter;
    QColor m_penColor = Qt::black;
    int m_penWidth = 1;
    QColor m_brushColor = Qt::white;
    bool m_brushClear = false;
    int m_fontHeight = 13;
    QColor m_fontColor = Qt::black;
    QFont m_font;
    std::optional<QFontMetrics> m_metrics;
    int m_fontFor = 0;
    // Labels and discs repeat from mark to mark.
    DrawingStampCache m_stamps;
    QRect m_changed;
};
