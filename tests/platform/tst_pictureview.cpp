#include "catalog/error.h"
#include "platform/drawingsurface.h"
#include "platform/pictureview.h"
#include "programfixture.h"

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

QString jpeg(const QTemporaryDir &dir, const QString &name, QSize size, QColor color = Qt::white)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    image.save(path, "JPEG", 100);
    return path;
}

int count(const QImage &image, const QRect &area, const QColor &color)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

} // namespace

class TestPictureView : public QObject
{
    Q_OBJECT
private slots:
    void loadKeepsPathAndSize();
    void badPictures_data();
    void badPictures();
    void fitAndFitWidth();
    void mouseConversionFollowsZoomAndScroll_data();
    void mouseConversionFollowsZoomAndScroll();
    void marksShowAtOnce_data();
    void marksShowAtOnce();
    void textObjects();
    void surfaceKeepsItsStateAcrossLoads();
    void textBackground();
    void textCellHeight_data();
    void textCellHeight();
};

void TestPictureView::loadKeepsPathAndSize()
{
    QTemporaryDir dir;
    const QString path = jpeg(dir, QStringLiteral("Насос_Вид А.Jpg"), {64, 48});
    PictureView view;
    view.loadFile(path);
    QCOMPARE(view.fileName(), path);
    QCOMPARE(view.pictureWidth(), 64);
    QCOMPARE(view.pictureHeight(), 48);
    QCOMPARE(view.picture().size(), QSize(64, 48));
}

void TestPictureView::badPictures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("0 bytes") << QByteArray() << true;
    QTest::newRow("not a picture") << QByteArray("&1*2*3*4*5\r\n") << true;
    QTest::newRow("damaged") << QByteArray("\xFF\xD8\xFF\xE0").append(4000, '\x55') << true;
}

void TestPictureView::badPictures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    const QString good = jpeg(dir, QStringLiteral("good.Jpg"), {30, 20});
    const QString bad = dir.filePath(QStringLiteral("Насос_Б.Jpg"));
    if (exists)
        writeBytes(bad, bytes);
    PictureView view;
    view.loadFile(good);
    try {
        view.loadFile(bad);
        QFAIL("no error");
    } catch (const IpcatError &error) {
        QVERIFY2(error.message().contains(bad), qPrintable(error.message()));
    }
    QCOMPARE(view.fileName(), good);
    QCOMPARE(view.picture().size(), QSize(30, 20));
}

void TestPictureView::fitAndFitWidth()
{
    QTemporaryDir dir;
    PictureView view;
    view.resize(400, 300);
    view.show();
    view.loadFile(jpeg(dir, "wide.Jpg", {800, 200}));
    view.fit();
    QCOMPARE(view.mouseWidget()->width(), view.maximumViewportSize().width());
    view.loadFile(jpeg(dir, "tall.Jpg", {200, 800}));
    view.fit();
    QCOMPARE(view.mouseWidget()->height(), view.maximumViewportSize().height());
    // Fitting the width of a tall picture leaves room for the vertical scroll bar.
    view.fitWidth();
    QApplication::processEvents();
    QVERIFY(view.verticalScrollBar()->isVisible());
    QVERIFY(qAbs(view.mouseWidget()->width() - view.viewport()->width()) <= 1);
}

void TestPictureView::mouseConversionFollowsZoomAndScroll_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("scroll");
    QTest::newRow("1") << 1.0 << 0;
    QTest::newRow("1.37 scrolled") << 1.37 << 133;
    QTest::newRow("3 scrolled") << 3.0 << 300;
    QTest::newRow("0.25") << 0.25 << 0;
}

void TestPictureView::mouseConversionFollowsZoomAndScroll()
{
    QFETCH(double, zoom);
    QFETCH(int, scroll);
    QTemporaryDir dir;
    PictureView view;
    view.resize(200, 150);
    view.show();
    view.loadFile(jpeg(dir, "p.Jpg", {400, 300}));
    view.setZoom(zoom);
    view.horizontalScrollBar()->setValue(scroll);
    view.verticalScrollBar()->setValue(scroll);
    QApplication::processEvents();
    // The mouse in the top-left corner of the visible area.
    const QPoint corner = view.mouseWidget()->mapFrom(view.viewport(), QPoint(0, 0));
    QCOMPARE(view.mouseToPictureX(corner.x()), int(std::floor((scroll + 0.5) / zoom)));
    QCOMPARE(view.mouseToPictureY(corner.y()), int(std::floor((scroll + 0.5) / zoom)));
    for (const QPoint p : {QPoint(0, 0), QPoint(17, 250), QPoint(399, 299), QPoint(123, 45)}) {
        const QPoint back = view.widgetToPicture(view.pictureToWidget(p));
        if (zoom >= 1)
            QCOMPARE(back, p);
        else
            QVERIFY((back - p).manhattanLength() <= 2 / zoom);
    }
    // A drag may leave the picture: points outside convert too.
    const int outside = view.mouseToPictureX(view.pictureToWidget({-10, 0}).x());
    QVERIFY(zoom >= 1 ? outside == -10 : qAbs(outside + 10) < 1 / zoom);
}

void TestPictureView::marksShowAtOnce_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("reduced") << 0.2;
    QTest::newRow("enlarged") << 2.0;
}

