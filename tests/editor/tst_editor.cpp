#include "answers.h"
#include "app/Unit11.h"
#include "editor/Unit10.h"
#include "editor/Unit7.h"
#include "editor/Unit9.h"
#include "editor/editorstate.h"
#include "platform/filelistbox.h"
#include "platform/pictureview.h"
#include "platform/workspace.h"
#include "programfixture.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>

namespace {

const QColor White(255, 255, 255);
const QColor Blue(0, 0, 255);
const QColor Lime(0, 255, 0);
const QColor Fuchsia(255, 0, 255);
const QColor Green(0, 128, 0);
const QColor Teal(0, 128, 128);

const QString General = QStringLiteral("Насос_Общий вид.Jpg");
const QString ViewA = QStringLiteral("Насос_Вид А.Jpg");
const QString SectionB = QStringLiteral("Насос_Б.jpg");

// The labels the input box offered, in order.
QStringList &offeredLabels()
{
    static QStringList labels;
    return labels;
}

void chooseCode(int index)
{
    answerNextModal([index](QWidget *widget) {
        auto *dialog = qobject_cast<CodeDialog *>(widget);
        QVERIFY(dialog);
        dialog->setItemIndex(index);
        dialog->Button1->click();
    });
}

void closeByTitleBar()
{
    answerNextModal([](QWidget *widget) { widget->close(); });
}

void pick(const QString &name)
{
    answerNextModal([name](QWidget *widget) {
        QCOMPARE(widget, static_cast<QWidget *>(Form11));
        if (!name.isEmpty()) {
            const auto found = Form11->FileListBox1->findItems(name, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            Form11->FileListBox1->setItemIndex(Form11->FileListBox1->row(found.first()));
        }
        Form11->Button1->click();
    });
}

void cancelPicker()
{
    answerNextModal([](QWidget *) { Form11->Button2->click(); });
}

// Answers the label box with `text`, or cancels it when `text` is null.
void label(const QString &text = QString())
{
    answerNextModal([text](QWidget *widget) {
        auto *box = qobject_cast<QInputDialog *>(widget);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("ВВОД"));
        QCOMPARE(box->labelText(), QStringLiteral("Введите вид или разрез"));
        offeredLabels().append(box->textValue());
        if (text.isNull()) {
            box->reject();
            return;
        }
        box->setTextValue(text);
        box->accept();
    });
}

QImage flatPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void formShow_data();
    void formShow();
    void callout();
    void calloutWithoutPosition();
    void specificationLineSelectsPosition();
    void rectangleTools_data();
    void rectangleTools();
    void circleThenLeader();
    void cancelledDialogsKeepLeaderAndCode();
    void pendingLeaderAcrossTools();
    void labelWithAtIsRefused();
    void deleteSaveAndReload();
    void closingQuestion_data();
    void closingQuestion();
    void marksComeBackInBlue();
    void badAnnotationFile();
    void hostileAnnotationFile();
    void pictureVanished();
    void lowerCaseExtension();

private:
    PictureView *view() const { return Form7->ImageEnVect1; }
    QString folder() const { return PicDir + QStringLiteral("Насос/"); }
    // The main window's hand-over: picture, lists, picker, edit mode.
    void open(const QString &picture, bool edit = false);
    void mouse(QEvent::Type type, QPoint picturePoint);
    void drag(QPoint from, QPoint to, const QList<QPoint> &moves = {});
    QColor pixel(QPoint p) const { return view()->picture().pixelColor(p); }
    int count(const QColor &color) const;
    QStringList lines() const { return Form7->annotationLines(); }

    std::unique_ptr<ProgramFixture> m_program;
};

void TestEditor::init()
{
    seenMessages().clear();
    offeredLabels().clear();
    answers = new Answers;
    m_program = std::make_unique<ProgramFixture>();
    m_program->start();
    QDir().mkpath(folder());
    for (const QString &name : {General, ViewA, SectionB})
        flatPicture(300, 200).save(folder() + name, "JPEG", 100);
}

void TestEditor::cleanup()
{
    delete answers;
    answers = nullptr;
    if (Form7 && Form7->isVisible())
        Form7->QDialog::reject();
    m_program.reset();
    QCOMPARE(int(editorState.armedTool), int(PlacementTool::None));
    QVERIFY(!editorState.leaderPending);
}

