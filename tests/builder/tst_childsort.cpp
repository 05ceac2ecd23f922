// The order of sorted children, against the step-by-step reference.
#include "catalog/childsort.h"
#include "catalog/error.h"
#include "literalchildsort.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QString entry(const QString &position, const QString &designation)
{
    return MakeNodeText(position, designation, QStringLiteral("Деталь"), QStringLiteral("1"),
                        QStringLiteral("шт"));
}

QStringList entries(const QStringList &positions)
{
    QStringList texts;
    for (int i = 0; i < positions.size(); ++i)
        texts.append(entry(positions[i], QStringLiteral("D%1").arg(i)));
    return texts;
}

QStringList positionsIn(const QStringList &texts, const std::vector<int> &order)
{
    QStringList positions;
    for (int index : order)
        positions.append(NodeField(texts[index], 1) + u'/' + NodeField(texts[index], 2));
    return positions;
}

// Children with few distinct positions, some written in other forms and
// some texts repeated, so that every branch of the passes is met.
QStringList randomChildren(QRandomGenerator &random, int count, int range)
{
    static const QStringList odd{QStringLiteral("0%1"), QStringLiteral("+%1"),
                                 QStringLiteral(" %1")};
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        if (!texts.isEmpty() && random.bounded(4) == 0) {
            texts.append(texts[random.bounded(int(texts.size()))]);
            continue;
        }
        const int value = int(random.bounded(range)) - (random.bounded(8) == 0 ? range : 0);
        QString position = QString::number(value);
        const int form = int(random.bounded(10));
        if (form < 3 && value >= 0)
            position = odd[form].arg(value);
        else if (form == 3 && value >= 0)
            position = QStringLiteral("$%1").arg(value, 0, 16);
        texts.append(entry(position, QStringLiteral("D%1").arg(random.bounded(3))));
    }
    return texts;
}

} // namespace

class TestChildSort : public QObject
{
    Q_OBJECT
private slots:
    void order_data();
    void order();
    void failureMovesNothing_data();
    void failureMovesNothing();
    void matchesReferenceOnRandomChildren();
};

void TestChildSort::order_data()
{
    QTest::addColumn<QStringList>("positions");
    QTest::addColumn<QStringList>("expected");
    const auto row = [](const char *name, QStringList positions, QStringList expected) {
        QTest::newRow(name) << positions << expected;
    };
    row("numbers, not text", {"10", "2", "1"}, {"1/D2", "2/D1", "10/D0"});
    row("non-canonical first", {"2", "02"}, {"02/D1", "2/D0"});
    row("odd forms keep their order", {"7", "$A", "+5", "05", "3", " 12", "0x1F"},
        {"$A/D1", "+5/D2", "05/D3", " 12/D5", "0x1F/D6", "3/D4", "7/D0"});
    row("equal numbers keep order", {"4", "1", "4", "1", "4"},
        {"1/D1", "1/D3", "4/D0", "4/D2", "4/D4"});
    row("negative numbers", {"0", "-3", "-10", "5"}, {"-10/D2", "-3/D1", "0/D0", "5/D3"});
    row("extremes", {"2147483647", "-2147483648", "0"},
        {"-2147483648/D1", "0/D2", "2147483647/D0"});
    row("one child", {"9"}, {"9/D0"});
    row("no children", {}, {});
}

void TestChildSort::order()
{
    QFETCH(QStringList, positions);
    QFETCH(QStringList, expected);
    const QStringList texts = entries(positions);
    const std::vector<int> order = sortedChildOrder(texts);
    QCOMPARE(positionsIn(texts, order), expected);
    QCOMPARE(order, literalChildOrder(texts));
}

void TestChildSort::failureMovesNothing_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("message");
    QTest::newRow("letter after digit")
        << QStringList{entry("1", "A"), entry(QStringLiteral("5а"), "B")}
        << QStringLiteral("'5а' is not a valid integer value");
    QTest::newRow("section child") << QStringList{entry("1", "A"), QStringLiteral("Раздел")}
                                   << QStringLiteral("'' is not a valid integer value");
    QTest::newRow("out of range") << QStringList{entry("2147483648", "A")}
                                  << QStringLiteral("'2147483648' is not a valid integer value");
    QTest::newRow("trailing space")
        << QStringList{entry("12 ", "A")} << QStringLiteral("'12 ' is not a valid integer value");
    QTest::newRow("first failure is named") << QStringList{entry("x", "A"), entry("y", "B")}
                                            << QStringLiteral("'x' is not a valid integer value");
}

void TestChildSort::failureMovesNothing()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, message);
    try {
        sortedChildOrder(texts);
        QFAIL("no error");
    } catch (const IpcatError &error) {
        QCOMPARE(error.message(), message);
    }
}

void TestChildSort::matchesReferenceOnRandomChildren()
{
    QRandomGenerator random(1251);
    for (int round = 0; round < 3000; ++round) {
        const int count = int(random.bounded(1, 24));
        const int range = int(random.bounded(1, 8));
        const QStringList texts = randomChildren(random, count, range);
        const std::vector<int> expected = literalChildOrder(texts);
        const std::vector<int> order = sortedChildOrder(texts);
        if (order != expected)
            QFAIL(qPrintable(texts.join(u'\n')));
    }
}

QTEST_APPLESS_MAIN(TestChildSort)
#include "tst_childsort.moc"
