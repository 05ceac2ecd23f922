#include "structurefile.h"

#include "catalog/error.h"
#include "catalog/textfile.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>

namespace {

QString syntaxProblem(QJsonParseError::ParseError error)
{
    switch (error) {
    case QJsonParseError::UnterminatedObject:
        return QStringLiteral("объект не закрыт знаком \"}\"");
    case QJsonParseError::MissingNameSeparator:
        return QStringLiteral("после имени поля нет \":\"");
    case QJsonParseError::UnterminatedArray:
        return QStringLiteral("массив не закрыт знаком \"]\"");
    case QJsonParseError::MissingValueSeparator:
        return QStringLiteral("между значениями нет \",\"");
    case QJsonParseError::IllegalNumber:
    case QJsonParseError::TerminationByNumber:
        return QStringLiteral("неверное число");
    case QJsonParseError::IllegalEscapeSequence:
        return QStringLiteral("неверная последовательность с \"\\\"");
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("текст не в кодировке UTF-8");
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("строка не закрыта кавычкой");
    case QJsonParseError::MissingObject:
        return QStringLiteral("ожидался объект \"{...}\"");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("слишком глубокая вложенность");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("файл слишком велик");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("лишний текст после конца данных");
    default:
        return QStringLiteral("неверное значение");
    }
}

class Reader
{
public:
    explicit Reader(const QString &path) : m_path(path) {}

    [[noreturn]] void fail(const QString &problem) const
    {
        throw IpcatError(QStringLiteral("Файл структуры \"%1\": %2.").arg(m_path, problem));
    }

    QJsonObject parse(const QByteArray &json) const
    {
        QByteArray text = json;
        if (text.startsWith("\xEF\xBB\xBF"))
            text.remove(0, 3);
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(text, &error);
        if (error.error != QJsonParseError::NoError) {
            const QByteArray before = text.left(error.offset);
            const qsizetype lineStart = before.lastIndexOf('\n') + 1;
            fail(QStringLiteral("ошибка синтаксиса JSON в строке %1, столбце %2: %3")
                     .arg(before.count('\n') + 1)
                     .arg(QString::fromUtf8(before.mid(lineStart)).size() + 1)
                     .arg(syntaxProblem(error.error)));
        }
        if (!document.isObject())
            fail(QStringLiteral("ожидался объект с полями \"objects\" и \"assemblies\""));
        return document.object();
    }

    void onlyKeys(const QJsonObject &object, const QStringList &keys, const QString &where) const
    {
        for (const QString &key : keys) {
            if (!object.contains(key))
                fail(QStringLiteral("%1: нет поля \"%2\"").arg(where, key));
        }
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!keys.contains(it.key()))
                fail(QStringLiteral("%1: лишнее поле \"%2\"").arg(where, it.key()));
        }
    }

    QJsonArray array(const QJsonObject &object, const QString &key, const QString &where) const
    {
        const QJsonValue value = object.value(key);
        if (!value.isArray())
            fail(QStringLiteral("%1: поле \"%2\" должно быть массивом").arg(where, key));
        return value.toArray();
    }

    QJsonObject element(const QJsonValue &value, const QString &where) const
    {
        if (!value.isObject())
            fail(QStringLiteral("%1 должен быть объектом \"{...}\"").arg(where));
        return value.toObject();
    }

    int integer(const QJsonObject &object, const QString &key, const QString &where) const
    {
        const QJsonValue value = object.value(key);
        const double number = value.toDouble();
        if (!value.isDouble() || number != std::floor(number) || number < -2147483648.0 ||
            number > 2147483647.0)
            fail(QStringLiteral("%1: поле \"%2\" должно быть целым числом").arg(where, key));
        return int(number);
    }

    int id(const QJsonObject &object, const QString &where) const
    {
        const int value = integer(object, QStringLiteral("id"), where);
        if (value < 1)
            fail(QStringLiteral("%1: код \"id\" %2 меньше 1").arg(where).arg(value));
        return value;
    }

    QString text(const QJsonObject &object, const QString &key, const QString &where,
                 bool numberAllowed) const
    {
        const QJsonValue value = object.value(key);
        if (value.isString())
            return value.toString();
        if (numberAllowed && value.isDouble())
            return QString::number(value.toDouble(), 'g', 15);
        fail(QStringLiteral("%1: поле \"%2\" должно быть %3")
                 .arg(where, key,
                      numberAllowed ? QStringLiteral("текстом или числом")
                                    : QStringLiteral("текстом")));
    }

private:
    QString m_path;
};

