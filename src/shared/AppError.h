// Exceptions raised by handlers: AppError carries a Spanish message for the error box,
// SilentAbort ends a handler without any message.
#pragma once

#include <QString>
#include <exception>

class AppError : public std::exception {
public:
    explicit AppError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

class SilentAbort : public std::exception {
public:
    const char *what() const noexcept override { return "silent abort"; }
};
