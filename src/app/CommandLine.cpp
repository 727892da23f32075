// The command line: what it asks for, and the options that run without a window.
#include "app/CommandLine.h"

#include "app/ClassCommandLine.h"
#include "spanish/ExplainCommand.h"

#include <cerrno>
#include <cstdio>

namespace CommandLine {

namespace {

const QString explainOption = QStringLiteral("--explicar");
const QString classOption = QStringLiteral("--clase");
const QStringList helpOptions = {QStringLiteral("--help"), QStringLiteral("-h")};

// Options the toolkit reads and takes out of the arguments itself when the application object
// is made; the first group takes a value in the next argument (or after "=").
const QStringList toolkitOptionsWithValue = {
    QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"), QStringLiteral("session"), QStringLiteral("style"),
    QStringLiteral("stylesheet"), QStringLiteral("display"), QStringLiteral("geometry"),
    QStringLiteral("title"), QStringLiteral("name"), QStringLiteral("visual")};
const QStringList toolkitFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                  QStringLiteral("dograb"), QStringLiteral("sync")};

// The toolkit's option name in "-style", "--style" or "-style=fusion", or nothing.
QString toolkitOptionName(const QString &argument)
{
    if (!argument.startsWith(QLatin1Char('-')))
        return QString();
    QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    name = name.section(QLatin1Char('='), 0, 0);
    return toolkitOptionsWithValue.contains(name) || toolkitFlags.contains(name) ? name : QString();
}

Request refused(const QString &error)
{
    Request request;
    request.action = Request::Action::Refused;
    request.error = error;
    return request;
}

// A near miss such as "--explica" is most likely the option it begins.
QString unknownOption(const QString &argument)
{
    QString error = QStringLiteral("tildora: opción desconocida: «%1».").arg(argument);
    if (argument.size() > 3 && argument.startsWith(QStringLiteral("--"))) {
        for (const QString &known : {explainOption, classOption, helpOptions.first()}) {
            if (known.startsWith(argument) || argument.startsWith(known))
                return error + QStringLiteral(" ¿Querías decir «%1»?").arg(known);
        }
    }
    return error;
}

} // namespace

Request parse(const QStringList &arguments)
{
    Request request;
    bool classSeen = false;
    for (qsizetype n = 1; n < arguments.size(); ++n) {
        const QString &argument = arguments.at(n);
        if (helpOptions.contains(argument)) {
            request = Request();
            request.action = Request::Action::Help;
            return request;
        }
        if (argument == explainOption) {
            if (classSeen)
                return refused(QStringLiteral("tildora: «--clase» y «--explicar» no van juntas."));
            request.action = Request::Action::Explain;
            request.words = arguments.mid(n + 1);
            if (request.words.isEmpty())
                return refused(QStringLiteral("tildora: --explicar necesita al menos una palabra."));
            return request;
        }
        if (argument == classOption || argument.startsWith(classOption + QLatin1Char('='))) {
            if (classSeen)
                return refused(QStringLiteral("tildora: «--clase» solo se puede dar una vez."));
            classSeen = true;
            request.action = Request::Action::ClassView;
            if (argument != classOption)
                request.folder = argument.mid(classOption.size() + 1);
            else if (n + 1 < arguments.size() && !arguments.at(n + 1).startsWith(QStringLiteral("--")))
                request.folder = arguments.at(++n);
            if (request.folder.isEmpty())
                return refused(ClassCommandLine::missingFolderMessage());
            continue;
        }
        if (const QString name = toolkitOptionName(argument); !name.isEmpty()) {
            // Its value, when given apart, belongs to it.
            if (toolkitOptionsWithValue.contains(name) && !argument.contains(QLatin1Char('=')))
                ++n;
            continue;
        }
        if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1)
            return refused(unknownOption(argument));
        return refused(QStringLiteral("tildora: no se esperaba «%1».").arg(argument));
    }
    return request;
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int n = 0; n < argc; ++n)
        arguments << QString::fromLocal8Bit(argv[n]);
    return arguments;
}

} // namespace CommandLine

namespace {

// Writes the whole text; false when the stream refused some of it.
bool write(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) == std::size_t(bytes.size());
}

// The output is only known to be written once it has left the stream's buffer: a full disk or
// /dev/full shows only then.
bool finishOutput(bool written)
{
    errno = 0;
    written = std::fflush(stdout) == 0 && written && !std::ferror(stdout);
    if (written)
        return true;
    const QString reason = errno == ENOSPC ? QStringLiteral("no queda espacio")
        : errno == EPIPE                   ? QStringLiteral("la salida se ha cerrado")
                                           : QStringLiteral("ha fallado la escritura");
    write(stderr, QStringLiteral("tildora: no se ha podido escribir la salida: %1.\n").arg(reason));
    return false;
}

QString usage()
{
    return ExplainCommand::helpText().section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n')
        + QStringLiteral("Prueba «tildora --help».\n");
}

} // namespace

std::optional<int> runCommandLine(const CommandLine::Request &request)
{
    using Action = CommandLine::Request::Action;
    switch (request.action) {
    case Action::PracticeWindow:
    case Action::ClassView:
        return std::nullopt;
    case Action::Refused:
        write(stderr, request.error + QLatin1Char('\n') + usage());
        return 2;
    case Action::Help:
        return finishOutput(write(stdout, ExplainCommand::helpText())) ? 0 : 1;
    case Action::Explain:
        break;
    }
    if (const QString notice = ExplainCommand::spellingNotice(); !notice.isEmpty())
        write(stderr, QStringLiteral("tildora: ") + notice + QLatin1Char('\n'));
    int status = 0;
    bool written = true;
    for (const QString &word : request.words) {
        bool ok = true;
        written = write(stdout, ExplainCommand::line(word, &ok) + QLatin1Char('\n')) && written;
        if (!ok)
            status = 1;
    }
    return finishOutput(written) ? status : 1;
}
