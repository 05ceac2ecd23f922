#include "app/Unit1.h"
#include "app/Unit8.h"
#include "app/pictures.h"
#include "catalog/error.h"
#include "modal.h"
#include "platform/filelistbox.h"
#include "platform/picturebox.h"
#include "platform/workspace.h"
#include "programfixture.h"

#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {

// Answers TForm8: chooses the kind and types the text, then "ОК".
void answerForm8(bool section, const QString &text)
{
    answerNextModal([section, text](QWidget *widget) {
        QCOMPARE(widget, Form8);
        QVERIFY(Form8->RadioButton1->isChecked());
        if (section) {
            Form8->RadioButton2->click();
            Form8->ComboBox2->setEditText(text);
        } else if (!text.isEmpty()) {
            Form8->ComboBox1->setEditText(text);
        }
        Form8->Button1->click();
    });
}

} // namespace

class TestAttach : public QObject
{
    Q_OBJECT
private slots:
    void init() { seenMessages().clear(); }
    void cleanup() { clearModalAnswers(); }
    void stems_data();
    void stems();
    void namesThatLeaveTheFolderAreRefused();
    void form8Layout();
    void attachViewsAndSections();
    void attachNeedsASelectedFile();
    void badPictureCopiesNothing();
    void nodePictures();
    void deleteAsks();
};

void TestAttach::stems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("browser");
    QTest::addColumn<QString>("editor");
    QTest::newRow("plain") << "НЦ50.01_SP.Dat"
                           << "НЦ50.01"
                           << "НЦ50.01";
    QTest::newRow("capital ending") << "A_SP.DAT"
                                    << "A"
                                    << "A";
    QTest::newRow("inner _SP") << "X_SPB_SP.Dat"
                               << "X_SPB"
                               << "X";
    QTest::newRow("no _SP") << "abc.Dat"
                            << ""
                            << "";
    QTest::newRow("short") << "a.Dat"
                           << ""
                           << "";
}

void TestAttach::stems()
{
    QFETCH(QString, name);
    QFETCH(QString, browser);
    QFETCH(QString, editor);
    QCOMPARE(browserStem(name), browser);
    QCOMPARE(editorStem(name), editor);
}

void TestAttach::namesThatLeaveTheFolderAreRefused()
{
    QCOMPARE(pictureFolder("/w/Pic/", "A.01"), QStringLiteral("/w/Pic/A.01/"));
    QCOMPARE(pictureName("A", "Вид Б"), QStringLiteral("A_Вид Б.Jpg"));
    QCOMPARE(pictureName("A", " x "), QStringLiteral("A_ x .Jpg"));
    QVERIFY_THROWS_EXCEPTION(IpcatError, pictureFolder("/w/Pic/", ".."));
    QVERIFY_THROWS_EXCEPTION(IpcatError, pictureFolder("/w/Pic/", "."));
    QVERIFY_THROWS_EXCEPTION(IpcatError, pictureName("A", "../../x"));
}

void TestAttach::form8Layout()
{
    ProgramFixture program;
    program.start();
    QCOMPARE(Form8->size(), QSize(552, 259));
    QCOMPARE(Form8->ComboBox1->count(), 24);
    QCOMPARE(Form8->ComboBox1->itemText(0), QStringLiteral("Общий вид"));
    QCOMPARE(Form8->ComboBox1->itemText(1), QStringLiteral("Вид А"));
    QCOMPARE(Form8->ComboBox1->itemText(23), QStringLiteral("Вид Ч"));
    QCOMPARE(Form8->ComboBox2->count(), 23);
    QCOMPARE(Form8->ComboBox2->currentText(), QStringLiteral("А"));
    QCOMPARE(Form8->ComboBox1->currentText(), QStringLiteral("Общий вид"));
    for (int i = 0; i < 23; ++i) {
        const QString letter = Form8->ComboBox2->itemText(i);
        QVERIFY(letter != QStringLiteral("Ё") && letter != QStringLiteral("Й"));
    }
    QCOMPARE(Form8->ComboBox1->pos(), QPoint(112, 34));
    QCOMPARE(Form8->ComboBox2->width(), 145);
    QCOMPARE(Form8->Image1->geometry(), QRect(288, 1, 259, 254));
    QCOMPARE(Form8->Button1->pos(), QPoint(207, 231));
    QCOMPARE(Form8->Button1->text(), QStringLiteral("ОК"));
    Form8->RadioButton2Click();
    QVERIFY(!Form8->ComboBox1->isEnabled() && Form8->ComboBox2->isEnabled());
    Form8->FormShow();
    QVERIFY(Form8->RadioButton1->isChecked() && !Form8->RadioButton2->isChecked());
    QVERIFY(Form8->ComboBox1->isEnabled() && !Form8->ComboBox2->isEnabled());
}

