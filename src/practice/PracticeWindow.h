// The practice window PracticeWindow: the word board with its hit and miss counters, the score
// strip, the tool bar and menus that open every other window.
#pragma once

#include "exercises/BoardExercise.h"
#include "exercises/BoardMaker.h"
#include "results/ResultsSummary.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;
class BoolComboBox;
class ExercisesWindow;
class ExerciseScores;
class LCDControl;
class ListenAction;
class PhraseEditor;
class ResultsMail;
class ScoreStrip;
class StudentDataDialog;

class PracticeWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int boardSize = BoardExercise::boardSize;

    // The windows the practice window opens without owning them. Their owner makes each the
    // first time it is asked for; a window nobody provides is not opened.
    struct Neighbours {
        std::function<ExercisesWindow *()> exercisesWindow;
        std::function<StudentDataDialog *()> studentDataDialog;
        std::function<PhraseEditor *()> phraseEditor;
        // The editor only if it has been made: one never opened has nothing to save.
        std::function<PhraseEditor *()> builtPhraseEditor;
    };

    // A window of its own scores (a test's), or one that shares the run's score object with
    // the exercises window.
    explicit PracticeWindow(QWidget *parent = nullptr);
    explicit PracticeWindow(ExerciseScores &scores, QWidget *parent = nullptr);
    ~PracticeWindow() override;

    void setNeighbours(Neighbours neighbours) { m_neighbours = std::move(neighbours); }

    // The misses of the board on view by the rule of each missed word; they go into the
    // history with the session.
    const RuleMisses &ruleMisses() const { return m_ruleMisses; }

    // The run's counts and percentages: the board writes its own, the strip reads all four.
    ExerciseScores &scores() const { return m_scores; }

    // Selector n (1 ... 40) of the board.
    BoolComboBox *selector(int n) const { return m_selectors[std::size_t(n - 1)]; }

    // The hidden edit that tells a complete board, made the first time it is needed: its
    // large font would otherwise be loaded before the window's first frame for nothing.
    QLineEdit *completionBanner();

    // Whether the information window has greeted the student; a window that is not to greet
    // is told it already has.
    bool aboutShown() const { return m_aboutShown; }
    void setAboutShown(bool shown) { m_aboutShown = shown; }

    // The placeholder recipient of the results mail: the student types the teacher's address
    // over it in the compose window.
    static inline const QString placeholderRecipient = QStringLiteral("correo.del.profesor@example.com");

    // The window's commands that may fail with a message (AppError), as the tool bar and the
    // menus give them.
    // "Abrir": a board file the student chooses.
    void openBoard();
    // "Tablero nuevo": a board made from the seed and aimed at the rules the student's history
    // misses most, loaded as an opened board is; the line under the board says which rules it
    // practises until a miss explains itself there.
    void newBoard(std::uint32_t seed);
    // "Guardar tablero": the board's words, replacements included, as a board file the student
    // chooses (Windows-1252, one word a line, as the shipped boards).
    void saveBoard();
    // "Enviar resultados": the results file written, recorded in the history and mailed.
    void sendResults();
    // "Guardar PDF": the results as a PDF page, recorded in the history.
    void saveResultsPdf();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    PracticeWindow(ExerciseScores *shared, QWidget *parent);

    void createToolBar(QWidget *client);
    void createBoard(QWidget *client);
    void createCounters(QWidget *client);
    void createScoreStrip(QWidget *client);
    void createMail();
    void createMenus();
    void createReportCommands();

    // The handlers of the window, its controls and its mail.
    void loadStartingBoard();
    // The board file's text on the selectors, its counters afresh; a text that is no board
    // throws and leaves the board as it was.
    void showBoard(const QString &text, const QString &fileName);
    // "Tablero nuevo" from the menu: a seed from the clock.
    void newBoardFromClock();
    void returnFocusOnActivation();
    void confirmQuit();
    void showExercises();
    void showResults();
    void showStudentData();
    void editPhrases();
    void showInstructions();
    void showAbout();
    void showProgress();
    void showClassResults();
    void mailEnded(ResultsMail *mail, const QString &document);
    void mailFailed(ResultsMail *mail, quint32 errorNumber, const QString &errorMessage);
    void mailCancelled(ResultsMail *mail, const QString &document);
    void selectorEntered(BoolComboBox *box);
    void selectorChanged(BoolComboBox *box);
    void selectorLeft(BoolComboBox *box);

    // One dated record in the progress history; a failure is told, the results stay saved.
    void recordHistory(const ResultsSummary::Figures &figures);
    // The board's misses not yet in the history.
    RuleMisses unrecordedMisses() const;
    // The line under the board; when it explains a word, that word's syllables beside it and
    // "Escuchar" says it.
    void showExplanation(const QString &text, const QString &word = QString());
    // A selector takes a board word; a selector without one cannot be played.
    void setBoardWord(BoolComboBox *box, const QString &word);
    // The hit percentage after either count changed, and the strip with it.
    void showHitPercent();
    // What a screen reader says of selector n besides its word: its place, whether it is
    // right and, once it is, why the word is written so (also its tip).
    void describeSelector(int n);
    int selectorNumber(const BoolComboBox *box) const;
    // The playable selector after (or before) selector n, if any.
    BoolComboBox *selectorBeside(int n, bool next) const;
    // The first playable selector not yet right, if any.
    BoolComboBox *firstSelectorToAnswer() const;
    void showShortBoardNotice(const QString &fileName);
    // Before results go out without a name, asks for the student's data when there is a
    // dialog for it; false when the student gave none.
    bool haveStudentName();
    // The box "Enviar correo" before a send: true when the student goes ahead.
    bool confirmSend();
    // The session's misses written to the detail file beside the results file; a failure is
    // told in a warning and leaves no earlier detail there. True when written.
    bool saveSessionDetail(const QString &path);

    // The selector the student left last (1 ... 40), 0 on a fresh board or once the keyboard
    // has gone round the tool bar: keyboard play goes on beside it from "Resultados".
    int m_lastLeft = 0;
    bool m_loadingBoard = false;
    bool m_aboutShown = false;

    std::unique_ptr<ExerciseScores> m_ownScores;
    ExerciseScores &m_scores;
    BoardExercise m_board;
    RuleMisses m_ruleMisses;
    // Those of m_ruleMisses already in the history.
    RuleMisses m_recordedMisses;
    // The seed of a board made here, for the name it is saved under; none for a board file.
    std::optional<std::uint32_t> m_boardSeed;
    Neighbours m_neighbours;

    QFrame *m_toolBar = nullptr;
    QToolButton *m_openBoardButton = nullptr;
    QToolButton *m_exercisesButton = nullptr;
    QPushButton *m_sendButton = nullptr;
    QLabel *m_bannerPicture = nullptr;
    QToolButton *m_quitButton = nullptr;
    QPushButton *m_savePdfButton = nullptr;
    // "Resultados": where the focus rests after each choice on the board.
    QPushButton *m_resultsButton = nullptr;
    LCDControl *m_hitsCounter = nullptr;
    LCDControl *m_missesCounter = nullptr;
    // The forty selectors, in board order, held from the window's creation.
    std::array<BoolComboBox *, boardSize> m_selectors{};
    // Hidden views of the board's percentage caption and of the miss count.
    QLabel *m_boardPercent = nullptr;
    QLabel *m_missCount = nullptr;
    // The line under the board that says why a missed word is written as it is.
    QLabel *m_explanation = nullptr;
    // The explained word's syllables, the stressed one in bold, and the command that says it.
    QLabel *m_syllables = nullptr;
    ListenAction *m_listenAction = nullptr;
    ScoreStrip *m_strip = nullptr;
    // The banner, once made (see completionBanner()).
    QLineEdit *m_completionBanner = nullptr;
    // The strip's reading is taken once a second.
    QTimer *m_stripTimer = nullptr;
    ResultsMail *m_mail = nullptr;

    QAction *m_openBoardAction = nullptr;
    QAction *m_newBoardAction = nullptr;
    QAction *m_saveBoardAction = nullptr;
    QAction *m_quitAction = nullptr;
    QAction *m_studentDataAction = nullptr;
    QAction *m_editPhrasesAction = nullptr;
    QAction *m_instructionsAction = nullptr;
    QAction *m_aboutAction = nullptr;
    // "Ejercicios" from the menu and its key, for whoever has no mouse: the tool button never
    // takes the focus.
    QAction *m_exercisesAction = nullptr;
    QAction *m_savePdfAction = nullptr;
    QAction *m_progressAction = nullptr;
    QAction *m_classResultsAction = nullptr;
};