void TestEditor::open(const QString &picture, bool edit)
{
    view()->removeAllObjects();
    view()->loadFile(folder() + picture);
    Form7->ListBox1->clear();
    Form7->ListBox2->clear();
    Form7->ListBox3->clear();
    for (const char *line :
         {"1|АБВГ.01|Корпус|1|шт|", "12|АБВГ.02|Вал|2|шт|", "7|АБВГ.03|Гайка|4|шт|"}) {
        const QString text = QString::fromUtf8(line);
        Form7->ListBox3->addItem(text);
        Form7->ListBox1->addItem(text.left(text.indexOf(u'|')));
    }
    Form11->setFolder(folder());
    const auto found = Form11->FileListBox1->findItems(picture, Qt::MatchExactly);
    Form11->FileListBox1->setItemIndex(found.isEmpty() ? -1
                                                       : Form11->FileListBox1->row(found.first()));
    EditMode = edit ? 1 : 0;
    Form7->show();
    QCoreApplication::processEvents();
    QVERIFY(view()->zoom() >= 1.0);
}

void TestEditor::mouse(QEvent::Type type, QPoint picturePoint)
{
    QWidget *target = view()->mouseWidget();
    const QPointF at = view()->pictureToWidget(picturePoint);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void TestEditor::drag(QPoint from, QPoint to, const QList<QPoint> &moves)
{
    mouse(QEvent::MouseButtonPress, from);
    for (const QPoint p : moves)
        mouse(QEvent::MouseMove, p);
    mouse(QEvent::MouseButtonRelease, to);
    QVERIFY(answers->done());
}

int TestEditor::count(const QColor &color) const
{
    const QImage image = view()->picture();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

void TestEditor::formShow_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("title");
    QTest::newRow("view") << ViewA << "Насос_Вид А"
                          << "Вид А";
    QTest::newRow("section") << SectionB << "Насос_Б"
                             << "Разрез Б - Б";
}

void TestEditor::formShow()
{
    QFETCH(QString, picture);
    QFETCH(QString, stem);
    QFETCH(QString, title);
    editorState.armedTool = PlacementTool::Arrow;
    open(picture);
    QCOMPARE(Form7->windowTitle(), folder() + picture);
    QCOMPARE(Form7->Label1->text(), stem);
    QCOMPARE(int(editorState.armedTool), int(PlacementTool::None));
    QCOMPARE(view()->texts().size(), 1);
    const PictureText text = view()->texts().first();
    QCOMPARE(text.text, title);
    QCOMPARE(text.color, QColor(255, 0, 0));
    QCOMPARE(text.height, 40);
    QCOMPARE(text.left, 300 / 2 - 125);
    QCOMPARE(text.top, 20);
    QCOMPARE(text.width, 250);
    // The picture's width fills the view.
    QVERIFY(qAbs(view()->mouseWidget()->width() - view()->viewport()->width()) <= 1);
    QVERIFY(Form7->windowState() & Qt::WindowMaximized);
}

void TestEditor::callout()
{
    open(General);
    QTest::mouseClick(Form7->ListBox1->viewport(), Qt::LeftButton, {},
                      Form7->ListBox1->visualItemRect(Form7->ListBox1->item(1)).center());
    QCOMPARE(int(editorState.armedTool), int(PlacementTool::Callout));
    // Dragged up and to the left: the leader runs from the press to the disc.
    drag({200, 150}, {60, 50});
    QCOMPARE(lines(), QStringList{"&200*150*60*50*12"});
    QCOMPARE(pixel({150, 114}), Lime);
    QCOMPARE(pixel({60, 41}), Lime);
    QCOMPARE(int(editorState.armedTool), int(PlacementTool::None));
    QCOMPARE(view()->canvas().penWidth(), 3);
    // Unarmed, a release places nothing.
    drag({10, 10}, {100, 100});
    QCOMPARE(lines().size(), 1);
}

void TestEditor::calloutWithoutPosition()
{
    open(General);
    Form7->ListBox1->setCurrentRow(-1);
    Form7->ListBox1Click();
    drag({20, 20}, {40, 40});
    QVERIFY(lines().isEmpty());
    QCOMPARE(count(Lime), 0);
    QCOMPARE(int(editorState.armedTool), int(PlacementTool::None));
}

void TestEditor::specificationLineSelectsPosition()
{
    open(General);
    Form7->ListBox1->addItem(QStringLiteral("12"));
    Form7->ListBox3->setCurrentRow(1);
    Form7->ListBox3Click();
    QCOMPARE(Form7->ListBox1->currentRow(), 3);
    QCOMPARE(int(editorState.armedTool), int(PlacementTool::Callout));
    Form7->Button3Click();
    Form7->ListBox3->addItem(QStringLiteral("99|x|"));
    Form7->ListBox3->setCurrentRow(3);
    Form7->ListBox3Click();
    QCOMPARE(Form7->ListBox1->currentRow(), 3);
    QCOMPARE(int(editorState.armedTool), int(PlacementTool::None));
}

void TestEditor::rectangleTools_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QColor>("color");
    QTest::newRow("plane") << "BitBtn1" << 2 << "!40*30*200*150*3*Вид А@Насос_Вид А.Jpg" << Fuchsia;
    QTest::newRow("section") << "BitBtn2" << 0 << "$40*30*200*150*1*Вид А@Насос_Вид А.Jpg" << Blue;
    QTest::newRow("arrow") << "BitBtn3" << 3 << "#40*30*200*150*4*Вид А@Насос_Вид А.Jpg" << Green;
}

