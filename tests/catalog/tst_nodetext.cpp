#include "catalog/error.h"
#include "catalog/nodetext.h"
#include "catalog/pairnames.h"
#include "catalog/strtoint.h"

#include <QTest>

class TestNodeText : public QObject
{
    Q_OBJECT
private slots:
    void nodeField_data();
    void nodeField();
    void makeNodeTextReadsBack();
    void renfile_data();
    void renfile();
    void pairNames_data();
    void pairNames();
    void strToInt_data();
    void strToInt();
    void canonical_data();
    void canonical();
};

void TestNodeText::nodeField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("entry") << QStringLiteral("5|A.01|Корпус|2|шт|")
                           << QStringList{"5", "A.01", "Корпус", "2", "шт"};
    QTest::newRow("section") << QStringLiteral("Раздел 1") << QStringList{"", "", "", "", ""};
    QTest::newRow("unterminated") << QStringLiteral("5|A.01") << QStringList{"5", "", "", "", ""};
    QTest::newRow("leading bar") << QStringLiteral("|A|B|C|D|")
                                 << QStringList{"", "A", "B", "C", "D"};
    QTest::newRow("bar inside a field")
        << QStringLiteral("1|A|Болт|M6|3|шт|") << QStringList{"1", "A", "Болт", "M6", "3"};
    QTest::newRow("no unit bar") << QStringLiteral("1|A|B|2|шт")
                                 << QStringList{"1", "A", "B", "2", ""};
    QTest::newRow("empty") << QString() << QStringList{"", "", "", "", ""};
}

void TestNodeText::nodeField()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(NodeField(text, k), fields.at(k - 1));
}

void TestNodeText::makeNodeTextReadsBack()
{
    const QString text = MakeNodeText("12", "АБВГ.301", "Насос", "1.5", "кг");
    QCOMPARE(text, QStringLiteral("12|АБВГ.301|Насос|1.5|кг|"));
    QCOMPARE(NodeField(text, 5), QStringLiteral("кг"));
    QCOMPARE(MakeNodeText("", "", "", "", ""), QStringLiteral("|||||"));
}

void TestNodeText::renfile_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stem");
    QTest::newRow("all three") << "A/B\\C|D"
                               << "A_B_C_D";
    QTest::newRow("untouched") << "АБВ.001 :*?<>\""
                               << "АБВ.001 :*?<>\"";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("dots stay") << ".."
                               << "..";
}

void TestNodeText::renfile()
{
    QFETCH(QString, text);
    QFETCH(QString, stem);
    QCOMPARE(Renfile(text), stem);
}

void TestNodeText::pairNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("paths"); // catalogSave, sourceSave, catalogLoad, sourceLoad
    QTest::newRow("with .dat") << "/w/tree.dat"
                               << QStringList{"/w/tree.dat", "/w/tree.datx", "/w/tree.dat",
                                              "/w/tree.datx"};
    QTest::newRow("without") << "/w/tree"
                             << QStringList{"/w/tree.dat", "/w/tree.datx", "/w/tree", ".datx"};
    QTest::newRow("first occurrence")
        << "/work.data/tree.dat"
        << QStringList{"/work.data/tree.dat", "/work.datx", "/work.data/tree.dat", "/work.datx"};
    QTest::newRow("capital .Dat") << "/w/T.Dat"
                                  << QStringList{"/w/T.Dat.dat", "/w/T.Dat.datx", "/w/T.Dat",
                                                 ".datx"};
    QTest::newRow("datx chosen") << "/w/t.datx"
                                 << QStringList{"/w/t.datx", "/w/t.datx", "/w/t.datx", "/w/t.datx"};
}

void TestNodeText::pairNames()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, paths);
    const PairPaths pair = PairNames(chosen);
    QCOMPARE(QStringList({pair.catalogSave, pair.sourceSave, pair.catalogLoad, pair.sourceLoad}),
             paths);
}

void TestNodeText::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "12" << true << 12;
    QTest::newRow("leading spaces") << "  12" << true << 12;
    QTest::newRow("plus") << "+5" << true << 5;
    QTest::newRow("minus") << "-7" << true << -7;
    QTest::newRow("zero padded") << "05" << true << 5;
    QTest::newRow("dollar hex") << "$A" << true << 10;
    QTest::newRow("0x hex") << "0x1F" << true << 31;
    QTest::newRow("negative hex") << "-$10" << true << -16;
    QTest::newRow("max") << "2147483647" << true << 2147483647;
    QTest::newRow("min") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("over max") << "2147483648" << false << 0;
    QTest::newRow("huge") << "99999999999999999999" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("spaces only") << "   " << false << 0;
    QTest::newRow("trailing space") << "12 " << false << 0;
    QTest::newRow("letters") << "1a" << false << 0;
    QTest::newRow("bare dollar") << "$" << false << 0;
    QTest::newRow("bare 0x") << "0x" << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("section text") << "Раздел" << false << 0;
    QTest::newRow("tab") << "\t1" << false << 0;
}

void TestNodeText::strToInt()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const std::optional<int> got = tryStrToInt(text);
    QCOMPARE(got.has_value(), ok);
    if (ok) {
        QCOMPARE(*got, value);
        QCOMPARE(StrToInt(text), value);
        return;
    }
    try {
        StrToInt(text);
        QFAIL("no error");
    } catch (const IpcatError &error) {
        QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void TestNodeText::canonical_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("canonical");
    QTest::newRow("plain") << "10" << true;
    QTest::newRow("negative") << "-3" << true;
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("padded") << "05" << false;
    QTest::newRow("plus") << "+5" << false;
    QTest::newRow("hex") << "$A" << false;
    QTest::newRow("spaced") << " 12" << false;
    QTest::newRow("minus zero") << "-0" << false;
}

void TestNodeText::canonical()
{
    QFETCH(QString, text);
    QFETCH(bool, canonical);
    QCOMPARE(isCanonicalInt(text), canonical);
}

QTEST_APPLESS_MAIN(TestNodeText)
#include "tst_nodetext.moc"