void TestPictureView::marksShowAtOnce()
{
    QFETCH(double, zoom);
    QTemporaryDir dir;
    PictureView view;
    view.resize(300, 300);
    view.show();
    view.loadFile(jpeg(dir, "p.Jpg", {1000, 800}));
    view.setZoom(zoom);
    QApplication::processEvents();
    QImage shown = view.mouseWidget()->grab().toImage();
    QCOMPARE(count(shown, shown.rect(), Blue), 0);
    DrawingSurface &canvas = view.canvas();
    canvas.setPenColor(Blue);
    canvas.setBrushColor(Blue);
    canvas.ellipse(40, 40, 100, 100);
    view.showDrawing();
    QCOMPARE(view.picture().pixelColor(70, 70), Blue);
    shown = view.mouseWidget()->grab().toImage();
    const QPoint centre = view.pictureToWidget({70, 70});
    QCOMPARE(shown.pixelColor(centre), Blue);
    QCOMPARE(shown.pixelColor(view.pictureToWidget({500, 500})), QColor(Qt::white));
}

void TestPictureView::textObjects()
{
    QTemporaryDir dir;
    PictureView view;
    view.resize(500, 400);
    view.show();
    view.loadFile(jpeg(dir, "p.Jpg", {400, 300}));
    view.setZoom(1);
    PictureText title;
    title.text = QStringLiteral("Разрез А - А");
    title.left = 400 / 2 - 125;
    title.top = 20;
    title.width = 250;
    title.color = Red;
    title.height = 40;
    view.addText(title);
    QCOMPARE(view.texts().size(), 1);
    QApplication::processEvents();
    QImage shown = view.mouseWidget()->grab().toImage();
    // Above the picture, centred on its box, not in the picture's pixels.
    QVERIFY(count(shown, QRect(75, 20, 250, 45), Red) > 50);
    QCOMPARE(count(shown, QRect(0, 0, 70, 300), Red), 0);
    QCOMPARE(count(shown, QRect(330, 0, 70, 300), Red), 0);
    QCOMPARE(count(view.picture(), view.picture().rect(), Red), 0);
    // It stays over a reloaded picture, until every object is removed.
    view.loadFile(dir.filePath("p.Jpg"));
    QCOMPARE(view.texts().size(), 1);
    view.removeAllObjects();
    QVERIFY(view.texts().isEmpty());
    shown = view.mouseWidget()->grab().toImage();
    QCOMPARE(count(shown, shown.rect(), Red), 0);
}

void TestPictureView::surfaceKeepsItsStateAcrossLoads()
{
    QTemporaryDir dir;
    PictureView view;
    view.loadFile(jpeg(dir, "a.Jpg", {50, 50}));
    DrawingSurface &canvas = view.canvas();
    canvas.setPenWidth(3);
    canvas.setPenColor(Red);
    canvas.setBrushClear();
    canvas.setFontHeight(20);
    view.loadFile(jpeg(dir, "b.Jpg", {80, 60}));
    QCOMPARE(canvas.penWidth(), 3);
    QCOMPARE(canvas.penColor(), Red);
    QVERIFY(canvas.brushClear());
    QCOMPARE(canvas.fontHeight(), 20);
    canvas.line(10, 30, 70, 30);
    QCOMPARE(view.picture().pixelColor(40, 29), Red);
    QCOMPARE(view.picture().pixelColor(40, 31), Red);
    QCOMPARE(view.picture().pixelColor(40, 33), QColor(Qt::white));
}

void TestPictureView::textBackground()
{
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    DrawingSurface canvas;
    canvas.setImage(&image);
    canvas.setFontHeight(20);
    canvas.setFontColor(Red);
    const QString text = QStringLiteral("Вид Б");
    const QRect cell(5, 5, canvas.textWidth(text), canvas.textHeight(text));
    canvas.setBrushClear();
    canvas.text(cell.left(), cell.top(), text);
    canvas.finish();
    const int glyphs = count(image, cell, Red);
    QVERIFY(glyphs > 20);
    QCOMPARE(glyphs + count(image, cell, Qt::white), cell.width() * cell.height());
    QCOMPARE(count(image, image.rect(), Red), glyphs);
    canvas.setBrushColor(Blue);
    canvas.text(cell.left(), cell.top(), text);
    canvas.finish();
    QCOMPARE(count(image, cell, Red), glyphs);
    QCOMPARE(count(image, cell, Blue), cell.width() * cell.height() - glyphs);
    QCOMPARE(image.pixelColor(cell.right() + 1, cell.top()), QColor(Qt::white));
}

void TestPictureView::textCellHeight_data()
{
    QTest::addColumn<int>("height");
    for (int h : {11, 14, 20, 40})
        QTest::addRow("%d", h) << h;
}

void TestPictureView::textCellHeight()
{
    QFETCH(int, height);
    QImage image(10, 10, QImage::Format_RGB32);
    DrawingSurface canvas;
    canvas.setImage(&image);
    canvas.setFontHeight(height);
    QVERIFY(canvas.textHeight("Ж") <= height);
    QVERIFY(canvas.textHeight("Ж") >= height - 2);
}

QTEST_MAIN(TestPictureView)
#include "tst_pictureview.moc"
