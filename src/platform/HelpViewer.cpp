// The system's help viewer, with no help file to show.
#include "platform/HelpViewer.h"

namespace HelpViewer {

namespace {

class NoHelpFile : public Viewer {
public:
    bool request(unsigned, const QString &) override { return false; }
};

Viewer *installedViewer = nullptr;

} // namespace

bool request(unsigned command, const QString &key)
{
    return viewer().request(command, key);
}

Viewer &viewer()
{
    static NoHelpFile systemViewer;
    return installedViewer ? *installedViewer : systemViewer;
}

void setViewer(Viewer *replacement)
{
    installedViewer = replacement;
}

} // namespace HelpViewer
