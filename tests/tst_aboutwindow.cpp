// The information window and the layers it reads: memory figures against /proc/meminfo, the
// web link's order of attempts (a fake shell, and once the real one with a recording browser).
#include "FileFixtures.h"
#include "ScriptedDialogs.h"

#include "editor/AboutWindow.h"
#include "platform/MemoryStatus.h"
#include "platform/ShellOpen.h"

#include <QLabel>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Notes every attempt; the attempts numbered in `working` succeed.
class FakeShell : public ShellOpen::Shell {
public:
    void openAddress(const QString &address, std::function<void(bool)> done) override
    {
        attempts << QStringLiteral("open %1").arg(address);
        done(working.contains(int(attempts.size())));
    }
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        attempts << QStringLiteral("%1 %2").arg(program, arguments.join(QLatin1Char(' ')));
        return working.contains(int(attempts.size()));
    }
    QList<int> working;
    QStringList attempts;
};

qint64 meminfoKb(const QByteArray &text, const char *name)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s+(\\d+) kB$").arg(QLatin1String(name)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(QString::fromLatin1(text));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

// Writes the file and makes it executable.
void writeScript(const QString &path, const QByteArray &bytes)
{
    writeFile(path, bytes);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

LinkLabel *webLink(const AboutWindow &about)
{
    return about.findChild<LinkLabel *>(QStringLiteral("Label6"));
}

// Shows the window and clicks its web link, as the student does.
void clickWebLink(AboutWindow &about)
{
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(webLink(about), Qt::LeftButton);
}

} // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        MemoryStatus::setSource({});
        ShellOpen::setShell(nullptr);
    }

    void figuresMatchProcMeminfo()
    {
        QFile file(QStringLiteral("/proc/meminfo"));
        if (!file.open(QIODevice::ReadOnly))
            QSKIP("No /proc/meminfo on this system.");
        const QByteArray text = file.readAll();
        const qint64 totalKb = meminfoKb(text, "MemTotal");
        const qint64 availableKb = meminfoKb(text, "MemAvailable");
        QVERIFY(totalKb > 0 && availableKb >= 0);

        const MemoryStatus::Figures figures = MemoryStatus::current();
        QCOMPARE(figures.totalPhysical, quint64(totalKb) * 1024);
        // Memory in use moves between the two readings; a point either way is noise.
        const double expectedLoad = 100.0 * double(totalKb - availableKb) / double(totalKb);
        QVERIFY2(qAbs(figures.memoryLoad - expectedLoad) <= 1.5,
                 qPrintable(QStringLiteral("%1 against %2").arg(figures.memoryLoad).arg(expectedLoad)));
    }

    void figuresFromMeminfoText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<quint64>("total");
        QTest::addColumn<int>("load");
        QTest::addRow("a quarter in use") << QByteArray("MemTotal:  8000 kB\nMemFree: 100 kB\nMemAvailable:  6000 kB\n")
                                          << quint64(8000 * 1024) << 25;
        // 64 GiB does not fit 32 bits.
        QTest::addRow("beyond 4 GiB") << QByteArray("MemTotal: 67108864 kB\nMemAvailable: 33554432 kB\n")
                                      << quint64(68719476736ULL) << 50;
        QTest::addRow("old kernel without MemAvailable")
            << QByteArray("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 250 kB\n")
            << quint64(1000 * 1024) << 60;
        QTest::addRow("no total") << QByteArray("MemFree: 100 kB\n") << quint64(0) << 0;
    }
    void figuresFromMeminfoText()
    {
        QFETCH(QByteArray, text);
        QFETCH(quint64, total);
        QFETCH(int, load);
        const MemoryStatus::Figures figures = MemoryStatus::fromMeminfo(text);
        QCOMPARE(figures.totalPhysical, total);
        QCOMPARE(figures.memoryLoad, load);
    }

    void memoryCaptions_data()
    {
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("caption");
        const QLocale spanish(QLocale::Spanish, QLocale::Spain);
        QTest::addRow("512 MiB") << quint64(536870912) << spanish << QStringLiteral("524.288 KB");
        QTest::addRow("64 GiB") << quint64(68719476736ULL) << spanish << QStringLiteral("67.108.864 KB");
        QTest::addRow("four digits grouped") << quint64(1024 * 1234) << spanish << QStringLiteral("1.234 KB");
        QTest::addRow("English separator") << quint64(536870912) << QLocale(QLocale::English)
                                           << QStringLiteral("524,288 KB");
        QTest::addRow("no memory: no digits") << quint64(0) << spanish << QStringLiteral(" KB");
    }
    void memoryCaptions()
    {
        QFETCH(quint64, bytes);
        QFETCH(QLocale, locale);
        QFETCH(QString, caption);
        QCOMPARE(AboutWindow::physicalMemoryCaption(bytes, locale), caption);
    }

    void eachOpeningTakesFreshFigures()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        int readings = 0;
        MemoryStatus::setSource([&readings] {
            ++readings;
            return MemoryStatus::Figures{quint64(readings) * 1024 * 1024 * 1024, 30 + readings};
        });
        ScriptedDialogs dialogs;
        QWidget owner;
        QStringList shown;
        for (int opening = 0; opening < 2; ++opening) {
            dialogs.queueModal([&shown](QDialog &dialog) {
                auto &about = static_cast<AboutWindow &>(dialog);
                // The first figure is the whole of the memory, not what is free.
                const auto text = [&about](const char *name) { return about.findChild<QLabel *>(QLatin1String(name))->text(); };
                shown << text("Label3") + text("PhysMem") + QLatin1Char('/') + text("FreeRes");
                return int(QDialog::Rejected);
            });
            AboutWindow::open(&owner);
        }
        QCOMPARE(shown, QStringList({QStringLiteral("Memoria física total:1.048.576 KB/31 %"),
                                     QStringLiteral("Memoria física total:2.097.152 KB/32 %")}));
        QCOMPARE(dialogs.modalWindows, QStringList({QStringLiteral("AboutBox"), QStringLiteral("AboutBox")}));
        // Freed after each opening.
        QVERIFY(owner.findChildren<AboutWindow *>().isEmpty());
        QLocale::setDefault(QLocale::c());
    }

    void escAndEnterClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::addRow("Esc") << int(Qt::Key_Escape);
        QTest::addRow("Enter") << int(Qt::Key_Return);
    }
    void escAndEnterClose()
    {
        QFETCH(int, key);
        FakeShell shell;
        ShellOpen::setShell(&shell);
        AboutWindow about;
        QVERIFY(about.windowFlags() & Qt::WindowStaysOnTopHint);
        about.setResult(-1);
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        // The key goes where the window put the focus: the link must not take Enter.
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key(key));
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Rejected));
        QVERIFY(shell.attempts.isEmpty());
    }

    void webLinkTriesInOrder_data()
    {
        QTest::addColumn<QList<int>>("working");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<bool>("message");
        QTest::addRow("the system's handler") << QList<int>{1} << 1 << false;
        QTest::addRow("x-www-browser") << QList<int>{2, 3} << 2 << false;
        QTest::addRow("firefox") << QList<int>{3} << 3 << false;
        QTest::addRow("no browser at all") << QList<int>{} << 3 << true;
    }
    void webLinkTriesInOrder()
    {
        QFETCH(QList<int>, working);
        QFETCH(int, attempts);
        QFETCH(bool, message);
        FakeShell shell;
        shell.working = working;
        ShellOpen::setShell(&shell);
        ScriptedDialogs dialogs;
        AboutWindow about;
        clickWebLink(about);

        const QString address = AboutWindow::webAddress;
        const QStringList all = {QStringLiteral("open ") + address, QStringLiteral("x-www-browser ") + address,
                                 QStringLiteral("firefox ") + address};
        QCOMPARE(shell.attempts, all.mid(0, attempts));
        QCOMPARE(dialogs.messages.size(), message ? 1 : 0);
        if (message)
            QCOMPARE(dialogs.messages[0].text, QStringLiteral("Lo siento, no se encontró tu navegador"));
        // The window stays open.
        QVERIFY(about.isVisible());
        QVERIFY(webLink(about)->text().contains(address));
    }

    // The real shell with a desktop opener that finds no handler and says so only on the error
    // output, and no browser program on the path: the student is told (mended: the opener was
    // taken as working because it started).
    void failingOpenerIsTold()
    {
#ifdef Q_OS_WIN
        QSKIP("The desktop opener is a Linux one.");
#endif
        QTemporaryDir bin;
        QVERIFY(bin.isValid());
        writeScript(bin.filePath(QStringLiteral("xdg-open")),
                    "#!/bin/sh\necho \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n");
        const QByteArray savedPath = qgetenv("PATH");
        const auto restore = qScopeGuard([&savedPath] { qputenv("PATH", savedPath); });
        qputenv("PATH", QFile::encodeName(bin.path()));

        ScriptedDialogs dialogs;
        AboutWindow about;
        clickWebLink(about);
        QTRY_COMPARE_WITH_TIMEOUT(dialogs.messages.size(), 1, 10000);
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Lo siento, no se encontró tu navegador"));
        QVERIFY(about.isVisible());
    }

    // The real shell hands the address to the user's default https handler: a temporary home
    // whose handler is a script that writes down what it was given.
    void systemHandlerReceivesTheAddress()
    {
#ifndef Q_OS_WIN
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
            QSKIP("xdg-open (package xdg-utils) is not installed: no default handler can be reached.");
#endif
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString record = home.filePath(QStringLiteral("opened.txt"));
        const QString script = home.filePath(QStringLiteral("record.sh"));
        QVERIFY(QDir().mkpath(home.filePath(QStringLiteral(".local/share/applications"))));
        QVERIFY(QDir().mkpath(home.filePath(QStringLiteral(".config"))));
        writeScript(script, "#!/bin/sh\nprintf '%s' \"$1\" > \"" + record.toUtf8() + ".part\" && mv \"" + record.toUtf8()
                                + ".part\" \"" + record.toUtf8() + "\"\n");
        writeFile(home.filePath(QStringLiteral(".local/share/applications/tildora-recorder.desktop")),
                  "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + script.toUtf8() + " %u\nMimeType=x-scheme-handler/https;\n");
        writeFile(home.filePath(QStringLiteral(".config/mimeapps.list")),
                  "[Default Applications]\nx-scheme-handler/https=tildora-recorder.desktop\n");

        const QProcessEnvironment saved = QProcessEnvironment::systemEnvironment();
        const auto restore = qScopeGuard([&saved] {
            for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CURRENT_DESKTOP",
                                     "DESKTOP_SESSION", "BROWSER", "DISPLAY"}) {
                const QString key = QLatin1String(name);
                if (saved.contains(key))
                    qputenv(name, saved.value(key).toLocal8Bit());
                else
                    qunsetenv(name);
            }
        });
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral(".local/share"))));
        for (const char *name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "BROWSER"})
            qunsetenv(name);
        // The system's opener hands addresses to a handler only where there is a display.
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("DISPLAY", ":0");

        ScriptedDialogs dialogs;
        AboutWindow about;
        clickWebLink(about);
        QVERIFY(dialogs.messages.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 15000);
        QCOMPARE(QString::fromUtf8(fileBytes(record)), AboutWindow::webAddress);
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
