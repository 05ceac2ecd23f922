#pragma once
// A shape rasterised once and laid down again as runs of pixels. Marks are
// drawn without antialiasing, so a label or a disc drawn at another place is
// the same pixels moved; laying down runs is many times quicker than the
// painter, which a redraw of thousands of marks feels.

#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <functional>

class DrawingStamp
{
public:
    // The pixels of `mask` that are drawn (alpha over half), taken relative to `origin`.
    static DrawingStamp fromMask(const QImage &mask, QPoint origin);
    // Sets the stamp's pixels to `color` with its origin at (x, y), inside the image only.
    void apply(QImage &image, int x, int y, QRgb color) const;

private:
    struct Run {
        int dy, dx0, dx1;
    };
    QList<Run> m_runs;
};

// Stamps by a key naming the shape; `render` draws a mask the first time.
class DrawingStampCache
{
public:
    const DrawingStamp &get(const QString &key, const std::function<DrawingStamp()> &render);

private:
    QHash<QString, DrawingStamp> m_stamps;
};
