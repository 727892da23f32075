// Where the results file is written.
#include "platform/ResultsFilePath.h"

#include <QDir>

#include <algorithm>

namespace ResultsFilePath {

QString path()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\result.txt");
#else
    return QDir(QDir::homePath()).filePath(QStringLiteral("result.txt"));
#endif
}

QString folderPart(const QString &path)
{
#ifdef Q_OS_WIN
    const qsizetype last = std::max({path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')),
                                     path.lastIndexOf(QLatin1Char(':'))});
#else
    const qsizetype last = path.lastIndexOf(QLatin1Char('/'));
#endif
    return path.left(last + 1);
}

} // namespace ResultsFilePath
