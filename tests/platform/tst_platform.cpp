#include "catalog/error.h"
#include "modal.h"
#include "platform/filelistbox.h"
#include "platform/files.h"
#include "platform/guard.h"
#include "platform/textentry.h"
#include "platform/treewidget.h"
#include "platform/workspace.h"
#include "programfixture.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void findFileIgnoresCase();
    void listFilesMatchesMaskAndSorts();
    void copyNeverOverwrites();
    void fileListBox();
    void guardShowsErrorAndGoesOn();
    void treeWidgetRoundTrip();
    void failedLoadKeepsWidget();
    void entryRefusesForeignCharacters();
    void workspacePaths_data();
    void workspacePaths();
};

void TestPlatform::findFileIgnoresCase()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    writeBytes(folder + QStringLiteral("Насос_Общий вид.Jpg"), "x");
    QCOMPARE(findFileNoCase(folder, QStringLiteral("НАСОС_ОБЩИЙ ВИД.JPG")),
             QStringLiteral("Насос_Общий вид.Jpg"));
    QCOMPARE(findFileNoCase(folder, QStringLiteral("насос_общий вид.jpg")),
             QStringLiteral("Насос_Общий вид.Jpg"));
    QCOMPARE(findFileNoCase(folder, QStringLiteral("Насос_Вид А.Jpg")), QString());
    QCOMPARE(findFileNoCase(folder + "нет/", QStringLiteral("x")), QString());
}

void TestPlatform::listFilesMatchesMaskAndSorts()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    for (const char *name : {"b_SP.Dat", "A_SP.DAT", "c.dat", "d.txt", "Я_SP.Dat", "e.Datx"})
        writeBytes(folder + QString::fromUtf8(name), "");
    QDir().mkdir(folder + "sub.Dat");
    QCOMPARE(listFiles(folder, "*.Dat"),
             QStringList({"A_SP.DAT", "b_SP.Dat", "c.dat", QStringLiteral("Я_SP.Dat")}));
    QVERIFY(matchesMask(QStringLiteral("ВИД.JPG"), "*.Jpg"));
    QVERIFY(!matchesMask("a.jpeg", "*.Jpg"));
}

void TestPlatform::copyNeverOverwrites()
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a"), b = dir.filePath("b");
    writeBytes(a, "new");
    writeBytes(b, "old");
    QCOMPARE(copyFileNoOverwrite(a, b), CopyResult::TargetExists);
    QCOMPARE(readBytes(b), QByteArray("old"));
    QCOMPARE(copyFileNoOverwrite(a, dir.filePath("c")), CopyResult::Copied);
    QCOMPARE(readBytes(dir.filePath("c")), QByteArray("new"));
    QCOMPARE(copyFileNoOverwrite(dir.filePath("none"), dir.filePath("d")), CopyResult::Failed);
    QVERIFY(makeFolder(dir.filePath("x/y/z")));
    writeBytes(dir.filePath("file"), "");
    QVERIFY(!makeFolder(dir.filePath("file/sub")));
}

void TestPlatform::fileListBox()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    writeBytes(folder + "b_SP.Dat", "");
    writeBytes(folder + "a_SP.DAT", "");
    FileListBox box;
    box.setMask("*.Dat");
    box.setDirectory(folder);
    QCOMPARE(box.count(), 2);
    QCOMPARE(box.itemIndex(), -1);
    QCOMPARE(box.fileName(), QString());
    box.setItemIndex(1);
    QCOMPARE(box.fileName(), QStringLiteral("b_SP.Dat"));
    QCOMPARE(box.filePath(), folder + "b_SP.Dat");

    writeBytes(folder + "0_SP.Dat", "");
    QCOMPARE(box.count(), 2); // not read until asked
    box.update();
    QCOMPARE(box.count(), 3);
    QCOMPARE(box.fileName(), QStringLiteral("b_SP.Dat"));

    QVERIFY_THROWS_EXCEPTION(IpcatError, box.setDirectory(folder + "missing/"));
    QCOMPARE(box.directory(), folder);
    QCOMPARE(box.count(), 3);
}

void TestPlatform::guardShowsErrorAndGoesOn()
{
    seenMessages().clear();
    answerMessageBox(QMessageBox::Ok);
    const bool ok =
        guarded(nullptr, [] { throw IpcatError(QStringLiteral("Файл \"x\" не найден")); });
    QVERIFY(!ok);
    QCOMPARE(seenMessages(), QStringList{QStringLiteral("Файл \"x\" не найден")});
    QVERIFY(guarded(nullptr, [] {}));
}

void TestPlatform::treeWidgetRoundTrip()
{
    const CatalogTree tree{{"R", {{"A", {{"C", {}}}}, {"B", {}}}}, {"S", {}}};
    QTreeWidget widget;
    setUpCatalogTreeWidget(&widget);
    fillTreeWidget(&widget, tree);
    QCOMPARE(widget.topLevelItemCount(), 2);
    QCOMPARE(widget.topLevelItem(0)->child(0)->child(0)->text(0), QStringLiteral("C"));
    QVERIFY(!widget.topLevelItem(0)->isExpanded());
    QCOMPARE(widget.selectedItems().size(), 0);
    const CatalogTree back = treeFromWidget(&widget);
    QCOMPARE(back.size(), size_t(2));
    QCOMPARE(back[0].children[0].children[0].text, QStringLiteral("C"));
    QCOMPARE(back[0].children[1].text, QStringLiteral("B"));
}

void TestPlatform::failedLoadKeepsWidget()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("bad.dat"), "R\r\n\t\t\tX\r\n");
    QTreeWidget widget;
    fillTreeWidget(&widget, {{"keep", {{"me", {}}}}});
    QVERIFY_THROWS_EXCEPTION(IpcatError, loadTreeWidget(&widget, dir.filePath("bad.dat")));
    QVERIFY_THROWS_EXCEPTION(IpcatError, loadTreeWidget(&widget, dir.filePath("none.dat")));
    QCOMPARE(widget.topLevelItemCount(), 1);
    QCOMPARE(widget.topLevelItem(0)->child(0)->text(0), QStringLiteral("me"));
}

void TestPlatform::entryRefusesForeignCharacters()
{
    QLineEdit edit;
    restrictToCp1251(&edit);
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_A);
    QKeyEvent foreign(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("日"));
    QApplication::sendEvent(&edit, &foreign);
    QKeyEvent cyrillic(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ж"));
    QApplication::sendEvent(&edit, &cyrillic);
    QCOMPARE(edit.text(), QStringLiteral("aж"));
}

void TestPlatform::workspacePaths_data()
{
    QTest::addColumn<QString>("exe");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("sp");
    QTest::newRow("linux") << "/opt/ipcat/ipcat"
                           << "/opt/ipcat/"
                           << "/opt/ipcat/SP/";
    QTest::newRow("root") << "/ipcat"
                          << "/"
                          << "/SP/";
    QTest::newRow("windows drive root") << "C:\\ipcat.exe"
                                        << "C:\\"
                                        << "C:\\SP\\";
    QTest::newRow("no folder") << "ipcat"
                               << ""
                               << "SP/";
}

void TestPlatform::workspacePaths()
{
    QFETCH(QString, exe);
    QFETCH(QString, base);
    QFETCH(QString, sp);
    setWorkspacePaths(exe);
    QCOMPARE(BaseDir, base);
    QCOMPARE(SpDir, sp);
    QCOMPARE(DataDir, base + "DATA" + sp.right(1));
    resetWorkspaceState();
    QCOMPARE(BaseDir, QString());
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
