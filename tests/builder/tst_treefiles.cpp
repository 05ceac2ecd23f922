// The tree builder's files: save and load, renaming, specifications, closing.
#include "app/Unit1.h"
#include "builderfixture.h"
#include "platform/filelistbox.h"
#include "platform/workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace {

const char *const catalogLines = "Насос\n\t1|А.01|Корпус|1|шт|\n\t\t1|В.02|Втулка|2|шт|\n";
const char *const sourceLines = "2|Н.00|Насос|1|шт|\n\t5|К.05|Крышка|1|шт|\n";

// The two trees above as shape() shows them.
QString catalogShape()
{
    return QStringLiteral("Насос(1|А.01|Корпус|1|шт|(1|В.02|Втулка|2|шт|))");
}
QString sourceShape()
{
    return QStringLiteral("2|Н.00|Насос|1|шт|(5|К.05|Крышка|1|шт|)");
}

QByteArray fileBytes(const char *lines)
{
    return cp(lines).replace("\n", "\r\n");
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestTreeFiles : public QObject
{
    Q_OBJECT
private slots:
    void init() { seenMessages().clear(); }
    void saveCatalog_data();
    void saveCatalog();
    void saveAll_data();
    void saveAll();
    void saveCancelledWritesNothing();
    void dialogsListTreeFilesOfAnyCase();
    void loadCatalog();
    void failedLoadKeepsTrees_data();
    void failedLoadKeepsTrees();
    void loadPair();
    void loadPairWithoutPartner_data();
    void loadPairWithoutPartner();
    void renameAll();
    void specifications();
    void specificationOfOneNode();
    void specificationFailureStopsWalk();
    void closing_data();
    void closing();
    void treeReachesMainWindow();
};

void TestTreeFiles::saveCatalog_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no ending") << "tree"
                               << "tree.dat";
    QTest::newRow(".dat") << "tree.dat"
                          << "tree.dat";
    QTest::newRow("capital .Dat") << "tree.Dat"
                                  << "tree.Dat.dat";
    QTest::newRow(".dat inside") << "tree.data"
                                 << "tree.data";
}

void TestTreeFiles::saveCatalog()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    Builder b;
    setTree(b.catalog(), catalogLines);
    setTree(b.source(), sourceLines);
    writeBytes(b.program.path(written), "old content, replaced without a question");
    QStringList seen;
    answerFile(b.program.path(typed), &seen);
    b.form->N2Click();
    QCOMPARE(seen, QStringList({"SaveDialog1", b.program.baseDir()}));
    QCOMPARE(readBytes(b.program.path(written)), fileBytes(catalogLines));
    QVERIFY(seenMessages().isEmpty());
    QVERIFY(!QFileInfo::exists(b.program.path(written + "x")));
}

void TestTreeFiles::saveAll_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("catalogFile");
    QTest::addColumn<QString>("sourceFile");
    QTest::newRow("no ending") << "tree"
                               << "tree.dat"
                               << "tree.datx";
    QTest::newRow(".dat") << "tree.dat"
                          << "tree.dat"
                          << "tree.datx";
    QTest::newRow("capital .Dat") << "tree.Dat"
                                  << "tree.Dat.dat"
                                  << "tree.Dat.datx";
}

void TestTreeFiles::saveAll()
{
    QFETCH(QString, typed);
    QFETCH(QString, catalogFile);
    QFETCH(QString, sourceFile);
    Builder b;
    setTree(b.catalog(), catalogLines);
    setTree(b.source(), sourceLines);
    answerFile(b.program.path(typed));
    b.form->N3Click();
    QCOMPARE(readBytes(b.program.path(catalogFile)), fileBytes(catalogLines));
    QCOMPARE(readBytes(b.program.path(sourceFile)), fileBytes(sourceLines));
}

void TestTreeFiles::saveCancelledWritesNothing()
{
    Builder b;
    setTree(b.catalog(), catalogLines);
    const QStringList before = filesIn(b.program.baseDir());
    answerFile(QString());
    b.form->N2Click();
    answerFile(QString());
    b.form->N3Click();
    QVERIFY(modalAnswersDone());
    QCOMPARE(filesIn(b.program.baseDir()), before);
}

void TestTreeFiles::dialogsListTreeFilesOfAnyCase()
{
    Builder b;
    for (const char *name : {"a.dat", "b.DAT", "c.Dat", "d.datx", "e.txt"})
        writeBytes(b.program.path(name), "");
    for (QFileDialog *dialog : {b.form->SaveDialog1, b.form->OpenDialog1}) {
        dialog->setDirectory(b.program.baseDir());
        dialog->show();
        auto *list = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"));
        QVERIFY(list);
        const auto listed = [&] {
            QStringList names;
            const QModelIndex root = list->rootIndex();
            for (int row = 0; row < list->model()->rowCount(root); ++row) {
                const QString name = list->model()->index(row, 0, root).data().toString();
                if (name.contains(u'.'))
                    names.append(name);
            }
            names.sort();
            return names;
        };
        QTRY_COMPARE(listed(), QStringList({"a.dat", "b.DAT", "c.Dat"}));
        dialog->hide();
    }
}

