// The class view started from the command line.
#include "app/ClassCommandLine.h"

#include "reports/ClassResultsWindow.h"
#include "ui/ErrorGuard.h"

#include <QApplication>

namespace ClassCommandLine {

Request parse(const QStringList &arguments)
{
    Request request;
    const QString option = QStringLiteral("--clase");
    for (qsizetype n = 1; n < arguments.size(); ++n) {
        const QString &argument = arguments.at(n);
        if (argument == option) {
            request.requested = true;
            if (n + 1 < arguments.size() && !arguments.at(n + 1).startsWith(QStringLiteral("--")))
                request.folder = arguments.at(n + 1);
            break;
        }
        if (argument.startsWith(option + QLatin1Char('='))) {
            request.requested = true;
            request.folder = argument.mid(option.size() + 1);
            break;
        }
    }
    if (request.requested && request.folder.isEmpty())
        request.error = QStringLiteral("Falta la carpeta: tildora --clase CARPETA");
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
