#include "catalog/error.h"
#include "modal.h"
#include "scriptedserver.h"
#include "search/import.h"
#include "search/importcommand.h"

#include <QMessageBox>
#include <QTest>
#include <QTreeWidget>

namespace {

// The tree as indented lines, "." per level.
QStringList outline(const QTreeWidget *tree)
{
    QStringList lines;
    std::function<void(const QTreeWidgetItem *, int)> walk = [&](const QTreeWidgetItem *item,
                                                                 int depth) {
        lines.append(QString(depth, u'.') + item->text(0));
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        walk(tree->topLevelItem(i), 0);
    return lines;
}

// A pump: a body assembly listed twice, parts of several kinds, a document
// (kind 2), a kind-9 object with components that must not be read.
std::shared_ptr<ScriptedArchive> pumpArchive()
{
    auto a = std::make_shared<ScriptedArchive>();
    const int part = a->add("Д-1", "Деталь", 4);
    const int std5 = a->add("Болт М8", "Болт", 5);
    const int mat7 = a->add("Сталь", "Материал", 7);
    const int kit8 = a->add("К-1", "Комплект", 8);
    const int doc = a->add("СБ", "Чертёж", 2);
    const int empty = a->add("С-0", "Пустая сборка", 3);
    const int hidden = a->add("Н-9", "Прочее", 9, {{part, "1", "1 шт"}});
    const int body = a->add("С-1", "Корпус", 3, {{part, "1", "2 шт"}, {std5, "", "4 шт"}});
    a->add("Н-1", "Насос", 3,
           {{body, "1", "1 шт"},
            {doc, "2", "1 шт"},
            {hidden, "3", "1 шт"},
            {mat7, "4", "1,5 кг"},
            {kit8, "5", "1 компл"},
            {empty, "6", "1 шт"},
            {body, "7", "1 шт"}});
    a->selection = {9};
    return a;
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT
private slots:
    void init() { seenMessages().clear(); }
    void cleanup() { clearModalAnswers(); }
    void readArtData_data();
    void readArtData();
    void importsTheWholeStructure();
    void nothingSelectedLeavesTheTree();
    void notAnAssemblyAddsNothing();
    void failureKeepsWhatWasRead();
    void loopsEnd();
};

void TestImport::readArtData_data()
{
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "5"
                           << "2 шт"
                           << "5|Д|Деталь|2|шт|";
    QTest::newRow("empty position") << ""
                                    << "2 шт"
                                    << "0|Д|Деталь|2|шт|";
    QTest::newRow("two spaces") << "1"
                                << "2 шт 3"
                                << "1|Д|Деталь|2|шт 3|";
    QTest::newRow("no space") << "1"
                              << "5"
                              << "1|Д|Деталь||5|";
    QTest::newRow("empty quantity") << "1"
                                    << ""
                                    << "1|Д|Деталь|||";
    QTest::newRow("foreign characters") << "1"
                                        << "2 m³"
                                        << "1|Д|Деталь|2|m?|";
}

void TestImport::readArtData()
{
    QFETCH(QString, position);
    QFETCH(QString, quantity);
    QFETCH(QString, text);
    auto archive = std::make_shared<ScriptedArchive>();
    const int id = archive->add("Д", "Деталь", 4);
    archive->objects[id].position = position;
    archive->objects[id].quantity = quantity;
    ScriptedServerFactory factory(archive);
    const auto server = CoTS4App::Create();
    server->Connect();
    const TArtData entry = ReadArtData(*server, id);
    QCOMPARE(
        MakeNodeText(entry.Position, entry.Designation, entry.Name, entry.Quantity, entry.UnitName),
        text);
    QCOMPARE(entry.Id, id);
    QCOMPARE(entry.Kind, 4);
    QCOMPARE(archive->calls.mid(1),
             QStringList({QStringLiteral("OpenObject(%1)").arg(id), "GetDesignation", "GetName",
                          "GetKind", "GetPosition", "GetQuantity", "CloseObject"}));
}

void TestImport::importsTheWholeStructure()
{
    auto archive = pumpArchive();
    ScriptedServerFactory factory(archive);
    QTreeWidget tree;
    tree.addTopLevelItem(new QTreeWidgetItem(QStringList{"старый"}));
    tree.addTopLevelItem(new QTreeWidgetItem(QStringList{"второй"}));
    importIntoTreeView(&tree, nullptr);
    QCOMPARE(outline(&tree), QStringList({
                                 "второй",
                                 "0|Н-1|Насос|||",
                                 ".1|С-1|Корпус|1|шт|",
                                 "..1|Д-1|Деталь|2|шт|",
                                 "..0|Болт М8|Болт|4|шт|",
                                 ".4|Сталь|Материал|1,5|кг|",
                                 ".5|К-1|Комплект|1|компл|",
                                 ".6|С-0|Пустая сборка|1|шт|",
                                 ".7|С-1|Корпус|1|шт|",
                                 "..1|Д-1|Деталь|2|шт|",
                                 "..0|Болт М8|Болт|4|шт|",
                             }));
    QVERIFY(!tree.topLevelItem(1)->isExpanded());
    // Only assemblies are opened, one component list at a time, and the
    // hidden kind-9 object is never opened as a composition.
    QCOMPARE(archive->mostOpenCompositions, 1);
    QCOMPARE(archive->count("OpenComposition"), 4);
    QVERIFY(!archive->calls.contains("OpenComposition(7)"));
    QCOMPARE(archive->calls.first(), QStringLiteral("Connect"));
    QCOMPARE(archive->calls.last(), QStringLiteral("CloseArchive"));
    QCOMPARE(archive->serversAlive, 0);

    // A second import replaces the first top-level node only.
    importIntoTreeView(&tree, nullptr);
    QCOMPARE(tree.topLevelItemCount(), 2);
    QCOMPARE(tree.topLevelItem(0)->text(0), QStringLiteral("0|Н-1|Насос|||"));
}

void TestImport::nothingSelectedLeavesTheTree()
{
    auto archive = pumpArchive();
    archive->selection.clear();
    ScriptedServerFactory factory(archive);
    QTreeWidget tree;
    tree.addTopLevelItem(new QTreeWidgetItem(QStringList{"старый"}));
    importIntoTreeView(&tree, nullptr);
    QCOMPARE(outline(&tree), QStringList{"старый"});
    QCOMPARE(archive->calls, QStringList({"Connect", "OpenArchive", "LoadSelection",
                                          "GetSelectionCount", "CloseArchive"}));
}

void TestImport::notAnAssemblyAddsNothing()
{
    auto archive = pumpArchive();
    archive->selection = {1};
    ScriptedServerFactory factory(archive);
    QTreeWidget tree;
    tree.addTopLevelItem(new QTreeWidgetItem(QStringList{"старый"}));
    importIntoTreeView(&tree, nullptr);
    QCOMPARE(tree.topLevelItemCount(), 0);
}

void TestImport::failureKeepsWhatWasRead()
{
    auto archive = pumpArchive();
    archive->failOn("OpenComposition", 2, QStringLiteral("Сбой архива."));
    ScriptedServerFactory factory(archive);
    QTreeWidget tree;
    try {
        importIntoTreeView(&tree, nullptr);
        QFAIL("no error");
    } catch (const SearchError &error) {
        QCOMPARE(error.message(), QStringLiteral("Сбой архива."));
    }
    QCOMPARE(outline(&tree).mid(0, 2), QStringList({"0|Н-1|Насос|||", ".1|С-1|Корпус|1|шт|"}));
    QCOMPARE(archive->serversAlive, 0);

    archive->failCreation(QStringLiteral("Класс не зарегистрирован, ClassID: {X}"));
    QVERIFY_THROWS_EXCEPTION(SearchError, importIntoTreeView(&tree, nullptr));
}

void TestImport::loopsEnd()
{
    auto archive = std::make_shared<ScriptedArchive>();
    const int a = archive->add("А", "Верхняя", 3);
    const int b = archive->add("Б", "Нижняя", 3, {{a, "1", "1 шт"}});
    archive->objects[a].components = {{b, "1", "1 шт"}};
    archive->selection = {a};
    ScriptedServerFactory factory(archive);
    QTreeWidget tree;
    try {
        importIntoTreeView(&tree, nullptr);
        QFAIL("no error");
    } catch (const IpcatError &error) {
        QVERIFY2(error.message().contains(QStringLiteral("\"А\"")), qPrintable(error.message()));
    }
    QCOMPARE(outline(&tree),
             QStringList({"0|А|Верхняя|||", ".1|Б|Нижняя|1|шт|", "..1|А|Верхняя|1|шт|"}));
}

QTEST_MAIN(TestImport)
#include "tst_import.moc"
