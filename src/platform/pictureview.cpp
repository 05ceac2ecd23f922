#include "pictureview.h"

#include "catalog/error.h"
#include "picturebox.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <cmath>
#include <vector>

namespace {

// Averages every block of picture pixels into the display pixel over it, for
// the display pixels in `target`. Each display pixel depends only on its own
// block, so a part can be refreshed alone and matches a full reduction.
void reduceInto(const QImage &picture, QImage &display, const QRect &target)
{
    const qint64 w = picture.width(), h = picture.height();
    const qint64 dw = display.width(), dh = display.height();
    const int left = target.left(), right = target.right();
    std::vector<int> x0(size_t(right - left + 2));
    for (int dx = left; dx <= right + 1; ++dx)
        x0[size_t(dx - left)] = int(dx * w / dw);
    std::vector<quint32> sums(size_t(right - left + 1) * 3);
    for (int dy = target.top(); dy <= target.bottom(); ++dy) {
        const int y0 = int(dy * h / dh);
        const int y1 = std::max(y0 + 1, int((dy + 1) * h / dh));
        std::fill(sums.begin(), sums.end(), 0u);
        for (int y = y0; y < y1; ++y) {
            const QRgb *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
            quint32 *sum = sums.data();
            for (int dx = left; dx <= right; ++dx, sum += 3) {
                const int from = x0[size_t(dx - left)];
                const int to = std::max(from + 1, x0[size_t(dx - left + 1)]);
                for (int x = from; x < to; ++x) {
                    sum[0] += qRed(row[x]);
                    sum[1] += qGreen(row[x]);
                    sum[2] += qBlue(row[x]);
                }
            }
        }
        QRgb *out = reinterpret_cast<QRgb *>(display.scanLine(dy));
        const quint32 *sum = sums.data();
        for (int dx = left; dx <= right; ++dx, sum += 3) {
            const int from = x0[size_t(dx - left)];
            const quint32 n =
                quint32(std::max(from + 1, x0[size_t(dx - left + 1)]) - from) * quint32(y1 - y0);
            out[dx] = qRgb(int(sum[0] / n), int(sum[1] / n), int(sum[2] / n));
        }
    }
}

} // namespace

class PictureCanvas : public QWidget
{
public:
    explicit PictureCanvas(PictureView *view) : QWidget(nullptr), m_view(view)
    {
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().window());
        if (m_view->m_picture.isNull())
            return;
        const QRect exposed = event->rect();
        if (m_view->m_zoom < 1.0) {
            m_view->ensureDisplay();
            painter.drawImage(exposed.topLeft(), m_view->m_display, exposed);
        } else {
            // Only the exposed part is scaled, so a large zoom stays cheap.
            const double z = m_view->m_zoom;
            const QRect source = QRect(QPoint(int(exposed.left() / z), int(exposed.top() / z)),
                                       QPoint(int(exposed.right() / z), int(exposed.bottom() / z)))
                                     .intersected(m_view->m_picture.rect());
            const QRectF target(source.left() * z, source.top() * z, source.width() * z,
                                source.height() * z);
            painter.drawImage(target, m_view->m_picture, source);
        }
        paintTexts(painter);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        const QPoint at = event->position().toPoint();
        emit m_view->mouseDown(event->button(), at.x(), at.y());
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        const QPoint at = event->position().toPoint();
        emit m_view->mouseMove(at.x(), at.y());
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        const QPoint at = event->position().toPoint();
        emit m_view->mouseUp(event->button(), at.x(), at.y());
    }

private:
    void paintTexts(QPainter &painter)
    {
        const double sx = m_view->scaleX(), sy = m_view->scaleY();
        for (const PictureText &text : std::as_const(m_view->m_texts)) {
            QFont font = this->font();
            font.setPixelSize(std::max(1, int(std::lround(text.height * sy))));
            painter.setFont(font);
            painter.setPen(text.color);
            const QFontMetrics metrics(font);
            const double centre = (text.left + text.width / 2.0) * sx;
            const int width = metrics.horizontalAdvance(text.text);
            painter.drawText(QPointF(centre - width / 2.0, text.top * sy + metrics.ascent()),
                             text.text);
        }
    }

    PictureView *m_view;
};

PictureView::PictureView(QWidget *parent) : QScrollArea(parent), m_canvas(new PictureCanvas(this))
{
    setWidget(m_canvas);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_canvas->resize(0, 0);
    m_surface.setImage(&m_picture);
}

