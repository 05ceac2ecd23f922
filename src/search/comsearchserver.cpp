#ifdef _WIN32

#include "comsearchserver.h"

#include "comcore.h"

namespace {

// wchar_t is UTF-16 on Windows, so texts cross unchanged in both directions.
class ComSearchServer : public SearchServer
{
public:
    explicit ComSearchServer(std::unique_ptr<s4com::Server> server) : m(std::move(server)) {}

    int Connect() override
    {
        return call([&] { return m->Connect(); });
    }
    void SelectObject(int id) override
    {
        call([&] { m->SelectObject(id); });
    }
    int FindObject(const QString &text) override
    {
        return call([&] { return m->FindObject(text.toStdWString()); });
    }
    void BeginAddFiles() override
    {
        call([&] { m->BeginAddFiles(); });
    }
    void EndAddFiles() override
    {
        call([&] { m->EndAddFiles(); });
    }
    void OpenObject(int id) override
    {
        call([&] { m->OpenObject(id); });
    }
    void CloseObject() override
    {
        call([&] { m->CloseObject(); });
    }
    QString GetDesignation() override
    {
        return text([&] { return m->GetDesignation(); });
    }
    QString GetName() override
    {
        return text([&] { return m->GetName(); });
    }
    void OpenArchive() override
    {
        call([&] { m->OpenArchive(); });
    }
    void CloseArchive() override
    {
        call([&] { m->CloseArchive(); });
    }
    void LoadSelection() override
    {
        call([&] { m->LoadSelection(); });
    }
    int GetSelectionCount() override
    {
        return call([&] { return m->GetSelectionCount(); });
    }
    int GetSelectedId(int index) override
    {
        return call([&] { return m->GetSelectedId(index); });
    }
    void OpenComposition(int id) override
    {
        call([&] { m->OpenComposition(id); });
    }
    void CloseComposition() override
    {
        call([&] { m->CloseComposition(); });
    }
    int GetItemId() override
    {
        return call([&] { return m->GetItemId(); });
    }
    QString GetQuantity() override
    {
        return text([&] { return m->GetQuantity(); });
    }
    int GetItemCount() override
    {
        return call([&] { return m->GetItemCount(); });
    }
    void FirstItem() override
    {
        call([&] { m->FirstItem(); });
    }
    void NextItem() override
    {
        call([&] { m->NextItem(); });
    }
    QString GetPosition() override
    {
        return text([&] { return m->GetPosition(); });
    }
    int GetKind() override
    {
        return call([&] { return m->GetKind(); });
    }
    void AddFile(const QString &path) override
    {
        call([&] { m->AddFile(path.toStdWString()); });
    }

private:
    std::unique_ptr<s4com::Server> m;
};

} // namespace

std::unique_ptr<SearchServer> createComSearchServer()
{
    std::unique_ptr<s4com::Server> server = call([] { return s4com::Server::create(); });
    if (!server)
        return nullptr;
    return std::make_unique<ComSearchServer>(std::move(server));
}

#endif
