#pragma once
// A scripted archive server for tests: objects and compositions held in
// memory, every call logged, and any call made to fail on demand.

#include "search/S4_TLB.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QStringList>
#include <functional>
#include <memory>

// One place in a composition, with the texts the server hands out for it.
struct ScriptedItem {
    int id = 0;
    QString position;
    QString quantity; // the whole text: quantity, a space, unit
};

struct ScriptedObject {
    QString designation;
    QString name;
    int kind = 4;
    QList<ScriptedItem> components;
    // What GetPosition and GetQuantity give outside a composition.
    QString position;
    QString quantity;
};

struct ScriptedFile {
    int object = 0; // as selected by SelectObject (0 when none was)
    QString path;
    bool existed = false;
    QByteArray content; // the file's bytes when AddFile was called
};

class ScriptedArchive
{
public:
    QMap<int, ScriptedObject> objects;
    QList<int> selection; // what LoadSelection takes
    int connectResult = 1;

    // What happened: every call as "Name" or "Name(argument)", in order.
    QStringList calls;
    QList<ScriptedFile> files;
    int serversCreated = 0;
    int serversAlive = 0;
    int openCompositions = 0;
    int mostOpenCompositions = 0; // the most open at once

    // Makes the `occurrence`-th call (from 1) of `operation` throw SearchError.
    void failOn(const QString &operation, int occurrence = 1,
                const QString &description = QStringLiteral("Сбой сервера архива (проверка)."));
    // Makes the `number`-th call of any operation (from 1) throw.
    void failAtCall(int number,
                    const QString &description = QStringLiteral("Сбой сервера архива (проверка)."));
    // Makes the factory throw instead of creating a server.
    void failCreation(const QString &description) { m_creationFailure = description; }

    // Adds an object and returns its id (ids count from 1 in order of adding).
    int add(const QString &designation, const QString &name, int kind,
            const QList<ScriptedItem> &components = {});
    // The calls whose name is `operation`.
    int count(const QString &operation) const;

private:
    friend class ScriptedServer;
    friend class ScriptedServerFactory;
    // Logs the call and throws when it was told to fail.
    void enter(const QString &operation, const QString &argument = QString());

    struct Failure {
        QString operation; // empty: by call number
        int at = 0;
        QString description;
    };
    QList<Failure> m_failures;
    QString m_creationFailure;
};

// While it lives, CoTS4App::Create hands out scripted servers over `archive`;
// afterwards the default factory is back.
class ScriptedServerFactory
{
public:
    explicit ScriptedServerFactory(std::shared_ptr<ScriptedArchive> archive);
    ~ScriptedServerFactory();
    ScriptedServerFactory(const ScriptedServerFactory &) = delete;
    ScriptedServerFactory &operator=(const ScriptedServerFactory &) = delete;
};

// The message of the SearchError that `work` throws, or "(no error)".
QString searchErrorOf(const std::function<void()> &work);
