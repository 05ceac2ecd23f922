#include "archivedatabase.h"

#include "S4_TLB.h"
#include "catalog/nodetext.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

namespace {

const QString Driver = QStringLiteral("QSQLITE");
// Tells our archive from any other SQLite file.
const QString FormatKey = QStringLiteral("format");
const QString FormatValue = QStringLiteral("ipcat local archive 1");
const QString CurrentKey = QStringLiteral("current");

// SQLite's primary result codes.
constexpr int SqliteBusy = 5;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteNotADatabase = 26;

const QStringList Schema = {
    QStringLiteral("CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL)"),
    QStringLiteral("CREATE TABLE objects(id INTEGER PRIMARY KEY, designation TEXT NOT NULL UNIQUE,"
                   " stem TEXT NOT NULL, name TEXT NOT NULL,"
                   " kind INTEGER NOT NULL CHECK(kind BETWEEN 0 AND 9))"),
    QStringLiteral("CREATE INDEX objects_stem ON objects(stem)"),
    QStringLiteral("CREATE TABLE components(assembly INTEGER NOT NULL, line INTEGER NOT NULL,"
                   " component INTEGER NOT NULL, position TEXT NOT NULL, quantity TEXT NOT NULL,"
                   " unit TEXT NOT NULL, PRIMARY KEY(assembly, line)) WITHOUT ROWID"),
    QStringLiteral("CREATE TABLE files(number INTEGER PRIMARY KEY AUTOINCREMENT,"
                   " object INTEGER NOT NULL, name TEXT NOT NULL, content BLOB NOT NULL)"),
    QStringLiteral("CREATE INDEX files_object ON files(object, number)"),
};

QString newConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("ipcat-local-archive-%1").arg(++counter);
}

// Permission bits count even for a user, such as root, whom the system would
// let write anyway: the file was marked read-only on purpose.
// A null QString is bound as SQL NULL, which the text columns refuse.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

bool looksReadOnly(const QString &path)
{
    const QFileInfo info(path);
    return !info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner);
}

const QString &existingFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw SearchError(QStringLiteral("Локальный архив \"%1\" не найден. Создайте его командой "
                                         "\"ipcat-archive create\".")
                              .arg(path));
    if (info.isDir())
        throw SearchError(
            QStringLiteral("Локальный архив \"%1\" не открыт: это папка, а не файл.").arg(path));
    return path;
}

} // namespace

ArchiveDatabase::Connection::Connection(const QString &path, bool readOnly)
    : name(newConnectionName())
{
    if (!QSqlDatabase::isDriverAvailable(Driver))
        throw SearchError(QStringLiteral("Локальный архив недоступен: не установлен драйвер SQLite "
                                         "для Qt (пакет libqt6sql6-sqlite)."));
    db = QSqlDatabase::addDatabase(Driver, name);
    db.setDatabaseName(path);
    if (readOnly)
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        const QString reason = db.lastError().text();
        release(); // no destructor runs for a constructor that throws
        throw SearchError(QStringLiteral("Локальный архив \"%1\" не открыт: %2").arg(path, reason));
    }
}

ArchiveDatabase::Connection::~Connection()
{
    release();
}

