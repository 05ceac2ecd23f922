#include "app/program.h"
#include "platform/application.h"

int main(int argc, char **argv)
{
    IpcatApplication application(argc, argv);
    startProgram(QApplication::applicationFilePath());
    const int code = application.exec();
    stopProgram();
    return code;
}
