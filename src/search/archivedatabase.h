#pragma once
// The local archive's SQLite file: objects, compositions, the current object
// and the files entered under objects. Every failure throws SearchError with
// a Russian text naming the archive file.

#include <QByteArray>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <functional>
#include <optional>

struct ArchiveObject {
    int id = 0;
    QString designation;
    QString name;
    int kind = 0;
};

// One place in an assembly: the same object may stand in several assemblies,
// or twice in one, each time with its own position and quantity.
struct ArchiveComponent {
    int id = 0;
    QString position;
    QString quantity;
    QString unit;
};

// A component with the object it names, as a composition is read.
struct ArchiveItem {
    ArchiveComponent place;
    std::optional<ArchiveObject> object; // none when the id names nothing
};

struct ArchiveAssembly {
    int id = 0;
    QList<ArchiveComponent> components;
};

struct ArchiveStructure {
    QList<ArchiveObject> objects;
    QList<ArchiveAssembly> assemblies;
};

struct ArchiveFileEntry {
    int number = 0; // unique in the archive
    int object = 0;
    QString name;
    qint64 size = 0;
};

class ArchiveDatabase
{
public:
    // Opens an existing archive. A file that looks read-only is opened for
    // reading, and the first change then fails with a clear message.
    explicit ArchiveDatabase(const QString &path);
    ~ArchiveDatabase();
    ArchiveDatabase(const ArchiveDatabase &) = delete;
    ArchiveDatabase &operator=(const ArchiveDatabase &) = delete;

    // Creates a new, empty archive; an existing file is never touched.
    static void create(const QString &path);

    const QString &path() const { return m_path; }

    std::optional<ArchiveObject> object(int id) const;
    // The object whose designation is exactly `designation`; an error when none.
    ArchiveObject objectByDesignation(const QString &designation) const;
    // Ids of the objects whose designation's file-name stem is `stem`.
    QList<int> objectsWithStem(const QString &stem) const;
    // Components in the order they were loaded, read in one query.
    QList<ArchiveItem> composition(int assembly) const;

    std::optional<int> currentObject() const;
    void setCurrentObject(int id);

    // Replaces every object and composition at once. Entered files stay under
    // their object ids; the current object stays when its id still exists.
    void replaceStructure(const ArchiveStructure &structure);
    int objectCount() const;

    // Returns the new entry's number.
    int addFile(int object, const QString &name, const QByteArray &content);
    QList<ArchiveFileEntry> files(int object) const;
    ArchiveFileEntry fileEntry(int number) const;
    QByteArray fileContent(int number) const;

private:
    // Owns the named Qt connection, so it goes however construction ends.
    struct Connection {
        Connection(const QString &path, bool readOnly);
        ~Connection();
        void release();
        QString name;
        QSqlDatabase db;
    };

    ArchiveDatabase(const QString &path, bool readOnly);
    QSqlQuery prepare(const QString &sql) const;
    // The statements an import runs once per object, prepared once.
    QSqlQuery &cached(std::optional<QSqlQuery> &slot, const QString &sql) const;
    void exec(QSqlQuery &query) const;
    void transaction(const std::function<void()> &work);
    [[noreturn]] void fail(const class QSqlError &error) const;
    [[noreturn]] void noFile(int number) const;
    void checkIsArchive();

    QString m_path;
    Connection m_connection;
    // After the connection, so they go before it.
    mutable std::optional<QSqlQuery> m_objectQuery;
    mutable std::optional<QSqlQuery> m_compositionQuery;
};
