#pragma once
// The picture view: a JPEG shown at a zoom inside a scrolling area, with the
// picture's pixels available to draw on.

#include <QImage>
#include <QScrollArea>
#include <QString>

class PictureCanvas;

class PictureView : public QScrollArea
{
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);

    // Loads the picture and remembers its full path; a file that cannot be
    // read as a picture is an error naming it, and the view keeps what it showed.
    void loadFile(const QString &path);
    QString fileName() const { return m_fileName; }

    Q_INVOKABLE QImage picture() const { return m_picture; }
    // The pixels to draw on; call pictureChanged() after drawing.
    QImage &pictureForDrawing() { return m_picture; }
    void pictureChanged();

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    // Fits the whole picture into the view.
    void fit();

    Q_INVOKABLE QWidget *mouseWidget() const;
    Q_INVOKABLE QPoint pictureToWidget(QPoint picturePoint) const;
    QPoint widgetToPicture(QPoint widgetPoint) const;

private:
    friend class PictureCanvas;
    PictureCanvas *m_canvas;
    QImage m_picture;
    QString m_fileName;
    double m_zoom = 1.0;
};
