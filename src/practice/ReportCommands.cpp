// The practice window's report commands: PDF, history, progress and class windows.
#include "practice/ReportCommands.h"

#include "results/ResultsPdf.h"
#include "results/ScoreHistory.h"
#include "reports/ClassResultsWindow.h"
#include "reports/ProgressWindow.h"
#include "ui/WindowControls.h"
#include "shared/AppError.h"
#include "ui/DialogService.h"

#include <QDir>
#include <QLabel>
#include <QStandardPaths>

namespace ReportCommands {

namespace {

template <typename Window>
Window *windowOf(QWidget *parent)
{
    Window *window = parent->findChild<Window *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new Window(parent);
        // Closing it never ends the program; the practice window does that.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        WindowControls::closeWithKeys(window);
    }
    return window;
}

void bringUp(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

QString savePdf(QWidget *parent, const ResultsSummary::Figures &figures, const QList<SessionDetail::Miss> &misses)
{
    const QDateTime now = QDateTime::currentDateTime();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    FileDialogRequest request;
    request.title = QStringLiteral("Guardar los resultados en PDF");
    request.filter = QStringLiteral("Documento PDF (*.pdf)|*.pdf");
    request.defaultExtension = QStringLiteral("pdf");
    request.initialFolder = folder;
    request.fileName = ResultsPdf::defaultFileName(figures.studentName, now.date());
    request.mustExist = false;
    const FileDialogResult chosen = DialogService::instance().saveFile(parent, request);
    if (!chosen.accepted)
        return QString();
    const QString path = DialogText::withDefaultExtension(chosen.path, request.defaultExtension);
    const TextFile::SaveStatus saved = ResultsPdf::write(path, figures, misses, now);
    if (saved == TextFile::SaveStatus::CannotCreate)
        throw AppError(TextFile::saveErrorMessage(path, saved)
                       + QStringLiteral(" Elige otra carpeta, por ejemplo tu carpeta personal."));
    if (saved != TextFile::SaveStatus::Ok)
        throw AppError(TextFile::saveErrorMessage(path, saved));
    return path;
}

bool recordHistory(QWidget *parent, const ResultsSummary::Figures &figures, const QMap<QString, int> &misses)
{
    const QString path = ScoreHistory::defaultPath();
    ScoreHistory::Problem problem = ScoreHistory::Problem::None;
    ScoreHistory::Record record = ScoreHistory::fromFigures(figures, QDateTime::currentDateTime());
    record.misses = misses;
    const ScoreHistory::AppendStatus status = ScoreHistory::append(path, record, &problem);
    if (status == ScoreHistory::AppendStatus::Ok || status == ScoreHistory::AppendStatus::AlreadyRecorded)
        return true;
    const QString why = status == ScoreHistory::AppendStatus::Refused ? ScoreHistory::problemText(problem, path)
                                                                      : QDir::toNativeSeparators(path);
    DialogService::instance().message(
        parent,
        QStringLiteral("No se ha podido añadir esta sesión al historial de progreso.\r%1\r"
                       "Los resultados sí están guardados; el historial anterior sigue como estaba.")
            .arg(why),
        QStringLiteral("Progreso"), MessageIcon::Warning, MessageButtons::Ok);
    return false;
}

void showProgress(QWidget *parent)
{
    ProgressWindow *window = windowOf<ProgressWindow>(parent);
    window->loadHistory(ScoreHistory::defaultPath());
    bringUp(window);
}

void showClassResults(QWidget *parent)
{
    ClassResultsWindow *window = windowOf<ClassResultsWindow>(parent);
    bringUp(window);
    if (window->folder().isEmpty())
        window->chooseFolder();
}

void fitBanner(QLabel *banner, const QRect &geometry)
{
    const QPixmap picture = banner->pixmap();
    banner->setScaledContents(false);
    banner->setGeometry(geometry);
    banner->setAlignment(Qt::AlignCenter);
    // Scaled in device pixels: a picture drawn for a sharper screen keeps its pixel ratio.
    banner->setPixmap(picture.scaled(geometry.size() * picture.devicePixelRatio(), Qt::KeepAspectRatio,
                                     Qt::SmoothTransformation));
}

} // namespace ReportCommands
