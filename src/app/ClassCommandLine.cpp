// The class view started from the command line.
#include "app/ClassCommandLine.h"

#include "app/CommandLine.h"

#include "reports/ClassResultsWindow.h"
#include "ui/ErrorGuard.h"

#include <QApplication>

namespace ClassCommandLine {

QString missingFolderMessage()
{
    return QStringLiteral("Falta la carpeta: tildora --clase CARPETA");
}

Request parse(const QStringList &arguments)
{
    const CommandLine::Request line = CommandLine::parse(arguments);
    Request request;
    if (line.action == CommandLine::Request::Action::ClassView) {
        request.requested = true;
        request.folder = line.folder;
    } else if (line.action == CommandLine::Request::Action::Refused && line.error == missingFolderMessage()) {
        request.requested = true;
        request.error = line.error;
    }
    return request;
}

int run(const Request &request)
{
    ClassResultsWindow window;
    window.show();
    ErrorGuard::run([&] { window.openFolder(request.folder); });
    return QApplication::exec();
}

} // namespace ClassCommandLine