// Walks the compositions depth first without recursion, so a deep structure
// cannot exhaust the stack, and names the first cycle it meets.
void checkNoCycle(const ArchiveStructure &structure, const QHash<int, QString> &designations,
                  const Reader &reader)
{
    QHash<int, QList<int>> children;
    for (const ArchiveAssembly &assembly : structure.assemblies) {
        QList<int> &ids = children[assembly.id];
        for (const ArchiveComponent &component : assembly.components)
            ids.append(component.id);
    }
    enum State { Unseen, OnPath, Done };
    QHash<int, State> state;
    for (const ArchiveAssembly &root : structure.assemblies) {
        if (state.value(root.id) != Unseen)
            continue;
        QList<QPair<int, qsizetype>> path{{root.id, 0}};
        state[root.id] = OnPath;
        while (!path.isEmpty()) {
            auto &[id, next] = path.last();
            const QList<int> &ids = children[id];
            if (next == ids.size()) {
                state[id] = Done;
                path.removeLast();
                continue;
            }
            const int child = ids[next++];
            if (state.value(child) == OnPath) {
                QStringList cycle;
                qsizetype from = 0;
                while (path[from].first != child)
                    ++from;
                for (qsizetype i = from; i < path.size(); ++i)
                    cycle.append(QLatin1Char('"') + designations[path[i].first] + QLatin1Char('"'));
                cycle.append(QLatin1Char('"') + designations[child] + QLatin1Char('"'));
                reader.fail(QStringLiteral("сборка входит сама в себя: %1")
                                .arg(cycle.join(QStringLiteral(" → "))));
            }
            if (state.value(child) == Unseen) {
                state[child] = OnPath;
                path.append({child, 0});
            }
        }
    }
}

} // namespace

ArchiveStructure parseStructure(const QByteArray &json, const QString &path)
{
    const Reader reader(path);
    const QJsonObject top = reader.parse(json);
    const QString file = QStringLiteral("в файле");
    reader.onlyKeys(top, {QStringLiteral("objects"), QStringLiteral("assemblies")}, file);

    ArchiveStructure structure;
    QHash<int, QString> designations;
    QHash<QString, int> idOfDesignation;
    const QJsonArray objects = reader.array(top, QStringLiteral("objects"), file);
    for (qsizetype i = 0; i < objects.size(); ++i) {
        const QString where = QStringLiteral("объект №%1").arg(i + 1);
        const QJsonObject o = reader.element(objects[i], where);
        reader.onlyKeys(o,
                        {QStringLiteral("id"), QStringLiteral("designation"),
                         QStringLiteral("name"), QStringLiteral("kind")},
                        where);
        ArchiveObject object{reader.id(o, where),
                             reader.text(o, QStringLiteral("designation"), where, false),
                             reader.text(o, QStringLiteral("name"), where, false),
                             reader.integer(o, QStringLiteral("kind"), where)};
        if (object.kind < 0 || object.kind > 9)
            reader.fail(
                QStringLiteral("%1: вид \"kind\" %2 вне пределов 0-9").arg(where).arg(object.kind));
        if (object.designation.isEmpty())
            reader.fail(QStringLiteral("%1: пустое обозначение").arg(where));
        if (designations.contains(object.id))
            reader.fail(QStringLiteral("%1: код %2 уже занят").arg(where).arg(object.id));
        if (idOfDesignation.contains(object.designation))
            reader.fail(QStringLiteral("%1: обозначение \"%2\" уже есть у объекта с кодом %3")
                            .arg(where, object.designation)
                            .arg(idOfDesignation[object.designation]));
        designations.insert(object.id, object.designation);
        idOfDesignation.insert(object.designation, object.id);
        structure.objects.append(object);
    }

    QSet<int> assembled;
    const QJsonArray assemblies = reader.array(top, QStringLiteral("assemblies"), file);
    for (qsizetype i = 0; i < assemblies.size(); ++i) {
        QString where = QStringLiteral("сборка №%1").arg(i + 1);
        const QJsonObject a = reader.element(assemblies[i], where);
        reader.onlyKeys(a, {QStringLiteral("id"), QStringLiteral("components")}, where);
        ArchiveAssembly assembly{reader.id(a, where), {}};
        if (!designations.contains(assembly.id))
            reader.fail(QStringLiteral("%1: нет объекта с кодом %2").arg(where).arg(assembly.id));
        if (assembled.contains(assembly.id))
            reader.fail(QStringLiteral("%1: состав объекта \"%2\" уже задан")
                            .arg(where, designations[assembly.id]));
        assembled.insert(assembly.id);
        where = QStringLiteral("состав \"%1\"").arg(designations[assembly.id]);
        const QJsonArray components = reader.array(a, QStringLiteral("components"), where);
        for (qsizetype j = 0; j < components.size(); ++j) {
            const QString at = QStringLiteral("%1, компонент №%2").arg(where).arg(j + 1);
            const QJsonObject c = reader.element(components[j], at);
            reader.onlyKeys(c,
                            {QStringLiteral("id"), QStringLiteral("position"),
                             QStringLiteral("quantity"), QStringLiteral("unit")},
                            at);
            ArchiveComponent component{reader.id(c, at),
                                       reader.text(c, QStringLiteral("position"), at, true),
                                       reader.text(c, QStringLiteral("quantity"), at, true),
                                       reader.text(c, QStringLiteral("unit"), at, false)};
            if (!designations.contains(component.id))
                reader.fail(QStringLiteral("%1: нет объекта с кодом %2").arg(at).arg(component.id));
            // The archive hands quantity and unit over as one text split at
            // the first space.
            if (component.quantity.contains(QLatin1Char(' ')))
                reader.fail(QStringLiteral("%1: в количестве \"%2\" есть пробел")
                                .arg(at, component.quantity));
            assembly.components.append(component);
        }
        structure.assemblies.append(assembly);
    }
    checkNoCycle(structure, designations, reader);
    return structure;
}

ArchiveStructure readStructureFile(const QString &path)
{
    return parseStructure(readFileBytes(path), path);
}
