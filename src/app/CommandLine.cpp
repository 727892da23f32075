// The command line: what it asks for, and the options that run without a window.
#include "app/CommandLine.h"

#include "app/ClassCommandLine.h"
#include "exercises/BoardMaker.h"
#include "platform/EspeakSpeech.h"
#include "results/ScoreHistory.h"
#include "shared/TextFile.h"
#include "spanish/ExplainCommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

#include <algorithm>
#include <cerrno>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace CommandLine {

namespace {

// Options the toolkit reads and takes out of the arguments itself when the application object
// is made; the first group takes a value in the next argument (or after "=").
const QStringList toolkitOptionsWithValue = {
    u"platform"_s, u"platformpluginpath"_s, u"platformtheme"_s, u"plugin"_s, u"qwindowgeometry"_s,
    u"qwindowicon"_s, u"qwindowtitle"_s, u"session"_s, u"style"_s, u"stylesheet"_s, u"display"_s,
    u"geometry"_s, u"title"_s, u"name"_s, u"visual"_s};
const QStringList toolkitFlags = {u"reverse"_s, u"widgetcount"_s, u"nograb"_s, u"dograb"_s, u"sync"_s};

const QString explainName = u"explicar"_s;
const QString classViewName = u"clase"_s;
const QString helpName = u"help"_s;
const QString newBoardName = u"tablero-nuevo"_s;
const QString seedName = u"semilla"_s;
const QString saveName = u"guardar"_s;
const QString voiceName = u"voz"_s;
const QString explainOption = u"--explicar"_s;
const QString classViewOption = u"--clase"_s;
const QString newBoardOption = u"--tablero-nuevo"_s;
const QString seedOption = u"--semilla"_s;
const QString saveOption = u"--guardar"_s;
const QString voiceOption = u"--voz"_s;
const QStringList helpOptions = {u"--help"_s, u"-h"_s};
// The options whose value is the next argument, or follows "=".
const QStringList valueOptions = {classViewOption, seedOption, saveOption};

// The program's own options, in the order the help lists them; each description is the help's
// own text for it, already broken to the help's width.
QList<QCommandLineOption> programOptions()
{
    return {
        QCommandLineOption(explainName,
                           u"Explica cada palabra sin abrir ninguna ventana: escribe una\n"
                           "línea por palabra con seis campos separados por tabuladores:\n"
                           "la palabra; sus sílabas separadas por guiones; la posición\n"
                           "de la sílaba tónica contada desde el final (1 = la última);\n"
                           "la clase (monosílaba, aguda, llana, esdrújula o\n"
                           "sobresdrújula); los diptongos, triptongos e hiatos (o «-»);\n"
                           "y la regla que le pide o le quita la tilde. Si la palabra\n"
                           "no está bien escrita, ese último campo empieza por su forma\n"
                           "correcta («\"arbol\" se escribe \"árbol\"…») y explica esa\n"
                           "forma; los otros cinco describen la palabra tal como se ha\n"
                           "dado. El diccionario es el de hunspell (paquete\n"
                           "hunspell-es) y la lista de palabras del sistema (wspanish),\n"
                           "corregidos según la Ortografía de 2010.\n"
                           "Una palabra que no se puede analizar muestra «error» en el\n"
                           "segundo campo y el motivo en el último; entonces el programa\n"
                           "termina con el código 1. Todo lo que sigue a --explicar\n"
                           "es una palabra, también lo que empieza por «-». Los\n"
                           "caracteres de control se muestran como \\t, \\n o \\u{001b}."_s,
                           u"PALABRA…"_s),
        QCommandLineOption(voiceName,
                           u"Con --explicar: dice cada palabra con la voz española de\n"
                           "espeak-ng y escribe tras su línea otra con sus sílabas y la\n"
                           "tónica en mayúsculas («Se pronuncia: ÁR-bol»). Sin ningún\n"
                           "dispositivo de sonido lo dice y explica igual. Puede ir\n"
                           "también detrás de las palabras."_s),
        QCommandLineOption(classViewName,
                           u"Abre «Resultados de la clase» con los archivos de resultados\n"
                           "de la carpeta, sin la ventana de práctica."_s,
                           u"CARPETA"_s),
        QCommandLineOption(newBoardName,
                           u"Hace un tablero nuevo sin abrir ninguna ventana, como\n"
                           "«Archivo › Tablero nuevo»: 40 palabras y sus repuestos, con\n"
                           "más sitio para las reglas que más fallas según tu historial.\n"
                           "Escribe sus palabras, una por línea, y después la línea de\n"
                           "las reglas que practica y la semilla."_s),
        QCommandLineOption(seedName,
                           u"Con --tablero-nuevo: la semilla, un número entero de 0 a\n"
                           "4294967295. La misma semilla con el mismo historial da el\n"
                           "mismo tablero; sin ella, se toma del reloj."_s,
                           u"N"_s),
        QCommandLineOption(saveName,
                           u"Con --tablero-nuevo: guarda el tablero en ARCHIVO, en el\n"
                           "formato de nivel1.txt (Windows-1252, una palabra por línea),\n"
                           "en lugar de escribir sus palabras."_s,
                           u"ARCHIVO"_s),
        QCommandLineOption({u"h"_s, helpName}, u"Muestra esta ayuda."_s),
    };
}

// The parser knows the toolkit's options too, hidden from the help, so that none of them is
// taken for an unknown option. Options are long words after one dash or two, as the toolkit
// writes its own.
void addOptions(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(programOptions());
    for (const QStringList *names : {&toolkitOptionsWithValue, &toolkitFlags}) {
        for (const QString &name : *names) {
            QCommandLineOption option(name);
            if (names == &toolkitOptionsWithValue)
                option.setValueName(u"valor"_s);
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
}

// An option as the help writes it: "--clase CARPETA".
QString shownSyntax(const QCommandLineOption &option)
{
    const QString name = u"--"_s + option.names().constLast();
    return option.valueName().isEmpty() ? name : name + u' ' + option.valueName();
}

// The option's name in "-style", "--style" or "-style=fusion" as the parser reads it, or nothing.
QString optionName(const QString &argument)
{
    if (!argument.startsWith(u'-') || argument.size() < 2)
        return QString();
    return argument.mid(argument.startsWith(u"--"_s) ? 2 : 1).section(u'=', 0, 0);
}

// The program's own options are taken only as the help writes them ("-clase", "--h" and
// "--help=x" are refused, as is a bare "--"); whether --clase has its folder is told apart.
bool isMisspeltOption(const QString &argument)
{
    if (argument == u"--"_s)
        return true;
    const QString name = optionName(argument);
    if (valueOptions.contains(u"--"_s + name))
        return argument != u"--"_s + name && !argument.startsWith(u"--"_s + name + u'=');
    if (name == newBoardName)
        return argument != newBoardOption;
    if (name == voiceName)
        return argument != voiceOption;
    return name == explainName || name == helpName || name == u"h"_s;
}

// Whether the argument is an option whose value is the next argument. A value never begins
// with "--": "--clase --explicar" lacks its folder rather than taking the option for one.
bool takesNext(const QString &argument, const QString &next)
{
    if (argument.contains(u'='))
        return false;
    if (valueOptions.contains(argument))
        return !next.startsWith(u"--"_s);
    return toolkitOptionsWithValue.contains(optionName(argument));
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
    QString error = u"tildora: opción desconocida: «%1»."_s.arg(argument);
    if (argument.size() > 3 && argument.startsWith(u"--"_s)) {
        for (const QString &known :
             {explainOption, classViewOption, newBoardOption, seedOption, saveOption, voiceOption, helpOptions.first()}) {
            if (known.startsWith(argument) || argument.startsWith(known))
                return error + u" ¿Querías decir «%1»?"_s.arg(known);
        }
    }
    return error;
}

// What the arguments before --explicar or the help hold, read left to right: the arguments for
// the parser, where --clase was given, and the first fault the parser cannot see (an option of
// the program spelt otherwise, --clase twice or without its folder) with how many arguments
// the parser had been given by then.
struct Options {
    QStringList forParser;
    qsizetype end = -1;
    qsizetype classView = -1;
    QString fault;
    qsizetype faultAt = -1;
};

Options readOptions(const QStringList &arguments)
{
    Options options;
    options.forParser << arguments.value(0);
    const auto fault = [&](const QString &message) {
        if (options.faultAt < 0) {
            options.fault = message;
            options.faultAt = options.forParser.size();
        }
    };
    for (qsizetype n = 1; n < arguments.size(); ++n) {
        const QString &argument = arguments.at(n);
        if (argument == explainOption || helpOptions.contains(argument)) {
            options.end = n;
            break;
        }
        if (isMisspeltOption(argument))
            fault(unknownOption(argument));
        const bool hasNext = n + 1 < arguments.size() && takesNext(argument, arguments.at(n + 1));
        if (argument == classViewOption || argument.startsWith(classViewOption + u'=')) {
            if (options.classView >= 0)
                fault(u"tildora: «--clase» solo se puede dar una vez."_s);
            options.classView = n;
            if (argument == classViewOption + u'=' || (argument == classViewOption && !hasNext)) {
                fault(ClassCommandLine::missingFolderMessage());
                continue;
            }
        } else if ((argument == seedOption || argument == saveOption) && !hasNext) {
            fault(u"tildora: falta el valor de «%1»."_s.arg(argument));
            continue;
        } else if (!hasNext && takesNext(argument, QString())) {
            // A toolkit option left without its value is the toolkit's to judge.
            continue;
        }
        options.forParser << argument;
        if (hasNext)
            options.forParser << arguments.at(++n);
    }
    return options;
}

// An unknown option or a stray argument among the arguments, or nothing. The toolkit judges a
// value given to one of its flags.
QString parserFault(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    parser.parse(arguments);
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
        const auto given = std::find_if(arguments.cbegin() + 1, arguments.cend(),
                                        [&](const QString &argument) {
                                            return optionName(argument) == unknown.first();
                                        });
        return unknownOption(given != arguments.cend() ? *given : u"--"_s + unknown.first());
    }
    if (const QStringList stray = parser.positionalArguments(); !stray.isEmpty())
        return u"tildora: no se esperaba «%1»."_s.arg(stray.first());
    return QString();
}

} // namespace

Request parse(const QStringList &arguments)
{
    const Options options = readOptions(arguments);
    // Of several faults the first from the left is named: the parser is given one more
    // argument at a time until it finds one, or reaches the fault found while reading.
    QString fault = options.fault;
    for (qsizetype given = 2; given <= options.forParser.size() && (options.faultAt < 0 || given <= options.faultAt);
         ++given) {
        if (const QString found = parserFault(options.forParser.first(given)); !found.isEmpty()) {
            fault = found;
            break;
        }
    }
    if (!fault.isEmpty())
        return refused(fault);
    QCommandLineParser parser;
    addOptions(parser);
    parser.parse(options.forParser);
    Request request;
    if (options.classView >= 0) {
        request.action = Request::Action::ClassView;
        request.folder = parser.value(classViewName);
        const bool joined = arguments.at(options.classView) != classViewOption;
        request.folderArgument = joined ? options.classView : options.classView + 1;
        request.folderStart = joined ? classViewOption.size() + 1 : 0;
    }
    if (options.end >= 0 && arguments.at(options.end) != explainOption) {
        request = Request();
        request.action = Request::Action::Help;
        return request;
    }
    if (parser.isSet(newBoardName)) {
        if (request.action == Request::Action::ClassView)
            return refused(u"tildora: «--clase» y «--tablero-nuevo» no van juntas."_s);
        if (options.end >= 0)
            return refused(u"tildora: «--tablero-nuevo» y «--explicar» no van juntas."_s);
        if (parser.isSet(voiceName))
            return refused(u"tildora: «--voz» solo va con «--explicar»."_s);
        request.action = Request::Action::NewBoard;
        for (const QString &name : {seedName, saveName})
            if (parser.values(name).size() > 1)
                return refused(u"tildora: «--%1» solo se puede dar una vez."_s.arg(name));
        if (parser.isSet(seedName)) {
            const QString seed = parser.value(seedName);
            // Digits only: the number reader would also take "+5" or " 5".
            const bool digits =
                !seed.isEmpty() && std::all_of(seed.cbegin(), seed.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
            bool ok = false;
            const uint value = seed.toUInt(&ok, 10);
            if (!digits || !ok)
                return refused(u"tildora: la semilla tiene que ser un número entero de 0 a 4294967295, no «%1»."_s.arg(seed));
            request.seed = value;
        }
        request.boardFile = parser.value(saveName);
        if (parser.isSet(saveName) && request.boardFile.isEmpty())
            return refused(u"tildora: falta el valor de «--guardar»."_s);
        return request;
    }
    for (const QString &name : {seedName, saveName})
        if (parser.isSet(name))
            return refused(u"tildora: «--%1» solo va con «--tablero-nuevo»."_s.arg(name));
    if (options.end < 0 && parser.isSet(voiceName))
        return refused(u"tildora: «--voz» solo va con «--explicar»."_s);
    if (options.end < 0)
        return request;
    if (request.action == Request::Action::ClassView)
        return refused(u"tildora: «--clase» y «--explicar» no van juntas."_s);
    request.action = Request::Action::Explain;
    request.words = arguments.mid(options.end + 1);
    // No Spanish word is written "--voz": there it is the option, also after the words.
    request.speak = parser.isSet(voiceName) || request.words.removeAll(voiceOption) > 0;
    if (request.words.isEmpty())
        return refused(u"tildora: --explicar necesita al menos una palabra."_s);
    return request;
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int n = 0; n < argc; ++n)
        arguments << QString::fromLocal8Bit(argv[n]);
    return arguments;
}

QString helpText()
{
    const QList<QCommandLineOption> options = programOptions();
    QString usage = u"Uso: tildora"_s;
    // The new board's options make a command of their own, on a second line.
    QString boardUsage = u"\n     tildora "_s + newBoardOption;
    QString described;
    for (const QCommandLineOption &option : options) {
        const bool forBoard = option.names().contains(seedName) || option.names().contains(saveName);
        if (!option.valueName().isEmpty())
            (forBoard ? boardUsage : usage) += u" ["_s + shownSyntax(option) + u']';
        // The descriptions' lines continue under their first.
        QString description = option.description();
        description.replace(u'\n', u'\n' + QString(23, u' '));
        described += u"  "_s + shownSyntax(option).leftJustified(21) + description + u'\n';
    }
    return usage + boardUsage + u"\n\nSin opciones, abre la ventana de práctica de la acentuación.\n\n"_s + described
        + u"\n"
          "En un adverbio en -mente con tilde (fácilmente), la posición de la sílaba tónica y\n"
          "la clase son las del adjetivo, que conserva su tilde: se cuentan desde el final\n"
          "del adjetivo (fá-cil: 2, llana).\n"
          "\n"
          "Las palabras con prefijo se dividen por las reglas generales (de-sam-pa-ro), salvo\n"
          "las que llevan sub- ante l o r, en las que la b cierra la sílaba (y la r suena\n"
          "fuerte): las familias de sublevar, sublingual, sublunar, subrayar, subregión,\n"
          "subreino, subrepticio y subrogar (sub-le-var, sub-ra-yar). En sublime y sublimar\n"
          "no hay prefijo, y en subranquial y subrigadier la br es la de branquial y\n"
          "brigadier: su-bli-me, su-bran-quial.\n"_s;
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
    return CommandLine::helpText().section(u'\n', 0, 1) + u"\nPrueba «tildora --help».\n"_s;
}

// A new board printed (one word a line, then the rules it practises and its seed) or saved as
// a board file. Aimed at the history of the user running it, as the window's command is.
int runNewBoard(const CommandLine::Request &request)
{
    // The history's place is named after the program, which no application object names yet.
    QCoreApplication::setApplicationName(QStringLiteral("Tildora"));
    const QString historyPath = ScoreHistory::defaultPath();
    const ScoreHistory::Contents history = ScoreHistory::read(historyPath);
    if (history.problem != ScoreHistory::Problem::None)
        write(stderr, QStringLiteral("tildora: %1 El tablero no tiene en cuenta tus fallos.\n")
                          .arg(ScoreHistory::problemText(history.problem, historyPath)));
    const std::uint32_t seed = request.seed.value_or(std::uint32_t(QDateTime::currentMSecsSinceEpoch()));
    const NewBoard board = BoardMaker(Lexicon::shared()).make(seed, BoardMaker::historyMisses(history.records));
    if (board.words.isEmpty()) {
        write(stderr, QStringLiteral("tildora: no se puede hacer un tablero nuevo: la lista de palabras del programa está vacía.\n"));
        return 1;
    }
    const QString about = board.practiceLine + QStringLiteral("\nSemilla: %1.\n").arg(seed);
    if (request.boardFile.isEmpty())
        return finishOutput(write(stdout, board.words.join(u'\n') + u"\n\n"_s + about)) ? 0 : 1;
    const TextFile::SaveStatus saved = TextFile::trySaveBytes(request.boardFile, board.fileBytes());
    if (saved != TextFile::SaveStatus::Ok) {
        write(stderr, QStringLiteral("tildora: ") + TextFile::saveErrorMessage(request.boardFile, saved) + u'\n');
        return 1;
    }
    return finishOutput(write(stdout, about)) ? 0 : 1;
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
        return finishOutput(write(stdout, CommandLine::helpText())) ? 0 : 1;
    case Action::NewBoard:
        return runNewBoard(request);
    case Action::Explain:
        break;
    }
    if (const QString notice = ExplainCommand::spellingNotice(); !notice.isEmpty())
        write(stderr, QStringLiteral("tildora: ") + notice + QLatin1Char('\n'));
    // Without a sound device the words are still explained, their syllables too: only the
    // voice is missing, which is said once, and the exit status does not change.
    EspeakSpeech voice;
    const QString voiceProblem = request.speak ? voice.open() : QString();
    if (!voiceProblem.isEmpty())
        write(stderr, QStringLiteral("tildora: %1 Las palabras se explican sin voz.\n").arg(voiceProblem));
    int status = 0;
    bool written = true;
    for (const QString &word : request.words) {
        bool ok = true;
        written = write(stdout, ExplainCommand::line(word, &ok) + QLatin1Char('\n')) && written;
        if (!ok)
            status = 1;
        if (!request.speak || !ok)
            continue;
        written = write(stdout, QStringLiteral("Se pronuncia: %1\n")
                                    .arg(ExplainCommand::stressedSyllables(word, ExplainCommand::StressMark::Capitals)))
            && written;
        if (!voiceProblem.isEmpty())
            continue;
        // The line is read while the word is heard; the next word waits for it to end.
        std::fflush(stdout);
        voice.say(word);
        voice.waitUntilHeard();
    }
    return finishOutput(written) ? status : 1;
}
