#pragma once
// The one error type of the program: a clear Russian text naming what failed.

#include <QByteArray>
#include <QString>
#include <exception>

class IpcatError : public std::exception
{
public:
    explicit IpcatError(const QString &message) : m_message(message), m_utf8(message.toUtf8()) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
