#include "app/program.h"
#include "platform/application.h"

#ifdef _WIN32
#include "search/comcore.h"
#endif

int main(int argc, char **argv)
{
#ifdef _WIN32
    // The archive's automation server is called from this thread only.
    s4com::Apartment apartment;
#endif
    IpcatApplication application(argc, argv);
    startProgram(QApplication::applicationFilePath());
    const int code = application.exec();
    stopProgram();
    return code;
}