void TestEditor::rectangleTools()
{
    QFETCH(QString, button);
    QFETCH(int, item);
    QFETCH(QString, line);
    QFETCH(QColor, color);
    open(General);
    Form7->findChild<QPushButton *>(button)->click();
    chooseCode(item);
    pick(ViewA);
    label();
    // Dragged from the bottom right to the top left: stored with the corners ordered.
    drag({200, 150}, {40, 30});
    QCOMPARE(lines(), QStringList{line});
    QCOMPARE(offeredLabels(), QStringList{"Вид А"});
    QVERIFY(count(color) > 50);
    QCOMPARE(pixel({60, 90}), White);
}

void TestEditor::circleThenLeader()
{
    open(General);
    Form7->BitBtn4Click();
    drag({100, 100}, {150, 120}, {{110, 100}, {130, 100}});
    QVERIFY(lines().isEmpty());
    QVERIFY(editorState.leaderPending);
    QCOMPARE(editorState.pendingCircleText, QStringLiteral("100*100*30"));
    QCOMPARE(pixel({130, 100}), Teal);
    QCOMPARE(pixel({70, 100}), Teal);
    pick(SectionB);
    label(QStringLiteral("Г"));
    drag({150, 120}, {200, 60});
    QCOMPARE(lines(), QStringList{"%100*100*30*150*120*200*60*Г@Насос_Б.jpg"});
    QCOMPARE(offeredLabels(), QStringList{"Б"});
    QVERIFY(!editorState.leaderPending);
    QCOMPARE(pixel({175, 90}), Teal);
    // A press and release without a move gives radius 0.
    Form7->BitBtn4Click();
    drag({50, 50}, {80, 80});
    QCOMPARE(editorState.pendingCircleText, QStringLiteral("50*50*0"));
    pick(ViewA);
    label();
    drag({0, 0}, {10, 190});
    QCOMPARE(lines().last(), QStringLiteral("%50*50*0*80*80*10*190*Вид А@Насос_Вид А.Jpg"));
}

void TestEditor::cancelledDialogsKeepLeaderAndCode()
{
    open(General);
    Form7->BitBtn2Click();
    chooseCode(1);
    cancelPicker();
    drag({10, 10}, {50, 50});
    QVERIFY(lines().isEmpty());
    QCOMPARE(editorState.directionCode, 2);
    QCOMPARE(count(Blue), 0);

    Form7->BitBtn4Click();
    drag({100, 100}, {120, 100}, {{120, 100}});
    cancelPicker();
    drag({0, 0}, {5, 5});
    QVERIFY(editorState.leaderPending);
    // Closing and reopening the editor keeps the pending leader.
    Form7->close();
    QVERIFY(!Form7->isVisible());
    open(ViewA);
    QVERIFY(editorState.leaderPending);
    // The arrow dialog closed by its title bar keeps the last code.
    Form7->BitBtn3Click();
    closeByTitleBar();
    pick(ViewA);
    label(QStringLiteral("В"));
    pick(ViewA);
    label(QStringLiteral("Г"));
    drag({60, 60}, {20, 40});
    QCOMPARE(lines(), (QStringList{"#60*60*20*40*2*В@Насос_Вид А.Jpg",
                                   "%100*100*20*120*100*20*40*Г@Насос_Вид А.Jpg"}));
}

