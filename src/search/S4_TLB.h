#pragma once
// The archive's automation interface as the program uses it, its error type
// and the one factory through which every command gets its server object.

#include "catalog/error.h"

#include <QString>
#include <functional>
#include <memory>

// One object per command. Texts on both sides are the archive's Unicode; the
// caller turns them into the program's texts (fromSearchText in searchtext.h).
// Every failing call throws SearchError.
class SearchServer
{
public:
    virtual ~SearchServer() = default;

    virtual int Connect() = 0;
    virtual void SelectObject(int id) = 0;
    virtual int FindObject(const QString &text) = 0;
    virtual void BeginAddFiles() = 0;
    virtual void EndAddFiles() = 0;
    virtual void OpenObject(int id) = 0;
    virtual void CloseObject() = 0;
    virtual QString GetDesignation() = 0;
    virtual QString GetName() = 0;
    virtual void OpenArchive() = 0;
    virtual void CloseArchive() = 0;
    virtual void LoadSelection() = 0;
    virtual int GetSelectionCount() = 0;
    virtual int GetSelectedId(int index) = 0;
    virtual void OpenComposition(int id) = 0;
    virtual void CloseComposition() = 0;
    virtual int GetItemId() = 0;
    virtual QString GetQuantity() = 0;
    virtual int GetItemCount() = 0;
    virtual void FirstItem() = 0;
    virtual void NextItem() = 0;
    virtual QString GetPosition() = 0;
    virtual int GetKind() = 0;
    virtual void AddFile(const QString &path) = 0;
};

// A failed server call or creation; the message is the server's description.
class SearchError : public IpcatError
{
public:
    explicit SearchError(const QString &description) : IpcatError(description) {}
};

using SearchServerFactory = std::function<std::unique_ptr<SearchServer>()>;

// Replaces the factory behind CoTS4App::Create; an empty function puts the
// default back (the automation server where it is registered, otherwise the
// local archive beside the executable).
void setSearchServerFactory(SearchServerFactory factory);

// The creator of the archive's server object, one per command.
struct CoTS4App {
    static std::unique_ptr<SearchServer> Create();
};
