#include "catalog/error.h"
#include "programfixture.h"
#include "search/archivedatabase.h"
#include "search/structurefile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char Product[] = R"({
  "objects": [
    {"id": 10, "designation": "НС-100.00.000", "name": "Насос", "kind": 3},
    {"id": 11, "designation": "НС-100.01.000", "name": "Корпус в сборе", "kind": 3},
    {"id": 12, "designation": "Болт М8х20", "name": "Болт", "kind": 6},
    {"id": 13, "designation": "Провод ПВ-1", "name": "Провод", "kind": 7}
  ],
  "assemblies": [
    {"id": 10, "components": [
      {"id": 11, "position": "1", "quantity": "1", "unit": "шт"},
      {"id": 12, "position": 5, "quantity": 4, "unit": "шт"},
      {"id": 13, "position": "", "quantity": 0.75, "unit": "м"}
    ]},
    {"id": 11, "components": [{"id": 12, "position": "2", "quantity": "2", "unit": "шт"}]}
  ]
})";

struct Run {
    int code = -1;
    QString out;
    QString err;
};

QString objects(const QString &list)
{
    return QStringLiteral(R"({"objects": [%1], "assemblies": []})").arg(list);
}

} // namespace

class TestArchiveTool : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(file(QStringLiteral("archive.sqlite")));
    }
    void structureIsRead();
    void badStructures_data();
    void badStructures();
    void wholeRoundThroughTheTool();
    void toolFailures_data();
    void toolFailures();

private:
    QString file(const QString &name) const { return m_dir.filePath(name); }
    Run tool(const QStringList &arguments) const;

    QTemporaryDir m_dir;
};

