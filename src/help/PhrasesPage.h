// The page "Frases y palabras" of the help window: putting the accents back into phrases.
#pragma once

#include "exercises/PhrasesExercise.h"
#include "shared/Colors.h"

#include <QHash>
#include <QObject>

class ExerciseScores;
class QLabel;
class QPushButton;
class QTextEdit;
class BigText;
class TabPage;
struct FileDialogRequest;

// The student opens a phrase file, gets it back without its accents in the student's box,
// restores them and has the lines judged; the viewer under the box then shows the student's
// lines in colour, and "Comprobar respuestas" lays the correct text over them and takes it
// away again.
class PhrasesPage : public QObject {
    Q_OBJECT
public:
    // The window's open dialog is shared with the page, which sets its folder on each use.
    // The percentage goes into the run's score object, of which the percentage figure is a
    // view.
    PhrasesPage(TabPage *page, FileDialogRequest &openDialog, ExerciseScores &scores);

    // What "Frases" does: a phrase file chosen in the open dialog, read and shown without its
    // accents. Throws AppError when the file cannot be used.
    void openPhraseFile();
    // What "Corregir" does: the student's lines judged and shown in colour in the viewer.
    void correctPhrases();

    // The phrase percentage of the last correction; only this page shows it.
    long double phrasePercent = 0;

    // Colours of the judged lines in the viewer.
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

    // The viewer first, so that the student's box lies over it and hides it while shown.
    BigText *m_viewer = nullptr;
    QTextEdit *m_studentBox = nullptr;
    QPushButton *m_openButton = nullptr;
    QPushButton *m_correctButton = nullptr;
    // "Comprobar respuestas": the correct text over the student's lines, and away again.
    QPushButton *m_answersButton = nullptr;
    // The phrases right so far over those counted, and their percentage.
    QLabel *m_hitsFigure = nullptr;
    QLabel *m_percentFigure = nullptr;
    // Shown once the file is corrected, when "Corregir" has nothing more to do: how to go on.
    QLabel *m_nextStepHint = nullptr;

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
