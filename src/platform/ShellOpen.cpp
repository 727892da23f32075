// The shell's "open" of a web address, with browser programs to fall back on.
#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>
#endif

namespace ShellOpen {

namespace {

class SystemShell : public Shell {
public:
    bool openAddress(const QString &address) override
    {
        if (QDesktopServices::openUrl(QUrl(address)))
            return true;
#ifdef Q_OS_WIN
        return false;
#else
        // Platform plugins without desktop services (offscreen, minimal) cannot pass the
        // address on; the desktop's own opener reaches the same default handler.
        return QProcess::startDetached(QStringLiteral("xdg-open"), {address});
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
