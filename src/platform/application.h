#pragma once
// The application object: a last line of defence for an error that a
// handler's guard missed.

#include <QApplication>

class IpcatApplication : public QApplication
{
public:
    IpcatApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
