#include "guard.h"

#include "catalog/error.h"

#include <QMessageBox>
#include <new>

void showError(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Ошибка"), message, QMessageBox::Ok,
                    parent);
    box.exec();
}

bool guarded(QWidget *parent, const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const IpcatError &error) {
        showError(parent, error.message());
    } catch (const std::bad_alloc &) {
        showError(parent, QStringLiteral("Недостаточно памяти для выполнения команды."));
    } catch (const std::exception &error) {
        showError(parent, QString::fromLocal8Bit(error.what()));
    }
    return false;
}
