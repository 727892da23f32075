// Where the results file is written, and the folder part of a path as the mail note gives it.
#pragma once

#include <QString>

namespace ResultsFilePath {

// "c:\result.txt" on Windows; elsewhere "result.txt" in the user's home folder, since a
// drive letter means nothing there and the home folder is always the student's to write.
QString path();

// Everything up to and including the last path separator of this platform (on Windows also
// a drive's colon): "c:\" for "c:\result.txt", "/home/ana/" for "/home/ana/result.txt"; empty
// when the path has none.
QString folderPart(const QString &path);

} // namespace ResultsFilePath
