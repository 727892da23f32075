// The shell's "open" of a web address, with browser programs to fall back on.
#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>
#endif

namespace ShellOpen {

namespace {

#ifndef Q_OS_WIN
// Runs the opener and waits a few seconds for its verdict. Failures come at once; an opener
// still running then has started a browser that keeps it waiting until it closes, so it is
// left to run and counted as done.
bool runOpener(const QString &opener, const QString &address)
{
    auto process = std::make_unique<QProcess>();
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(opener, {address});
    if (!process->waitForStarted())
        return false;
    QEventLoop loop;
    QObject::connect(process.get(), &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    if (process->state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (process->state() != QProcess::NotRunning) {
        // Deleting the process object would end the opener and perhaps the browser with it.
        QProcess *running = process.release();
        QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
        return true;
    }
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}
#endif

class SystemShell : public Shell {
public:
    bool openAddress(const QString &address) override
    {
#ifdef Q_OS_WIN
        return QDesktopServices::openUrl(QUrl(address));
#else
        // The desktop's own opener, the one Qt's desktop services start too, but run here so
        // that its exit status is seen: started detached, an opener that finds no handler or
        // whose handler fails would pass for one that worked.
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty())
            return QDesktopServices::openUrl(QUrl(address));
        return runOpener(opener, address);
#endif
    }

    bool startProgram(const QString &program, const QStringList &arguments) override
    {
#ifdef Q_OS_WIN
        // The shell finds browsers through their registered application paths, which a plain
        // process start does not; results of 32 or less are its failures.
        const QString parameters = arguments.join(QLatin1Char(' '));
        const auto result = reinterpret_cast<quintptr>(ShellExecuteW(
            nullptr, L"open", reinterpret_cast<LPCWSTR>(program.utf16()),
            reinterpret_cast<LPCWSTR>(parameters.utf16()), nullptr, SW_SHOWNORMAL));
        return result > 32;
#else
        return QProcess::startDetached(program, arguments);
#endif
    }
};

Shell *installedShell = nullptr;

} // namespace

QStringList browserPrograms()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("netscape.exe"), QStringLiteral("iexplore.exe")};
#else
    return {QStringLiteral("x-www-browser"), QStringLiteral("firefox")};
#endif
}

bool openWebAddress(const QString &address)
{
    if (shell().openAddress(address))
        return true;
    for (const QString &program : browserPrograms())
        if (shell().startProgram(program, {address}))
            return true;
    return false;
}

Shell &shell()
{
    static SystemShell systemShell;
    return installedShell ? *installedShell : systemShell;
}

void setShell(Shell *replacement)
{
    installedShell = replacement;
}

} // namespace ShellOpen
