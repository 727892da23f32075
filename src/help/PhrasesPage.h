// The page "Frases y palabras" of the help window: putting the accents back into phrases.
#pragma once

#include "exercises/PhrasesExercise.h"
#include "shared/Colors.h"

#include <QHash>
#include <QObject>

class ExerciseScores;
class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;
class BigText;
class TabPage;
struct FileDialogRequest;

// The student opens a phrase file, gets it back without its accents in RichEdit2, restores
// them and has the lines judged; BigText1, under RichEdit2, then shows the student's lines in
// colour, and "Comprobar respuestas" lays the correct text over them and takes it away again.
class PhrasesPage : public QObject {
    Q_OBJECT
public:
    // The window's open dialog is shared with the page, which sets its folder on each use.
    // The percentage goes into the run's score object, of which Tpercentfrases is a view.
    PhrasesPage(TabPage *page, FileDialogRequest &openDialog, ExerciseScores &scores);

    // Handlers.
    void AbrefrasesClick();
    void CorregirClick();
    void ComprobarClick();

    BigText *BigText1 = nullptr;
    QTextEdit *RichEdit2 = nullptr;
    QPushButton *Abrefrases = nullptr;
    QPushButton *Corregir = nullptr;
    QFrame *Bevel7 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Tfrases = nullptr;
    QLabel *Tpercentfrases = nullptr;
    QLabel *Label13 = nullptr;
    QPushButton *Comprobar = nullptr;
    // Shown once the file is corrected, when "Corregir" has nothing more to do: how to go on.
    QLabel *nextStepHint = nullptr;

    // The phrase percentage of the last correction; only this page shows it.
    long double phrasePercent = 0;

    bool phrasesCorrected() const { return m_exercise.corrected(); }
    // The lines of the file now open, whole, as read when it was opened.
    const QStringList &referenceLines() const { return m_exercise.reference(); }

    // Colours of the judged lines in BigText1.
    static constexpr TColor rightText = Colors::clRed;
    static constexpr TColor rightBack = Colors::clLime;
    static constexpr TColor wrongText = Colors::clTeal;
    static constexpr TColor wrongBack = Colors::clBtnFace;
    // Lines that had nothing to put back and were left so: neither right nor wrong.
    static constexpr TColor plainText = Colors::clBlack;
    static constexpr TColor plainBack = Colors::clBtnFace;

    // The lines of a phrase file as the viewer shows them: RTF gives its paragraphs, plain
    // text (Windows-1252 or UTF-8) its lines, each tab widened to the next column of eight.
    // Throws AppError naming the file when it cannot be read, is larger than MaxFileBytes, has
    // more than MaxLines lines or holds no phrase with an accent to put back (an empty file among them).
    static QStringList readPhraseFile(const QString &path);
    // The largest phrase file opened, in bytes and in lines. Opening or correcting costs about
    // 3 ms of processor time per thousand lines, most of it filling the text box's blocks: a
    // 2 MB file of ordinary phrases (44,000 lines) took 0.15 s of processor time and 0.33 s on
    // a machine busy four times over, which leaves room for a slower one within a second. The
    // line limit holds a file of short lines to the same. A larger file is refused before it
    // is read, one with more lines before any box is filled; a class's file has a few hundred
    // lines.
    static constexpr qint64 MaxFileBytes = 2 * 1024 * 1024;
    static constexpr qsizetype MaxLines = 50000;

protected:
    // A wrong line's tip: the words that differ from the model and why each is written so.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The student has typed into the copy of a file not yet corrected.
    bool hasUncorrectedTyping() const;
    void showNewFile(QStringList lines);
    // The student's copy, one entry per line; an empty box with nothing to compare holds none.
    QStringList studentLines() const;
    void setPercentCaption(const QString &caption);
    void showNextStepHint(bool shown);
    // The student's box over the viewer, or the viewer uncovered.
    void showStudentCopy(bool shown);

    FileDialogRequest &m_openDialog;
    ExerciseScores &m_scores;
    PhrasesExercise m_exercise;
    // After a correction, a line's tip: empty for a line that is not wrong.
    QString lineTipAt(int line) const;
    // The wrong lines that the viewer's description explains; the rest are counted.
    static constexpr qsizetype DescribedWrongLines = 50;

    // The student's lines as corrected, and the tips of the lines asked for so far.
    QStringList m_correctedLines;
    mutable QHash<int, QString> m_lineTips;
};
