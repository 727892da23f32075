// What the practice window's report commands do: the results as PDF, the progress history
// record, and opening the progress and class windows.
#pragma once

#include "results/ResultsSummary.h"
#include "results/SessionDetail.h"

#include <QMap>
#include <QRect>

class QLabel;
class QWidget;

namespace ReportCommands {

// Asks where to save (the student's name and the date as the default name) and writes the
// results page with the run's misses by rule; an unwritable place raises a Spanish error
// naming the file. The path written, or nothing when the student cancelled.
QString savePdf(QWidget *parent, const ResultsSummary::Figures &figures, const QList<SessionDetail::Miss> &misses);

// Appends one dated record, with the board's misses by rule, to the progress history, unless
// its figures are those of the last record; a failure, or a history refused, is told in a
// warning box saying why. True when the history holds the session (added now or before).
bool recordHistory(QWidget *parent, const ResultsSummary::Figures &figures, const QMap<QString, int> &misses);

// The "Progreso" window, one per parent, with the history read afresh.
void showProgress(QWidget *parent);

// The class view, one per parent; the first opening asks for the folder.
void showClassResults(QWidget *parent);

// The banner picture fitted into a narrower place, keeping its proportions.
void fitBanner(QLabel *banner, const QRect &geometry);

} // namespace ReportCommands
