#include "drawingsurface.h"

#include <QFontMetrics>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace {

// Beyond this the raster engine's fixed-point arithmetic is no longer safe;
// shapes reaching further are cut to the picture before they are drawn.
constexpr double SafeCoordinate = 1 << 20;

// The largest font of the default face whose character cell is at most
// `cellHeight` pixels high. Marks are drawn without antialiasing so that their
// colours stay exact.
QFont fontForCell(int cellHeight)
{
    static QHash<int, QFont> fonts;
    const auto found = fonts.constFind(cellHeight);
    if (found != fonts.constEnd())
        return *found;
    QFont font;
    font.setStyleStrategy(QFont::NoAntialias);
    int pixels = std::max(cellHeight, 1);
    font.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(font).height() > cellHeight)
        font.setPixelSize(--pixels);
    fonts.insert(cellHeight, font);
    return font;
}

// Cuts the segment to the box; false when nothing of it lies inside.
bool clipSegment(double box, double &x1, double &y1, double &x2, double &y2)
{
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 + box, box - x1, y1 + box, box - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const double ox = x1, oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    return true;
}

bool safe(qint64 a, qint64 b, qint64 c, qint64 d)
{
    return std::max({std::abs(a), std::abs(b), std::abs(c), std::abs(d)}) < qint64(SafeCoordinate);
}

QRect boundsOf(qint64 x1, qint64 y1, qint64 x2, qint64 y2, int margin)
{
    const auto clamp = [](qint64 v) { return int(std::clamp<qint64>(v, -(1 << 30), 1 << 30)); };
    return QRect(QPoint(clamp(std::min(x1, x2) - margin), clamp(std::min(y1, y2) - margin)),
                 QPoint(clamp(std::max(x1, x2) + margin), clamp(std::max(y1, y2) + margin)));
}

// The box whose outline passes through both corners.
QRect boxBetween(int x1, int y1, int x2, int y2)
{
    return QRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
}

} // namespace

DrawingSurface::DrawingSurface() = default;

DrawingSurface::~DrawingSurface()
{
    finish();
}

void DrawingSurface::setImage(QImage *image)
{
    finish();
    m_image = image;
    m_changed = QRect();
}

void DrawingSurface::setBrushColor(const QColor &color)
{
    m_brushColor = color;
    m_brushClear = false;
}

void DrawingSurface::setFontHeight(int pixels)
{
    m_fontHeight = pixels;
}

const QFont &DrawingSurface::font()
{
    if (m_fontFor != m_fontHeight) {
        m_font = fontForCell(m_fontHeight);
        m_metrics.emplace(m_font);
        m_fontFor = m_fontHeight;
    }
    return m_font;
}

const QFontMetrics &DrawingSurface::metrics()
{
    font();
    return *m_metrics;
}

QPainter *DrawingSurface::painter()
{
    if (!m_image || m_image->isNull())
        return nullptr;
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, false);
    }
    QPen pen(m_penColor);
    pen.setWidth(m_penWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter->setPen(pen);
    m_painter->setBrush(Qt::NoBrush);
    return m_painter.get();
}

void DrawingSurface::finish()
{
    m_painter.reset();
}

void DrawingSurface::touch(const QRect &rect)
{
    if (!m_image)
        return;
    const QRect inside = rect.intersected(m_image->rect());
    if (!inside.isEmpty())
        m_changed = m_changed.united(inside);
}

QRect DrawingSurface::takeChangedRect()
{
    finish();
    const QRect changed = m_changed;
    m_changed = QRect();
    return changed;
}

void DrawingSurface::line(int x1, int y1, int x2, int y2)
{
    QPainter *p = painter();
    if (!p)
        return;
    double ax = x1, ay = y1, bx = x2, by = y2;
    const double box = std::max(m_image->width(), m_image->height()) + m_penWidth + 16.0;
    if (!clipSegment(box, ax, ay, bx, by))
        return;
    if (x1 == x2 || y1 == y2)
        fillStraight(x1, y1, x2, y2);
    else if (safe(x1, y1, x2, y2))
        p->drawLine(x1, y1, x2, y2);
    else
        p->drawLine(QPointF(ax, ay), QPointF(bx, by));
    touch(boundsOf(qint64(std::floor(std::min(ax, bx))), qint64(std::floor(std::min(ay, by))),
                   qint64(std::ceil(std::max(ax, bx))), qint64(std::ceil(std::max(ay, by))),
                   m_penWidth + 1));
}

