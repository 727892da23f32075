// The application object and its error guard.
#include "app/TildoraApplication.h"

#include "ui/ErrorGuard.h"
#include "shared/FontSubstitutes.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>

TildoraApplication::TildoraApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tildora"));
    setStyle(QStringLiteral("Fusion"));
    // Every window and dialog without an icon of its own shows the program's.
    setWindowIcon(QIcon(QStringLiteral(":/resources/tildora.png")));
    FontSubstitutes::install();
    installSpanishTranslations();
}

void TildoraApplication::installSpanishTranslations()
{
    // Before any widget exists, so that every standard button reads "Sí", "No", "Cancelar".
    if (m_qtTranslator.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_qtTranslator);
}

bool TildoraApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ErrorGuard::reportCurrentException();
    }
    return false;
}
