// The shell's "open" of a web address, with browser programs to fall back on.
#include "platform/ShellOpen.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>
#endif

namespace ShellOpen {

namespace {

// How long the desktop's opener has to report a failure: without a handler it fails within a
// fraction of a second.
constexpr int openerPatienceMs = 5000;

class SystemShell : public Shell {
public:
    void openAddress(const QString &address, std::function<void(bool opened)> done) override
    {
#ifdef Q_OS_WIN
        done(QDesktopServices::openUrl(QUrl(address)));
#else
        // The desktop's opener is started even where no handler exists: only its exit code
        // tells that nothing was opened. Without a desktop it runs the browser itself and
        // waits for it, so one still running after a moment has found one. The application
        // owns it, so that an opener still running when the program ends is not left behind.
        auto *opener = new QProcess(QCoreApplication::instance());
        opener->setProgram(QStringLiteral("xdg-open"));
        opener->setArguments({address});
        opener->setProcessChannelMode(QProcess::ForwardedChannels);
        auto answered = std::make_shared<bool>(false);
        const auto answer = [done = std::move(done), answered](bool opened) {
            if (std::exchange(*answered, true))
                return;
            done(opened);
        };
        QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, answer](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            answer(false);
            opener->deleteLater();
        });
        QObject::connect(opener, &QProcess::finished, opener, [opener, answer](int code, QProcess::ExitStatus status) {
            answer(status == QProcess::NormalExit && code == 0);
            opener->deleteLater();
        });
        QTimer::singleShot(openerPatienceMs, opener, [answer] { answer(true); });
        opener->start();
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

void openWebAddress(const QString &address, std::function<void()> failed)
{
    shell().openAddress(address, [address, failed = std::move(failed)](bool opened) {
        if (opened)
            return;
        for (const QString &program : browserPrograms())
            if (shell().startProgram(program, {address}))
                return;
        failed();
    });
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
