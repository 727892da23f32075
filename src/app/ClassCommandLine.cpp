// The class view started from the command line.
#include "app/ClassCommandLine.h"

#include "app/CommandLine.h"

#include "reports/ClassResultsWindow.h"
#include "ui/ErrorGuard.h"

#include <QApplication>
#include <QFile>

namespace ClassCommandLine {

namespace {

// Where the folder is among the arguments: its argument's index and where in it the folder
// starts; index -1 when "--clase" is not given, -2 when it is given without a folder.
struct FolderArgument {
    qsizetype index = -1;
    qsizetype start = 0;
};

FolderArgument findFolder(const QStringList &arguments)
{
    const QString option = QStringLiteral("--clase");
    for (qsizetype n = 1; n < arguments.size(); ++n) {
        const QString &argument = arguments.at(n);
        if (argument == option) {
            if (n + 1 < arguments.size() && !arguments.at(n + 1).startsWith(QStringLiteral("--")))
                return {n + 1, 0};
            return {-2, 0};
        }
        if (argument.startsWith(option + QLatin1Char('=')))
            return {n, option.size() + 1};
    }
    return {};
}

} // namespace

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
        request.nativeFolder = QFile::encodeName(request.folder);
    } else if (line.action == CommandLine::Request::Action::Refused && line.error == missingFolderMessage()) {
        request.requested = true;
        request.error = line.error;
    }
    return request;
}

Request parse(int argc, char **argv)
{
    QStringList arguments;
    for (int n = 0; n < argc; ++n)
        arguments << QString::fromLocal8Bit(argv[n]);
    Request request = parse(arguments);
#ifdef Q_OS_UNIX
    // "--clase=" is ASCII, so the folder starts at the same byte as at the same character.
    const FolderArgument found = findFolder(arguments);
    if (found.index >= 0)
        request.nativeFolder = QByteArray(argv[found.index]).mid(found.start);
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
