#include "catalog/codec.h"
#include "catalog/error.h"
#include "catalog/specfile.h"
#include "catalog/textfile.h"
#include "catalog/treefile.h"
#include "programfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

TreeNode node(const char *text, std::vector<TreeNode> children = {})
{
    return {QString::fromUtf8(text), std::move(children)};
}

// The tree as indented lines, depth shown by "." per level, for compact comparisons.
QStringList outline(const CatalogTree &tree)
{
    QStringList lines;
    forEachPreOrder(
        tree, [&](const TreeNode &n, int depth) { lines.append(QString(depth, u'.') + n.text); });
    return lines;
}

} // namespace

class TestCatalogFiles : public QObject
{
    Q_OBJECT
private slots:
    void codecRoundTripsEveryByte();
    void lineRules_data();
    void lineRules();
    void saveTreeIsByteExact();
    void loadTree_data();
    void loadTree();
    void levelErrorLeavesNoPartialTree();
    void loadMissingFileNamesIt();
    void unencodableTextKeepsOldFile();
    void writeIntoMissingFolderFails();
    void specFile();
    void sectionList();
};

void TestCatalogFiles::codecRoundTripsEveryByte()
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const QString text = cp1251::decode(all);
    QCOMPARE(text.size(), all.size());
    QCOMPARE(cp1251::encodeForFile(text, QString()), all);
    QCOMPARE(cp1251::decode(cp(("Ёж"))), QStringLiteral("Ёж"));
    QCOMPARE(cp("Ёж"), QByteArray("\xA8\xE6"));
}

void TestCatalogFiles::lineRules_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("cr") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("no final break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("inner empty line") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("lf cr is two breaks") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("nul ends text") << QByteArray("a\r\nb\0c\r\nd\r\n", 11) << QStringList{"a", "b"};
    QTest::newRow("empty") << QByteArray() << QStringList{};
    QTest::newRow("one break") << QByteArray("\r\n") << QStringList{""};
}

void TestCatalogFiles::lineRules()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(decodeLines(bytes), lines);
}

void TestCatalogFiles::saveTreeIsByteExact()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.dat");
    const CatalogTree tree{node("R", {node("A", {node("C")}), node("B")}), node("Вал|1|")};
    SaveTreeFile(tree, path);
    QCOMPARE(readBytes(path), QByteArray("R\r\n\tA\r\n\t\tC\r\n\tB\r\n") + cp("Вал|1|") + "\r\n");
    QCOMPARE(outline(LoadTreeFile(path)), outline(tree));

    SaveTreeFile({}, path);
    QCOMPARE(QFileInfo(path).size(), 0);
    QVERIFY(LoadTreeFile(path).empty());
}

void TestCatalogFiles::loadTree_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("outline");
    QTest::newRow("crlf") << QByteArray("R\r\n\tA\r\n\t\tC\r\n\tB\r\n")
                          << QStringList{"R", ".A", "..C", ".B"};
    QTest::newRow("lf") << QByteArray("R\n\tA\n\t\tC\n\tB\n")
                        << QStringList{"R", ".A", "..C", ".B"};
    QTest::newRow("cr") << QByteArray("R\r\tA\r\t\tC\r\tB\r")
                        << QStringList{"R", ".A", "..C", ".B"};
    QTest::newRow("first line deep") << QByteArray("\t\tR\r\n\tA\r\n") << QStringList{"R", ".A"};
    QTest::newRow("up two levels")
        << QByteArray("R\r\n\tA\r\n\t\tC\r\nS\r\n") << QStringList{"R", ".A", "..C", "S"};
    QTest::newRow("space is a level") << QByteArray("R\r\n A\r\n") << QStringList{"R", ".A"};
    QTest::newRow("empty line is top level")
        << QByteArray("R\r\n\tA\r\n\r\nB\r\n") << QStringList{"R", ".A", "", "B"};
    QTest::newRow("only line breaks") << QByteArray("\r\n\r\n\n") << QStringList{"", "", ""};
    QTest::newRow("nul bytes") << QByteArray("R\r\n\tA\0\r\n\t\t\t\tX", 14)
                               << QStringList{"R", ".A"};
    QTest::newRow("utf8 read as cp1251") << QByteArray("\xD0\x9D") << QStringList{"РќЂ"};
}

