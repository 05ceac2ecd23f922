#pragma once
// The program's own archive on SQLite, standing in for the automation server
// wherever that is absent. It follows the server's protocol strictly, so a
// caller that skips a step fails here as it would against the real one.

#include "S4_TLB.h"
#include "archivedatabase.h"

#include <QHash>
#include <optional>

class LocalArchive : public SearchServer
{
public:
    // Opens an existing archive file; see ArchiveDatabase for its failures.
    explicit LocalArchive(const QString &path);

    // The archive's fixed place: "archive.sqlite" beside the executable.
    static QString defaultPath();
    static QString fileName() { return QStringLiteral("archive.sqlite"); }

    ArchiveDatabase &database() { return m_db; }

    int Connect() override;
    void SelectObject(int id) override;
    int FindObject(const QString &text) override;
    void BeginAddFiles() override;
    void EndAddFiles() override;
    void OpenObject(int id) override;
    void CloseObject() override;
    QString GetDesignation() override;
    QString GetName() override;
    void OpenArchive() override;
    void CloseArchive() override;
    void LoadSelection() override;
    int GetSelectionCount() override;
    int GetSelectedId(int index) override;
    void OpenComposition(int id) override;
    void CloseComposition() override;
    int GetItemId() override;
    QString GetQuantity() override;
    int GetItemCount() override;
    void FirstItem() override;
    void NextItem() override;
    QString GetPosition() override;
    int GetKind() override;
    void AddFile(const QString &path) override;

private:
    struct Composition {
        int assembly = 0;
        QList<ArchiveItem> items;
        qsizetype cursor = 0;
    };

    void requireConnected(const char *operation) const;
    [[noreturn]] void refuse(const char *operation, const QString &reason) const;
    const ArchiveObject &openObject(const char *operation) const;
    Composition &openComposition(const char *operation);
    // The place in the open composition that the open object stands for.
    const ArchiveComponent *currentPlace() const;
    ArchiveObject existingObject(const char *operation, int id) const;

    ArchiveDatabase m_db;
    bool m_connected = false;
    bool m_archiveOpen = false;
    bool m_addingFiles = false;
    std::optional<int> m_selectedObject;
    QList<int> m_selection;
    QList<ArchiveObject> m_openObjects; // innermost last
    std::optional<Composition> m_composition;
    // Objects read with a composition, so opening each item costs no query.
    QHash<int, ArchiveObject> m_read;
};
