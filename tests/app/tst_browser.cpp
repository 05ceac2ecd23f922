#include "app/Unit1.h"
#include "app/Unit11.h"
#include "editor/Unit7.h"
#include "modal.h"
#include "platform/filelistbox.h"
#include "platform/pictureview.h"
#include "platform/workspace.h"
#include "programfixture.h"

#include <QListWidget>
#include <QMessageBox>
#include <QTest>

namespace {

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

// Selects a listed name without re-reading the folder.
void selectListed(TForm1 *form, const QString &name)
{
    const auto items = form->FileListBox1->findItems(name, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    form->FileListBox1->setItemIndex(form->FileListBox1->row(items.first()));
}

void clickSpecFile(TForm1 *form, const QString &name)
{
    selectSpecFile(form, name);
    form->FileListBox1Click();
}

// Chooses `name` in the picker (or cancels when it is empty), recording the
// picker's caption; then, if the editor opens, records what it was handed.
struct EditorVisit {
    QString pickerCaption;
    bool editorShown = false;
    int editModeInside = -1;
};

void answerPicker(const QString &name, EditorVisit *visit)
{
    answerNextModal([name, visit](QWidget *widget) {
        QCOMPARE(widget, Form11);
        visit->pickerCaption = Form11->windowTitle();
        if (name.isEmpty()) {
            Form11->Button2Click();
            return;
        }
        const auto items = Form11->FileListBox1->findItems(name, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        Form11->FileListBox1->setItemIndex(Form11->FileListBox1->row(items.first()));
        Form11->Button1Click();
    });
}

void answerEditor(EditorVisit *visit)
{
    answerNextModal([visit](QWidget *widget) {
        QCOMPARE(widget, Form7);
        visit->editorShown = true;
        visit->editModeInside = EditMode;
        Form7->done(0);
    });
}

// An assembly "НЦ" with two lines, one without a bar, a general view stored
// under a name in other letter case, and a lettered view.
void fillAssembly(ProgramFixture &program)
{
    program.addNoneJpg();
    writeBytes(program.path(QStringLiteral("SP/НЦ_SP.Dat")),
               cp("1|А.01|Корпус|1|шт|\r\nРаздел\r\n"));
    writeBytes(program.path(QStringLiteral("SP/Пусто_SP.Dat")), "");
    writeJpeg(program.path(QStringLiteral("Pic/НЦ/нц_ОБЩИЙ ВИД.jpg")), 400, 300, 0x2040a0);
    writeJpeg(program.path(QStringLiteral("Pic/НЦ/НЦ_Вид А.Jpg")), 200, 100, 0x00a000);
}

} // namespace

class TestBrowser : public QObject
{
    Q_OBJECT
private slots:
    void init() { seenMessages().clear(); }
    void cleanup() { clearModalAnswers(); }
    void clickShowsLinesAndGeneralView();
    void clickWithoutGeneralViewShowsPlaceholder();
    void clickFailuresKeepWhatWasShown();
    void handOverToTheEditor();
    void editModeOnlyWhileEditing();
    void cancelAndEmptySpecification();
    void editorNeedsSelectionAndFolder();
};

void TestBrowser::clickShowsLinesAndGeneralView()
{
    ProgramFixture program;
    fillAssembly(program);
    TForm1 *form = program.start();
    const QByteArray before = readBytes(program.path(QStringLiteral("Pic/НЦ/нц_ОБЩИЙ ВИД.jpg")));
    clickSpecFile(form, QStringLiteral("НЦ_SP.Dat"));
    QCOMPARE(entries(form->ListBox1),
             QStringList({QStringLiteral("1|А.01|Корпус|1|шт|"), QStringLiteral("Раздел")}));
    PictureView *view = form->ImageEnVect1;
    QCOMPARE(view->fileName(), program.path(QStringLiteral("Pic/НЦ/нц_ОБЩИЙ ВИД.jpg")));
    // Black text on a white box from (10, 10), 40 pixels high; the picture
    // around it keeps its colour.
    const QImage picture = view->picture();
    int black = 0, white = 0;
    for (int y = 10; y < 50; ++y) {
        for (int x = 10; x < 150; ++x) {
            const QColor c = picture.pixelColor(x, y);
            black += c.lightness() < 60;
            white += c.lightness() > 240;
        }
    }
    QVERIFY2(black > 100 && white > 1000,
             qPrintable(QStringLiteral("%1 %2").arg(black).arg(white)));
    QVERIFY(picture.pixelColor(5, 5).blue() > 120);
    QVERIFY(picture.pixelColor(10, 9).blue() > 120);
    QVERIFY(picture.pixelColor(300, 200).blue() > 120);
    QCOMPARE(readBytes(program.path(QStringLiteral("Pic/НЦ/нц_ОБЩИЙ ВИД.jpg"))), before);
    // The whole picture fits the view.
    QVERIFY(view->zoom() < 1.0 || picture.width() <= view->viewport()->width());
}

void TestBrowser::clickWithoutGeneralViewShowsPlaceholder()
{
    ProgramFixture program;
    fillAssembly(program);
    TForm1 *form = program.start();
    form->ImageEnVect1->setZoom(0.5);
    clickSpecFile(form, QStringLiteral("Пусто_SP.Dat"));
    QCOMPARE(form->ListBox1->count(), 0);
    QCOMPARE(form->ImageEnVect1->fileName(), program.path("None.jpg"));
    QCOMPARE(form->ImageEnVect1->zoom(), 0.5);
    QCOMPARE(
        form->ImageEnVect1->picture(),
        QImage(program.path("None.jpg")).convertToFormat(form->ImageEnVect1->picture().format()));
}

void TestBrowser::clickFailuresKeepWhatWasShown()
{
    ProgramFixture program;
    fillAssembly(program);
    TForm1 *form = program.start();
    clickSpecFile(form, QStringLiteral("НЦ_SP.Dat"));
    const QString shown = form->ImageEnVect1->fileName();

    // The file vanished after the list was read.
    form->Sp1Click();
    QFile::remove(program.path(QStringLiteral("SP/Пусто_SP.Dat")));
    selectListed(form, QStringLiteral("Пусто_SP.Dat"));
    answerMessageBox(QMessageBox::Ok);
    form->FileListBox1Click();
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY(seenMessages().last().contains(program.path(QStringLiteral("SP/Пусто_SP.Dat"))));
    QCOMPARE(form->ListBox1->count(), 2);
    QCOMPARE(form->ImageEnVect1->fileName(), shown);

    // No placeholder beside the executable: the lines show, the error names it.
    QFile::remove(program.path("None.jpg"));
    writeBytes(program.path(QStringLiteral("SP/Б_SP.Dat")), "x\r\n");
    answerMessageBox(QMessageBox::Ok);
    clickSpecFile(form, QStringLiteral("Б_SP.Dat"));
    QCOMPARE(entries(form->ListBox1), QStringList{"x"});
    QVERIFY(seenMessages().last().contains(program.path("None.jpg")));
    QCOMPARE(form->ImageEnVect1->fileName(), shown);
}

void TestBrowser::handOverToTheEditor()
{
    ProgramFixture program;
    fillAssembly(program);
    TForm1 *form = program.start();
    clickSpecFile(form, QStringLiteral("НЦ_SP.Dat"));
    EditorVisit visit;
    answerPicker(QStringLiteral("НЦ_Вид А.Jpg"), &visit);
    answerEditor(&visit);
    form->Button1Click();
    QVERIFY(modalAnswersDone());
    QCOMPARE(visit.pickerCaption, program.path(QStringLiteral("Pic/НЦ/")));
    QVERIFY(visit.editorShown);
    QCOMPARE(visit.editModeInside, 0);
    QCOMPARE(Form7->ImageEnVect1->fileName(), program.path(QStringLiteral("Pic/НЦ/НЦ_Вид А.Jpg")));
    QCOMPARE(entries(Form7->ListBox1), QStringList({"1", ""}));
    QCOMPARE(Form7->ListBox2->count(), 0);
    QCOMPARE(entries(Form7->ListBox3), entries(form->ListBox1));

    // The picker keeps its folder and the choice for the next opening.
    QCOMPARE(Form11->fileName(), QStringLiteral("НЦ_Вид А.Jpg"));
    bool keptSelection = false;
    answerNextModal([&](QWidget *) {
        keptSelection = Form11->fileName() == QStringLiteral("НЦ_Вид А.Jpg");
        Form11->Button1Click();
    });
    answerEditor(&visit);
    form->Button1Click();
    QVERIFY(keptSelection);
}

void TestBrowser::editModeOnlyWhileEditing()
{
    ProgramFixture program;
    fillAssembly(program);
    TForm1 *form = program.start();
    clickSpecFile(form, QStringLiteral("НЦ_SP.Dat"));
    EditorVisit visit;
    answerPicker(QStringLiteral("НЦ_Вид А.Jpg"), &visit);
    answerEditor(&visit);
    form->Button4Click();
    QCOMPARE(visit.editModeInside, 1);
    QCOMPARE(EditMode, 0);
}

void TestBrowser::cancelAndEmptySpecification()
{
    ProgramFixture program;
    fillAssembly(program);
    writeBytes(program.path(QStringLiteral("SP/НЦ_SPЕ_SP.Dat")), "");
    TForm1 *form = program.start();
    clickSpecFile(form, QStringLiteral("НЦ_SP.Dat"));
    Form7->ListBox1->addItem("kept");

    EditorVisit visit;
    answerPicker(QString(), &visit);
    form->Button1Click();
    QVERIFY(!visit.editorShown);
    QCOMPARE(entries(Form7->ListBox1), QStringList{"kept"});

    // An empty specification loads the picture but does not show the editor.
    // Its stem holds "_SP", so the editor commands use the text before it.
    clickSpecFile(form, QStringLiteral("НЦ_SPЕ_SP.Dat"));
    QCOMPARE(form->ListBox1->count(), 0);
    answerPicker(QStringLiteral("НЦ_Вид А.Jpg"), &visit);
    form->Button1Click();
    QVERIFY(modalAnswersDone());
    QVERIFY(!visit.editorShown);
    QCOMPARE(visit.pickerCaption, program.path(QStringLiteral("Pic/НЦ/")));
    QCOMPARE(Form7->ImageEnVect1->fileName(), program.path(QStringLiteral("Pic/НЦ/НЦ_Вид А.Jpg")));
    QCOMPARE(Form7->ListBox1->count(), 0);
    QCOMPARE(Form7->ListBox3->count(), 0);
}

void TestBrowser::editorNeedsSelectionAndFolder()
{
    ProgramFixture program;
    fillAssembly(program);
    writeBytes(program.path(QStringLiteral("SP/Без_SP.Dat")), "1|Б|\r\n");
    TForm1 *form = program.start();
    form->Sp1Click();
    answerMessageBox(QMessageBox::Ok);
    form->Button1Click();
    QVERIFY(seenMessages().last().contains(QStringLiteral("выберите файл спецификации")));

    // No picture folder: the folder error, and neither picker nor editor.
    clickSpecFile(form, QStringLiteral("Без_SP.Dat"));
    answerMessageBox(QMessageBox::Ok);
    form->Button4Click();
    QVERIFY(modalAnswersDone());
    QVERIFY(seenMessages().last().contains(program.path(QStringLiteral("Pic/Без"))));
    QCOMPARE(EditMode, 0);
}

QTEST_MAIN(TestBrowser)
#include "tst_browser.moc"