void TestEditor::pendingLeaderAcrossTools()
{
    open(General);
    Form7->BitBtn4Click();
    drag({100, 100}, {110, 110}, {{100, 110}});
    // A circle armed while its leader is pending: the leader is placed first,
    // then the new circle waits for its own.
    Form7->BitBtn4Click();
    pick(ViewA);
    label();
    drag({200, 50}, {220, 60}, {{200, 60}});
    QCOMPARE(lines(), QStringList{"%100*100*10*110*110*220*60*Вид А@Насос_Вид А.Jpg"});
    QVERIFY(editorState.leaderPending);
    QCOMPARE(editorState.pendingCircleText, QStringLiteral("200*50*10"));
    // A plane with a leader pending keeps its corners as dragged.
    Form7->BitBtn1Click();
    chooseCode(0);
    pick(ViewA);
    label(QStringLiteral("П"));
    pick(SectionB);
    label();
    drag({180, 150}, {30, 20});
    QCOMPARE(lines().mid(1), (QStringList{"!180*150*30*20*1*П@Насос_Вид А.Jpg",
                                          "%200*50*10*220*60*30*20*Б@Насос_Б.jpg"}));
    QVERIFY(!editorState.leaderPending);
}

void TestEditor::labelWithAtIsRefused()
{
    open(General);
    Form7->BitBtn1Click();
    chooseCode(0);
    pick(ViewA);
    label(QStringLiteral("Вид@А"));
    answerMessageBox(QMessageBox::Ok);
    drag({10, 10}, {50, 50});
    QVERIFY(lines().isEmpty());
    QCOMPARE(count(Fuchsia), 0);
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY(seenMessages().first().contains(QStringLiteral("Вид@А")));
}

void TestEditor::deleteSaveAndReload()
{
    open(General);
    Form7->ListBox1->setCurrentRow(0);
    Form7->ListBox1Click();
    drag({20, 20}, {60, 60});
    Form7->ListBox1->setCurrentRow(2);
    Form7->ListBox1Click();
    drag({200, 20}, {240, 60});
    QCOMPARE(pixel({240, 51}), Lime);
    // With nothing selected "Удалить" does nothing.
    Form7->ListBox2->setCurrentRow(-1);
    Form7->N1Click();
    QCOMPARE(lines().size(), 2);
    Form7->ListBox2->setCurrentRow(0);
    Form7->N1Click();
    QCOMPARE(lines(), QStringList{"&200*20*240*60*7"});
    QCOMPARE(pixel({60, 51}), White);
    QCOMPARE(pixel({240, 51}), Blue);
    QCOMPARE(count(Lime), 0);

    answerMessageBox(QMessageBox::Ok);
    Form7->Button4Click();
    QCOMPARE(seenMessages(), QStringList{"Сохранено!!!!"});
    const QString file = DataDir + QStringLiteral("Насос_Общий вид.Dat");
    QCOMPARE(readBytes(file), QByteArray("&200*20*240*60*7\r\n"));
    Form7->ListBox2->clear();
    Form7->Button1Click();
    QCOMPARE(lines(), QStringList{"&200*20*240*60*7"});
    QCOMPARE(pixel({240, 51}), Blue);

    // An empty list saves an empty file, and loading it clears the marks.
    Form7->ListBox2->clear();
    answerMessageBox(QMessageBox::Ok);
    Form7->Button4Click();
    QCOMPARE(readBytes(file), QByteArray());
    Form7->ListBox2->addItem(QStringLiteral("&1*1*1*1*1"));
    Form7->Button1Click();
    QVERIFY(lines().isEmpty());
    QCOMPARE(count(Blue), 0);
}

void TestEditor::closingQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("yes") << int(QMessageBox::Yes) << false << QByteArray("&20*20*60*60*1\r\n");
    QTest::newRow("no") << int(QMessageBox::No) << false << QByteArray("old\r\n");
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << true << QByteArray("old\r\n");
}

void TestEditor::closingQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, open);
    QFETCH(QByteArray, saved);
    const QString file = DataDir + QStringLiteral("Насос_Общий вид.Dat");
    writeBytes(file, "old\r\n");
    this->open(General);
    // Unchanged since the opening: no question.
    Form7->Button2Click();
    QVERIFY(!Form7->isVisible());
    this->open(General);
    Form7->ListBox1->setCurrentRow(0);
    Form7->ListBox1Click();
    drag({20, 20}, {60, 60});
    answerMessageBox(answer);
    Form7->Button2Click();
    QCOMPARE(seenMessages(), QStringList{"Сохранить изменения?"});
    QCOMPARE(Form7->isVisible(), open);
    QCOMPARE(readBytes(file), saved);
}

