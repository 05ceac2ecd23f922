#pragma once
// The picture view: a JPEG shown at a zoom inside a scrolling area, with the
// picture's pixels available to draw on and text objects that lie above them.

#include "drawingsurface.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QScrollArea>
#include <QString>

class PictureCanvas;

// A text shown above the picture, not part of its pixels; positions and the
// height are in picture pixels. The text is centred on its box, without a frame.
struct PictureText {
    QString text;
    int left = 0;
    int top = 0;
    int width = 0;
    QColor color = Qt::black;
    int height = 13;
};

class PictureView : public QScrollArea
{
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);

    // Loads the picture and remembers its full path; a file that cannot be
    // read as a picture is an error naming it, and the view keeps what it showed.
    void loadFile(const QString &path);
    QString fileName() const { return m_fileName; }
    int pictureWidth() const { return m_picture.width(); }
    int pictureHeight() const { return m_picture.height(); }

    Q_INVOKABLE QImage picture() const;
    // Resizes the canvas to the picture at the zoom and repaints it.
    void pictureChanged();

    // The drawing surface on the picture's pixels. Its pen, brush and font
    // outlive loads. After drawing, showDrawing() puts what changed on screen.
    DrawingSurface &canvas() { return m_surface; }
    void showDrawing();

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    // Fits the whole picture into the view.
    void fit();
    // Zooms so that the picture's width fills the view's width.
    void fitWidth();

    void addText(const PictureText &text);
    QList<PictureText> texts() const { return m_texts; }
    void removeAllObjects();

    Q_INVOKABLE QWidget *mouseWidget() const;
    Q_INVOKABLE QPoint pictureToWidget(QPoint picturePoint) const;
    QPoint widgetToPicture(QPoint widgetPoint) const;
    // A mouse x or y of mouseWidget() in picture pixels, each axis by itself;
    // the mouse widget scrolls with the picture, so scrolling is included.
    int mouseToPictureX(int x) const;
    int mouseToPictureY(int y) const;

signals:
    // Positions are in mouseWidget() coordinates.
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseMove(int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);

private:
    friend class PictureCanvas;
    double scaleX() const;
    double scaleY() const;
    // Brings the reduced copy shown at zooms below 1 up to date in `area`
    // (picture pixels), or wholly when it is missing.
    void refreshDisplay(const QRect &area);
    void ensureDisplay();

    PictureCanvas *m_canvas;
    QImage m_picture;
    // The picture reduced to the zoom, kept only while the zoom is below 1 so
    // that painting never rescales the whole picture.
    QImage m_display;
    DrawingSurface m_surface;
    QList<PictureText> m_texts;
    QString m_fileName;
    double m_zoom = 1.0;
};
