#include "application.h"

#include "catalog/error.h"
#include "guard.h"

IpcatApplication::IpcatApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool IpcatApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    guarded(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