Run TestArchiveTool::tool(const QStringList &arguments) const
{
    QProcess process;
    process.start(QStringLiteral(IPCAT_ARCHIVE_TOOL),
                  QStringList{QStringLiteral("--archive"), file(QStringLiteral("archive.sqlite"))} +
                      arguments);
    if (!process.waitForFinished(60000))
        qFatal("ipcat-archive did not finish");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void TestArchiveTool::structureIsRead()
{
    const ArchiveStructure s =
        parseStructure(QByteArray("\xEF\xBB\xBF") + Product, QStringLiteral("p.json"));
    QCOMPARE(s.objects.size(), 4);
    QCOMPARE(s.objects[3].designation, QStringLiteral("Провод ПВ-1"));
    QCOMPARE(s.objects[3].kind, 7);
    QCOMPARE(s.assemblies.size(), 2);
    const ArchiveComponent &wire = s.assemblies[0].components[2];
    QCOMPARE(wire.id, 13);
    QCOMPARE(wire.position, QString(""));
    QCOMPARE(wire.quantity, QStringLiteral("0.75"));
    QCOMPARE(wire.unit, QStringLiteral("м"));
    QCOMPARE(s.assemblies[0].components[1].position, QStringLiteral("5"));
    QCOMPARE(s.assemblies[0].components[1].quantity, QStringLiteral("4"));
}

void TestArchiveTool::badStructures_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, const QString &json, const char *message) {
        QTest::newRow(name) << json.toUtf8() << QString::fromUtf8(message);
    };
    const QString a = QStringLiteral(R"({"id": 1, "designation": "А", "name": "Узел", "kind": 3})");
    const QString b = QStringLiteral(R"({"id": 2, "designation": "Б", "name": "Узел", "kind": 3})");
    const QString c =
        QStringLiteral(R"({"id": 3, "designation": "В", "name": "Деталь", "kind": 4})");
    const auto with = [&](const QString &assemblies) {
        return QStringLiteral(R"({"objects": [%1, %2, %3], "assemblies": [%4]})")
            .arg(a, b, c, assemblies);
    };
    const auto part = [](int id, const char *extra = "") {
        return QStringLiteral(R"({"id": %1, "position": "1", "quantity": "1", "unit": "шт"%2})")
            .arg(id)
            .arg(QLatin1String(extra));
    };
    row("syntax", QStringLiteral("{\"objects\": [\n  {\"id\": 1,, }\n]}"),
        "ошибка синтаксиса JSON в строке 2, столбце 13");
    row("unterminated string", QStringLiteral("{\"objects\": [\"Насос"),
        "строка не закрыта кавычкой");
    row("not an object", QStringLiteral("[]"), "ожидался объект с полями");
    row("missing objects", QStringLiteral(R"({"assemblies": []})"),
        "в файле: нет поля \"objects\"");
    row("unknown top field", QStringLiteral(R"({"objects": [], "assemblies": [], "x": 1})"),
        "в файле: лишнее поле \"x\"");
    row("missing designation", objects(QStringLiteral(R"({"id": 1, "name": "Н", "kind": 3})")),
        "объект №1: нет поля \"designation\"");
    row("misspelt field",
        objects(
            QStringLiteral(R"({"id": 1, "designation": "А", "name": "Н", "knd": 3, "kind": 3})")),
        "объект №1: лишнее поле \"knd\"");
    row("kind too big",
        objects(QStringLiteral(R"({"id": 1, "designation": "А", "name": "Н", "kind": 10})")),
        "объект №1: вид \"kind\" 10 вне пределов 0-9");
    row("kind negative",
        objects(QStringLiteral(R"({"id": 1, "designation": "А", "name": "Н", "kind": -1})")),
        "вне пределов 0-9");
    row("kind not whole",
        objects(QStringLiteral(R"({"id": 1, "designation": "А", "name": "Н", "kind": 3.5})")),
        "поле \"kind\" должно быть целым числом");
    row("id zero",
        objects(QStringLiteral(R"({"id": 0, "designation": "А", "name": "Н", "kind": 3})")),
        "код \"id\" 0 меньше 1");
    row("id as text",
        objects(QStringLiteral(R"({"id": "1", "designation": "А", "name": "Н", "kind": 3})")),
        "поле \"id\" должно быть целым числом");
    row("name as number",
        objects(QStringLiteral(R"({"id": 1, "designation": "А", "name": 5, "kind": 3})")),
        "поле \"name\" должно быть текстом");
    row("empty designation",
        objects(QStringLiteral(R"({"id": 1, "designation": "", "name": "Н", "kind": 3})")),
        "пустое обозначение");
    row("id twice",
        objects(a + u',' + QString(a).replace(QStringLiteral("\"А\""), QStringLiteral("\"Я\""))),
        "объект №2: код 1 уже занят");
    row("designation twice",
        objects(a + u',' + QString(b).replace(QStringLiteral("\"Б\""), QStringLiteral("\"А\""))),
        "объект №2: обозначение \"А\" уже есть у объекта с кодом 1");
    row("component names nothing",
        with(QStringLiteral(R"({"id": 1, "components": [%1]})").arg(part(9))),
        "состав \"А\", компонент №1: нет объекта с кодом 9");
    row("assembly names nothing", with(QStringLiteral(R"({"id": 8, "components": []})")),
        "сборка №1: нет объекта с кодом 8");
    row("assembly twice",
        with(QStringLiteral(R"({"id": 1, "components": []}, {"id": 1, "components": []})")),
        "сборка №2: состав объекта \"А\" уже задан");
    row("component without unit",
        with(QStringLiteral(
            R"({"id": 1, "components": [{"id": 3, "position": "1", "quantity": "1"}]})")),
        "компонент №1: нет поля \"unit\"");
    row("space in quantity",
        with(QStringLiteral(
            R"({"id": 1, "components": [{"id": 3, "position": "1", "quantity": "1 2", "unit": "шт"}]})")),
        "в количестве \"1 2\" есть пробел");
    row("self", with(QStringLiteral(R"({"id": 1, "components": [%1]})").arg(part(1))),
        "сборка входит сама в себя: \"А\" → \"А\"");
    row("cycle of two",
        with(QStringLiteral(R"({"id": 1, "components": [%1, %2]}, {"id": 2, "components": [%3]})")
                 .arg(part(3), part(2), part(1))),
        "сборка входит сама в себя: \"А\" → \"Б\" → \"А\"");
    row("cycle below the top",
        with(
            QStringLiteral(
                R"({"id": 1, "components": [%1]}, {"id": 2, "components": [%2]}, {"id": 3, "components": [%3]})")
                .arg(part(2), part(3), part(2))),
        "сборка входит сама в себя: \"Б\" → \"В\" → \"Б\"");
}

void TestArchiveTool::badStructures()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    try {
        parseStructure(json, QStringLiteral("структура.json"));
        QFAIL("no error");
    } catch (const IpcatError &error) {
        QVERIFY2(error.message().startsWith(QStringLiteral("Файл структуры \"структура.json\": ")),
                 qPrintable(error.message()));
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
    }
}

