#include "S4_TLB.h"

#include "localarchive.h"

#ifdef _WIN32
#include "comsearchserver.h"
#endif

namespace {

std::unique_ptr<SearchServer> createDefaultServer()
{
#ifdef _WIN32
    // The real archive wins wherever its automation server is registered.
    if (auto server = createComSearchServer())
        return server;
#endif
    return std::make_unique<LocalArchive>(LocalArchive::defaultPath());
}

SearchServerFactory &factory()
{
    static SearchServerFactory current;
    return current;
}

} // namespace

void setSearchServerFactory(SearchServerFactory replacement)
{
    factory() = std::move(replacement);
}

std::unique_ptr<SearchServer> CoTS4App::Create()
{
    std::unique_ptr<SearchServer> server = factory() ? factory()() : createDefaultServer();
    // Callers use the object at once; a factory that gave none must not crash them.
    if (!server)
        throw SearchError(QStringLiteral("Сервер архива не создан."));
    return server;
}
