#include "programfixture.h"
#include "scriptedserver.h"
#include "search/archivedatabase.h"
#include "search/localarchive.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Script = std::function<void(LocalArchive &)>;

// A pump whose bolt stands in two assemblies under different positions, and
// twice in the pump itself.
ArchiveStructure pump()
{
    ArchiveStructure s;
    s.objects = {{1, QStringLiteral("НС-100.00.000"), QStringLiteral("Насос"), 3},
                 {2, QStringLiteral("НС-100.01.000"), QStringLiteral("Корпус в сборе"), 3},
                 {3, QStringLiteral("НС-100.01.001"), QStringLiteral("Корпус"), 4},
                 {4, QStringLiteral("Болт М8х20"), QStringLiteral("Болт"), 6},
                 {5, QStringLiteral("НС/100|02\\001"), QStringLiteral("Шайба Ø8"), 5},
                 {6, QStringLiteral("ВП-1"), QStringLiteral("Паспорт"), 9}};
    s.assemblies = {{1,
                     {{2, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("шт")},
                      {4, QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("шт")},
                      {6, QString(), QString(), QString()},
                      {4, QString(), QStringLiteral("0.5"), QStringLiteral("кг")},
                      {5, QStringLiteral("7"), QString(), QStringLiteral("м 2")}}},
                    {2,
                     {{3, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("шт")},
                      {4, QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("шт")}}}};
    return s;
}

