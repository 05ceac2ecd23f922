#include "app/Unit1.h"
#include "modal.h"
#include "platform/filelistbox.h"
#include "platform/workspace.h"
#include "programfixture.h"
#include "scriptedserver.h"
#include "search/Unit3.h"
#include "search/exportfiles.h"

#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

// A workspace with one assembly "НЦ/50" (stem "НЦ_50"): its specification
// file, two pictures, two annotation files, and files of other assemblies
// that must not be taken, except the one whose stem begins with the prefix.
void fillWorkspace(ProgramFixture &program)
{
    writeBytes(program.path(QStringLiteral("SP/НЦ_50_SP.Dat")), "1|A|\r\n");
    writeBytes(program.path(QStringLiteral("SP/НЦ_5_SP.Dat")), "1|A|\r\n");
    writeJpeg(program.path(QStringLiteral("Pic/НЦ_50/НЦ_50_Общий вид.Jpg")));
    writeJpeg(program.path(QStringLiteral("Pic/НЦ_50/НЦ_50_Б.JPG")));
    writeJpeg(program.path(QStringLiteral("Pic/НЦ_50/чужой.Jpg")));
    writeBytes(program.path(QStringLiteral("DATA/НЦ_50_Общий вид.Dat")), "#1*2*3*4*5\r\n");
    writeBytes(program.path(QStringLiteral("DATA/НЦ_50_Б.Dat")), "#1*2*3*4*5\r\n");
    writeBytes(program.path(QStringLiteral("DATA/НЦ_50_1_Вид А.Dat")), "#1*2*3*4*5\r\n");
    writeBytes(program.path(QStringLiteral("DATA/НЦ_5_Вид А.Dat")), "#1*2*3*4*5\r\n");
}

// Opens the export window from the menu and presses "Занести" in it.
void exportFromMenu(TForm1 *form, int messageButton = QMessageBox::Ok)
{
    answerNextModal([messageButton](QWidget *widget) {
        QCOMPARE(widget, Form3);
        answerMessageBox(messageButton);
        Form3->Button2->click();
        Form3->Button1->click();
    });
    form->Search2Click();
}

// The workspace above over a scripted archive that holds the assembly; the
// program starts on demand with its specification file selected.
struct ExportRun {
    std::shared_ptr<ScriptedArchive> archive = std::make_shared<ScriptedArchive>();
    int id = archive->add(QStringLiteral("НЦ/50"), QStringLiteral("Насос"), 3);
    ScriptedServerFactory factory{archive};
    ProgramFixture program;
    TForm1 *form = nullptr;

    explicit ExportRun(bool exchangeFolder)
    {
        fillWorkspace(program);
        if (exchangeFolder)
            QDir().mkpath(program.path("SearchWork"));
    }
    TForm1 *start()
    {
        form = program.start();
        selectSpecFile(form, QStringLiteral("НЦ_50_SP.Dat"));
        return form;
    }
};

} // namespace

class TestExport : public QObject
{
    Q_OBJECT
private slots:
    void init() { seenMessages().clear(); }
    void cleanup() { clearModalAnswers(); }
    void fileNamePart_data();
    void fileNamePart();
    void layout();
    void listsFromTheSelectedFile();
    void exportEntersEveryFile();
    void refusedFilesAreNamed();
    void missingExchangeFolderEntersNothing();
    void emptyListEntersNothing();
    void serverFailureStopsThere();
    void noSelectionSaysSo();
};

void TestExport::fileNamePart_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("backslash") << "C:\\SP\\A_SP.Dat"
                               << "A_SP.Dat";
    QTest::newRow("slash") << "/w/SP/A_SP.Dat"
                           << "A_SP.Dat";
    QTest::newRow("bare") << "A.Dat"
                          << "A.Dat";
}

void TestExport::fileNamePart()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(::fileNamePart(path), name);
}

