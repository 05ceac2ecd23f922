// One assembly's road through the whole program, headless, against the local
// archive: import, catalogue tree, specifications, pictures, a call-out, export.
#include "app/Unit1.h"
#include "app/Unit11.h"
#include "app/Unit8.h"
#include "builder/Unit4.h"
#include "builder/buildertreeview.h"
#include "editor/Unit7.h"
#include "modal.h"
#include "platform/filelistbox.h"
#include "platform/pictureview.h"
#include "programfixture.h"
#include "search/Unit3.h"
#include "search/archivedatabase.h"
#include "search/structurefile.h"

#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString demo = QStringLiteral(IPCAT_DEMO_DATA "/");
const QString body = QStringLiteral("1|НЦ-50.01.000|Корпус насоса в сборе|1|шт|");

QTreeWidgetItem *findNode(QTreeWidget *tree, const QString &text)
{
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void answerInput(const QString &text)
{
    answerNextModal([text](QWidget *widget) {
        auto *box = qobject_cast<QInputDialog *>(widget);
        QVERIFY(box);
        box->setTextValue(text);
        box->accept();
    });
}

void attachPicture(TForm1 *form, const QString &sample, bool section, const QString &suffix)
{
    answerFileDialog(demo + QStringLiteral("samples/") + sample);
    answerNextModal([=](QWidget *) {
        if (section)
            Form8->RadioButton2->click();
        (section ? Form8->ComboBox2 : Form8->ComboBox1)->setEditText(suffix);
        Form8->Button1->click();
    });
    form->Button2Click();
    QVERIFY(modalAnswersDone());
}

void sendMouse(QEvent::Type type, QPoint picturePoint)
{
    PictureView *view = Form7->ImageEnVect1;
    QWidget *target = view->mouseWidget();
    const QPointF at = view->pictureToWidget(picturePoint);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestRoad : public QObject
{
    Q_OBJECT
private slots:
    void oneAssembly();
};

void TestRoad::oneAssembly()
{
    ProgramFixture program;
    const QString archivePath = program.path("archive.sqlite");
    ArchiveDatabase::create(archivePath);
    int bodyId = 0;
    {
        ArchiveDatabase db(archivePath);
        db.replaceStructure(readStructureFile(demo + QStringLiteral("pump.json")));
        db.setCurrentObject(db.objectByDesignation(QStringLiteral("НЦ-50.00.000")).id);
        bodyId = db.objectByDesignation(QStringLiteral("НЦ-50.01.000")).id;
    }
    QDir().mkpath(program.path("SearchWork"));
    program.addNoneJpg();
    TForm1 *form = program.start();

    // The builder: import, main assembly, copies, "Tree.dat", specifications.
    answerNextModal([&](QWidget *widget) {
        QCOMPARE(widget, Form4);
        Form4->Search2Click();
        QTreeWidget *source = Form4->TreeView2;
        QCOMPARE(source->topLevelItemCount(), 1);
        QCOMPARE(source->topLevelItem(0)->text(0),
                 QStringLiteral("0|НЦ-50.00.000|Насос центробежный НЦ-50|||"));

        answerInput(QStringLiteral("Насос НЦ-50"));
        Form4->N9Click();
        QTreeWidget *catalog = Form4->TreeView1;
        QCOMPARE(catalog->topLevelItemCount(), 1);
        catalog->setCurrentItem(catalog->topLevelItem(0));
        source->setCurrentItem(findNode(source, body));
        Form4->Button1Click();
        catalog->setCurrentItem(findNode(catalog, body));
        Form4->Button2Click();
        QCOMPARE(findNode(catalog, body)->childCount(), 9);

        answerFileDialog(program.path("Tree.dat"));
        Form4->N2Click();
        Form4->N16Click();
        QVERIFY(modalAnswersDone());
        Form4->hide();
    });
    form->N5Click();
    QVERIFY(QFileInfo::exists(program.path("Tree.dat")));
    form->N10Click();
    QCOMPARE(form->TreeView1->topLevelItem(0)->text(0), QStringLiteral("Насос НЦ-50"));

    // The main window: the specification file, two pictures attached.
    const QString specName = QStringLiteral("НЦ-50.01.000_SP.Dat");
    selectSpecFile(form, specName);
    form->FileListBox1Click();
    QCOMPARE(form->ListBox1->count(), 9);
    attachPicture(form, QStringLiteral("Корпус насоса - общий вид.jpg"), false,
                  QStringLiteral("Общий вид"));
    attachPicture(form, QStringLiteral("Насос НЦ-50 - вид А.jpg"), false, QStringLiteral("Вид А"));
    form->FileListBox1Click();
    QCOMPARE(form->ImageEnVect1->fileName(),
             program.path(QStringLiteral("Pic/НЦ-50.01.000/НЦ-50.01.000_Общий вид.Jpg")));

    // The editor: a call-out for position 3 on view A, saved.
    answerNextModal([](QWidget *widget) {
        QCOMPARE(widget, Form11);
        const auto items = Form11->FileListBox1->findItems(QStringLiteral("НЦ-50.01.000_Вид А.Jpg"),
                                                           Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        Form11->FileListBox1->setItemIndex(Form11->FileListBox1->row(items.first()));
        Form11->Button1Click();
    });
    answerNextModal([](QWidget *widget) {
        QCOMPARE(widget, Form7);
        Form7->ListBox1->setCurrentRow(2);
        Form7->ListBox1Click();
        sendMouse(QEvent::MouseButtonPress, {300, 300});
        sendMouse(QEvent::MouseButtonRelease, {200, 200});
        QCOMPARE(Form7->annotationLines().size(), 1);
        answerMessageBox(QMessageBox::Ok);
        Form7->Button4Click();
        Form7->Button2Click();
    });
    form->Button1Click();
    QVERIFY(modalAnswersDone());
    QCOMPARE(seenMessages().last(), QStringLiteral("Сохранено!!!!"));
    const QString annotation = program.path(QStringLiteral("DATA/НЦ-50.01.000_Вид А.Dat"));
    QVERIFY(QFileInfo::exists(annotation));

    // The export into the local archive.
    answerNextModal([](QWidget *widget) {
        QCOMPARE(widget, Form3);
        QCOMPARE(Form3->windowTitle(), QStringLiteral("НЦ-50.01.000"));
        answerMessageBox(QMessageBox::Ok);
        Form3->Button2Click();
        Form3->Button1Click();
    });
    form->Search2Click();
    QVERIFY(modalAnswersDone());
    QCOMPARE(seenMessages().last(), QStringLiteral("Занесено в архив"));

    ArchiveDatabase db(archivePath);
    QStringList entered;
    for (const ArchiveFileEntry &file : db.files(bodyId)) {
        entered.append(file.name);
        QCOMPARE(db.fileContent(file.number).size(), file.size);
    }
    entered.sort();
    QCOMPARE(entered, QStringList({QStringLiteral("НЦ-50.01.000_SP.Dat"),
                                   QStringLiteral("НЦ-50.01.000_Вид А.Dat"),
                                   QStringLiteral("НЦ-50.01.000_Вид А.Jpg"),
                                   QStringLiteral("НЦ-50.01.000_Общий вид.Jpg")}));
    QCOMPARE(db.fileContent(db.files(bodyId).first().number),
             readBytes(program.path("SP/" + specName)));
}

QTEST_MAIN(TestRoad)
#include "tst_road.moc"