void ArchiveDatabase::Connection::release()
{
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

ArchiveDatabase::ArchiveDatabase(const QString &path, bool readOnly)
    : m_path(path), m_connection(path, readOnly)
{
}

ArchiveDatabase::ArchiveDatabase(const QString &path)
    : ArchiveDatabase(existingFile(path), looksReadOnly(path))
{
    checkIsArchive();
}

ArchiveDatabase::~ArchiveDatabase() = default;

void ArchiveDatabase::create(const QString &path)
{
    if (QFileInfo::exists(path))
        throw SearchError(QStringLiteral("Архив не создан: файл \"%1\" уже существует.").arg(path));
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        throw SearchError(
            QStringLiteral("Архив \"%1\" не создан: нет папки \"%2\".").arg(path, folder));
    try {
        ArchiveDatabase db(path, false);
        db.transaction([&] {
            for (const QString &statement : Schema) {
                QSqlQuery query = db.prepare(statement);
                db.exec(query);
            }
            QSqlQuery format = db.prepare(QStringLiteral("INSERT INTO meta VALUES(?, ?)"));
            format.addBindValue(FormatKey);
            format.addBindValue(FormatValue);
            db.exec(format);
        });
    } catch (...) {
        // The file is ours: it did not exist before.
        QFile::remove(path);
        throw;
    }
}

void ArchiveDatabase::checkIsArchive()
{
    QSqlQuery query(m_connection.db);
    const bool read = query.exec(QStringLiteral("SELECT value FROM meta WHERE key = 'format'"));
    if (!read && query.lastError().nativeErrorCode().toInt() % 256 == SqliteNotADatabase)
        fail(query.lastError());
    if (!read || !query.next() || query.value(0).toString() != FormatValue)
        throw SearchError(QStringLiteral("Файл \"%1\" не является локальным архивом: в нём нет "
                                         "таблиц архива.")
                              .arg(m_path));
}

void ArchiveDatabase::fail(const QSqlError &error) const
{
    switch (error.nativeErrorCode().toInt() % 256) {
    case SqliteReadOnly:
        throw SearchError(QStringLiteral("Локальный архив \"%1\" доступен только для чтения: "
                                         "изменение не записано.")
                              .arg(m_path));
    case SqliteNotADatabase:
        throw SearchError(
            QStringLiteral(
                "Файл \"%1\" не является базой данных SQLite: локальный архив не открыт.")
                .arg(m_path));
    case SqliteBusy:
        throw SearchError(
            QStringLiteral("Локальный архив \"%1\" занят другой программой.").arg(m_path));
    default:
        throw SearchError(
            QStringLiteral("Ошибка локального архива \"%1\": %2").arg(m_path, error.text()));
    }
}

QSqlQuery ArchiveDatabase::prepare(const QString &sql) const
{
    QSqlQuery query(m_connection.db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(query.lastError());
    return query;
}

void ArchiveDatabase::exec(QSqlQuery &query) const
{
    if (!query.exec())
        fail(query.lastError());
}

void ArchiveDatabase::transaction(const std::function<void()> &work)
{
    QSqlDatabase &db = m_connection.db;
    if (!db.transaction())
        fail(db.lastError());
    try {
        work();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QSqlError error = db.lastError();
        db.rollback();
        fail(error);
    }
}

QSqlQuery &ArchiveDatabase::cached(std::optional<QSqlQuery> &slot, const QString &sql) const
{
    if (!slot)
        slot = prepare(sql);
    return *slot;
}

std::optional<ArchiveObject> ArchiveDatabase::object(int id) const
{
    QSqlQuery &query = cached(m_objectQuery, QStringLiteral("SELECT designation, name, kind FROM "
                                                            "objects WHERE id = ?"));
    query.bindValue(0, id);
    exec(query);
    std::optional<ArchiveObject> object;
    if (query.next())
        object = ArchiveObject{id, query.value(0).toString(), query.value(1).toString(),
                               query.value(2).toInt()};
    // A statement left active would keep the file locked for other writers.
    query.finish();
    return object;
}

ArchiveObject ArchiveDatabase::objectByDesignation(const QString &designation) const
{
    QSqlQuery query =
        prepare(QStringLiteral("SELECT id, name, kind FROM objects WHERE designation = ?"));
    query.addBindValue(designation);
    exec(query);
    if (!query.next())
        throw SearchError(QStringLiteral("В локальном архиве \"%1\" нет объекта с обозначением "
                                         "\"%2\".")
                              .arg(m_path, designation));
    return ArchiveObject{query.value(0).toInt(), designation, query.value(1).toString(),
                         query.value(2).toInt()};
}

QList<int> ArchiveDatabase::objectsWithStem(const QString &stem) const
{
    QSqlQuery query = prepare(QStringLiteral("SELECT id FROM objects WHERE stem = ? ORDER BY id"));
    query.addBindValue(stem);
    exec(query);
    QList<int> ids;
    while (query.next())
        ids.append(query.value(0).toInt());
    return ids;
}

QList<ArchiveItem> ArchiveDatabase::composition(int assembly) const
{
    QSqlQuery &query = cached(
        m_compositionQuery,
        QStringLiteral("SELECT c.component, c.position, c.quantity, c.unit, o.designation, o.name,"
                       " o.kind FROM components c LEFT JOIN objects o ON o.id = c.component"
                       " WHERE c.assembly = ? ORDER BY c.line"));
    query.bindValue(0, assembly);
    exec(query);
    QList<ArchiveItem> items;
    while (query.next()) {
        ArchiveItem item{{query.value(0).toInt(), query.value(1).toString(),
                          query.value(2).toString(), query.value(3).toString()},
                         std::nullopt};
        if (!query.isNull(4))
            item.object = ArchiveObject{item.place.id, query.value(4).toString(),
                                        query.value(5).toString(), query.value(6).toInt()};
        items.append(item);
    }
    query.finish();
    return items;
}

std::optional<int> ArchiveDatabase::currentObject() const
{
    QSqlQuery query = prepare(QStringLiteral("SELECT o.id FROM meta m JOIN objects o "
                                             "ON o.id = CAST(m.value AS INTEGER) WHERE m.key = ?"));
    query.addBindValue(CurrentKey);
    exec(query);
    if (!query.next())
        return std::nullopt;
    return query.value(0).toInt();
}

void ArchiveDatabase::setCurrentObject(int id)
{
    if (!object(id))
        throw SearchError(QStringLiteral("В локальном архиве \"%1\" нет объекта с кодом %2.")
                              .arg(m_path)
                              .arg(id));
    QSqlQuery query = prepare(QStringLiteral("INSERT OR REPLACE INTO meta VALUES(?, ?)"));
    query.addBindValue(CurrentKey);
    query.addBindValue(QString::number(id));
    exec(query);
}

void ArchiveDatabase::replaceStructure(const ArchiveStructure &structure)
{
    transaction([&] {
        for (const char *table : {"components", "objects"}) {
            QSqlQuery clear = prepare(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
            exec(clear);
        }
        QSqlQuery object = prepare(QStringLiteral("INSERT INTO objects VALUES(?, ?, ?, ?, ?)"));
        for (const ArchiveObject &o : structure.objects) {
            object.addBindValue(o.id);
            object.addBindValue(text(o.designation));
            object.addBindValue(text(Renfile(o.designation)));
            object.addBindValue(text(o.name));
            object.addBindValue(o.kind);
            exec(object);
        }
        QSqlQuery component =
            prepare(QStringLiteral("INSERT INTO components VALUES(?, ?, ?, ?, ?, ?)"));
        for (const ArchiveAssembly &assembly : structure.assemblies) {
            int line = 0;
            for (const ArchiveComponent &c : assembly.components) {
                component.addBindValue(assembly.id);
                component.addBindValue(++line);
                component.addBindValue(c.id);
                component.addBindValue(text(c.position));
                component.addBindValue(text(c.quantity));
                component.addBindValue(text(c.unit));
                exec(component);
            }
        }
    });
}

int ArchiveDatabase::objectCount() const
{
    QSqlQuery query = prepare(QStringLiteral("SELECT count(*) FROM objects"));
    exec(query);
    query.next();
    return query.value(0).toInt();
}

int ArchiveDatabase::addFile(int object, const QString &name, const QByteArray &content)
{
    QSqlQuery query =
        prepare(QStringLiteral("INSERT INTO files(object, name, content) VALUES(?, ?, ?)"));
    query.addBindValue(object);
    query.addBindValue(text(name));
    // A null array would be stored as NULL, which the column refuses.
    query.addBindValue(content.isNull() ? QByteArray("") : content);
    exec(query);
    return query.lastInsertId().toInt();
}

QList<ArchiveFileEntry> ArchiveDatabase::files(int object) const
{
    QSqlQuery query = prepare(QStringLiteral("SELECT number, name, length(content) FROM files "
                                             "WHERE object = ? ORDER BY number"));
    query.addBindValue(object);
    exec(query);
    QList<ArchiveFileEntry> entries;
    while (query.next())
        entries.append({query.value(0).toInt(), object, query.value(1).toString(),
                        query.value(2).toLongLong()});
    return entries;
}

void ArchiveDatabase::noFile(int number) const
{
    throw SearchError(QStringLiteral("В локальном архиве \"%1\" нет файла под номером %2.")
                          .arg(m_path)
                          .arg(number));
}

ArchiveFileEntry ArchiveDatabase::fileEntry(int number) const
{
    QSqlQuery query =
        prepare(QStringLiteral("SELECT object, name, length(content) FROM files WHERE number = ?"));
    query.addBindValue(number);
    exec(query);
    if (!query.next())
        noFile(number);
    return {number, query.value(0).toInt(), query.value(1).toString(), query.value(2).toLongLong()};
}

QByteArray ArchiveDatabase::fileContent(int number) const
{
    QSqlQuery query = prepare(QStringLiteral("SELECT content FROM files WHERE number = ?"));
    query.addBindValue(number);
    exec(query);
    if (!query.next())
        noFile(number);
    return query.value(0).toByteArray();
}
