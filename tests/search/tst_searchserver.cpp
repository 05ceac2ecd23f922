#include "platform/workspace.h"
#include "scriptedserver.h"
#include "search/S4_TLB.h"
#include "search/archivedatabase.h"
#include "search/localarchive.h"
#include "search/searchtext.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

} // namespace

class TestSearchServer : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        setSearchServerFactory({});
        resetWorkspaceState();
    }
    void textsFromTheArchive_data();
    void textsFromTheArchive();
    void defaultFactoryOpensTheArchiveBesideTheExecutable();
    void replacedFactoryAndBack();
    void scriptedServerFailsOnDemand();
    void scriptedServerPlacesAndFiles();
};

void TestSearchServer::textsFromTheArchive_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("latin and digits")
        << QStringLiteral("M8x20 2 pcs") << QStringLiteral("M8x20 2 pcs");
    QTest::newRow("cyrillic and cp1251 signs")
        << QStringLiteral("Ёлка №5 «µ» ‰ — €") << QStringLiteral("Ёлка №5 «µ» ‰ — €");
    QTest::newRow("missing characters") << QStringLiteral("Ø8 ≤ 5") << QStringLiteral("?8 ? 5");
    QTest::newRow("surrogate pair is one character")
        << QStringLiteral("a\U0001D538b") << QStringLiteral("a?b");
    QTest::newRow("lone surrogate")
        << QString(QChar(0xD800)) + QStringLiteral("ш") << QStringLiteral("?ш");
    QTest::newRow("all missing") << QStringLiteral("ØØ") << QStringLiteral("??");
}

void TestSearchServer::textsFromTheArchive()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(fromSearchText(text), expected);
}

void TestSearchServer::defaultFactoryOpensTheArchiveBesideTheExecutable()
{
    QTemporaryDir dir;
    setWorkspacePaths(dir.filePath(QStringLiteral("ipcat")));
    const QString path = dir.filePath(QStringLiteral("archive.sqlite"));
    QCOMPARE(LocalArchive::defaultPath(), path);
    QVERIFY(searchErrorOf([] { CoTS4App::Create(); }).contains(QStringLiteral("не найден")));

    ArchiveDatabase::create(path);
    ArchiveDatabase(path).replaceStructure(
        {{{7, QStringLiteral("А-1"), QStringLiteral("Ось"), 4}}, {}});
    const std::unique_ptr<SearchServer> server = CoTS4App::Create();
    auto *local = dynamic_cast<LocalArchive *>(server.get());
    QVERIFY(local);
    QCOMPARE(local->database().path(), path);
    server->Connect();
    QCOMPARE(server->FindObject(QStringLiteral("А-1")), 7);
}

void TestSearchServer::replacedFactoryAndBack()
{
    int made = 0;
    setSearchServerFactory([&made]() -> std::unique_ptr<SearchServer> {
        ++made;
        throw SearchError(QStringLiteral("Класс не зарегистрирован, ClassID: {A98E5222}"));
    });
    // A failed creation travels as the program's one error type.
    try {
        CoTS4App::Create();
        QFAIL("no error");
    } catch (const IpcatError &error) {
        QCOMPARE(error.message(), QStringLiteral("Класс не зарегистрирован, ClassID: {A98E5222}"));
    }
    QCOMPARE(made, 1);
    setSearchServerFactory([] { return std::unique_ptr<SearchServer>(); });
    QCOMPARE(searchErrorOf([] { CoTS4App::Create(); }), QStringLiteral("Сервер архива не создан."));

    auto archive = std::make_shared<ScriptedArchive>();
    {
        ScriptedServerFactory scripted(archive);
        const std::unique_ptr<SearchServer> server = CoTS4App::Create();
        QCOMPARE(archive->serversAlive, 1);
        QCOMPARE(server->Connect(), 1);
    }
    QCOMPARE(archive->serversAlive, 0);
    // The default is back: with no workspace, the archive is looked for
    // beside the test program, where there is none.
    QVERIFY(searchErrorOf([] { CoTS4App::Create(); }).contains(LocalArchive::defaultPath()));
    QCOMPARE(archive->serversCreated, 1);
}

void TestSearchServer::scriptedServerFailsOnDemand()
{
    auto archive = std::make_shared<ScriptedArchive>();
    ScriptedServerFactory scripted(archive);
    archive->add(QStringLiteral("А"), QStringLiteral("Узел"), 3);
    archive->failOn(QStringLiteral("GetKind"), 2, QStringLiteral("Сервер занят"));
    archive->failAtCall(6);
    const std::unique_ptr<SearchServer> server = CoTS4App::Create();
    server->Connect();
    server->OpenObject(1);
    QCOMPARE(server->GetKind(), 3);
    QCOMPARE(searchErrorOf([&] { server->GetKind(); }), QStringLiteral("Сервер занят"));
    QCOMPARE(server->GetName(), QStringLiteral("Узел"));
    QCOMPARE(searchErrorOf([&] { server->CloseObject(); }),
             QStringLiteral("Сбой сервера архива (проверка)."));
    QCOMPARE(archive->calls, (QStringList{"Connect", "OpenObject(1)", "GetKind", "GetKind",
                                          "GetName", "CloseObject"}));
    archive->failCreation(
        QStringLiteral("Нет сервера, ClassID: {A98E5222-FC61-11D1-A08E-0020AF67C868}"));
    QVERIFY(searchErrorOf([] {
                CoTS4App::Create();
            }).endsWith(QStringLiteral("ClassID: {A98E5222-FC61-11D1-A08E-0020AF67C868}")));
}

void TestSearchServer::scriptedServerPlacesAndFiles()
{
    auto archive = std::make_shared<ScriptedArchive>();
    ScriptedServerFactory scripted(archive);
    const int part = archive->add(QStringLiteral("Б/1"), QStringLiteral("Болт"), 6);
    const int unit = archive->add(QStringLiteral("А"), QStringLiteral("Узел"), 3,
                                  {{part, QStringLiteral("4"), QStringLiteral("2 шт")}});
    archive->selection = {unit};
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Б_1_SP.Dat"));
    {
        const std::unique_ptr<SearchServer> server = CoTS4App::Create();
        server->LoadSelection();
        QCOMPARE(server->GetSelectedId(0), unit);
        server->OpenComposition(unit);
        server->FirstItem();
        server->OpenObject(server->GetItemId());
        QCOMPARE(server->GetPosition() + u'|' + server->GetQuantity(), QStringLiteral("4|2 шт"));
        QCOMPARE(archive->mostOpenCompositions, 1);
        server->SelectObject(server->FindObject(QStringLiteral("Б_1")));
        server->AddFile(file);
    }
    QCOMPARE(archive->openCompositions, 0);
    QCOMPARE(archive->files.size(), 1);
    QCOMPARE(archive->files[0].object, part);
    QVERIFY(!archive->files[0].existed);
}

QTEST_MAIN(TestSearchServer)
#include "tst_searchserver.moc"
