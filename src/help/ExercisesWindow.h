// The help-and-exercises window ExercisesWindow: the accentuation rules and the three further exercises.
#pragma once

#include "ui/DialogService.h"

#include <QWidget>

#include <memory>

class ExamplesPage;
class ExerciseScores;
class PhrasesPage;
class QFrame;
class QuestionsPage;
class RulesPage;
class QLabel;
class QTextEdit;
class QTimer;
class QToolButton;
class Banner;
class TabPage;
class TabbedNotebook;

// Created hidden at start-up and kept for the whole run: hiding it (the return button or the
// close box) keeps every page as the student left it. The practice window shows it modelessly.
class ExercisesWindow : public QWidget {
    Q_OBJECT
public:
    // A window of its own scores (a test's), or one that shares the run's score object with
    // the practice window.
    explicit ExercisesWindow(QWidget *parent = nullptr);
    explicit ExercisesWindow(ExerciseScores &scores, QWidget *parent = nullptr);
    ~ExercisesWindow() override;

    // The run's four percentages: the pages write theirs, the practice window reads them.
    ExerciseScores &scores() const { return m_scores; }

    // The page indexes of TabbedNotebook1.
    enum Page { PageReglas = 0, PageEjemplos = 1, PageFrases = 2, PageCuestiones = 3 };

    // The instruction texts, lines joined by a lone CR; empty for a page without instructions.
    static QString instructionsFor(const QString &pageCaption);

    // Handlers.
    void FormCreate();
    void FormShow();
    void FormHide();
    void SpeedButton1Click();
    void VolverClick();
    void TabbedNotebook1Change(int NewTab, bool &AllowChange);
    void TabbedNotebook1Click();
    void Timer1Timer();

    // Controls, by the names the rest of the program knows them by.
    QFrame *Panel1 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *Volver = nullptr;
    Banner *MultiShape2 = nullptr;
    TabbedNotebook *TabbedNotebook1 = nullptr;
    QTimer *Timer1 = nullptr;
    FileDialogRequest OpenDialog1;

    // The four pages, each built and handled in its own class.
    RulesPage *rulesPage = nullptr;
    ExamplesPage *examplesPage = nullptr;
    PhrasesPage *phrasesPage = nullptr;
    QuestionsPage *questionsPage = nullptr;

    // The pages' controls under the names the window knows them by; the percentage labels
    // are views of the score object, which is what other windows read.
    QTextEdit *RichEdit1 = nullptr;
    QLabel *porcen1 = nullptr;
    QLabel *Tpercentfrases = nullptr;
    QLabel *TCuestPercent = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    ExercisesWindow(ExerciseScores *shared, QWidget *parent);

    void buildTopPanel();
    void buildNotebook();

    std::unique_ptr<ExerciseScores> m_ownScores;
    ExerciseScores &m_scores;
};
