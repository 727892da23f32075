// The system's help viewer. The program configures no help file, so its commands reach a
// viewer that shows nothing; the calls stay where a help file would be asked for.
#pragma once

#include <QString>

namespace HelpViewer {

enum Command : unsigned { Contents = 0x3, HelpOnHelp = 0x4, PartialKey = 0x105 };

class Viewer {
public:
    virtual ~Viewer() = default;
    // True when the viewer showed something.
    virtual bool request(unsigned command, const QString &key) = 0;
};

// Passes the command to the viewer in use.
bool request(unsigned command, const QString &key = QString());

// The viewer in use: the system's unless a test installed another (not owned; nullptr restores).
Viewer &viewer();
void setViewer(Viewer *replacement);

} // namespace HelpViewer
