#include "catalog/error.h"
#include "editor/marks.h"
#include "platform/drawingsurface.h"

#include <QTest>

namespace {

const QColor Red(255, 0, 0);

// A white picture and a surface on it with a pen 1 pixel wide, so that a
// stroke is exactly the pixels of its line.
struct Picture {
    QImage image{260, 200, QImage::Format_RGB32};
    DrawingSurface canvas;
    Picture()
    {
        image.fill(Qt::white);
        canvas.setImage(&image);
    }
    QColor at(QPoint p)
    {
        canvas.finish();
        return image.pixelColor(p);
    }
    int count(const QRect &area, const QColor &color)
    {
        canvas.finish();
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += image.pixelColor(x, y) == color;
        return n;
    }
    bool untouched() { return count(image.rect(), Qt::white) == image.width() * image.height(); }
};

using Points = QList<QPoint>;
using Rects = QList<QRect>;

void checkPoints(Picture &picture, const Points &drawn, const Points &clear, const Rects &labels)
{
    for (const QPoint p : drawn)
        QVERIFY2(picture.at(p) == Red,
                 qPrintable(QStringLiteral("not drawn at %1,%2").arg(p.x()).arg(p.y())));
    for (const QPoint p : clear)
        QVERIFY2(picture.at(p) == Qt::white,
                 qPrintable(QStringLiteral("drawn at %1,%2").arg(p.x()).arg(p.y())));
    for (const QRect &r : labels)
        QVERIFY2(picture.count(r, Red) > 0,
                 qPrintable(QStringLiteral("no label at %1,%2").arg(r.x()).arg(r.y())));
}

} // namespace

class TestMarks : public QObject
{
    Q_OBJECT
private slots:
    void strelka_data();
    void strelka();
    void razrez_data();
    void razrez();
    void ploscost_data();
    void ploscost();
    void pos();
    void ellipseSetsTheLeadersFont();
    void leaderLabel_data();
    void leaderLabel();
    void leaderUsesTheFontItFinds();
    void drawAnnotation();
    void drawAnnotationFailures_data();
    void drawAnnotationFailures();
    void hugeCoordinates();
};

// The rectangle (40, 40)-(120, 100): its middle is (80, 70).
void TestMarks::strelka_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Points>("drawn");
    QTest::addColumn<Points>("clear");
    QTest::addColumn<Rects>("labels");
    QTest::newRow("1 right") << 1 << Points{{60, 70}, {110, 65}, {110, 75}, {120, 70}}
                             << Points{{50, 65}, {80, 50}} << Rects{{77, 49, 12, 14}};
    QTest::newRow("2 left") << 2 << Points{{60, 70}, {50, 65}, {50, 75}, {40, 70}}
                            << Points{{110, 65}, {80, 50}} << Rects{{77, 49, 12, 14}};
    QTest::newRow("3 up") << 3 << Points{{80, 50}, {75, 50}, {85, 50}, {80, 40}}
                          << Points{{75, 90}, {60, 70}} << Rects{{66, 62, 10, 14}};
    QTest::newRow("4 down") << 4 << Points{{80, 50}, {75, 90}, {85, 90}, {80, 100}}
                            << Points{{75, 50}, {60, 70}} << Rects{{66, 62, 10, 14}};
}

void TestMarks::strelka()
{
    QFETCH(int, code);
    QFETCH(Points, drawn);
    QFETCH(Points, clear);
    QFETCH(Rects, labels);
    Picture picture;
    PaintStrelka(Red, 40, 40, 120, 100, code, QStringLiteral("ЖЖ"), picture.canvas);
    checkPoints(picture, drawn, clear, labels);
    QVERIFY(picture.canvas.brushClear());
    QCOMPARE(picture.canvas.fontHeight(), 20);
    QCOMPARE(picture.canvas.fontColor(), Red);
}

// The rectangle (40, 40)-(160, 120).
void TestMarks::razrez_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Points>("drawn");
    QTest::addColumn<Points>("clear");
    QTest::addColumn<Rects>("labels");
    QTest::newRow("1 right") << 1 << Points{{100, 40},  {100, 120}, {150, 35},
                                            {150, 125}, {160, 30},  {160, 130}}
                             << Points{{50, 35}, {40, 122}}
                             << Rects{{41, 16, 12, 14}, {41, 126, 12, 14}};
    QTest::newRow("2 left") << 2 << Points{{100, 40}, {100, 120}, {50, 35},
                                           {50, 125}, {40, 30},   {40, 130}}
                            << Points{{150, 35}, {160, 122}}
                            << Rects{{153, 16, 12, 14}, {153, 126, 12, 14}};
    QTest::newRow("3 up") << 3
                          << Points{{40, 80}, {160, 80}, {35, 50}, {165, 50}, {30, 40}, {170, 40}}
                          << Points{{157, 114}, {30, 120}}
                          << Rects{{23, 101, 12, 14}, {166, 101, 12, 14}};
    QTest::newRow("4 down") << 4 << Points{{40, 80},   {160, 80}, {35, 110},
                                           {165, 110}, {30, 120}, {170, 120}}
                            << Points{{157, 46}, {30, 40}}
                            << Rects{{21, 51, 12, 14}, {166, 51, 12, 14}};
}

