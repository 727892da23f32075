// The options that run without a window.
#include "app/CommandLine.h"

#include "spanish/ExplainCommand.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

void write(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

} // namespace

std::optional<int> runCommandLine(int argc, char **argv)
{
    bool explain = false;
    bool help = false;
    for (int i = 1; i < argc; ++i) {
        explain = explain || std::strcmp(argv[i], "--explicar") == 0;
        help = help || std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
    }
    if (!explain && !help)
        return std::nullopt;

    // No display is opened: the arguments are decoded by the core application alone.
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    if (help) {
        write(stdout, ExplainCommand::helpText());
        return 0;
    }
    arguments.removeOne(QStringLiteral("--explicar"));
    if (arguments.isEmpty()) {
        write(stderr, QStringLiteral("tildora: --explicar necesita al menos una palabra.\n"
                                     "Pruebe «tildora --help».\n"));
        return 2;
    }
    if (const QString notice = ExplainCommand::spellingNotice(); !notice.isEmpty())
        write(stderr, QStringLiteral("tildora: ") + notice + QLatin1Char('\n'));
    int status = 0;
    for (const QString &word : std::as_const(arguments)) {
        bool ok = true;
        write(stdout, ExplainCommand::line(word, &ok) + QLatin1Char('\n'));
        if (!ok)
            status = 1;
    }
    std::fflush(stdout);
    return status;
}
