// "tildora --clase CARPETA": the teacher's class view opened directly on a folder.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ClassCommandLine {

struct Request {
    // "--clase" was given: the class view opens instead of the practice window.
    bool requested = false;
    QString folder;
    // The folder as the file system names it: on Unix its bytes, which need not be UTF-8.
    QByteArray nativeFolder;
    // A Spanish message for a command line that cannot be followed; empty when it can.
    QString error;
};

// Reads the program's arguments (the first being the program itself): "--clase CARPETA" or
// "--clase=CARPETA", as the command line as a whole reads them.
Request parse(const QStringList &arguments);
// The same from the bytes main() received, so that a folder whose name is not UTF-8 (copied
// from an older system) is still found.
Request parse(int argc, char **argv);

// The message for "--clase" given without its folder.
QString missingFolderMessage();

// Opens the class view on the folder and runs it until it is closed; the folder's problems
// are shown in the window, never fatal.
int run(const Request &request);

} // namespace ClassCommandLine