class ArchiveFolder
{
public:
    ArchiveFolder()
    {
        ArchiveDatabase::create(path());
        ArchiveDatabase db(path());
        db.replaceStructure(pump());
        db.setCurrentObject(1);
    }
    QString path() const { return m_dir.filePath(QStringLiteral("archive.sqlite")); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// Reads a composition the way the import does: each item opened, read and
// closed while the cursor stands on it.
QStringList readComposition(LocalArchive &archive, int assembly)
{
    QStringList lines;
    archive.OpenComposition(assembly);
    const int count = archive.GetItemCount();
    archive.FirstItem();
    for (int i = 0; i < count; ++i) {
        const int id = archive.GetItemId();
        archive.OpenObject(id);
        lines.append(QStringLiteral("%1|%2|%3|%4|%5|%6")
                         .arg(id)
                         .arg(archive.GetDesignation(), archive.GetName())
                         .arg(archive.GetKind())
                         .arg(archive.GetPosition(), archive.GetQuantity()));
        archive.CloseObject();
        archive.NextItem();
    }
    archive.CloseComposition();
    return lines;
}

bool ourConnectionsGone()
{
    for (const QString &name : QSqlDatabase::connectionNames()) {
        if (name.startsWith(QLatin1String("ipcat-local-archive")))
            return false;
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(Script)

class TestLocalArchive : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(ourConnectionsGone()); }
    void importWalkReadsPlacesInTheirAssemblies();
    void findSelectAndAddFiles();
    void protocolFaultsAreRefused_data();
    void protocolFaultsAreRefused();
    void unusableArchiveFiles_data();
    void unusableArchiveFiles();
    void readOnlyArchiveReadsButRefusesChanges();
    void replaceStructureKeepsFilesAndCurrentObject();
    void instancesOnOneFileAreIndependent();
    void createNeverTouchesAnExistingFile();
};

void TestLocalArchive::importWalkReadsPlacesInTheirAssemblies()
{
    ArchiveFolder folder;
    LocalArchive archive(folder.path());
    QCOMPARE(archive.Connect(), 1);
    archive.OpenArchive();
    QCOMPARE(archive.GetSelectionCount(), 0); // nothing taken before LoadSelection
    archive.LoadSelection();
    QCOMPARE(archive.GetSelectionCount(), 1);
    const int root = archive.GetSelectedId(0);
    QCOMPARE(root, 1);

    archive.OpenObject(root);
    QCOMPARE(archive.GetKind(), 3);
    // The object opened again inside its own open, as the import does.
    archive.OpenObject(root);
    QCOMPARE(archive.GetDesignation(), QStringLiteral("НС-100.00.000"));
    QCOMPARE(archive.GetName(), QStringLiteral("Насос"));
    QCOMPARE(archive.GetPosition(), QString());
    QCOMPARE(archive.GetQuantity(), QString());
    archive.CloseObject();
    QCOMPARE(readComposition(archive, root),
             (QStringList{QStringLiteral("2|НС-100.01.000|Корпус в сборе|3|1|1 шт"),
                          QStringLiteral("4|Болт М8х20|Болт|6|5|4 шт"),
                          QStringLiteral("6|ВП-1|Паспорт|9||"),
                          QStringLiteral("4|Болт М8х20|Болт|6||0.5 кг"),
                          QStringLiteral("5|НС/100|02\\001|Шайба Ø8|5|7| м 2")}));
    QCOMPARE(readComposition(archive, 2),
             (QStringList{QStringLiteral("3|НС-100.01.001|Корпус|4|1|1 шт"),
                          QStringLiteral("4|Болт М8х20|Болт|6|2|2 шт")}));
    QCOMPARE(readComposition(archive, 3), QStringList());
    archive.CloseObject();
    archive.CloseArchive();

    // An object opened outside any composition, or not the item under the
    // cursor, has no place.
    archive.OpenComposition(2);
    archive.FirstItem();
    archive.OpenObject(4);
    QCOMPARE(archive.GetPosition(), QString());
    archive.CloseObject();
}

void TestLocalArchive::findSelectAndAddFiles()
{
    ArchiveFolder folder;
    writeBytes(folder.file(QStringLiteral("НС_100_02_001_SP.Dat")), cp("1|Болт|\r\n"));
    writeBytes(folder.file(QStringLiteral("пусто.Jpg")), QByteArray());
    {
        LocalArchive archive(folder.path());
        archive.Connect();
        // The stem of "НС/100|02\001": every "/", "\" and "|" made "_".
        const int id = archive.FindObject(QStringLiteral("НС_100_02_001"));
        QCOMPARE(id, 5);
        archive.SelectObject(id);
        archive.BeginAddFiles();
        archive.AddFile(folder.file(QStringLiteral("НС_100_02_001_SP.Dat")));
        archive.AddFile(folder.file(QStringLiteral("пусто.Jpg")));
        archive.AddFile(folder.file(QStringLiteral("НС_100_02_001_SP.Dat")));
        archive.EndAddFiles();
    }
    // Entered files outlive the server object; a second entry of the same
    // name is a second file.
    const ArchiveDatabase db(folder.path());
    const QList<ArchiveFileEntry> files = db.files(5);
    QCOMPARE(files.size(), 3);
    QCOMPARE(files[0].name, QStringLiteral("НС_100_02_001_SP.Dat"));
    QCOMPARE(files[1].name, QStringLiteral("пусто.Jpg"));
    QCOMPARE(files[1].size, 0);
    QVERIFY(files[0].number < files[2].number);
    QCOMPARE(db.fileContent(files[2].number), cp("1|Болт|\r\n"));
    QCOMPARE(db.fileContent(files[1].number), QByteArray(""));
    QVERIFY(db.files(1).isEmpty());
}

void TestLocalArchive::protocolFaultsAreRefused_data()
{
    QTest::addColumn<Script>("script");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, Script script, const char *message) {
        QTest::newRow(name) << script << QString::fromUtf8(message);
    };
    row(
        "no Connect", [](LocalArchive &a) { a.OpenArchive(); },
        "OpenArchive: сначала нужен вызов Connect");
    row(
        "unknown object", [](LocalArchive &a) { a.OpenObject(99); },
        "OpenObject: нет объекта с кодом 99");
    row(
        "nothing open", [](LocalArchive &a) { a.GetKind(); }, "GetKind: нет открытого объекта");
    row(
        "close unopened", [](LocalArchive &a) { a.CloseObject(); },
        "CloseObject: нет открытого объекта");
    row(
        "selection without archive", [](LocalArchive &a) { a.LoadSelection(); },
        "LoadSelection: архив не открыт");
    row(
        "selected index out of range",
        [](LocalArchive &a) {
            a.OpenArchive();
            a.LoadSelection();
            a.GetSelectedId(1);
        },
        "GetSelectedId: в выборке нет объекта с номером 1");
    row(
        "two compositions open",
        [](LocalArchive &a) {
            a.OpenComposition(1);
            a.OpenComposition(2);
        },
        "OpenComposition: состав объекта с кодом 1 ещё не закрыт");
    row(
        "cursor past the end",
        [](LocalArchive &a) {
            a.OpenComposition(2);
            a.FirstItem();
            a.NextItem();
            a.NextItem();
            a.NextItem();
            a.GetItemId();
        },
        "GetItemId: курсор за концом состава объекта с кодом 2");
    row(
        "no composition", [](LocalArchive &a) { a.GetItemCount(); },
        "GetItemCount: состав не открыт");
    row(
        "find nothing", [](LocalArchive &a) { a.FindObject(QStringLiteral("НС-999")); },
        "FindObject: нет объекта, обозначение которого даёт имя \"НС-999\"");
    row(
        "find is exact", [](LocalArchive &a) { a.FindObject(QStringLiteral("нс-100.00.000")); },
        "FindObject: нет объекта");
    row(
        "select unknown", [](LocalArchive &a) { a.SelectObject(0); },
        "SelectObject: нет объекта с кодом 0");
    row(
        "add before begin",
        [](LocalArchive &a) {
            a.SelectObject(1);
            a.AddFile(QStringLiteral("/x"));
        },
        "AddFile: не было вызова BeginAddFiles");
    row(
        "add without selection",
        [](LocalArchive &a) {
            a.BeginAddFiles();
            a.AddFile(QStringLiteral("/x"));
        },
        "AddFile: не выбран объект");
    row(
        "add a missing file",
        [](LocalArchive &a) {
            a.SelectObject(1);
            a.BeginAddFiles();
            a.AddFile(QStringLiteral("/нет/такого/файла.Jpg"));
        },
        "AddFile: файл \"/нет/такого/файла.Jpg\" не найден; он не занесён");
    row(
        "add a folder",
        [](LocalArchive &a) {
            a.SelectObject(1);
            a.BeginAddFiles();
            a.AddFile(QStringLiteral("/"));
        },
        "AddFile: файл \"/\" не найден");
    row(
        "end before begin", [](LocalArchive &a) { a.EndAddFiles(); },
        "EndAddFiles: не было вызова BeginAddFiles");
}

void TestLocalArchive::protocolFaultsAreRefused()
{
    QFETCH(Script, script);
    QFETCH(QString, message);
    ArchiveFolder folder;
    LocalArchive archive(folder.path());
    if (!QByteArray(QTest::currentDataTag()).startsWith("no Connect"))
        archive.Connect();
    const QString failure = searchErrorOf([&] { script(archive); });
    QVERIFY2(failure.contains(message), qPrintable(failure));
    QVERIFY2(failure.contains(folder.path()), qPrintable(failure));
    QVERIFY(ArchiveDatabase(folder.path()).files(1).isEmpty());
}

void TestLocalArchive::unusableArchiveFiles_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("не найден. Создайте его командой");
    QTest::newRow("text") << QByteArray(200, 'x')
                          << QStringLiteral("не является базой данных SQLite");
    QTest::newRow("empty file") << QByteArray("")
                                << QStringLiteral("не является локальным архивом");
    QTest::newRow("other database")
        << QByteArray("other") << QStringLiteral("не является локальным архивом");
}

