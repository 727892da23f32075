// Handing a mail message to the system's mail program: the Simple MAPI records and the
// transports that deliver them (xdg-email here, MAPISendMail on Windows).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace SimpleMapi {

// Recipient classes, MAPISendMail flags and the result codes the program looks at.
inline constexpr quint32 MAPI_TO = 1;
inline constexpr quint32 MAPI_LOGON_UI = 0x1;
inline constexpr quint32 MAPI_NEW_SESSION = 0x2;
inline constexpr quint32 MAPI_DIALOG = 0x8;
inline constexpr quint32 SUCCESS_SUCCESS = 0;
inline constexpr quint32 MAPI_USER_ABORT = 1;
inline constexpr quint32 MAPI_E_FAILURE = 2;
inline constexpr quint32 MAPI_E_ATTACHMENT_NOT_FOUND = 11;
inline constexpr quint32 MAPI_E_ATTACHMENT_OPEN_FAILURE = 12;

// The records of the Simple MAPI interface with the program's own strings. A null QString
// stands for a null pointer ("none"); the entry identifier, the file type and the originator
// are always null and have no field here.
struct MapiRecipDesc {
    quint32 ulReserved = 0;
    quint32 ulRecipClass = MAPI_TO;
    QString lpszName;
    QString lpszAddress;
    quint32 ulEIDSize = 0;
};

struct MapiFileDesc {
    quint32 ulReserved = 0;
    quint32 flFlags = 0;
    quint32 nPosition = 0;
    QString lpszPathName;
    QString lpszFileName;
};

struct MapiMessage {
    quint32 ulReserved = 0;
    QString lpszSubject;
    QString lpszNoteText;
    QString lpszMessageType;
    QString lpszDateReceived;
    QString lpszConversationID;
    quint32 flFlags = 0;
    QList<MapiRecipDesc> lpRecips;
    QList<MapiFileDesc> lpFiles;

    quint32 nRecipCount() const { return quint32(lpRecips.size()); }
    quint32 nFileCount() const { return quint32(lpFiles.size()); }
};

} // namespace SimpleMapi

// What a hand-off ended with: a Simple MAPI code, whether code 1 means that there is no
// mail program at all rather than a compose window the user cancelled, and what failed, in
// Spanish, when the transport knows more than the code says.
struct MailResult {
    MailResult() = default;
    MailResult(quint32 code, bool serviceMissing, QString detail = QString())
        : code(code), serviceMissing(serviceMissing), detail(std::move(detail))
    {
    }

    quint32 code = SimpleMapi::SUCCESS_SUCCESS;
    bool serviceMissing = false;
    QString detail;
};

class MailTransport {
public:
    virtual ~MailTransport() = default;

    // Hands the message over as MAPISendMail(0, 0, message, flags, 0) would, and returns when
    // the mail program has it.
    virtual MailResult sendMail(const SimpleMapi::MapiMessage &message, quint32 flags) = 0;

    // The transport in use: this platform's unless a test installed another.
    static MailTransport &instance();
    // Installs a transport (not owned); nullptr goes back to the platform's.
    static void setInstance(MailTransport *transport);
};

// Runs xdg-email with the message as arguments: the user's mail program opens a compose
// window with the subject, text, attachment and recipient filled in.
class XdgEmailTransport : public MailTransport {
public:
    explicit XdgEmailTransport(QString program = QStringLiteral("xdg-email"), int handOverMs = 10000);

    MailResult sendMail(const SimpleMapi::MapiMessage &message, quint32 flags) override;

    // The argument list for a message: never through a shell, so no text of the message can
    // be taken for a command.
    static QStringList arguments(const SimpleMapi::MapiMessage &message);
    // xdg-email's exit status as the nearest Simple MAPI code.
    static MailResult resultOfExit(int exitStatus);

private:
    QString m_program;
    int m_handOverMs;
};

#ifdef Q_OS_WIN
// MAPISendMail of the system's MAPI32.DLL, loaded for each call.
class MapiSendMailTransport : public MailTransport {
public:
    MailResult sendMail(const SimpleMapi::MapiMessage &message, quint32 flags) override;
};
#endif
