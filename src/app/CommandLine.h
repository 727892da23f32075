// The command line: what it asks for, and the options that run without a window.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace CommandLine {

// What a command line asks for, read before anything needs a display.
struct Request {
    enum class Action {
        PracticeWindow, // no option: the program as the student knows it
        ClassView,      // --clase CARPETA
        Explain,        // --explicar PALABRA… [--voz]
        NewBoard,       // --tablero-nuevo [--semilla N] [--guardar ARCHIVO]
        Help,           // --help or -h
        Refused,        // an option or argument the program does not know, or one left incomplete
    };
    Action action = Action::PracticeWindow;
    // The words to explain: every argument after --explicar, whatever it looks like, but --voz.
    QStringList words;
    // --voz, before or after the words: each word is also said aloud.
    bool speak = false;
    QString folder;
    // For ClassView: where the folder is among the arguments, its argument's index and where in
    // it the folder starts, so that its bytes can be taken as the system gave them.
    qsizetype folderArgument = -1;
    qsizetype folderStart = 0;
    // For NewBoard: the seed given, and the board file to write instead of printing the board.
    std::optional<std::uint32_t> seed;
    QString boardFile;
    // For Refused: the Spanish message, without the usage.
    QString error;
};

// Reads the arguments (the first being the program itself) from left to right: --help ends
// the reading, --explicar takes every argument after it as a word, and an argument the
// program does not know refuses the whole command line. The toolkit's own options (-platform,
// -style…) are left to it.
Request parse(const QStringList &arguments);

// The arguments as the system passed them, decoded without an application object.
QStringList argumentsOf(int argc, char **argv);

// The text of "tildora --help"; its first line is the usage.
QString helpText();

} // namespace CommandLine

// Handles a command line that needs no display (--explicar, --tablero-nuevo, --help, or one
// that is refused)
// and gives the exit status; gives nothing when a window is to be opened.
std::optional<int> runCommandLine(const CommandLine::Request &request);
