// "tildora --clase CARPETA": the teacher's class view opened directly on a folder.
#pragma once

#include <QString>
#include <QStringList>

namespace ClassCommandLine {

struct Request {
    // "--clase" was given: the class view opens instead of the practice window.
    bool requested = false;
    QString folder;
    // A Spanish message for a command line that cannot be followed; empty when it can.
    QString error;
};

// Reads the program's arguments (the first being the program itself): "--clase CARPETA" or
// "--clase=CARPETA", as the command line as a whole reads them.
Request parse(const QStringList &arguments);

// The message for "--clase" given without its folder.
QString missingFolderMessage();

// Opens the class view on the folder and runs it until it is closed; the folder's problems
// are shown in the window, never fatal.
int run(const Request &request);

} // namespace ClassCommandLine