void TestMarks::razrez()
{
    QFETCH(int, code);
    QFETCH(Points, drawn);
    QFETCH(Points, clear);
    QFETCH(Rects, labels);
    Picture picture;
    PaintRazrez(Red, 40, 40, 160, 120, code, QStringLiteral("ЖЖ"), picture.canvas);
    checkPoints(picture, drawn, clear, labels);
}

// The rectangle (40, 40)-(200, 160); its outline is drawn whatever the code.
void TestMarks::ploscost_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Rects>("labels");
    QTest::newRow("1 top right") << 1 << Rects{{186, 43, 10, 14}};
    QTest::newRow("2 top left") << 2 << Rects{{46, 43, 10, 14}};
    QTest::newRow("3 bottom left") << 3 << Rects{{46, 139, 10, 14}};
    QTest::newRow("4 bottom right") << 4 << Rects{{186, 139, 10, 14}};
    QTest::newRow("0 none") << 0 << Rects{};
    QTest::newRow("7 none") << 7 << Rects{};
}

void TestMarks::ploscost()
{
    QFETCH(int, code);
    QFETCH(Rects, labels);
    Picture picture;
    PaintPloscost(Red, 40, 40, 200, 160, code, QStringLiteral("ЖЖ"), picture.canvas);
    checkPoints(picture, Points{{120, 40}, {120, 160}, {40, 100}, {200, 100}}, Points{}, labels);
    if (labels.isEmpty())
        QCOMPARE(picture.count(QRect(42, 42, 157, 117), Red), 0);
}

void TestMarks::pos()
{
    Picture picture;
    const QColor lime(0, 255, 0);
    // A long number: its box, in the disc's colour, reaches beyond the disc.
    PaintPos(lime, 20, 20, 130, 100, 10, QStringLiteral("12345"), picture.canvas);
    QCOMPARE(picture.at({20, 20}), lime);
    QCOMPARE(picture.at({130, 91}), lime);
    const int width = picture.canvas.textWidth(QStringLiteral("12345"));
    QVERIFY(width > 30);
    const QRect box(130 - qRound(width / 2.0), 100 - 7, width, picture.canvas.textHeight("1"));
    QVERIFY(picture.count(box, Qt::white) > 0);
    QCOMPARE(picture.count(box, Qt::white) + picture.count(box, lime), box.width() * box.height());
    QCOMPARE(picture.at(box.topLeft()), lime);
    QCOMPARE(picture.at(box.topLeft() - QPoint(1, 0)), QColor(Qt::white));
    QVERIFY(!picture.canvas.brushClear());
    QCOMPARE(picture.canvas.brushColor(), lime);
    QCOMPARE(picture.canvas.fontColor(), QColor(Qt::white));
    QCOMPARE(picture.canvas.fontHeight(), 14);
}

void TestMarks::ellipseSetsTheLeadersFont()
{
    Picture picture;
    PaintEllipse(Red, 100, 100, 30.9, picture.canvas);
    QCOMPARE(picture.at({130, 100}), Red);
    QCOMPARE(picture.at({70, 100}), Red);
    QCOMPARE(picture.at({131, 100}), QColor(Qt::white));
    QCOMPARE(picture.at({100, 100}), QColor(Qt::white));
    QVERIFY(picture.canvas.brushClear());
    QCOMPARE(picture.canvas.fontHeight(), 20);
    QCOMPARE(picture.canvas.fontColor(), Red);
}

void TestMarks::leaderLabel_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("label");
    QTest::addColumn<QRect>("notThere");
    QTest::newRow("up and left") << QPoint(200, 60) << QPoint(50, 50) << QRect(36, 36, 10, 12)
                                 << QRect(52, 53, 10, 12);
    QTest::newRow("down and right")
        << QPoint(50, 50) << QPoint(200, 60) << QRect(201, 62, 10, 12) << QRect(186, 47, 10, 10);
    QTest::newRow("down and left")
        << QPoint(200, 50) << QPoint(50, 60) << QRect(51, 62, 10, 12) << QRect(36, 42, 10, 10);
    QTest::newRow("up and right") << QPoint(50, 60) << QPoint(200, 50) << QRect(201, 52, 10, 12)
                                  << QRect(186, 32, 10, 10);
}

void TestMarks::leaderLabel()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QRect, label);
    QFETCH(QRect, notThere);
    Picture picture;
    picture.canvas.setBrushClear();
    picture.canvas.setFontColor(Red);
    picture.canvas.setFontHeight(20);
    PaintLine(Red, from.x(), from.y(), to.x(), to.y(), QStringLiteral("ЖЖ"), picture.canvas);
    QCOMPARE(picture.at((from + to) / 2), Red);
    QVERIFY(picture.count(label, Red) > 0);
    QCOMPARE(picture.count(notThere, Red), 0);
}

