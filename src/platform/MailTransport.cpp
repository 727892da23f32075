// Handing a mail message to the system's mail program.
#include "platform/MailTransport.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#include <mapi.h>

#include <list>
#include <vector>
#endif

using namespace SimpleMapi;

namespace {

MailTransport *&installed()
{
    static MailTransport *transport = nullptr;
    return transport;
}

// A recipient xdg-email can take as an address: it reads any argument that starts with "-"
// as an option and anything without "@" as a mistake.
bool usableAddress(const QString &text)
{
    return text.contains(QLatin1Char('@')) && !text.startsWith(QLatin1Char('-'));
}

// xdg-email's exit statuses.
enum XdgStatus { XdgSuccess = 0, XdgSyntax = 1, XdgFileMissing = 2, XdgNoMethod = 3, XdgFailed = 4, XdgNoPermission = 5 };

} // namespace

MailTransport &MailTransport::instance()
{
    if (installed())
        return *installed();
#ifdef Q_OS_WIN
    static MapiSendMailTransport platform;
#else
    static XdgEmailTransport platform;
#endif
    return platform;
}

void MailTransport::setInstance(MailTransport *transport)
{
    installed() = transport;
}

XdgEmailTransport::XdgEmailTransport(QString program, int handOverMs)
    : m_program(std::move(program)), m_handOverMs(handOverMs)
{
}

QStringList XdgEmailTransport::arguments(const MapiMessage &message)
{
    // Qt passes every argument as UTF-8: say so, or xdg-email converts it once more.
    QStringList arguments{QStringLiteral("--utf8")};
    // xdg-email refuses an empty value after an option: an empty field is left out.
    if (!message.lpszSubject.isEmpty())
        arguments << QStringLiteral("--subject") << message.lpszSubject;
    if (!message.lpszNoteText.isEmpty())
        arguments << QStringLiteral("--body") << message.lpszNoteText;
    for (const MapiFileDesc &file : message.lpFiles)
        arguments << QStringLiteral("--attach") << file.lpszPathName;
    for (const MapiRecipDesc &recipient : message.lpRecips) {
        const QString address = recipient.lpszAddress.isEmpty() ? recipient.lpszName : recipient.lpszAddress;
        if (usableAddress(address))
            arguments << address;
    }
    return arguments;
}

MailResult XdgEmailTransport::resultOfExit(int exitStatus)
{
    switch (exitStatus) {
    case XdgSuccess:
        return {};
    case XdgNoMethod:
        // Nothing on the system opens a mail address: as if there were no mail service.
        return {MAPI_USER_ABORT, true};
    case XdgFileMissing:
        return {MAPI_E_ATTACHMENT_NOT_FOUND, false,
                QStringLiteral("El programa de correo no encuentra el archivo de resultados.")};
    case XdgNoPermission:
        return {MAPI_E_ATTACHMENT_OPEN_FAILURE, false,
                QStringLiteral("El programa de correo no tiene permiso para leer el archivo de resultados.")};
    case XdgSyntax:
        return {MAPI_E_FAILURE, false, QStringLiteral("El programa de correo no ha aceptado el mensaje.")};
    default:
        return {MAPI_E_FAILURE, false,
                QStringLiteral("El programa de correo ha fallado al abrir el mensaje (código de salida %1).")
                    .arg(exitStatus)};
    }
}

MailResult XdgEmailTransport::sendMail(const MapiMessage &message, quint32 flags)
{
    // The compose window is always the mail program's own: there is nothing to do without it.
    Q_UNUSED(flags);
    auto process = std::make_unique<QProcess>();
    // What it says on failure is for a terminal; the exit status says it for us.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(m_program, arguments(message));
    if (!process->waitForStarted())
        return {MAPI_USER_ABORT, true};

    // xdg-email returns once the mail program has the message; a program that was not running
    // yet keeps it until its window closes. Wait with the windows painting but taking no input,
    // as a modal hand-off would, and only for a while.
    QEventLoop loop;
    QObject::connect(process.get(), &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(m_handOverMs, &loop, &QEventLoop::quit);
    if (process->state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (process->state() != QProcess::NotRunning) {
        // The mail program is open with the message. Let it be: deleting the process object
        // would kill the student's mail program.
        QProcess *running = process.release();
        QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
        return {};
    }
    if (process->exitStatus() != QProcess::NormalExit)
        return {MAPI_E_FAILURE, false, QStringLiteral("El programa de correo se ha cerrado de forma inesperada.")};
    return resultOfExit(process->exitCode());
}

#ifdef Q_OS_WIN
MailResult MapiSendMailTransport::sendMail(const MapiMessage &message, quint32 flags)
{
    HMODULE library = LoadLibraryW(L"MAPI32.DLL");
    if (!library)
        return {MAPI_USER_ABORT, true};
    auto send = reinterpret_cast<LPMAPISENDMAIL>(GetProcAddress(library, "MAPISendMail"));
    if (!send) {
        FreeLibrary(library);
        return {MAPI_USER_ABORT, true};
    }

    // The records hold ANSI strings that must live until the call returns.
    std::list<QByteArray> strings;
    const auto ansi = [&strings](const QString &text) -> LPSTR {
        if (text.isNull())
            return nullptr;
        strings.push_back(text.toLocal8Bit());
        return strings.back().data();
    };

    std::vector<::MapiRecipDesc> recipients(message.lpRecips.size());
    for (size_t i = 0; i < recipients.size(); ++i) {
        const MapiRecipDesc &from = message.lpRecips[qsizetype(i)];
        recipients[i] = {from.ulReserved, from.ulRecipClass, ansi(from.lpszName), ansi(from.lpszAddress),
                         from.ulEIDSize, nullptr};
    }
    std::vector<::MapiFileDesc> files(message.lpFiles.size());
    for (size_t i = 0; i < files.size(); ++i) {
        const MapiFileDesc &from = message.lpFiles[qsizetype(i)];
        files[i] = {from.ulReserved, from.flFlags, from.nPosition, ansi(from.lpszPathName),
                    ansi(from.lpszFileName), nullptr};
    }
    ::MapiMessage record{};
    record.ulReserved = message.ulReserved;
    record.lpszSubject = ansi(message.lpszSubject);
    record.lpszNoteText = ansi(message.lpszNoteText);
    record.lpszMessageType = ansi(message.lpszMessageType);
    record.lpszDateReceived = ansi(message.lpszDateReceived);
    record.lpszConversationID = ansi(message.lpszConversationID);
    record.flFlags = message.flFlags;
    record.lpOriginator = nullptr;
    record.nRecipCount = ULONG(recipients.size());
    record.lpRecips = recipients.empty() ? nullptr : recipients.data();
    record.nFileCount = ULONG(files.size());
    record.lpFiles = files.empty() ? nullptr : files.data();

    const ULONG result = send(0, 0, &record, flags, 0);
    FreeLibrary(library);
    return {quint32(result), false};
}
#endif