void TestCatalogFiles::loadTree()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, outline);
    QTemporaryDir dir;
    writeBytes(dir.filePath("t.dat"), bytes);
    QStringList got = ::outline(LoadTreeFile(dir.filePath("t.dat")));
    if (QByteArray(QTest::currentDataTag()) == "utf8 read as cp1251")
        outline = {cp1251::decode(QByteArray("\xD0\x9D"))};
    QCOMPARE(got, outline);
}

void TestCatalogFiles::levelErrorLeavesNoPartialTree()
{
    try {
        parseTreeBytes(cp("Насос\r\n\tКорпус\r\n\t\t\tБолт\r\n"));
        QFAIL("no error");
    } catch (const IpcatError &error) {
        QCOMPARE(error.message(), QStringLiteral("Invalid level (3) for item \"Болт\""));
    }
    QTemporaryDir dir;
    writeBytes(dir.filePath("bad.dat"), "R\r\n\t\tX\r\n");
    try {
        LoadTreeFile(dir.filePath("bad.dat"));
        QFAIL("no error");
    } catch (const IpcatError &error) {
        QVERIFY(error.message().startsWith("Invalid level (2) for item \"X\""));
        QVERIFY(error.message().contains(dir.filePath("bad.dat")));
    }
}

void TestCatalogFiles::loadMissingFileNamesIt()
{
    QTemporaryDir dir;
    for (const QString &path : {dir.filePath("нет.dat"), dir.path()}) {
        try {
            LoadTreeFile(path);
            QFAIL("no error");
        } catch (const IpcatError &error) {
            QVERIFY2(error.message().contains(path), qPrintable(error.message()));
        }
    }
}

void TestCatalogFiles::unencodableTextKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.dat");
    writeBytes(path, "old\r\n");
    try {
        SaveTreeFile({node("R", {node("日本")})}, path);
        QFAIL("no error");
    } catch (const IpcatError &error) {
        QVERIFY(error.message().contains(path));
        QVERIFY(error.message().contains(QStringLiteral("日")));
    }
    QCOMPARE(readBytes(path), QByteArray("old\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"t.dat"});
}

void TestCatalogFiles::writeIntoMissingFolderFails()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("нет/t.dat");
    try {
        writeTextLines(path, {"a"});
        QFAIL("no error");
    } catch (const IpcatError &error) {
        QVERIFY(error.message().contains(path));
    }
}

void TestCatalogFiles::specFile()
{
    QTemporaryDir dir;
    const QString sp = dir.path() + "/";
    QVERIFY(!WriteSpecFile({}, "A", sp));
    QVERIFY(!QFile::exists(sp + "A_SP.Dat"));
    QVERIFY(WriteSpecFile({QStringLiteral("1|Б/1|Вал|2|шт|"), QStringLiteral("Раздел")},
                          QStringLiteral("АБ/В|1"), sp));
    QCOMPARE(readBytes(sp + QStringLiteral("АБ_В_1_SP.Dat")), cp("1|Б/1|Вал|2|шт|\r\nРаздел\r\n"));
    QVERIFY(WriteSpecFile({"x"}, "", sp));
    QVERIFY(QFile::exists(sp + "_SP.Dat"));
}

void TestCatalogFiles::sectionList()
{
    QTemporaryDir dir;
    const QString base = dir.path() + "/";
    QVERIFY_THROWS_EXCEPTION(IpcatError, readSectionList(base));
    writeSectionList(base, {QStringLiteral("Раздел 1"), QStringLiteral("Раздел 1")});
    QCOMPARE(readBytes(base + "Razdel"), cp("Раздел 1\r\nРаздел 1\r\n"));
    QCOMPARE(readSectionList(base),
             QStringList({QStringLiteral("Раздел 1"), QStringLiteral("Раздел 1")}));
}

QTEST_APPLESS_MAIN(TestCatalogFiles)
#include "tst_catalogfiles.moc"