void TestArchiveTool::wholeRoundThroughTheTool()
{
    writeBytes(file(QStringLiteral("product.json")), Product);
    Run run = tool({QStringLiteral("create")});
    QCOMPARE(run.code, 0);
    run = tool({QStringLiteral("load"), file(QStringLiteral("product.json"))});
    QCOMPARE(run.code, 0);
    QVERIFY2(run.out.contains(QStringLiteral("Загружено объектов: 4, составов: 2")),
             qPrintable(run.out));
    run = tool({QStringLiteral("select"), QStringLiteral("НС-100.00.000")});
    QCOMPARE(run.code, 0);
    QCOMPARE(ArchiveDatabase(file(QStringLiteral("archive.sqlite"))).currentObject(),
             std::optional<int>(10));

    {
        ArchiveDatabase db(file(QStringLiteral("archive.sqlite")));
        QCOMPARE(db.composition(10).size(), 3);
        db.addFile(12, QStringLiteral("Болт_SP.Dat"), cp("1|Болт|\r\n"));
        db.addFile(12, QStringLiteral("вид.Jpg"), QByteArray("\xFF\xD8\x00\xFF", 4));
    }
    run = tool({QStringLiteral("files"), QStringLiteral("Болт М8х20")});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, QStringLiteral("1\tБолт_SP.Dat\t9\n2\tвид.Jpg\t4\n"));
    run = tool({QStringLiteral("files"), QStringLiteral("НС-100.00.000")});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, QString());
    run = tool({QStringLiteral("extract"), QStringLiteral("2"), file(QStringLiteral("вид.Jpg"))});
    QCOMPARE(run.code, 0);
    QCOMPARE(readBytes(file(QStringLiteral("вид.Jpg"))), QByteArray("\xFF\xD8\x00\xFF", 4));
}

void TestArchiveTool::toolFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("no command") << QStringList() << 2 << QStringLiteral("не указана команда");
    QTest::newRow("unknown command")
        << QStringList{"drop"} << 2 << QStringLiteral("неизвестная команда \"drop\"");
    QTest::newRow("missing argument")
        << QStringList{"select"} << 2 << QStringLiteral("команде select нужно аргументов: 1");
    QTest::newRow("create twice") << QStringList{"create"} << 1 << QStringLiteral("уже существует");
    QTest::newRow("bad structure") << QStringList{"load", "bad.json"} << 1
                                   << QStringLiteral("ошибка синтаксиса JSON в строке 1");
    QTest::newRow("missing structure")
        << QStringList{"load", "none.json"} << 1 << QStringLiteral("Не найден файл");
    QTest::newRow("cycle") << QStringList{"load", "cycle.json"} << 1
                           << QStringLiteral("сборка входит сама в себя");
    QTest::newRow("unknown designation") << QStringList{"select", "НС-999"} << 1
                                         << QStringLiteral("нет объекта с обозначением \"НС-999\"");
    QTest::newRow("read-only archive") << QStringList{"select", "НС-100.00.000"} << 1
                                       << QStringLiteral("доступен только для чтения");
    QTest::newRow("unknown file number")
        << QStringList{"extract", "99", "out"} << 1 << QStringLiteral("нет файла под номером 99");
    QTest::newRow("file number not a number")
        << QStringList{"extract", "два", "out"} << 2 << QStringLiteral("номер файла \"два\"");
}

void TestArchiveTool::toolFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, message);
    writeBytes(file(QStringLiteral("product.json")), Product);
    writeBytes(file(QStringLiteral("bad.json")), "{\"objects\": [}");
    writeBytes(file(QStringLiteral("cycle.json")),
               QByteArray(Product).replace("{\"id\": 12, \"position\": \"2\"",
                                           "{\"id\": 10, \"position\": \"2\""));
    QCOMPARE(tool({QStringLiteral("create")}).code, 0);
    QCOMPARE(tool({QStringLiteral("load"), file(QStringLiteral("product.json"))}).code, 0);
    const QByteArray before = readBytes(file(QStringLiteral("archive.sqlite")));
    if (QByteArray(QTest::currentDataTag()) == "read-only archive")
        QFile::setPermissions(file(QStringLiteral("archive.sqlite")), QFileDevice::ReadOwner);
    for (QString &argument : arguments) {
        if (argument.endsWith(QLatin1String(".json")))
            argument = file(argument);
    }
    const Run run = tool(arguments);
    QCOMPARE(run.code, code);
    QVERIFY2(run.err.startsWith(QStringLiteral("ipcat-archive: ")) && run.err.contains(message),
             qPrintable(run.err));
    // A failed command leaves the archive as it was.
    QCOMPARE(readBytes(file(QStringLiteral("archive.sqlite"))), before);
    QFile::setPermissions(file(QStringLiteral("archive.sqlite")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QTEST_MAIN(TestArchiveTool)
#include "tst_archivetool.moc"