void TestTreeFiles::loadCatalog()
{
    Builder b;
    setTree(b.catalog(), "Old\n\tchild\nSecond\n");
    setTree(b.source(), sourceLines);
    writeBytes(b.program.path("saved.dat"), fileBytes(catalogLines));
    QStringList seen;
    answerFile(b.program.path("saved.dat"), &seen);
    b.form->N4Click();
    QCOMPARE(seen, QStringList({"OpenDialog1", b.program.baseDir()}));
    QCOMPARE(shape(b.catalog()), catalogShape());
    QCOMPARE(shape(b.source()), sourceShape());
    QVERIFY(!b.catalog()->topLevelItem(0)->isExpanded());
    QVERIFY(b.catalog()->selectedItems().isEmpty());
}

void TestTreeFiles::failedLoadKeepsTrees_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("message");
    const QString level = QStringLiteral("Invalid level (2) for item \"\"");
    for (const char *slot : {"N4Click", "N1Click"}) {
        const QString s = QString::fromLatin1(slot);
        QTest::newRow(qPrintable(s + " cancelled")) << s << QString() << QString();
        QTest::newRow(qPrintable(s + " missing file")) << s << "none.dat"
                                                       << "Не найден файл";
        QTest::newRow(qPrintable(s + " folder")) << s << "folder.dat"
                                                 << "это папка";
        QTest::newRow(qPrintable(s + " binary")) << s << "picture.dat" << level;
    }
    QTest::newRow("N1Click bad partner")
        << "N1Click"
        << "pair.dat" << QStringLiteral("Invalid level (3) for item \"deep\"");
    QTest::newRow("N1Click partner is a folder") << "N1Click"
                                                 << "other.dat"
                                                 << "это папка";
}

void TestTreeFiles::failedLoadKeepsTrees()
{
    QFETCH(QString, slot);
    QFETCH(QString, chosen);
    QFETCH(QString, message);
    Builder b;
    setTree(b.catalog(), catalogLines);
    setTree(b.source(), sourceLines);
    QDir().mkpath(b.program.path("folder.dat"));
    writeBytes(b.program.path("picture.dat"), QByteArray("\x89PNG\r\n\x1a\n\t\t\0\0\rIHDR", 17));
    writeBytes(b.program.path("pair.dat"), "R\r\n");
    writeBytes(b.program.path("pair.datx"), "S\r\n\t\t\tdeep\r\n");
    writeBytes(b.program.path("other.dat"), "R\r\n");
    QDir().mkpath(b.program.path("other.datx"));
    if (chosen.isEmpty()) {
        answerFile(QString());
    } else {
        // Pointed straight at the name, as typing it in the dialog does.
        const QString path = b.program.path(chosen);
        answerNextModal([path](QWidget *widget) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            typeFileName(dialog, path);
            static_cast<QDialog *>(dialog)->done(QDialog::Accepted);
        });
        answerMessageBox(QMessageBox::Ok);
    }
    QVERIFY(QMetaObject::invokeMethod(b.form, qPrintable(slot)));
    QVERIFY(modalAnswersDone());
    if (message.isEmpty()) {
        QVERIFY(seenMessages().isEmpty());
    } else {
        QCOMPARE(seenMessages().size(), 1);
        QVERIFY2(seenMessages().first().contains(message), qPrintable(seenMessages().first()));
    }
    QCOMPARE(shape(b.catalog()), catalogShape());
    QCOMPARE(shape(b.source()), sourceShape());
}

void TestTreeFiles::loadPair()
{
    Builder b;
    setTree(b.catalog(), "Old\n");
    setTree(b.source(), "Older\nOldest\n");
    writeBytes(b.program.path("pair.dat"), fileBytes(catalogLines));
    writeBytes(b.program.path("pair.datx"), fileBytes(sourceLines));
    answerFile(b.program.path("pair.dat"));
    b.form->N1Click();
    QVERIFY(seenMessages().isEmpty());
    QCOMPARE(shape(b.catalog()), catalogShape());
    QCOMPARE(shape(b.source()), sourceShape());
}

void TestTreeFiles::loadPairWithoutPartner_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("partner");
    QTest::newRow("partner absent") << "pair.dat"
                                    << "pair.datx";
    QTest::newRow("capital .Dat") << "pair.Dat"
                                  << "";
}

