// The mail component and its transports: the Simple MAPI records it builds, the dated subject,
// the events around the hand-off, and xdg-email run for real with a recording mail handler.
#include "FakeMailTransport.h"
#include "FileFixtures.h"

#include "platform/ResultsFilePath.h"
#include "platform/ResultsMail.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QUrlQuery>

using namespace SimpleMapi;

namespace {

// Sets environment variables for one test and puts the old values back afterwards.
class EnvironmentScope {
public:
    void set(const char *name, const QByteArray &value)
    {
        remember(name);
        qputenv(name, value);
    }
    void unset(const char *name)
    {
        remember(name);
        qunsetenv(name);
    }
    ~EnvironmentScope()
    {
        for (const auto &[name, value] : m_saved) {
            if (value.isNull())
                qunsetenv(name.constData());
            else
                qputenv(name.constData(), value);
        }
    }

private:
    void remember(const char *name)
    {
        m_saved.append({QByteArray(name), qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray()});
    }
    QList<std::pair<QByteArray, QByteArray>> m_saved;
};

} // namespace

class TestResultsMail : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_file;
    QStringList m_events;

    void record(ResultsMail &mail)
    {
        m_events.clear();
        connect(&mail, &ResultsMail::OnBeginDocument, this, [this](ResultsMail *, const QString &doc) { m_events << "begin " + doc; });
        connect(&mail, &ResultsMail::OnEndDocument, this, [this](ResultsMail *, const QString &doc) { m_events << "end " + doc; });
        connect(&mail, &ResultsMail::OnCancelSend, this, [this](ResultsMail *, const QString &doc) { m_events << "cancel " + doc; });
        connect(&mail, &ResultsMail::OnFileNotExists, this, [this](ResultsMail *, const QString &doc) { m_events << "missing " + doc; });
        connect(&mail, &ResultsMail::OnErrorSend, this, [this](ResultsMail *, quint32 code, const QString &text) {
            m_events << QStringLiteral("error %1 %2").arg(code).arg(text);
        });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_file = m_folder.filePath(QStringLiteral("result.txt"));
        writeFile(m_file, "Primera l\xEDnea\r\nSegunda\r\n");
    }

    void properties()
    {
        ResultsMail mail;
        // Never on screen: the component is no control at all.
        QVERIFY(!mail.isWidgetType());
        QVERIFY(!mail.AddDate());
        QVERIFY(!mail.Attachment());
        const QString credit = mail.About();
        QVERIFY(!credit.isEmpty());
        mail.setAbout(QStringLiteral("otra cosa"));
        QCOMPARE(mail.About(), credit);

        mail.setSource(m_file);
        QCOMPARE(mail.Source(), m_file);
        mail.setSource(m_folder.filePath(QStringLiteral("no-existe.txt")));
        QCOMPARE(mail.Source(), QString());
    }

    void attachmentRecords()
    {
        FakeMailTransport transport;
        ResultsMail mail;
        mail.setSource(m_file);
        mail.setAttachment(true);
        mail.setDestinatary(QStringLiteral("profe@example.com"));
        mail.setSubject(QStringLiteral("Asunto"));
        mail.Send();

        QCOMPARE(transport.messages.size(), 1);
        QCOMPARE(transport.flags.first(), MAPI_LOGON_UI | MAPI_NEW_SESSION | MAPI_DIALOG);
        QCOMPARE(transport.flags.first(), 11u);
        const MapiMessage &m = transport.messages.first();
        QCOMPARE(m.lpszSubject, QStringLiteral("Asunto"));
        QCOMPARE(m.lpszNoteText, QLatin1Char(' ') + m_folder.path() + QLatin1Char('/'));
        QVERIFY(m.lpszMessageType.isNull() && m.lpszDateReceived.isNull() && m.lpszConversationID.isNull());
        QCOMPARE(m.flFlags, 0u);
        QCOMPARE(m.nRecipCount(), 1u);
        QCOMPARE(m.lpRecips.first().ulRecipClass, MAPI_TO);
        QCOMPARE(m.lpRecips.first().lpszName, QStringLiteral("profe@example.com"));
        QCOMPARE(m.lpRecips.first().lpszAddress, QString(""));
        QCOMPARE(m.lpRecips.first().ulEIDSize, 0u);
        QCOMPARE(m.nFileCount(), 1u);
        QCOMPARE(m.lpFiles.first().flFlags, 2u);
        QCOMPARE(m.lpFiles.first().nPosition, 0u);
        QCOMPARE(m.lpFiles.first().lpszPathName, m_file);
        QVERIFY(m.lpFiles.first().lpszFileName.isNull());
    }

    // Files attached after the results file: each one that exists, in order, with no place in
    // the message text; xdg-email is handed every one. The message-text mode sends the text alone.
    void furtherAttachments_data()
    {
        QTest::addColumn<QStringList>("further");
        QTest::addColumn<bool>("attachment");
        QTest::addColumn<QStringList>("attached");
        QTest::addRow("none") << QStringList() << true << QStringList{"result.txt"};
        QTest::addRow("the detail") << QStringList{"result.json"} << true << QStringList{"result.txt", "result.json"};
        QTest::addRow("one missing is left out") << QStringList{"perdido.json", "result.json"} << true
                                                 << QStringList{"result.txt", "result.json"};
        QTest::addRow("a folder is left out") << QStringList{"carpeta"} << true << QStringList{"result.txt"};
        QTest::addRow("message-text mode") << QStringList{"result.json"} << false << QStringList();
    }
    void furtherAttachments()
    {
        QFETCH(QStringList, further);
        QFETCH(bool, attachment);
        QFETCH(QStringList, attached);
        writeFile(m_folder.filePath(QStringLiteral("result.json")), "{}");
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("carpeta")));
        FakeMailTransport transport;
        ResultsMail mail;
        mail.setSource(m_file);
        mail.setAttachment(attachment);
        QStringList paths;
        for (const QString &name : further)
            paths << m_folder.filePath(name);
        mail.setAttachments(paths);
        QCOMPARE(mail.Attachments(), paths);
        mail.Send();
        QCOMPARE(transport.messages.size(), 1);
        const MapiMessage &m = transport.messages.first();
        QStringList names;
        QStringList xdgAttached;
        for (const MapiFileDesc &file : m.lpFiles) {
            names << QFileInfo(file.lpszPathName).fileName();
            xdgAttached << QStringLiteral("--attach") << file.lpszPathName;
            QCOMPARE(file.nPosition, names.size() == 1 ? 0u : 0xFFFFFFFFu);
        }
        QCOMPARE(names, attached);
        QVERIFY(XdgEmailTransport::arguments(m).join(u'\n').contains(xdgAttached.join(u'\n')));
    }

    void folderPart_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addRow("home") << "/home/ana/result.txt" << "/home/ana/";
        QTest::addRow("root") << "/result.txt" << "/";
        QTest::addRow("bare name") << "result.txt" << "";
    }

    void folderPart()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(ResultsFilePath::folderPart(path), folder);
    }

    void bodyModeSendsTheTextAndDropsItsDocument()
    {
        FakeMailTransport transport;
        QWidget window;
        auto *mail = new ResultsMail(&window);
        mail->setSource(m_file);
        QTextEdit *during = nullptr;
        transport.onSend = [&] {
            const QList<QTextEdit *> edits = window.findChildren<QTextEdit *>();
            QCOMPARE(edits.size(), 1);
            during = edits.first();
            QVERIFY(QRegularExpression(QStringLiteral("^Document([0-9]|1[0-2])$")).match(during->objectName()).hasMatch());
            QVERIFY(during->isHidden());
            QCOMPARE(during->size(), QSize(0, 0));
            QCOMPARE(during->lineWrapMode(), QTextEdit::NoWrap);
        };
        mail->Send();
        QVERIFY(during);
        QCOMPARE(transport.messages.size(), 1);
        QCOMPARE(transport.messages.first().lpszNoteText, QStringLiteral("Primera línea\r\nSegunda"));
        QCOMPARE(transport.messages.first().nFileCount(), 0u);
        QVERIFY(window.findChildren<QTextEdit *>().isEmpty());
    }

    void datedSubject_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("expected");
        QTest::addRow("Spain") << QLocale(QLocale::Spanish, QLocale::Spain) << "Resultados: / 2026/03/14 09:05";
        QTest::addRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << "Resultados: / 2026.03.14 09:05";
        QTest::addRow("Finland") << QLocale(QLocale::Finnish, QLocale::Finland) << "Resultados: / 2026.03.14 09.05";
        QTest::addRow("ISO dates") << QLocale(QLocale::Swedish, QLocale::Sweden) << "Resultados: / 2026-03-14 09:05";
    }

    void datedSubject()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, expected);
        FakeMailTransport transport;
        ResultsMail mail;
        mail.setLocale(locale);
        mail.setClock([] { return QDateTime(QDate(2026, 3, 14), QTime(9, 5, 59)); });
        mail.setSource(m_file);
        mail.setAttachment(true);
        mail.setAddDate(true);
        mail.setSubject(QStringLiteral("Resultados:"));
        mail.Send();
        QCOMPARE(transport.messages.first().lpszSubject, expected);
    }

    void eventsAroundTheHandOff_data()
    {
        QTest::addColumn<quint32>("code");
        QTest::addColumn<QString>("middle");
        QTest::addRow("sent") << 0u << QString();
        QTest::addRow("cancelled") << 1u << "cancel %1";
        QTest::addRow("failure") << 2u << "error 2 El programa de correo ha fallado sin indicar la causa.";
        QTest::addRow("attachment missing") << 11u << "error 11 No se encontró el archivo adjunto indicado.";
        QTest::addRow("code without text") << 99u << "error 99 ";
    }

    void eventsAroundTheHandOff()
    {
        QFETCH(quint32, code);
        QFETCH(QString, middle);
        FakeMailTransport transport;
        transport.result = {code, false};
        ResultsMail mail;
        record(mail);
        mail.setSource(m_file);
        mail.setAttachment(true);
        mail.Send();
        QStringList expected{"begin " + m_file};
        if (!middle.isEmpty())
            expected << (middle.contains(QLatin1String("%1")) ? middle.arg(m_file) : middle);
        expected << "end " + m_file;
        QCOMPARE(m_events, expected);
        QCOMPARE(mail.LastResult().code, code);
    }

    void abortedBeforeTheHandOffSendsNothing()
    {
        FakeMailTransport transport;
        ResultsMail mail;
        record(mail);
        connect(&mail, &ResultsMail::OnBeginDocument, &mail, [](ResultsMail *sender, const QString &) { sender->Abort(); });
        mail.setSource(m_file);
        mail.setAttachment(true);
        mail.Send();
        QVERIFY(transport.messages.isEmpty());
        QCOMPARE(m_events, (QStringList{"begin " + m_file, "cancel " + m_file}));
        QCOMPARE(mail.LastResult().code, MAPI_USER_ABORT);
        // The next send is not aborted by the last one.
        disconnect(&mail, &ResultsMail::OnBeginDocument, &mail, nullptr);
        mail.Send();
        QCOMPARE(transport.messages.size(), 1);
    }

    void missingFileSendsNothing()
    {
        FakeMailTransport transport;
        ResultsMail mail;
        record(mail);
        mail.setSource(m_folder.filePath(QStringLiteral("perdido.txt")));
        mail.Send();
        QCOMPARE(m_events, QStringList{"missing "});
        QVERIFY(transport.messages.isEmpty());
    }

    void xdgEmailArguments()
    {
        MapiMessage m;
        m.lpszSubject = QStringLiteral("Asunto / 2026");
        m.lpszNoteText = QStringLiteral(" /home/ana/");
        m.lpFiles = {MapiFileDesc{0, 2, 0, QStringLiteral("/home/ana/result.txt"), QString()}};
        m.lpRecips = {MapiRecipDesc{0, MAPI_TO, QStringLiteral("profe@example.com"), QStringLiteral(""), 0}};
        QCOMPARE(XdgEmailTransport::arguments(m),
                 (QStringList{"--utf8", "--subject", "Asunto / 2026", "--body", " /home/ana/", "--attach",
                              "/home/ana/result.txt", "profe@example.com"}));
        // Something that is no address, or that xdg-email would take for an option, is left out.
        m.lpRecips = {MapiRecipDesc{0, MAPI_TO, QStringLiteral("Profesor"), QString(), 0},
                      MapiRecipDesc{0, MAPI_TO, QString(), QStringLiteral("--help@x"), 0}};
        m.lpszNoteText.clear();
        QCOMPARE(XdgEmailTransport::arguments(m),
                 (QStringList{"--utf8", "--subject", "Asunto / 2026", "--attach", "/home/ana/result.txt"}));
    }

    void xdgEmailExitStatus_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<quint32>("code");
        QTest::addColumn<bool>("serviceMissing");
        QTest::addRow("success") << 0 << 0u << false;
        QTest::addRow("syntax") << 1 << 2u << false;
        QTest::addRow("file missing") << 2 << 11u << false;
        QTest::addRow("no mail program") << 3 << 1u << true;
        QTest::addRow("program failed") << 4 << 2u << false;
        QTest::addRow("no read permission") << 5 << 12u << false;
    }

    void xdgEmailExitStatus()
    {
        QFETCH(int, status);
        QFETCH(quint32, code);
        QFETCH(bool, serviceMissing);
        const MailResult result = XdgEmailTransport::resultOfExit(status);
        QCOMPARE(result.code, code);
        QCOMPARE(result.serviceMissing, serviceMissing);
        // A failure says in Spanish what failed; success and "no mail program" need no words.
        QCOMPARE(result.detail.isEmpty(), code == 0 || serviceMissing);
    }

    void xdgEmailNotInstalled()
    {
        XdgEmailTransport transport(QStringLiteral("tildora-no-such-xdg-email"));
        const MailResult result = transport.sendMail(MapiMessage{}, 11);
        QCOMPARE(result.code, MAPI_USER_ABORT);
        QVERIFY(result.serviceMissing);
    }

    // The real xdg-email, in a home of its own where a recording script is the mail program.
    void realXdgEmailReachesTheMailHandler()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty())
            QSKIP("xdg-email is not installed (package xdg-utils)");
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QDir dir(home.path());
        QVERIFY(dir.mkpath(QStringLiteral(".config")) && dir.mkpath(QStringLiteral(".local/share/applications")));
        const QString received = dir.filePath(QStringLiteral("received.txt"));
        const QString script = dir.filePath(QStringLiteral("grabar-correo.sh"));
        writeFile(script, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + received.toUtf8() + "'\n");
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        writeFile(dir.filePath(QStringLiteral(".local/share/applications/tildora-grabar.desktop")),
                  "[Desktop Entry]\nType=Application\nName=Grabar\nExec=" + script.toUtf8()
                      + " %u\nMimeType=x-scheme-handler/mailto;\n");
        writeFile(dir.filePath(QStringLiteral(".config/mimeapps.list")),
                  "[Default Applications]\nx-scheme-handler/mailto=tildora-grabar.desktop\n");
        const QString attachment = dir.filePath(QStringLiteral("result.txt"));
        writeFile(attachment, "Promedio: 70 %\r\n");

        EnvironmentScope environment;
        environment.set("HOME", home.path().toUtf8());
        environment.set("XDG_CONFIG_HOME", dir.filePath(QStringLiteral(".config")).toUtf8());
        environment.set("XDG_DATA_HOME", dir.filePath(QStringLiteral(".local/share")).toUtf8());
        // xdg-open asks a desktop's URL handlers only when there is a display; nothing here
        // connects to it. No session bus: nothing may be started for one.
        environment.set("DISPLAY", ":97");
        environment.set("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        for (const char *name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                                 "MATE_DESKTOP_SESSION_ID", "MAILER", "WAYLAND_DISPLAY"})
            environment.unset(name);

        MapiMessage m;
        m.lpszSubject = QStringLiteral("Resultados del test de acentos: / 2026/03/14 09:05");
        m.lpszNoteText = QLatin1Char(' ') + ResultsFilePath::folderPart(attachment);
        m.lpFiles = {MapiFileDesc{0, 2, 0, attachment, QString()}};
        m.lpRecips = {MapiRecipDesc{0, MAPI_TO, QStringLiteral("profe@example.com"), QStringLiteral(""), 0}};
        XdgEmailTransport transport(QStringLiteral("xdg-email"), 20000);
        QElapsedTimer clock;
        clock.start();
        const MailResult result = transport.sendMail(m, 11);
        QVERIFY2(clock.elapsed() < 20000, "xdg-email did not return");
        QCOMPARE(result.code, SUCCESS_SUCCESS);

        const QByteArray handed = fileBytes(received);
        QVERIFY2(!handed.isEmpty(), "the mail handler was not run");
        const QUrl url(QString::fromUtf8(handed).trimmed());
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), QStringLiteral("profe@example.com"));
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), m.lpszSubject);
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), m.lpszNoteText);
        QCOMPARE(query.queryItemValue(QStringLiteral("attach"), QUrl::FullyDecoded), attachment);
    }

    void realXdgEmailWithoutAnyMailProgram()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty())
            QSKIP("xdg-email is not installed (package xdg-utils)");
        QTemporaryDir home;
        EnvironmentScope environment;
        environment.set("HOME", home.path().toUtf8());
        environment.set("XDG_CONFIG_HOME", home.path().toUtf8());
        environment.set("XDG_DATA_HOME", home.path().toUtf8());
        environment.set("XDG_DATA_DIRS", home.path().toUtf8());
        environment.set("BROWSER", "tildora-no-such-browser");
        environment.set("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        environment.unset("DISPLAY");
        environment.unset("WAYLAND_DISPLAY");
        environment.unset("MAILER");
        environment.unset("XDG_CURRENT_DESKTOP");
        MapiMessage m;
        m.lpszSubject = QStringLiteral("Asunto");
        XdgEmailTransport transport(QStringLiteral("xdg-email"), 20000);
        const MailResult result = transport.sendMail(m, 11);
        QCOMPARE(result.code, MAPI_USER_ABORT);
        QVERIFY(result.serviceMissing);

        m.lpFiles = {MapiFileDesc{0, 2, 0, home.filePath(QStringLiteral("perdido.txt")), QString()}};
        QCOMPARE(transport.sendMail(m, 11).code, MAPI_E_ATTACHMENT_NOT_FOUND);
    }
};

QTEST_MAIN(TestResultsMail)
#include "tst_resultsmail.moc"