void TestAttach::attachViewsAndSections()
{
    ProgramFixture program;
    writeBytes(program.path("SP/НЦ50_SP.Dat"), "1|A|B|1|x|\r\n");
    writeJpeg(program.path("in/general.jpg"), 64, 48, 0xff0000);
    writeJpeg(program.path("in/second.jpg"), 64, 48, 0x00ff00);
    TForm1 *form = program.start();
    selectSpecFile(form, QStringLiteral("НЦ50_SP.Dat"));
    const QString folder = program.path(QStringLiteral("Pic/НЦ50/"));
    QVERIFY(!QFileInfo::exists(folder));

    answerFileDialog(program.path("in/general.jpg"));
    answerForm8(false, QString());
    form->Button2Click();
    QVERIFY(modalAnswersDone());
    QCOMPARE(readBytes(folder + QStringLiteral("НЦ50_Общий вид.Jpg")),
             readBytes(program.path("in/general.jpg")));
    QCOMPARE(Form8->Image1->picture().pixelColor(10, 10).red() > 200, true);

    answerFileDialog(program.path("in/second.jpg"));
    answerForm8(true, QStringLiteral("Б"));
    form->Button2Click();
    QCOMPARE(readBytes(folder + QStringLiteral("НЦ50_Б.Jpg")),
             readBytes(program.path("in/second.jpg")));
    // The dialog offers the last texts again.
    QCOMPARE(Form8->ComboBox2->currentText(), QStringLiteral("Б"));

    // A second general view replaces nothing, and the user is told.
    answerFileDialog(program.path("in/second.jpg"));
    answerForm8(false, QStringLiteral("Общий вид"));
    answerMessageBox(QMessageBox::Ok);
    form->Button2Click();
    QCOMPARE(readBytes(folder + QStringLiteral("НЦ50_Общий вид.Jpg")),
             readBytes(program.path("in/general.jpg")));
    QVERIFY(seenMessages().last().contains(folder + QStringLiteral("НЦ50_Общий вид.Jpg")));

    // A cancelled file dialog does nothing more.
    answerFileDialog(QString());
    form->Button2Click();
    QVERIFY(modalAnswersDone());
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
}

void TestAttach::attachNeedsASelectedFile()
{
    ProgramFixture program;
    writeBytes(program.path("SP/A_SP.Dat"), "");
    TForm1 *form = program.start();
    form->Sp1Click();
    answerMessageBox(QMessageBox::Ok);
    form->Button2Click();
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY(seenMessages().first().contains(QStringLiteral("выберите файл спецификации")));
    QCOMPARE(QDir(program.path("Pic")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(),
             0);
}

void TestAttach::badPictureCopiesNothing()
{
    ProgramFixture program;
    writeBytes(program.path("SP/A_SP.Dat"), "");
    writeBytes(program.path("in/broken.jpg"), "not a picture at all");
    writeBytes(program.path("in/empty.jpg"), "");
    TForm1 *form = program.start();
    selectSpecFile(form, "A_SP.Dat");
    for (const char *name : {"in/broken.jpg", "in/empty.jpg"}) {
        answerFileDialog(program.path(name));
        answerMessageBox(QMessageBox::Ok);
        form->Button2Click();
        QVERIFY(modalAnswersDone());
        QVERIFY2(seenMessages().last().contains(program.path(name)),
                 qPrintable(seenMessages().last()));
    }
    QVERIFY(!QFileInfo::exists(program.path("Pic/A")));
}

void TestAttach::nodePictures()
{
    ProgramFixture program;
    writeBytes(program.path("Tree.dat"),
               cp("Насос\r\n\t1|А/01|Корпус|1|шт|\r\n\t\t1|Б|Крышка|1|шт|\r\n"));
    writeJpeg(program.path("in/p.jpg"));
    TForm1 *form = program.start();
    form->N10Click();
    QTreeWidgetItem *assembly = form->TreeView1->topLevelItem(0)->child(0);

    // Nothing selected, or a leaf: nothing happens and nothing is asked.
    form->Button3Click();
    form->TreeView1->setCurrentItem(assembly->child(0));
    form->Button3Click();
    QVERIFY(seenMessages().isEmpty());

    form->TreeView1->setCurrentItem(assembly);
    answerFileDialog(program.path("in/p.jpg"));
    form->Button3Click();
    QVERIFY(QFileInfo::exists(program.path(QStringLiteral("Pic/1_А_01_Корпус_1_шт_.Jpg"))));
    QCOMPARE(seenMessages(), QStringList{"OpenDialog1"});
}

void TestAttach::deleteAsks()
{
    ProgramFixture program;
    writeBytes(program.path("SP/A_SP.Dat"), "1|A|\r\n");
    writeBytes(program.path("SP/B_SP.Dat"), "");
    writeJpeg(program.path("Pic/A/A_Общий вид.Jpg"));
    TForm1 *form = program.start();
    selectSpecFile(form, "A_SP.Dat");
    QString title;
    answerNextModal([&](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        title = box->windowTitle();
        seenMessages().append(box->text());
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        box->button(QMessageBox::No)->click();
    });
    form->N9Click();
    QCOMPARE(title, QStringLiteral("УДАЛИТЬ?"));
    QCOMPARE(seenMessages(),
             QStringList{QStringLiteral("Удалить Файл ") + program.path("SP/A_SP.Dat")});
    QVERIFY(QFileInfo::exists(program.path("SP/A_SP.Dat")));

    answerMessageBox(QMessageBox::Yes);
    form->N9Click();
    QVERIFY(!QFileInfo::exists(program.path("SP/A_SP.Dat")));
    QCOMPARE(form->FileListBox1->count(), 1);
    QVERIFY(QFileInfo::exists(program.path(QStringLiteral("Pic/A/A_Общий вид.Jpg"))));

    // With nothing selected nothing is asked.
    form->N9Click();
    QCOMPARE(seenMessages().size(), 2);
}

QTEST_MAIN(TestAttach)
#include "tst_attach.moc"