void TestMarks::leaderUsesTheFontItFinds()
{
    // After a call-out the surface writes white on the disc colour, 14 high,
    // and the leader's label takes that as it is.
    Picture picture;
    const QColor lime(0, 255, 0);
    PaintPos(lime, 10, 10, 20, 20, 10, QStringLiteral("1"), picture.canvas);
    PaintLine(Red, 100, 100, 150, 150, QStringLiteral("ЖЖ"), picture.canvas);
    const QRect cell(150, 150, picture.canvas.textWidth(QStringLiteral("ЖЖ")),
                     picture.canvas.textHeight("Ж"));
    QCOMPARE(cell.height(), picture.canvas.textHeight("1"));
    QCOMPARE(picture.count(cell.adjusted(1, 1, 0, 0), Red), 0);
    QVERIFY(picture.count(cell, lime) > 0);
    QVERIFY(picture.count(cell, Qt::white) > 0);
}

void TestMarks::drawAnnotation()
{
    const QColor blue(0, 0, 255);
    Picture picture;
    DrawAnnotation(QStringLiteral("&20*20*60*60*7"), picture.canvas);
    QCOMPARE(picture.at({30, 30}), blue);
    DrawAnnotation(QStringLiteral("!100*10*150*40*0*Вид Б@Насос_Вид Б.Jpg"), picture.canvas);
    QCOMPARE(picture.at({125, 10}), blue);
    DrawAnnotation(QStringLiteral("#100*60*160*100*4*Вид@x.Jpg"), picture.canvas);
    QCOMPARE(picture.at({130, 70}), blue);
    DrawAnnotation(QStringLiteral("%200*150*20*220*150*250*190*Г@x.Jpg"), picture.canvas);
    QCOMPARE(picture.at({180, 150}), blue);
    QCOMPARE(picture.at({235, 170}), blue);
    // Reversed corners are drawn from the stored corners: the middle of
    // 160..101 is 160 + (-59 div 2) = 131.
    Picture reversed;
    DrawAnnotation(QStringLiteral("$160*100*101*40*9*А@x.Jpg"), reversed.canvas);
    QVERIFY(reversed.untouched());
    DrawAnnotation(QStringLiteral("#160*100*101*40*3*@x.Jpg"), reversed.canvas);
    QCOMPARE(reversed.at({131, 60}), blue);
    QCOMPARE(reversed.at({130, 60}), QColor(Qt::white));

    Picture skipped;
    for (const char *line : {"", "x1*2*3*4*", "*1*2", " &1*2*3*4*5", "$1*2*3*4*0*А@x.Jpg",
                             "#1*2*3*4*0*А@x.Jpg", "%-50*-50*0*300*300*300*300*@"})
        DrawAnnotation(QString::fromUtf8(line), skipped.canvas);
    QVERIFY(skipped.untouched());
}

void TestMarks::drawAnnotationFailures_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");
    QTest::newRow("letter") << "&1*2*x*4*5"
                            << "'x' is not a valid integer value";
    QTest::newRow("missing star") << "!1*2*3*4"
                                  << "'' is not a valid integer value";
    QTest::newRow("empty field") << "%1**3*4*5*6*7*@"
                                 << "'' is not a valid integer value";
    QTest::newRow("blank inside") << "#1*2 *3*4*1*А@"
                                  << "'2 ' is not a valid integer value";
    QTest::newRow("too big") << "$1*2*3*2147483648*1*А@"
                             << "'2147483648' is not a valid integer value";
    QTest::newRow("huge field") << "&" + QString(1 << 20, u'9') + "*1*2*3*x"
                                << "'" + QString(60, u'9') + QChar(0x2026) +
                                       "' is not a valid integer value";
}

void TestMarks::drawAnnotationFailures()
{
    QFETCH(QString, line);
    QFETCH(QString, message);
    Picture picture;
    try {
        DrawAnnotation(line, picture.canvas);
        QFAIL("no error");
    } catch (const IpcatError &error) {
        QCOMPARE(error.message(), message);
    }
    QVERIFY(picture.untouched());
}

void TestMarks::hugeCoordinates()
{
    const QColor blue(0, 0, 255);
    Picture picture;
    DrawAnnotation(QStringLiteral("&-2147483648*-2147483648*2147483647*2147483647*1"),
                   picture.canvas);
    QCOMPARE(picture.at({100, 100}), blue);
    DrawAnnotation(QStringLiteral("%100*100*2147483647*-5*-5*-2147483648*-2147483648*А@"),
                   picture.canvas);
    DrawAnnotation(QStringLiteral("#-2147483648*10*2147483647*30*1*А@"), picture.canvas);
    QCOMPARE(picture.at({100, 20}), blue);
    DrawAnnotation(QStringLiteral("$2147483647*2147483647*-2147483648*-2147483648*4*А@"),
                   picture.canvas);
    DrawAnnotation(QStringLiteral("!-2147483648*-2147483648*2147483647*2147483647*1*"
                                  "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ@"),
                   picture.canvas);
    DrawAnnotation(QStringLiteral("&10*10*100*100*") + QString(1 << 20, u'8'), picture.canvas);
    QCOMPARE(picture.at({50, 50}), blue);
}

QTEST_MAIN(TestMarks)
#include "tst_marks.moc"