// Most strokes of the marks run straight across or down. They are filled
// into the pixels directly, as the pen would cover them with square ends:
// going through the painter costs more than the pixels, and a redraw of
// thousands of marks feels it.
void DrawingSurface::fillStraight(qint64 x1, qint64 y1, qint64 x2, qint64 y2)
{
    const qint64 half = m_penWidth / 2, before = (m_penWidth - 1) / 2;
    const bool across = y1 == y2;
    const qint64 left = across ? std::min(x1, x2) - half : x1 - before;
    const qint64 right = across ? std::max(x1, x2) + half : x1 + half;
    const qint64 top = across ? y1 - before : std::min(y1, y2) - half;
    const qint64 bottom = across ? y1 + half : std::max(y1, y2) + half;
    const qint64 x0 = std::max<qint64>(left, 0), xn = std::min<qint64>(right, m_image->width() - 1);
    const qint64 y0 = std::max<qint64>(top, 0),
                 yn = std::min<qint64>(bottom, m_image->height() - 1);
    if (x0 > xn || y0 > yn)
        return;
    const QRgb rgb = m_penColor.rgb();
    for (qint64 y = y0; y <= yn; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(m_image->scanLine(int(y)));
        std::fill(row + x0, row + xn + 1, rgb);
    }
}

void DrawingSurface::rectangle(int x1, int y1, int x2, int y2)
{
    line(x1, y1, x2, y1);
    line(x2, y1, x2, y2);
    line(x2, y2, x1, y2);
    line(x1, y2, x1, y1);
}

void DrawingSurface::ellipse(int x1, int y1, int x2, int y2)
{
    QPainter *p = painter();
    if (!p)
        return;
    // An ellipse too large for the raster engine cannot be seen as more than
    // a few near-straight arcs; it is left out rather than risk a wrong fill.
    if (!safe(x1, y1, x2, y2))
        return;
    const QRect box = boxBetween(x1, y1, x2, y2);
    constexpr int LargestStamp = 2048;
    if (box.width() > LargestStamp || box.height() > LargestStamp) {
        if (!m_brushClear)
            p->setBrush(m_brushColor);
        p->drawEllipse(box);
    } else {
        const int pad = m_penWidth + 2;
        const auto render = [&](bool outline) {
            QImage mask(box.width() + 2 * pad + 1, box.height() + 2 * pad + 1,
                        QImage::Format_ARGB32_Premultiplied);
            mask.fill(Qt::transparent);
            QPainter painter(&mask);
            QPen pen(Qt::white);
            pen.setWidth(m_penWidth);
            painter.setPen(outline ? pen : QPen(Qt::NoPen));
            painter.setBrush(outline ? QBrush(Qt::NoBrush) : QBrush(Qt::white));
            painter.drawEllipse(QRect(pad, pad, box.width(), box.height()));
            painter.end();
            return DrawingStamp::fromMask(mask, QPoint(pad, pad));
        };
        const QString size = QString::number(box.width()) + u'x' + QString::number(box.height());
        if (!m_brushClear)
            m_stamps.get(u'f' + size, [&] { return render(false); })
                .apply(*m_image, box.x(), box.y(), m_brushColor.rgb());
        m_stamps.get(u'o' + size + u'w' + QString::number(m_penWidth), [&] { return render(true); })
            .apply(*m_image, box.x(), box.y(), m_penColor.rgb());
    }
    touch(boundsOf(x1, y1, x2, y2, m_penWidth + 1));
}

int DrawingSurface::textWidth(const QString &text)
{
    return metrics().horizontalAdvance(text);
}

int DrawingSurface::textHeight(const QString &)
{
    return metrics().height();
}

void DrawingSurface::text(int x, int y, const QString &text)
{
    QPainter *p = painter();
    if (!p || text.isEmpty())
        return;
    const QFontMetrics &metrics = this->metrics();
    const qint64 height = metrics.height();
    if (x >= m_image->width() || y >= m_image->height() || qint64(y) + height <= 0)
        return;
    // Every glyph of the default face is at least a pixel wide, so no more
    // characters than the picture is wide can show; a huge label is cut.
    QString shown = text;
    const qint64 room = qint64(m_image->width()) - std::min(x, 0) + 1;
    if (shown.size() > room)
        shown.truncate(room);
    const int width = metrics.horizontalAdvance(shown);
    if (qint64(x) + width <= 0)
        return;
    const QRect cell(x, y, width, int(height));
    if (!m_brushClear)
        p->fillRect(cell, m_brushColor);
    constexpr qsizetype LongestStamp = 256;
    if (shown.size() > LongestStamp) {
        p->setFont(font());
        p->setPen(m_fontColor);
        p->drawText(QPoint(x, y + metrics.ascent()), shown);
    } else {
        const auto render = [&] {
            const int pad = 4;
            QImage mask(width + 2 * pad + int(height), int(height) + 2 * pad,
                        QImage::Format_ARGB32_Premultiplied);
            mask.fill(Qt::transparent);
            QPainter painter(&mask);
            painter.setFont(font());
            painter.setPen(Qt::white);
            painter.drawText(QPoint(pad, pad + metrics.ascent()), shown);
            painter.end();
            return DrawingStamp::fromMask(mask, QPoint(pad, pad));
        };
        m_stamps.get(u't' + QString::number(m_fontHeight) + u'|' + shown, render)
            .apply(*m_image, x, y, m_fontColor.rgb());
    }
    touch(cell.adjusted(-1, -1, 1, 1));
}