void PictureView::loadFile(const QString &path)
{
    // The reduced copy is rebuilt from whichever picture is shown afterwards;
    // dropping it first keeps no more than two pictures in memory while decoding.
    m_display = QImage();
    QImage image;
    try {
        image = readPicture(path);
    } catch (...) {
        m_canvas->update();
        throw;
    }
    m_surface.finish();
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    m_picture = std::move(image);
    m_surface.setImage(&m_picture);
    m_fileName = path;
    pictureChanged();
}

QImage PictureView::picture() const
{
    const_cast<DrawingSurface &>(m_surface).finish();
    return m_picture;
}

void PictureView::pictureChanged()
{
    m_surface.takeChangedRect();
    m_display = QImage();
    if (m_picture.isNull())
        m_canvas->resize(0, 0);
    else
        m_canvas->resize(std::max(1, int(std::lround(m_picture.width() * m_zoom))),
                         std::max(1, int(std::lround(m_picture.height() * m_zoom))));
    m_canvas->update();
}

void PictureView::showDrawing()
{
    const QRect changed = m_surface.takeChangedRect();
    if (changed.isEmpty())
        return;
    refreshDisplay(changed);
    const double sx = scaleX(), sy = scaleY();
    m_canvas->update(QRect(
        QPoint(int(std::floor(changed.left() * sx)) - 1, int(std::floor(changed.top() * sy)) - 1),
        QPoint(int(std::ceil((changed.right() + 1) * sx)) + 1,
               int(std::ceil((changed.bottom() + 1) * sy)) + 1)));
}

void PictureView::refreshDisplay(const QRect &area)
{
    if (m_display.isNull() || m_zoom >= 1.0)
        return;
    const qint64 w = m_picture.width(), h = m_picture.height();
    const qint64 dw = m_display.width(), dh = m_display.height();
    // The display pixels whose blocks meet the area.
    const QRect target(QPoint(int(area.left() * dw / w), int(area.top() * dh / h)),
                       QPoint(int(std::min(dw - 1, ((area.right() + 1) * dw + w - 1) / w)),
                              int(std::min(dh - 1, ((area.bottom() + 1) * dh + h - 1) / h))));
    reduceInto(m_picture, m_display, target.intersected(m_display.rect()));
}

void PictureView::ensureDisplay()
{
    const QSize size = m_canvas->size();
    if (!m_display.isNull() && m_display.size() == size)
        return;
    m_surface.finish();
    m_display = QImage();
    if (size.isEmpty())
        return;
    // Qt's own reduction averages areas as reduceInto() does and is several
    // times faster; the small parts redrawn later differ from it by rounding only.
    m_display = m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

double PictureView::scaleX() const
{
    return m_picture.isNull() ? m_zoom : double(m_canvas->width()) / m_picture.width();
}

double PictureView::scaleY() const
{
    return m_picture.isNull() ? m_zoom : double(m_canvas->height()) / m_picture.height();
}

void PictureView::setZoom(double zoom)
{
    m_zoom = zoom > 0 ? zoom : 1.0;
    pictureChanged();
}

void PictureView::fit()
{
    if (m_picture.isNull())
        return;
    const QSize area = maximumViewportSize();
    const double zx = double(area.width()) / m_picture.width();
    const double zy = double(area.height()) / m_picture.height();
    setZoom(std::min(zx, zy));
}

void PictureView::fitWidth()
{
    if (m_picture.isNull())
        return;
    const QSize area = maximumViewportSize();
    double zoom = double(area.width()) / m_picture.width();
    // When the height no longer fits, the vertical scroll bar takes its share
    // of the width.
    if (m_picture.height() * zoom > area.height()) {
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        zoom = double(std::max(1, area.width() - bar)) / m_picture.width();
    }
    setZoom(zoom);
}

void PictureView::addText(const PictureText &text)
{
    m_texts.append(text);
    m_canvas->update();
}

void PictureView::removeAllObjects()
{
    m_texts.clear();
    m_canvas->update();
}

QWidget *PictureView::mouseWidget() const
{
    return m_canvas;
}

QPoint PictureView::pictureToWidget(QPoint picturePoint) const
{
    return QPoint(int(std::floor((picturePoint.x() + 0.5) * scaleX())),
                  int(std::floor((picturePoint.y() + 0.5) * scaleY())));
}

QPoint PictureView::widgetToPicture(QPoint widgetPoint) const
{
    return QPoint(mouseToPictureX(widgetPoint.x()), mouseToPictureY(widgetPoint.y()));
}

// A mouse pixel stands for the picture pixel under its centre, so that the
// mouse pixel over a picture pixel's centre always converts back to it.
int PictureView::mouseToPictureX(int x) const
{
    return int(std::floor((x + 0.5) / scaleX()));
}

int PictureView::mouseToPictureY(int y) const
{
    return int(std::floor((y + 0.5) / scaleY()));
}
