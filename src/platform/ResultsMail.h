// ResultsMail: the non-visual component that hands a file to the user's mail program, as an
// attachment or as the message text, with begin, end and error events around the hand-off.
#pragma once

#include "platform/MailTransport.h"

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

// A plain object, never a control: nothing of it is ever on screen, and the windows that own
// one hold it beside their controls.
class ResultsMail : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Destinatary READ Destinatary WRITE setDestinatary)
    Q_PROPERTY(QString Direction READ Direction WRITE setDirection)
    Q_PROPERTY(QString Subject READ Subject WRITE setSubject)
    Q_PROPERTY(QString Source READ Source WRITE setSource)
    Q_PROPERTY(QString About READ About WRITE setAbout)
    Q_PROPERTY(bool AddDate READ AddDate WRITE setAddDate)
    Q_PROPERTY(bool Attachment READ Attachment WRITE setAttachment)

public:
    // The message-text mode reads the file through a hidden rich-text box on the owner's
    // window, when the owner is a widget.
    explicit ResultsMail(QObject *parent = nullptr);

    QString Destinatary() const { return m_destinatary; }
    QString Direction() const { return m_direction; }
    QString Subject() const { return m_subject; }
    QString Source() const { return m_source; }
    // Always the component's own credit text, whatever was written.
    QString About() const;
    bool AddDate() const { return m_addDate; }
    bool Attachment() const { return m_attachment; }

    void setDestinatary(const QString &value);
    void setDirection(const QString &value);
    void setSubject(const QString &value);
    // The path of the file to send; a file that does not exist leaves it empty.
    void setSource(const QString &value);
    // Further files attached after Source, in this order, in attachment mode (the message-text
    // mode sends Source alone); one that does not exist when the mail goes is left out.
    QStringList Attachments() const { return m_attachments; }
    void setAttachments(const QStringList &paths) { m_attachments = paths; }
    void setAbout(const QString &value);
    void setAddDate(bool value) { m_addDate = value; }
    void setAttachment(bool value) { m_attachment = value; }

    // Sends Source: OnFileNotExists when it is missing, otherwise the hand-off to the mail
    // program with OnBeginDocument before it and OnEndDocument after it, whatever the result.
    void Send();
    // Called by an OnBeginDocument handler whose user cancelled: nothing is handed over, the
    // send ends as cancelled (OnCancelSend) and OnEndDocument does not follow, since no
    // message was made.
    void Abort() { m_aborted = true; }

    // What the last hand-off ended with (code 0 before any).
    MailResult LastResult() const { return m_lastResult; }

    // The locale whose separators the dated subject is written with: the program's default
    // unless one is set.
    QLocale locale() const { return m_locale.value_or(QLocale()); }
    void setLocale(const QLocale &locale) { m_locale = locale; }

    // The clock for the subject's date; tests fix it. An empty function restores the real one.
    void setClock(std::function<QDateTime()> clock);

    // The text for a Simple MAPI result code; empty for codes without one.
    static QString ErrorText(quint32 code);
    // The subject with " / " and the date and time as yyyy/mm/dd hh:nn, written with the
    // locale's date and time separators.
    static QString DatedSubject(const QString &subject, const QDateTime &when, const QLocale &locale);

signals:
    void OnBeginDocument(ResultsMail *Sender, const QString &Doc_Name);
    void OnEndDocument(ResultsMail *Sender, const QString &Doc_Name);
    void OnErrorSend(ResultsMail *Sender, quint32 Error_Number, const QString &Error_Message);
    void OnCancelSend(ResultsMail *Sender, const QString &Doc_Name);
    void OnFileNotExists(ResultsMail *Sender, const QString &Doc_Name);

private:
    void SendAsAttachment();
    void SendAsBody();
    void DeliverMessage(SimpleMapi::MapiMessage &message);
    SimpleMapi::MapiRecipDesc recipient() const;

    bool m_addDate = false;
    bool m_attachment = false;
    QString m_about;
    QString m_source;
    QStringList m_attachments;
    QString m_destinatary;
    QString m_direction;
    QString m_subject;
    MailResult m_lastResult;
    bool m_aborted = false;
    std::function<QDateTime()> m_clock;
    std::optional<QLocale> m_locale;
};
