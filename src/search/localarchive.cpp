#include "localarchive.h"

#include "catalog/error.h"
#include "catalog/textfile.h"
#include "platform/workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

LocalArchive::LocalArchive(const QString &path) : m_db(path) {}

QString LocalArchive::defaultPath()
{
    // BaseDir is the executable's folder once the program has started; tools
    // that never start it (ipcat-archive) lie in the same folder.
    const QString folder =
        BaseDir.isEmpty() ? QCoreApplication::applicationDirPath() + QLatin1Char('/') : BaseDir;
    return folder + fileName();
}

void LocalArchive::refuse(const char *operation, const QString &reason) const
{
    throw SearchError(QStringLiteral("Локальный архив \"%1\" отклонил вызов %2: %3")
                          .arg(m_db.path(), QLatin1String(operation), reason));
}

void LocalArchive::requireConnected(const char *operation) const
{
    if (!m_connected)
        refuse(operation, QStringLiteral("сначала нужен вызов Connect."));
}

const ArchiveObject &LocalArchive::openObject(const char *operation) const
{
    requireConnected(operation);
    if (m_openObjects.isEmpty())
        refuse(operation, QStringLiteral("нет открытого объекта."));
    return m_openObjects.last();
}

LocalArchive::Composition &LocalArchive::openComposition(const char *operation)
{
    requireConnected(operation);
    if (!m_composition)
        refuse(operation, QStringLiteral("состав не открыт."));
    return *m_composition;
}

ArchiveObject LocalArchive::existingObject(const char *operation, int id) const
{
    requireConnected(operation);
    if (const auto read = m_read.constFind(id); read != m_read.cend())
        return *read;
    std::optional<ArchiveObject> object = m_db.object(id);
    if (!object)
        refuse(operation, QStringLiteral("нет объекта с кодом %1.").arg(id));
    return *object;
}

const ArchiveComponent *LocalArchive::currentPlace() const
{
    if (!m_composition || m_openObjects.isEmpty())
        return nullptr;
    const Composition &c = *m_composition;
    if (c.cursor >= c.items.size() || c.items[c.cursor].place.id != m_openObjects.last().id)
        return nullptr;
    return &c.items[c.cursor].place;
}

int LocalArchive::Connect()
{
    m_connected = true;
    return 1;
}

void LocalArchive::SelectObject(int id)
{
    m_selectedObject = existingObject("SelectObject", id).id;
}

int LocalArchive::FindObject(const QString &text)
{
    requireConnected("FindObject");
    const QList<int> ids = m_db.objectsWithStem(text);
    if (ids.isEmpty())
        refuse("FindObject",
               QStringLiteral("нет объекта, обозначение которого даёт имя \"%1\".").arg(text));
    if (ids.size() > 1) {
        // Entering files under a guessed object would be worse than stopping.
        QStringList designations;
        for (int id : ids)
            designations.append(QLatin1Char('"') + m_db.object(id)->designation + QLatin1Char('"'));
        refuse("FindObject", QStringLiteral("имя \"%1\" дают несколько объектов: %2.")
                                 .arg(text, designations.join(QStringLiteral(", "))));
    }
    return ids.first();
}

void LocalArchive::BeginAddFiles()
{
    requireConnected("BeginAddFiles");
    m_addingFiles = true;
}

void LocalArchive::EndAddFiles()
{
    requireConnected("EndAddFiles");
    if (!m_addingFiles)
        refuse("EndAddFiles", QStringLiteral("не было вызова BeginAddFiles."));
    m_addingFiles = false;
}

void LocalArchive::OpenObject(int id)
{
    m_openObjects.append(existingObject("OpenObject", id));
}

void LocalArchive::CloseObject()
{
    openObject("CloseObject");
    m_openObjects.removeLast();
}

QString LocalArchive::GetDesignation()
{
    return openObject("GetDesignation").designation;
}

QString LocalArchive::GetName()
{
    return openObject("GetName").name;
}

int LocalArchive::GetKind()
{
    return openObject("GetKind").kind;
}

QString LocalArchive::GetPosition()
{
    openObject("GetPosition");
    const ArchiveComponent *place = currentPlace();
    return place ? place->position : QString();
}

QString LocalArchive::GetQuantity()
{
    openObject("GetQuantity");
    const ArchiveComponent *place = currentPlace();
    if (!place || (place->quantity.isEmpty() && place->unit.isEmpty()))
        return QString();
    return place->quantity + QLatin1Char(' ') + place->unit;
}

void LocalArchive::OpenArchive()
{
    requireConnected("OpenArchive");
    m_archiveOpen = true;
}

void LocalArchive::CloseArchive()
{
    requireConnected("CloseArchive");
    m_archiveOpen = false;
}

void LocalArchive::LoadSelection()
{
    requireConnected("LoadSelection");
    if (!m_archiveOpen)
        refuse("LoadSelection", QStringLiteral("архив не открыт вызовом OpenArchive."));
    m_selection.clear();
    if (const std::optional<int> current = m_db.currentObject())
        m_selection.append(*current);
}

int LocalArchive::GetSelectionCount()
{
    requireConnected("GetSelectionCount");
    return int(m_selection.size());
}

int LocalArchive::GetSelectedId(int index)
{
    requireConnected("GetSelectedId");
    if (index < 0 || index >= m_selection.size())
        refuse("GetSelectedId", QStringLiteral("в выборке нет объекта с номером %1.").arg(index));
    return m_selection[index];
}

void LocalArchive::OpenComposition(int id)
{
    const ArchiveObject assembly = existingObject("OpenComposition", id);
    if (m_composition)
        refuse("OpenComposition", QStringLiteral("состав объекта с кодом %1 ещё не закрыт.")
                                      .arg(m_composition->assembly));
    m_composition = Composition{assembly.id, m_db.composition(assembly.id), 0};
    for (const ArchiveItem &item : m_composition->items) {
        if (item.object)
            m_read.insert(item.place.id, *item.object);
    }
}

void LocalArchive::CloseComposition()
{
    openComposition("CloseComposition");
    m_composition.reset();
}

int LocalArchive::GetItemCount()
{
    return int(openComposition("GetItemCount").items.size());
}

void LocalArchive::FirstItem()
{
    openComposition("FirstItem").cursor = 0;
}

void LocalArchive::NextItem()
{
    Composition &c = openComposition("NextItem");
    if (c.cursor < c.items.size())
        ++c.cursor;
}

int LocalArchive::GetItemId()
{
    const Composition &c = openComposition("GetItemId");
    if (c.cursor >= c.items.size())
        refuse("GetItemId",
               QStringLiteral("курсор за концом состава объекта с кодом %1.").arg(c.assembly));
    return c.items[c.cursor].place.id;
}

void LocalArchive::AddFile(const QString &path)
{
    requireConnected("AddFile");
    if (!m_addingFiles)
        refuse("AddFile", QStringLiteral("не было вызова BeginAddFiles."));
    if (!m_selectedObject || !m_db.object(*m_selectedObject))
        refuse("AddFile", QStringLiteral("не выбран объект (SelectObject)."));
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        refuse("AddFile", QStringLiteral("файл \"%1\" не найден; он не занесён.").arg(path));
    QByteArray content;
    try {
        content = readFileBytes(path);
    } catch (const IpcatError &error) {
        throw SearchError(error.message());
    }
    m_db.addFile(*m_selectedObject, info.fileName(), content);
}
