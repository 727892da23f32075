// The shell's "open": a web address through the system's handler, or a browser program
// started with the address.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace ShellOpen {

class Shell {
public:
    virtual ~Shell() = default;
    // Hands the address to the system's default handler and tells `done` whether the handler
    // took it: at once, or once the desktop's opener has reported (it may still be running
    // the browser, which counts as taken).
    virtual void openAddress(const QString &address, std::function<void(bool opened)> done) = 0;
    // Starts the program with the arguments; false when it cannot be started.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
};

// The browser programs tried, in order, when the system's handler fails.
QStringList browserPrograms();

// The address through the system's handler, then through each browser program with the
// address as its argument; `failed` runs when nothing could be started, perhaps after a moment.
void openWebAddress(const QString &address, std::function<void()> failed);

// The shell in use: the system's unless a test installed another (not owned; nullptr restores).
Shell &shell();
void setShell(Shell *replacement);

} // namespace ShellOpen
