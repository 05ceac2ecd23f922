#include "scriptedserver.h"

#include "catalog/nodetext.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

void ScriptedArchive::failOn(const QString &operation, int occurrence, const QString &description)
{
    m_failures.append({operation, occurrence, description});
}

void ScriptedArchive::failAtCall(int number, const QString &description)
{
    m_failures.append({QString(), number, description});
}

int ScriptedArchive::add(const QString &designation, const QString &name, int kind,
                         const QList<ScriptedItem> &components)
{
    const int id = objects.isEmpty() ? 1 : objects.lastKey() + 1;
    objects.insert(id, {designation, name, kind, components, {}, {}});
    return id;
}

int ScriptedArchive::count(const QString &operation) const
{
    int n = 0;
    for (const QString &call : calls)
        n += call == operation || call.startsWith(operation + QLatin1Char('('));
    return n;
}

void ScriptedArchive::enter(const QString &operation, const QString &argument)
{
    calls.append(argument.isNull() ? operation
                                   : operation + QLatin1Char('(') + argument + QLatin1Char(')'));
    const int number = int(calls.size());
    const int occurrence = count(operation);
    for (const Failure &failure : m_failures) {
        const bool hit = failure.operation.isEmpty()
                             ? failure.at == number
                             : failure.operation == operation && failure.at == occurrence;
        if (hit)
            throw SearchError(failure.description);
    }
}

class ScriptedServer : public SearchServer
{
public:
    explicit ScriptedServer(std::shared_ptr<ScriptedArchive> archive) : a(std::move(archive))
    {
        ++a->serversCreated;
        ++a->serversAlive;
    }
    ~ScriptedServer() override
    {
        --a->serversAlive;
        a->openCompositions -= m_composition.has_value();
    }

    int Connect() override
    {
        a->enter(QStringLiteral("Connect"));
        return a->connectResult;
    }
    void SelectObject(int id) override
    {
        a->enter(QStringLiteral("SelectObject"), QString::number(id));
        m_selected = id;
    }
    int FindObject(const QString &text) override
    {
        a->enter(QStringLiteral("FindObject"), text);
        for (auto it = a->objects.cbegin(); it != a->objects.cend(); ++it) {
            if (Renfile(it->designation) == text)
                return it.key();
        }
        throw SearchError(QStringLiteral("Объект \"%1\" не найден.").arg(text));
    }
    void BeginAddFiles() override { a->enter(QStringLiteral("BeginAddFiles")); }
    void EndAddFiles() override { a->enter(QStringLiteral("EndAddFiles")); }
    void OpenObject(int id) override
    {
        a->enter(QStringLiteral("OpenObject"), QString::number(id));
        object(id);
        m_open.append(id);
    }
    void CloseObject() override
    {
        a->enter(QStringLiteral("CloseObject"));
        if (!m_open.isEmpty())
            m_open.removeLast();
    }
    QString GetDesignation() override
    {
        a->enter(QStringLiteral("GetDesignation"));
        return openObject().designation;
    }
    QString GetName() override
    {
        a->enter(QStringLiteral("GetName"));
        return openObject().name;
    }
    void OpenArchive() override { a->enter(QStringLiteral("OpenArchive")); }
    void CloseArchive() override { a->enter(QStringLiteral("CloseArchive")); }
    void LoadSelection() override
    {
        a->enter(QStringLiteral("LoadSelection"));
        m_selection = a->selection;
    }
    int GetSelectionCount() override
    {
        a->enter(QStringLiteral("GetSelectionCount"));
        return int(m_selection.size());
    }
    int GetSelectedId(int index) override
    {
        a->enter(QStringLiteral("GetSelectedId"), QString::number(index));
        if (index < 0 || index >= m_selection.size())
            throw SearchError(QStringLiteral("Нет выбранного объекта %1.").arg(index));
        return m_selection[index];
    }
    void OpenComposition(int id) override
    {
        a->enter(QStringLiteral("OpenComposition"), QString::number(id));
        const QList<ScriptedItem> items = object(id).components;
        if (!m_composition) {
            ++a->openCompositions;
            a->mostOpenCompositions = std::max(a->mostOpenCompositions, a->openCompositions);
        }
        m_composition = items;
        m_cursor = 0;
    }
    void CloseComposition() override
    {
        a->enter(QStringLiteral("CloseComposition"));
        a->openCompositions -= m_composition.has_value();
        m_composition.reset();
    }
    int GetItemId() override
    {
        a->enter(QStringLiteral("GetItemId"));
        const ScriptedItem *item = currentItem();
        if (!item)
            throw SearchError(QStringLiteral("Нет текущего элемента состава."));
        return item->id;
    }
    QString GetQuantity() override
    {
        a->enter(QStringLiteral("GetQuantity"));
        const ScriptedItem *place = currentPlace();
        return place ? place->quantity : openObject().quantity;
    }
    int GetItemCount() override
    {
        a->enter(QStringLiteral("GetItemCount"));
        return m_composition ? int(m_composition->size()) : 0;
    }
    void FirstItem() override
    {
        a->enter(QStringLiteral("FirstItem"));
        m_cursor = 0;
    }
    void NextItem() override
    {
        a->enter(QStringLiteral("NextItem"));
        ++m_cursor;
    }
    QString GetPosition() override
    {
        a->enter(QStringLiteral("GetPosition"));
        const ScriptedItem *place = currentPlace();
        return place ? place->position : openObject().position;
    }
    int GetKind() override
    {
        a->enter(QStringLiteral("GetKind"));
        return openObject().kind;
    }
    void AddFile(const QString &path) override
    {
        a->enter(QStringLiteral("AddFile"), path);
        ScriptedFile file{m_selected, path, QFileInfo(path).isFile(), {}};
        QFile source(path);
        if (file.existed && source.open(QIODevice::ReadOnly))
            file.content = source.readAll();
        a->files.append(file);
    }

private:
    const ScriptedObject &object(int id) const
    {
        const auto it = a->objects.constFind(id);
        if (it == a->objects.cend())
            throw SearchError(QStringLiteral("Нет объекта с кодом %1.").arg(id));
        return *it;
    }
    const ScriptedObject &openObject() const
    {
        if (m_open.isEmpty())
            throw SearchError(QStringLiteral("Нет открытого объекта."));
        return object(m_open.last());
    }
    const ScriptedItem *currentItem() const
    {
        if (!m_composition || m_cursor >= m_composition->size())
            return nullptr;
        return &(*m_composition)[m_cursor];
    }
    // The open composition's current place, when the open object stands there.
    const ScriptedItem *currentPlace() const
    {
        const ScriptedItem *item = currentItem();
        return item && !m_open.isEmpty() && item->id == m_open.last() ? item : nullptr;
    }

    std::shared_ptr<ScriptedArchive> a;
    QList<int> m_open;
    QList<int> m_selection;
    std::optional<QList<ScriptedItem>> m_composition;
    qsizetype m_cursor = 0;
    int m_selected = 0;
};

ScriptedServerFactory::ScriptedServerFactory(std::shared_ptr<ScriptedArchive> archive)
{
    setSearchServerFactory([archive]() -> std::unique_ptr<SearchServer> {
        if (!archive->m_creationFailure.isNull())
            throw SearchError(archive->m_creationFailure);
        return std::make_unique<ScriptedServer>(archive);
    });
}

ScriptedServerFactory::~ScriptedServerFactory()
{
    setSearchServerFactory({});
}

QString searchErrorOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const SearchError &error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}
