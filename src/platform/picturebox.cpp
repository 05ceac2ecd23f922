#include "picturebox.h"

#include "catalog/error.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

QImage readPicture(const QString &path)
{
    QImageReader reader(path);
    // Scanned drawings may be large; the limit only guards against a header
    // that claims an absurd size.
    reader.setAllocationLimit(1024);
    const QImage image = reader.read();
    if (image.isNull()) {
        const QString why = !QFileInfo::exists(path) ? QStringLiteral("файл не найден")
                            : QFileInfo(path).size() == 0
                                ? QStringLiteral("файл пуст")
                                : QStringLiteral("файл повреждён или не является изображением (%1)")
                                      .arg(reader.errorString());
        throw IpcatError(
            QStringLiteral("Не удаётся открыть изображение \"%1\": %2.").arg(path, why));
    }
    return image;
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::loadFile(const QString &path)
{
    m_picture = readPicture(path);
    update();
}

QRect PictureBox::pictureRect() const
{
    if (m_picture.isNull())
        return QRect();
    QSize size = m_picture.size();
    if (size.width() > width() || size.height() > height())
        size.scale(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureRect(), m_picture);
}