void TestExport::layout()
{
    ProgramFixture program;
    program.start();
    QCOMPARE(Form3->size(), QSize(813, 629));
    QCOMPARE(Form3->ListBox1->geometry(), QRect(0, 22, 273, 575));
    QCOMPARE(Form3->ListBox2->geometry(), QRect(279, 22, 266, 575));
    QCOMPARE(Form3->ListBox3->geometry(), QRect(551, 22, 259, 575));
    QCOMPARE(Form3->Button2->text(), QStringLiteral("Занести"));
    QCOMPARE(Form3->Button1->text(), QStringLiteral("Закрыть"));
    QCOMPARE(Form3->Button1->size(), QSize(75, 22));
    QCOMPARE(Form3->Button1->mapTo(Form3, QPoint(0, 0)).x() + 75, 813);
    QVERIFY(Form3->Button2->mapTo(Form3, QPoint(0, 0)).x() <
            Form3->Button1->mapTo(Form3, QPoint(0, 0)).x());
    QCOMPARE(Form3->Label1->mapTo(Form3, QPoint(0, 0)), QPoint(8, 629 - 24 + 6));
}

void TestExport::listsFromTheSelectedFile()
{
    ProgramFixture program;
    fillWorkspace(program);
    TForm1 *form = program.start();
    selectSpecFile(form, QStringLiteral("НЦ_50_SP.Dat"));
    answerNextModal([](QWidget *widget) { widget->close(); });
    form->Search2Click();
    QCOMPARE(Form3->windowTitle(), QStringLiteral("НЦ_50"));
    QCOMPARE(entries(Form3->ListBox1),
             QStringList{program.path(QStringLiteral("SP/НЦ_50_SP.Dat"))});
    QCOMPARE(entries(Form3->ListBox2),
             QStringList({program.path(QStringLiteral("Pic/НЦ_50/НЦ_50_Б.JPG")),
                          program.path(QStringLiteral("Pic/НЦ_50/НЦ_50_Общий вид.Jpg"))}));
    // Every annotation file with the prefix is taken, another assembly's too.
    QCOMPARE(entries(Form3->ListBox3),
             QStringList({program.path(QStringLiteral("DATA/НЦ_50_1_Вид А.Dat")),
                          program.path(QStringLiteral("DATA/НЦ_50_Б.Dat")),
                          program.path(QStringLiteral("DATA/НЦ_50_Общий вид.Dat"))}));
}

void TestExport::exportEntersEveryFile()
{
    ExportRun run(true);
    TForm1 *form = run.start();
    const auto &archive = run.archive;
    const ProgramFixture &program = run.program;
    const int id = run.id;
    exportFromMenu(form);
    QVERIFY(modalAnswersDone());
    QCOMPARE(seenMessages(), QStringList{QStringLiteral("Занесено в архив")});
    QCOMPARE(archive->calls.mid(0, 4),
             QStringList({"Connect", QStringLiteral("FindObject(НЦ_50)"),
                          QStringLiteral("SelectObject(%1)").arg(id), "BeginAddFiles"}));
    QCOMPARE(archive->calls.last(), QStringLiteral("EndAddFiles"));
    QCOMPARE(archive->files.size(), 6);
    // The specification file enters under its copy, the others under their own path.
    QCOMPARE(archive->files[0].path, program.path(QStringLiteral("SearchWork/НЦ_50_SP.Dat")));
    QCOMPARE(archive->files[1].path, program.path(QStringLiteral("Pic/НЦ_50/НЦ_50_Б.JPG")));
    for (const ScriptedFile &file : archive->files)
        QCOMPARE(file.object, id);
    QVERIFY(QFileInfo::exists(program.path(QStringLiteral("SearchWork/НЦ_50_Общий вид.Dat"))));

    // A second export finds its own copies there and enters everything again.
    seenMessages().clear();
    exportFromMenu(form);
    QCOMPARE(seenMessages(), QStringList{QStringLiteral("Занесено в архив")});
    QCOMPARE(archive->files.size(), 12);
    QCOMPARE(archive->serversAlive, 0);
}