void TestTreeFiles::loadPairWithoutPartner()
{
    QFETCH(QString, chosen);
    QFETCH(QString, partner);
    Builder b;
    setTree(b.catalog(), "Old\n");
    setTree(b.source(), "First\n\tchild\nSecond\n");
    writeBytes(b.program.path(chosen), fileBytes(catalogLines));
    // The capital ending hides ".dat": the partner looked for is ".datx" alone.
    const QString partnerPath = partner.isEmpty()
                                    ? QStringLiteral(".datx")
                                    : QDir::toNativeSeparators(b.program.path(partner));
    QVERIFY(!QFileInfo::exists(QStringLiteral(".datx")));
    answerFile(b.program.path(chosen));
    answerMessageBox(QMessageBox::Ok);
    b.form->N1Click();
    QCOMPARE(seenMessages(), QStringList{"Не найден файл: " + partnerPath});
    QCOMPARE(shape(b.catalog()), catalogShape());
    QCOMPARE(shape(b.source()), QStringLiteral("Second"));
}

void TestTreeFiles::renameAll()
{
    Builder b;
    setTree(b.catalog(), "9|Г.00|Изделие|1|шт|\n"
                         "\t5|A.01|Корпус|2|шт|\n"
                         "\t\t3|B.02\n"
                         "\tРаздел\n"
                         "\t\t|C.03||||\n"
                         "7|D.04|Вал|1|шт|\n");
    b.form->N14Click();
    const QString renamed =
        QStringLiteral("9|Г.00|Изделие|1|шт|(A.01 Корпус( ),Раздел(C.03 )),D.04 Вал");
    QCOMPARE(shape(b.catalog()), renamed);
    b.form->N14Click();
    QCOMPARE(shape(b.catalog()), renamed);
}

void TestTreeFiles::specifications()
{
    Builder b;
    setTree(b.catalog(), "Насос\n"
                         "\t1|А.01|Корпус|1|шт|\n"
                         "\t\t1|Б.11|Втулка|2|шт|\n"
                         "\t\t2|Б.12|Кольцо|1|шт|\n"
                         "\t\t\t1|Е.01|Резина|0.1|кг|\n"
                         "\t\tПрочие\n"
                         "\t2|В/02|Крышка|1|шт|\n"
                         "\t\t4|Г.04|Винт|4|шт|\n"
                         "\t3|Д.05|Гайка|2|шт|\n"
                         "\tРаздел\n"
                         "\t\t6|Ж.06|Шплинт|1|шт|\n");
    writeBytes(SpDir + QStringLiteral("Д.05_SP.Dat"), "left alone");
    b.form->N16Click();
    QVERIFY(seenMessages().isEmpty());
    QCOMPARE(filesIn(SpDir),
             QStringList({"А.01_SP.Dat", "Б.12_SP.Dat", "В_02_SP.Dat", "Д.05_SP.Dat"}));
    QCOMPARE(readBytes(SpDir + QStringLiteral("А.01_SP.Dat")),
             fileBytes("1|Б.11|Втулка|2|шт|\n2|Б.12|Кольцо|1|шт|\nПрочие\n"));
    QCOMPARE(readBytes(SpDir + QStringLiteral("В_02_SP.Dat")), fileBytes("4|Г.04|Винт|4|шт|\n"));
    QCOMPARE(readBytes(SpDir + QStringLiteral("Д.05_SP.Dat")), QByteArray("left alone"));
}

void TestTreeFiles::specificationOfOneNode()
{
    Builder b;
    setTree(b.catalog(), "Насос\n\tРаздел\n\t\t6|Ж.06|Шплинт|1|шт|\n\t2|К.02|Кран|1|шт|\n"
                         "\t\t1|Л.01|Лист|1|шт|\n");
    b.form->N17Click();
    QCOMPARE(filesIn(SpDir), QStringList());
    select(b.catalog(), QStringLiteral("2|К.02|Кран|1|шт|"));
    b.form->N17Click();
    select(b.catalog(), QStringLiteral("Раздел"));
    b.form->N17Click();
    QCOMPARE(filesIn(SpDir), QStringList({"_SP.Dat", "К.02_SP.Dat"}));
    QCOMPARE(readBytes(SpDir + QStringLiteral("_SP.Dat")), fileBytes("6|Ж.06|Шплинт|1|шт|\n"));
}

void TestTreeFiles::specificationFailureStopsWalk()
{
    Builder b;
    const QString tooLong = QString(200, QChar(u'Ж'));
    setTree(b.catalog(), "Насос\n\t1|А.01|||\n\t\tx\n\t2|LONG|||\n\t\ty\n\t3|В.03|||\n\t\tz\n");
    node(b.catalog(), QStringLiteral("2|LONG|||"))->setText(0, "2|" + tooLong + "|||");
    answerMessageBox(QMessageBox::Ok);
    b.form->N16Click();
    QCOMPARE(seenMessages().size(), 1);
    QVERIFY(seenMessages().first().contains(tooLong + "_SP.Dat"));
    QCOMPARE(filesIn(SpDir), QStringList({"А.01_SP.Dat"}));
}