void TestEditor::marksComeBackInBlue()
{
    open(General);
    Form7->ListBox1->setCurrentRow(1);
    Form7->ListBox1Click();
    drag({20, 180}, {40, 160});
    Form7->BitBtn1Click();
    chooseCode(1);
    pick(ViewA);
    label();
    drag({70, 20}, {140, 80});
    Form7->BitBtn2Click();
    chooseCode(0);
    pick(SectionB);
    label();
    drag({160, 20}, {200, 60});
    Form7->BitBtn3Click();
    chooseCode(3);
    pick(ViewA);
    label();
    drag({220, 20}, {280, 60});
    Form7->BitBtn4Click();
    drag({150, 140}, {170, 140}, {{170, 140}});
    pick(ViewA);
    label();
    drag({170, 140}, {250, 180});
    QCOMPARE(lines().size(), 5);
    const QStringList placed = lines();
    answerMessageBox(QMessageBox::Ok);
    Form7->Button4Click();
    Form7->Button2Click();
    QVERIFY(!Form7->isVisible());
    QCOMPARE(seenMessages(), QStringList{"Сохранено!!!!"});

    open(General, true);
    QCOMPARE(lines(), placed);
    for (const QPoint p : {QPoint(40, 151), QPoint(100, 20), QPoint(180, 20), QPoint(250, 40),
                           QPoint(130, 140), QPoint(210, 160)})
        QVERIFY2(pixel(p) == Blue, qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    for (const QColor &placing : {Lime, Fuchsia, Green, Teal})
        QCOMPARE(count(placing), 0);
}

void TestEditor::badAnnotationFile()
{
    const QString file = DataDir + QStringLiteral("Насос_Общий вид.Dat");
    const QByteArray bytes = "&20*20*60*60*1\r\n\r\n?note\r\n&1*x*3*4*5\r\n&200*20*240*60*7\r\n";
    writeBytes(file, bytes);
    answerMessageBox(QMessageBox::Ok);
    open(General, true);
    QCOMPARE(seenMessages(), QStringList{"'x' is not a valid integer value"});
    QCOMPARE(lines(),
             (QStringList{"&20*20*60*60*1", "", "?note", "&1*x*3*4*5", "&200*20*240*60*7"}));
    QCOMPARE(pixel({60, 51}), Blue);
    QCOMPARE(pixel({240, 51}), White);
    QCOMPARE(readBytes(file), bytes);
    QVERIFY(!Form7->hasUnsavedLines());
}

void TestEditor::hostileAnnotationFile()
{
    const QString file = DataDir + QStringLiteral("Насос_Общий вид.Dat");
    const QByteArray bytes = "%150*100*0*150*100*200*150*\xC3@x.Jpg\r\n"
                             "!-2147483648*-5*2147483647*40*1*\xC0@x.Jpg\r\n&" +
                             QByteArray(1 << 20, '9') + "*1*2*3*x\r\n";
    writeBytes(file, bytes);
    answerMessageBox(QMessageBox::Ok);
    open(General, true);
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY(seenMessages().first().size() < 120);
    QCOMPARE(lines().size(), 3);
    QCOMPARE(pixel({175, 125}), Blue);
    QCOMPARE(pixel({100, 40}), Blue);
    QCOMPARE(readBytes(file), bytes);
}

void TestEditor::pictureVanished()
{
    open(General);
    Form7->ListBox2->addItems({"&20*20*60*60*1", "&200*20*240*60*7"});
    writeBytes(DataDir + QStringLiteral("Насос_Общий вид.Dat"), "&1*1*1*1*1\r\n");
    QFile::remove(folder() + General);
    answerMessageBox(QMessageBox::Ok);
    Form7->Button1Click();
    Form7->ListBox2->setCurrentRow(0);
    answerMessageBox(QMessageBox::Ok);
    Form7->N1Click();
    QCOMPARE(seenMessages().size(), 2);
    for (const QString &message : seenMessages())
        QVERIFY2(message.contains(folder() + General), qPrintable(message));
    QCOMPARE(lines(), (QStringList{"&20*20*60*60*1", "&200*20*240*60*7"}));
}

void TestEditor::lowerCaseExtension()
{
    open(SectionB);
    Form7->ListBox1->setCurrentRow(0);
    Form7->ListBox1Click();
    drag({20, 20}, {60, 60});
    answerMessageBox(QMessageBox::Ok);
    Form7->Button4Click();
    QVERIFY(QFile::exists(DataDir + QStringLiteral("Насос_Б.Dat")));
    Form7->Button2Click();
    open(SectionB, true);
    QCOMPARE(lines(), QStringList{"&20*20*60*60*1"});
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