void TestExport::refusedFilesAreNamed()
{
    ExportRun run(false);
    const auto &archive = run.archive;
    const ProgramFixture &program = run.program;
    // A different file of the same name waits in the exchange folder.
    writeBytes(program.path(QStringLiteral("SearchWork/НЦ_50_Б.Dat")), "stale");
    TForm1 *form = run.start();
    answerNextModal([&](QWidget *) {
        // A picture is deleted after it was listed.
        QFile::remove(program.path(QStringLiteral("Pic/НЦ_50/НЦ_50_Б.JPG")));
        answerMessageBox(QMessageBox::Ok);
        Form3->Button2Click();
        Form3->close();
    });
    form->Search2Click();
    QCOMPARE(seenMessages().size(), 1);
    const QString message = seenMessages().first();
    QVERIFY2(!message.contains(QStringLiteral("Занесено в архив")), qPrintable(message));
    QVERIFY(message.contains(program.path(QStringLiteral("Pic/НЦ_50/НЦ_50_Б.JPG"))));
    QVERIFY(message.contains(program.path(QStringLiteral("DATA/НЦ_50_Б.Dat"))));
    QCOMPARE(archive->files.size(), 4);
    QCOMPARE(readBytes(program.path(QStringLiteral("SearchWork/НЦ_50_Б.Dat"))),
             QByteArray("stale"));
}

void TestExport::missingExchangeFolderEntersNothing()
{
    ExportRun run(false);
    const auto &archive = run.archive;
    const ProgramFixture &program = run.program;
    TForm1 *form = run.start();
    exportFromMenu(form);
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY(seenMessages().first().contains(program.path("SearchWork")));
    QCOMPARE(archive->serversCreated, 0);
    QVERIFY(!QFileInfo::exists(program.path("SearchWork")));
}

void TestExport::emptyListEntersNothing()
{
    auto archive = std::make_shared<ScriptedArchive>();
    ScriptedServerFactory factory(archive);
    ProgramFixture program;
    writeBytes(program.path(QStringLiteral("SP/A_SP.Dat")), "1|A|\r\n");
    writeJpeg(program.path(QStringLiteral("Pic/A/A_Общий вид.Jpg")));
    QDir().mkpath(program.path("SearchWork"));
    TForm1 *form = program.start();
    selectSpecFile(form, QStringLiteral("A_SP.Dat"));
    exportFromMenu(form);
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY(seenMessages().first().contains(QStringLiteral("Ничего не занесено")));
    QCOMPARE(archive->serversCreated, 0);
    QVERIFY(QDir(program.path("SearchWork")).isEmpty());
}

void TestExport::serverFailureStopsThere()
{
    ExportRun run(true);
    const auto &archive = run.archive;
    archive->failOn("AddFile", 2, QStringLiteral("Архив отказал."));
    TForm1 *form = run.start();
    exportFromMenu(form);
    QCOMPARE(seenMessages(), QStringList{QStringLiteral("Архив отказал.")});
    QCOMPARE(archive->files.size(), 1);
    QCOMPARE(archive->count("EndAddFiles"), 0);
    QCOMPARE(archive->serversAlive, 0);

    // An object that is not in the archive stops before anything is entered.
    archive->objects.clear();
    seenMessages().clear();
    exportFromMenu(form);
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY(seenMessages().first().contains(QStringLiteral("НЦ_50")));
    QCOMPARE(archive->files.size(), 1);
}

void TestExport::noSelectionSaysSo()
{
    ProgramFixture program;
    fillWorkspace(program);
    TForm1 *form = program.start();
    form->Sp1Click();
    answerMessageBox(QMessageBox::Ok);
    form->Search2Click();
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY(seenMessages().first().contains(QStringLiteral("выберите файл спецификации")));
    QVERIFY(!Form3->isVisible());
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
