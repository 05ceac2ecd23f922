#include "catalog/error.h"
#include "editor/annotation.h"
#include "editor/names.h"
#include "programfixture.h"

#include <QTemporaryDir>
#include <QTest>

class TestAnnotation : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void notAMark();
    void badNumbers_data();
    void badNumbers();
    void writerRefusesWhatCannotReadBack_data();
    void writerRefusesWhatCannotReadBack();
    void circleLine();
    void pictureNames_data();
    void pictureNames();
    void cutToLastPart_data();
    void cutToLastPart();
    void annotationFileFoundWhateverTheCase();
};

void TestAnnotation::roundTrip_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("fields");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("picture");
    const auto row = [](const char *name, const char *line, MarkKind kind, QList<int> fields,
                        const char *label, const char *picture) {
        QTest::newRow(name) << QString::fromUtf8(line) << int(kind) << fields
                            << QString::fromUtf8(label) << QString::fromUtf8(picture);
    };
    row("call-out", "&120*340*180*300*12", MarkKind::Callout, {120, 340, 180, 300}, "12", "");
    row("plane", "!40*60*420*380*2*Вид Б@Насос_Вид Б.Jpg", MarkKind::Plane, {40, 60, 420, 380, 2},
        "Вид Б", "Насос_Вид Б.Jpg");
    row("section", "$200*100*260*400*1*А@Насос_А.Jpg", MarkKind::Section, {200, 100, 260, 400, 1},
        "А", "Насос_А.Jpg");
    row("arrow", "#300*50*380*90*4*Вид В@Насос_Вид В.Jpg", MarkKind::Arrow, {300, 50, 380, 90, 4},
        "Вид В", "Насос_Вид В.Jpg");
    row("circle", "%500*400*60*548*364*620*310*Вид Г@Насос_Вид Г.Jpg", MarkKind::Circle,
        {500, 400, 60, 548, 364, 620, 310}, "Вид Г", "Насос_Вид Г.Jpg");
    row("call-out label with * and @", "&1*2*3*4*1*2@x", MarkKind::Callout, {1, 2, 3, 4}, "1*2@x",
        "");
    row("empty call-out label", "&1*2*3*4*", MarkKind::Callout, {1, 2, 3, 4}, "", "");
    row("negative and extreme", "!-2147483648*-1*2147483647*0*0*@", MarkKind::Plane,
        {-2147483648, -1, 2147483647, 0, 0}, "", "");
    row("code out of range", "$1*2*3*4*-7*А*Б@x@y.Jpg", MarkKind::Section, {1, 2, 3, 4, -7}, "А*Б",
        "x@y.Jpg");
    row("radius 0", "%5*5*0*5*5*9*9*Г@", MarkKind::Circle, {5, 5, 0, 5, 5, 9, 9}, "Г", "");
}

void TestAnnotation::roundTrip()
{
    QFETCH(QString, line);
    QFETCH(int, kind);
    QFETCH(QList<int>, fields);
    QFETCH(QString, label);
    QFETCH(QString, picture);
    const std::optional<Annotation> mark = readAnnotationLine(line);
    QVERIFY(mark);
    QCOMPARE(int(mark->kind), kind);
    QCOMPARE(QList<int>(mark->fields.begin(), mark->fields.begin() + fieldCount(mark->kind)),
             fields);
    QCOMPARE(mark->label, label);
    QCOMPARE(mark->picture, picture);
    QCOMPARE(writeAnnotationLine(*mark), line);
}

void TestAnnotation::notAMark()
{
    for (const char *line : {"", " &1*2*3*4*5", "x1*2*3*4*5", "*", "@", "\t%1*2"})
        QVERIFY(!readAnnotationLine(QString::fromUtf8(line)));
    // Without "@" the label is empty, as when drawing.
    const std::optional<Annotation> mark = readAnnotationLine(QStringLiteral("#1*2*3*4*1*Вид А"));
    QVERIFY(mark);
    QCOMPARE(mark->label, QString());
    // The reader takes what the platform's conversion takes.
    QCOMPARE(readAnnotationLine(QStringLiteral("&$10* 7*-0*+3*x"))->fields[0], 16);
}

void TestAnnotation::badNumbers_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("letter") << "&1*a*3*4*5"
                            << "a";
    QTest::newRow("no star at all") << "&12"
                                    << "";
    QTest::newRow("star missing at the end") << "%1*2*3*4*5*6*7"
                                             << "";
    QTest::newRow("fraction") << "!1.5*2*3*4*1*@"
                              << "1.5";
    QTest::newRow("overflow") << "#1*2*3*4*99999999999*@"
                              << "99999999999";
    QTest::newRow("trailing blank") << "$1 *2*3*4*1*@"
                                    << "1 ";
}

