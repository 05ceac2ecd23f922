#pragma once
// Runs one command; an error it raises is shown in a message box and the
// program goes on. Qt's widgets are built without exception support, so no
// error may leave a handler.

#include <QString>
#include <functional>

class QWidget;

// Returns false when the command failed (its message has been shown).
bool guarded(QWidget *parent, const std::function<void()> &command);

void showError(QWidget *parent, const QString &message);
