// The shell's "open": a web address through the system's handler, or a browser program
// started with the address.
#pragma once

#include <QString>
#include <QStringList>

namespace ShellOpen {

class Shell {
public:
    virtual ~Shell() = default;
    // Hands the address to the system's default handler; false when that cannot be done.
    virtual bool openAddress(const QString &address) = 0;
    // Starts the program with the arguments; false when it cannot be started.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
};

// The browser programs tried, in order, when the system's handler fails.
QStringList browserPrograms();

// The address through the system's handler, then through each browser program with the
// address as its argument; false when nothing could be started.
bool openWebAddress(const QString &address);

// The shell in use: the system's unless a test installed another (not owned; nullptr restores).
Shell &shell();
void setShell(Shell *replacement);

} // namespace ShellOpen