void TestAnnotation::badNumbers()
{
    QFETCH(QString, line);
    QFETCH(QString, text);
    try {
        readAnnotationLine(line);
        QFAIL("no error");
    } catch (const IpcatError &error) {
        QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void TestAnnotation::writerRefusesWhatCannotReadBack_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("picture");
    QTest::newRow("@ in a plane label") << int(MarkKind::Plane) << "Вид@А"
                                        << "x.Jpg";
    QTest::newRow("line break in a call-out") << int(MarkKind::Callout) << "1\r\n2"
                                              << "";
    QTest::newRow("line break in a picture name") << int(MarkKind::Arrow) << "А"
                                                  << "x\n.Jpg";
}

void TestAnnotation::writerRefusesWhatCannotReadBack()
{
    QFETCH(int, kind);
    QFETCH(QString, label);
    QFETCH(QString, picture);
    Annotation mark;
    mark.kind = MarkKind(kind);
    mark.label = label;
    mark.picture = picture;
    QVERIFY_THROWS_EXCEPTION(IpcatError, writeAnnotationLine(mark));
}

void TestAnnotation::circleLine()
{
    QCOMPARE(circleAnnotationLine("500*400*60", 548, 364, -620, 310, QStringLiteral("Вид Г"),
                                  QStringLiteral("Насос_Вид Г.Jpg")),
             QStringLiteral("%500*400*60*548*364*-620*310*Вид Г@Насос_Вид Г.Jpg"));
    QVERIFY_THROWS_EXCEPTION(IpcatError, circleAnnotationLine("1*2*3", 0, 0, 0, 0, "a@b", "x.Jpg"));
}

void TestAnnotation::pictureNames_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("label");
    QTest::newRow("view") << "Насос_Вид А.Jpg"
                          << "Насос_Вид А"
                          << "Вид А"
                          << "Вид А";
    QTest::newRow("section") << "Насос_А.Jpg"
                             << "Насос_А"
                             << "Разрез А - А"
                             << "А";
    QTest::newRow("stem with _") << "Корпус_насоса_Вид Б.Jpg"
                                 << "Корпус_насоса_Вид Б"
                                 << "Вид Б"
                                 << "Вид Б";
    QTest::newRow("general view") << "Насос_Общий вид.Jpg"
                                  << "Насос_Общий вид"
                                  << "Общий вид"
                                  << "Общий вид";
    QTest::newRow("no _") << "Насос.Jpg"
                          << "Насос"
                          << "Насос"
                          << "Насос";
    QTest::newRow("no .Jpg") << "Насос_А.png"
                             << "Насос_А.png"
                             << ""
                             << "";
    QTest::newRow("lower case") << "Насос_Б.jpg"
                                << "Насос_Б"
                                << "Разрез Б - Б"
                                << "Б";
    QTest::newRow("upper case") << "Насос_Вид В.JPG"
                                << "Насос_Вид В"
                                << "Вид В"
                                << "Вид В";
    QTest::newRow("nothing between") << "Насос_.Jpg"
                                     << "Насос_"
                                     << ""
                                     << "";
    QTest::newRow(".Jpg before _") << "a.Jpg_b.Jpg"
                                   << "a_b.Jpg"
                                   << ""
                                   << "";
}

void TestAnnotation::pictureNames()
{
    QFETCH(QString, picture);
    QFETCH(QString, stem);
    QFETCH(QString, title);
    QFETCH(QString, label);
    QCOMPARE(annotationStem(picture), stem);
    QCOMPARE(pictureTitle(picture), title);
    QCOMPARE(defaultMarkLabel(picture), label);
    QCOMPARE(annotationSavePath("/w/DATA/", stem), "/w/DATA/" + stem + ".Dat");
}

void TestAnnotation::cutToLastPart_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cut");
    QTest::newRow("none") << "Вид А"
                          << "Вид А";
    QTest::newRow("one") << "насоса_Вид Б"
                         << "Вид Б";
    QTest::newRow("ends with _") << "a_b_"
                                 << "";
    QTest::newRow("twenty") << QString("_").repeated(20) + "x"
                            << "x";
    QTest::newRow("twenty-one") << QString("_").repeated(21) + "x"
                                << "_x";
}

void TestAnnotation::cutToLastPart()
{
    QFETCH(QString, text);
    QFETCH(QString, cut);
    QCOMPARE(CutToLastPart(text), cut);
}

void TestAnnotation::annotationFileFoundWhateverTheCase()
{
    QTemporaryDir dir;
    const QString data = dir.path() + "/";
    writeBytes(data + QStringLiteral("Насос_Вид А.Dat"), "");
    writeBytes(data + QStringLiteral("насос_б.DAT"), "");
    QCOMPARE(findAnnotationFile(data, QStringLiteral("Насос_Вид А.Jpg")),
             data + QStringLiteral("Насос_Вид А.Dat"));
    QCOMPARE(findAnnotationFile(data, QStringLiteral("НАСОС_Б.jpg")),
             data + QStringLiteral("насос_б.DAT"));
    QCOMPARE(findAnnotationFile(data, QStringLiteral("Насос_В.Jpg")), QString());
    QCOMPARE(fileNamePart(QStringLiteral("C:\\Pic\\Насос\\Насос_А.Jpg")),
             QStringLiteral("Насос_А.Jpg"));
    QCOMPARE(fileNamePart(QStringLiteral("/w/Pic/Насос/Насос_А.Jpg")),
             QStringLiteral("Насос_А.Jpg"));
}

QTEST_MAIN(TestAnnotation)
#include "tst_annotation.moc"
