// Uses every operation of the automation adapter, so the cross compiler
// checks each call and the linker every Windows function it needs. Never run.
#include "search/comcore.h"

int main()
{
    s4com::Apartment apartment;
    std::unique_ptr<s4com::Server> s = s4com::Server::create();
    if (!s)
        return 1;
    try {
        s->Connect();
        s->SelectObject(s->FindObject(L"stem"));
        s->BeginAddFiles();
        s->AddFile(L"C:\\file");
        s->EndAddFiles();
        s->OpenArchive();
        s->LoadSelection();
        if (s->GetSelectionCount() > 0)
            s->OpenObject(s->GetSelectedId(0));
        std::wstring texts =
            s->GetDesignation() + s->GetName() + s->GetPosition() + s->GetQuantity();
        s->OpenComposition(s->GetKind() + int32_t(texts.size()));
        s->GetItemCount();
        s->FirstItem();
        s->GetItemId();
        s->NextItem();
        s->CloseComposition();
        s->CloseObject();
        s->CloseArchive();
    } catch (const s4com::Error &error) {
        return int(error.code());
    }
    return 0;
}
