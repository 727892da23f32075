// ResultsMail: hands a file to the user's mail program.
#include "platform/ResultsMail.h"

#include "platform/ResultsFilePath.h"
#include "richtext/RichTextFile.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

#include <memory>

using namespace SimpleMapi;

namespace {

// An attachment that replaces no character of the message text.
constexpr quint32 noPosition = 0xFFFFFFFF;

const QString credit = QStringLiteral("TTalvoMail: envío de archivos por correo electrónico para Tildora");

// The first separator a locale's short format puts between its fields.
QChar separatorOf(const QString &format, QChar fallback)
{
    for (const QChar ch : format)
        if (!ch.isLetter() && ch != QLatin1Char('\'') && !ch.isSpace())
            return ch;
    return fallback;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

ResultsMail::ResultsMail(QObject *parent) : QObject(parent)
{
}

QString ResultsMail::About() const
{
    return credit;
}

void ResultsMail::setDestinatary(const QString &value)
{
    if (value != m_destinatary)
        m_destinatary = value;
}

void ResultsMail::setDirection(const QString &value)
{
    if (value != m_direction)
        m_direction = value;
}

void ResultsMail::setSubject(const QString &value)
{
    if (value != m_subject)
        m_subject = value;
}

void ResultsMail::setSource(const QString &value)
{
    if (value != m_source)
        m_source = QFileInfo::exists(value) ? value : QString();
}

void ResultsMail::setAbout(const QString &value)
{
    m_about = value;
}

void ResultsMail::setClock(std::function<QDateTime()> clock)
{
    m_clock = std::move(clock);
}

QString ResultsMail::ErrorText(quint32 code)
{
    switch (code) {
    case 1: return QStringLiteral("El usuario canceló uno de los cuadros de diálogo.");
    case 2: return QStringLiteral("El programa de correo ha fallado sin indicar la causa.");
    case 3: return QStringLiteral("No había un inicio de sesión predeterminado y el usuario no pudo iniciar sesión en el cuadro de diálogo que se mostró.");
    case 5: return QStringLiteral("No había memoria suficiente para continuar.");
    case 9: return QStringLiteral("Había demasiados archivos adjuntos.");
    case 10: return QStringLiteral("Había demasiados destinatarios.");
    case 11: return QStringLiteral("No se encontró el archivo adjunto indicado.");
    case 12: return QStringLiteral("No se pudo abrir el archivo adjunto indicado.");
    case 14: return QStringLiteral("Un destinatario no figuraba en la libreta de direcciones.");
    case 15: return QStringLiteral("El tipo de un destinatario no era MAPI_TO, MAPI_CC ni MAPI_BCC.");
    case 18: return QStringLiteral("El texto del mensaje era demasiado largo para enviarlo.");
    case 21: return QStringLiteral("Un destinatario coincidía con más de una de las estructuras de destinatario y no se había indicado MAPI_DIALOG.");
    default: return QString();
    }
}

QString ResultsMail::DatedSubject(const QString &subject, const QDateTime &when, const QLocale &locale)
{
    const QChar date = separatorOf(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
    const QChar time = separatorOf(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
    const QDate day = when.date();
    const QTime clock = when.time();
    return subject + QStringLiteral(" / ") + QStringLiteral("%1").arg(day.year(), 4, 10, QLatin1Char('0')) + date
        + twoDigits(day.month()) + date + twoDigits(day.day()) + QLatin1Char(' ') + twoDigits(clock.hour()) + time
        + twoDigits(clock.minute());
}

void ResultsMail::Send()
{
    if (!QFileInfo::exists(m_source)) {
        emit OnFileNotExists(this, m_source);
        return;
    }
    if (m_attachment)
        SendAsAttachment();
    else
        SendAsBody();
}

MapiRecipDesc ResultsMail::recipient() const
{
    MapiRecipDesc recipient;
    recipient.ulReserved = 0;
    recipient.ulRecipClass = MAPI_TO;
    recipient.lpszName = m_destinatary.isNull() ? QStringLiteral("") : m_destinatary;
    recipient.lpszAddress = m_direction.isNull() ? QStringLiteral("") : m_direction;
    recipient.ulEIDSize = 0;
    return recipient;
}

void ResultsMail::SendAsAttachment()
{
    MapiFileDesc file;
    file.ulReserved = 0;
    file.flFlags = 2;
    file.nPosition = 0;
    file.lpszPathName = m_source;

    MapiMessage message;
    message.ulReserved = 0;
    // The folder the file lies in, for a student who attaches it by hand.
    message.lpszNoteText = QLatin1Char(' ') + ResultsFilePath::folderPart(m_source);
    message.flFlags = 0;
    message.lpRecips = {recipient()};
    message.lpFiles = {file};
    // The first file takes the note's leading space; the others have no place in the text.
    for (const QString &path : m_attachments) {
        if (!QFileInfo(path).isFile())
            continue;
        file.nPosition = noPosition;
        file.lpszPathName = path;
        message.lpFiles.append(file);
    }
    DeliverMessage(message);
}

void ResultsMail::SendAsBody()
{
    auto *owner = qobject_cast<QWidget *>(parent());
    QWidget *holder = owner ? owner->window() : nullptr;
    QRandomGenerator generator{quint32(QDateTime::currentMSecsSinceEpoch())};
    // Owned here, so it goes also when sending fails.
    auto document = std::make_unique<QTextEdit>(holder);
    document->setObjectName(QStringLiteral("Document%1").arg(generator.bounded(13)));
    document->setGeometry(0, 0, 0, 0);
    document->setLineWrapMode(QTextEdit::NoWrap);
    document->hide();
    RichTextFile::load(*document->document(), m_source);

    QStringList lines;
    for (QTextBlock block = document->document()->begin(); block.isValid(); block = block.next())
        lines << block.text();

    MapiMessage message;
    message.ulReserved = 0;
    message.lpszNoteText = lines.join(QStringLiteral("\r\n"));
    message.flFlags = 0;
    message.lpRecips = {recipient()};
    DeliverMessage(message);
}

void ResultsMail::DeliverMessage(MapiMessage &message)
{
    m_aborted = false;
    emit OnBeginDocument(this, m_source);
    if (m_aborted) {
        m_lastResult = {MAPI_USER_ABORT, false};
        emit OnCancelSend(this, m_source);
        return;
    }
    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    message.lpszSubject = m_addDate ? DatedSubject(m_subject, now, locale()) : m_subject;
    m_lastResult = MailTransport::instance().sendMail(message, MAPI_LOGON_UI | MAPI_NEW_SESSION | MAPI_DIALOG);
    if (m_lastResult.code != SUCCESS_SUCCESS) {
        const QString text = ErrorText(m_lastResult.code);
        if (m_lastResult.code == MAPI_USER_ABORT)
            emit OnCancelSend(this, m_source);
        else
            emit OnErrorSend(this, m_lastResult.code, text);
    }
    emit OnEndDocument(this, m_source);
}