void TestTreeFiles::closing_data()
{
    QTest::addColumn<QString>("catalog");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("empty trees: no question") << ""
                                              << "" << 0 << "" << true << QStringList();
    QTest::newRow("Cancel: closes and clears")
        << ""
        << "S\n"
        << int(QMessageBox::Cancel) << "" << true << QStringList();
    QTest::newRow("OK: saves the pair")
        << "R\n"
        << "S\n"
        << int(QMessageBox::Ok) << "kept" << true << QStringList({"kept.dat", "kept.datx"});
    QTest::newRow("OK, dialog cancelled: stays open")
        << "R\n"
        << "" << int(QMessageBox::Ok) << "" << false << QStringList();
    QTest::newRow("OK, save fails: stays open")
        << "R\n"
        << "S\n"
        << int(QMessageBox::Ok) << "blocked" << false << QStringList();
}

void TestTreeFiles::closing()
{
    QFETCH(QString, catalog);
    QFETCH(QString, source);
    QFETCH(int, answer);
    QFETCH(QString, chosen);
    QFETCH(bool, closed);
    QFETCH(QStringList, files);
    Builder b;
    setTree(b.catalog(), catalog.toUtf8());
    setTree(b.source(), source.toUtf8());
    QDir().mkpath(b.program.path("blocked.dat"));
    const QStringList before = filesIn(b.program.baseDir());
    b.show();
    if (answer) {
        answerMessageBox(answer);
        if (answer == QMessageBox::Ok)
            answerFile(chosen.isEmpty() ? QString() : b.program.path(chosen));
        if (chosen == "blocked")
            answerMessageBox(QMessageBox::Ok);
    }
    b.form->close();
    QVERIFY(modalAnswersDone());
    QCOMPARE(b.form->isVisible(), !closed);
    QCOMPARE(seenMessages().value(0), answer ? QStringLiteral("Сохранить все?") : QString());
    QStringList made = filesIn(b.program.baseDir());
    for (const QString &name : before)
        made.removeOne(name);
    QCOMPARE(made, files);
    if (closed) {
        QCOMPARE(shape(b.catalog()) + shape(b.source()), QString());
    } else {
        QCOMPARE(shape(b.catalog()), QStringLiteral("R"));
        QCOMPARE(shape(b.source()), source.trimmed());
    }
}

void TestTreeFiles::treeReachesMainWindow()
{
    Builder b;
    writeBytes(b.program.path("import.dat"), "");
    writeBytes(b.program.path("import.datx"), fileBytes("1|Н.00|Насос|1|шт|\n"
                                                        "\t1|К.01|Корпус|1|шт|\n"
                                                        "\t\t1|Б.01|Болт|4|шт|\n"
                                                        "\t2|Р.02|Ротор|1|шт|\n"));
    TForm1 *main = b.program.form();
    answerNextModal([&](QWidget *) {
        answerFile(b.program.path("import.dat"));
        b.form->N1Click();
        answerInput(QStringLiteral("Насос"));
        b.form->N9Click();
        b.source()->expandAll();
        b.catalog()->expandAll();
        select(b.source(), QStringLiteral("1|К.01|Корпус|1|шт|"));
        b.form->TreeView1DragOver(b.source(), pointOf(b.catalog(), "Насос"));
        b.form->TreeView1DragDrop(b.source(), pointOf(b.catalog(), "Насос"));
        select(b.source(), QStringLiteral("2|Р.02|Ротор|1|шт|"));
        select(b.catalog(), QStringLiteral("Насос"));
        b.form->Button1Click();
        answerFile(b.program.path("Tree.dat"));
        b.form->N2Click();
        b.form->N16Click();
        answerMessageBox(QMessageBox::Cancel);
        b.form->close();
    });
    main->N5Click();
    QVERIFY(modalAnswersDone());
    QVERIFY(!b.form->isVisible());
    main->N10Click();
    QCOMPARE(shape(main->TreeView1), QStringLiteral("Насос(1|К.01|Корпус|1|шт|(1|Б.01|Болт|4|шт|),"
                                                    "2|Р.02|Ротор|1|шт|)"));
    main->Sp1Click();
    QCOMPARE(main->FileListBox1->count(), 1);
    QCOMPARE(main->FileListBox1->item(0)->text(), QStringLiteral("К.01_SP.Dat"));
}

QTEST_MAIN(TestTreeFiles)
#include "tst_treefiles.moc"
