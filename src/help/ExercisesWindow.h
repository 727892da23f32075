// The help-and-exercises window ExercisesWindow: the accentuation rules and the three further exercises.
#pragma once

#include "ui/DialogService.h"

#include <QWidget>

#include <memory>

class ExamplesPage;
class ExerciseScores;
class PhrasesPage;
class QuestionsPage;
class RulesPage;
class QTimer;
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

    // The page indexes of the notebook.
    enum Page { PageReglas = 0, PageEjemplos = 1, PageFrases = 2, PageCuestiones = 3 };

    // What the one-second timer does: the classification recounted and the questions
    // percentage brought up to date.
    void refreshFigures();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    ExercisesWindow(ExerciseScores *shared, QWidget *parent);

    void buildTopPanel();
    void buildNotebook();
    void zeroPhraseFigures();
    void showInstructions();
    void beforePageChange(int newPage, bool &allowChange);

    // In the top bar; the classification writes its verdict into it.
    Banner *banner = nullptr;
    TabbedNotebook *pageTabs = nullptr;
    QTimer *refreshTimer = nullptr;
    FileDialogRequest openDialog;

    // The four pages, each built and handled in its own class.
    RulesPage *rulesPage = nullptr;
    ExamplesPage *examplesPage = nullptr;
    PhrasesPage *phrasesPage = nullptr;
    QuestionsPage *questionsPage = nullptr;

    std::unique_ptr<ExerciseScores> m_ownScores;
    ExerciseScores &m_scores;
};
