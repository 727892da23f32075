// The class view started from the command line.
#include "app/ClassCommandLine.h"

#include "app/CommandLine.h"

#include "reports/ClassResultsWindow.h"
#include "ui/ErrorGuard.h"

#include <QApplication>
#include <QFile>

namespace ClassCommandLine {

QString missingFolderMessage()
{
    return QStringLiteral("Falta la carpeta: tildora --clase CARPETA");
}

namespace {

Request fromLine(const CommandLine::Request &line)
{
    Request request;
    if (line.action == CommandLine::Request::Action::ClassView) {
        request.requested = true;
        request.folder = line.folder;
        request.nativeFolder = QFile::encodeName(request.folder);
    } else if (line.action == CommandLine::Request::Action::Refused && line.error == missingFolderMessage()) {
        request.requested = true;
        request.error = line.error;
    }
    return request;
}

} // namespace

Request parse(const QStringList &arguments)
{
    return fromLine(CommandLine::parse(arguments));
}

Request parse(int argc, char **argv)
{
    const CommandLine::Request line = CommandLine::parse(CommandLine::argumentsOf(argc, argv));
    Request request = fromLine(line);
#ifdef Q_OS_UNIX
    // "--clase=" is ASCII, so the folder starts at the same byte as at the same character.
    if (line.folderArgument > 0)
        request.nativeFolder = QByteArray(argv[line.folderArgument]).mid(line.folderStart);
#endif
    return request;
}

int run(const Request &request)
{
    ClassResultsWindow window;
    window.show();
    ErrorGuard::run([&] { window.openFolder(ClassResultsFolder::Path::fromNative(request.nativeFolder)); });
    return QApplication::exec();
}

} // namespace ClassCommandLine
