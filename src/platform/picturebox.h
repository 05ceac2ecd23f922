#pragma once
// A picture box: shows one picture centred, scaled down in proportion to fit.

#include <QImage>
#include <QWidget>

class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Loads a picture file; one that cannot be read as a picture is an error
    // naming it, and the box keeps what it showed.
    void loadFile(const QString &path);
    QImage picture() const { return m_picture; }
    // Where the picture stands inside the box.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};

// Reads a picture file, or fails with a message naming it and why.
QImage readPicture(const QString &path);
