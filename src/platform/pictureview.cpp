#include "pictureview.h"

#include "catalog/error.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

class PictureCanvas : public QWidget
{
public:
    explicit PictureCanvas(PictureView *view) : QWidget(nullptr), m_view(view) {}

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().window());
        if (m_view->m_picture.isNull())
            return;
        painter.setRenderHint(QPainter::SmoothPixmapTransform, m_view->m_zoom < 1.0);
        painter.scale(m_view->m_zoom, m_view->m_zoom);
        painter.drawImage(QPoint(0, 0), m_view->m_picture);
    }

private:
    PictureView *m_view;
};

PictureView::PictureView(QWidget *parent) : QScrollArea(parent), m_canvas(new PictureCanvas(this))
{
    setWidget(m_canvas);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_canvas->resize(0, 0);
}

void PictureView::loadFile(const QString &path)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        const QString why = QFileInfo::exists(path)
                                ? QStringLiteral("файл повреждён или не является изображением (%1)")
                                      .arg(reader.errorString())
                                : QStringLiteral("файл не найден");
        throw IpcatError(
            QStringLiteral("Не удаётся открыть изображение \"%1\": %2.").arg(path, why));
    }
    m_picture = image.convertToFormat(QImage::Format_RGB32);
    m_fileName = path;
    pictureChanged();
}

void PictureView::pictureChanged()
{
    m_canvas->resize(int(std::lround(m_picture.width() * m_zoom)),
                     int(std::lround(m_picture.height() * m_zoom)));
    m_canvas->update();
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

QWidget *PictureView::mouseWidget() const
{
    return m_canvas;
}

QPoint PictureView::pictureToWidget(QPoint picturePoint) const
{
    return QPoint(int(std::floor((picturePoint.x() + 0.5) * m_zoom)),
                  int(std::floor((picturePoint.y() + 0.5) * m_zoom)));
}

QPoint PictureView::widgetToPicture(QPoint widgetPoint) const
{
    return QPoint(int(std::floor(widgetPoint.x() / m_zoom)),
                  int(std::floor(widgetPoint.y() / m_zoom)));
}
