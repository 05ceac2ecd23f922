#include "drawingstamp.h"

DrawingStamp DrawingStamp::fromMask(const QImage &mask, QPoint origin)
{
    DrawingStamp stamp;
    const QImage argb = mask.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        int x = 0;
        while (x < argb.width()) {
            while (x < argb.width() && qAlpha(row[x]) <= 127)
                ++x;
            const int start = x;
            while (x < argb.width() && qAlpha(row[x]) > 127)
                ++x;
            if (x > start)
                stamp.m_runs.append({y - origin.y(), start - origin.x(), x - 1 - origin.x()});
        }
    }
    return stamp;
}

void DrawingStamp::apply(QImage &image, int x, int y, QRgb color) const
{
    const qint64 width = image.width(), height = image.height();
    for (const Run &run : m_runs) {
        const qint64 row = qint64(y) + run.dy;
        if (row < 0 || row >= height)
            continue;
        const qint64 from = std::max<qint64>(qint64(x) + run.dx0, 0);
        const qint64 to = std::min<qint64>(qint64(x) + run.dx1, width - 1);
        if (from > to)
            continue;
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(int(row)));
        std::fill(line + from, line + to + 1, color);
    }
}

const DrawingStamp &DrawingStampCache::get(const QString &key,
                                           const std::function<DrawingStamp()> &render)
{
    constexpr qsizetype Kept = 4096;
    auto found = m_stamps.find(key);
    if (found != m_stamps.end())
        return *found;
    if (m_stamps.size() >= Kept)
        m_stamps.clear();
    return *m_stamps.insert(key, render());
}