void TestLocalArchive::unusableArchiveFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("archive.sqlite"));
    if (content == "other") {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery(QStringLiteral("CREATE TABLE t(x)"), db);
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        content = readBytes(path);
    } else if (!content.isNull()) {
        writeBytes(path, content);
    }
    const QString failure = searchErrorOf([&] { LocalArchive archive(path); });
    QVERIFY2(failure.contains(message) && failure.contains(path), qPrintable(failure));
    // Nothing was written to the file.
    QCOMPARE(QFile::exists(path), !content.isNull());
    if (!content.isNull())
        QCOMPARE(readBytes(path), content);
}

void TestLocalArchive::readOnlyArchiveReadsButRefusesChanges()
{
    ArchiveFolder folder;
    writeBytes(folder.file(QStringLiteral("a.Jpg")), "jpeg");
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const QByteArray before = readBytes(folder.path());
    {
        LocalArchive archive(folder.path());
        archive.Connect();
        QCOMPARE(readComposition(archive, 2).size(), 2);
        archive.SelectObject(1);
        archive.BeginAddFiles();
        const QString failure =
            searchErrorOf([&] { archive.AddFile(folder.file(QStringLiteral("a.Jpg"))); });
        QVERIFY2(failure.contains(QStringLiteral("доступен только для чтения")),
                 qPrintable(failure));
        QVERIFY(failure.contains(folder.path()));
    }
    QCOMPARE(readBytes(folder.path()), before);
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TestLocalArchive::replaceStructureKeepsFilesAndCurrentObject()
{
    ArchiveFolder folder;
    ArchiveDatabase db(folder.path());
    const int number = db.addFile(2, QStringLiteral("a.Jpg"), "A");
    ArchiveStructure smaller = pump();
    smaller.objects.removeAt(0); // the pump, the current object, goes
    smaller.assemblies.removeAt(0);
    db.replaceStructure(smaller);
    QCOMPARE(db.objectCount(), 5);
    QCOMPARE(db.currentObject(), std::nullopt);
    QCOMPARE(db.fileEntry(number).object, 2);
    db.setCurrentObject(2);
    db.replaceStructure(pump());
    QCOMPARE(db.currentObject(), std::optional<int>(2));
    QVERIFY(searchErrorOf([&] {
                db.setCurrentObject(42);
            }).contains(QStringLiteral("нет объекта с кодом 42")));

    // A structure the database refuses leaves the old one whole.
    ArchiveStructure twice = pump();
    twice.objects.append(twice.objects.first());
    QVERIFY(searchErrorOf([&] { db.replaceStructure(twice); }).contains(folder.path()));
    QCOMPARE(db.objectCount(), 6);
    QCOMPARE(db.composition(2).size(), 2);
}

void TestLocalArchive::instancesOnOneFileAreIndependent()
{
    ArchiveFolder folder;
    LocalArchive first(folder.path());
    LocalArchive second(folder.path());
    first.Connect();
    second.Connect();
    first.OpenComposition(1);
    second.OpenComposition(2); // each object has its own composition
    QCOMPARE(first.GetItemCount(), 5);
    QCOMPARE(second.GetItemCount(), 2);
    // Servers that have read leave the file free for a writer.
    first.OpenObject(1);
    QCOMPARE(first.GetKind(), 3);
    ArchiveDatabase writer(folder.path());
    writer.setCurrentObject(2);
    QCOMPARE(writer.currentObject(), std::optional<int>(2));
    // A server that was never connected refuses, whatever the other did.
    LocalArchive third(folder.path());
    QVERIFY(searchErrorOf([&] { third.GetItemCount(); }).contains(QStringLiteral("Connect")));
}

void TestLocalArchive::createNeverTouchesAnExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("archive.sqlite"));
    writeBytes(path, "keep me");
    QVERIFY(searchErrorOf([&] {
                ArchiveDatabase::create(path);
            }).contains(QStringLiteral("уже существует")));
    QCOMPARE(readBytes(path), QByteArray("keep me"));
    const QString inMissingFolder = dir.filePath(QStringLiteral("нет/archive.sqlite"));
    QVERIFY(
        searchErrorOf([&] { ArchiveDatabase::create(inMissingFolder); }).contains(inMissingFolder));
    QVERIFY(!QFile::exists(inMissingFolder));
}

QTEST_MAIN(TestLocalArchive)
#include "tst_localarchive.moc"
