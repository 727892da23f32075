// The practice window PracticeWindow: the word board with its hit and miss counters, the tool bar and
// menus that open every other window.
#pragma once

#include "exercises/BoardExercise.h"
#include "results/ResultsSummary.h"
#include "shared/RunScores.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QTimer;
class QToolButton;
class ExerciseScores;
class BoolComboBox;
class Gauge;
class ResultsMail;
class LCDControl;
class FilledBox;

class PracticeWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int boardSize = BoardExercise::boardSize;

    // A window of its own scores (a test's), or one that shares the run's score object with
    // the help window.
    explicit PracticeWindow(QWidget *parent = nullptr);
    explicit PracticeWindow(ExerciseScores &scores, QWidget *parent = nullptr);
    ~PracticeWindow() override;

    // The run's four percentages: the board writes its own, the strip reads all four.
    ExerciseScores &scores() const { return m_scores; }

    // At start-up the other windows are built after this one's first frame; a command that
    // needs one of them sooner has them built first through this.
    void setOtherWindowsBuilder(std::function<void()> build) { m_buildOtherWindows = std::move(build); }

    // The board's words and judgement.
    const BoardExercise &board() const { return m_board; }

    // Selector n (1 ... 40) of the board.
    BoolComboBox *selector(int n) const { return m_selectors[std::size_t(n - 1)]; }

    // The hidden edit that tells a complete board, made the first time it is needed: its
    // large font would otherwise be loaded before the window's first frame for nothing.
    QLineEdit *completionBanner();

    // Controls, named as in the window's layout.
    QFrame *Panel2 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QFrame *Bevel1 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    QFrame *Bevel3 = nullptr;
    QPushButton *Op1 = nullptr;
    QLabel *Image2 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QPushButton *OK = nullptr;
    QPlainTextEdit *Memo2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    LCDControl *LCDControl1 = nullptr;
    QFrame *Panel1 = nullptr;
    LCDControl *LCDControl2 = nullptr;
    QLabel *Label1 = nullptr;
    // The line under the board that says why a missed word is written as it is.
    QLabel *Explicacion = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Image1 = nullptr;
    FilledBox *Shape1 = nullptr;
    QFrame *Bevel2 = nullptr;
    Gauge *Gauge1 = nullptr;
    Gauge *Gauge2 = nullptr;
    Gauge *Gauge3 = nullptr;
    Gauge *Gauge4 = nullptr;
    Gauge *Gaugetot = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Image3 = nullptr;
    QTimer *Timer1 = nullptr;
    ResultsMail *TalvoMail1 = nullptr;

    QAction *Abrir1 = nullptr;
    QAction *Salir1 = nullptr;
    QAction *Datos = nullptr;
    QAction *Modificar1 = nullptr;
    QAction *Instrucciones1 = nullptr;
    QAction *Info = nullptr;
    // "Ejercicios" from the menu and its key, for whoever has no mouse: the tool button never
    // takes the focus.
    QAction *Ejercicios1 = nullptr;

    // Beyond the results mail: the results as a PDF page, the student's progress over time and
    // the teacher's view of a class's results files.
    QPushButton *GuardarPDF = nullptr;
    QAction *GuardarPDF1 = nullptr;
    QAction *Progreso1 = nullptr;
    QAction *Clase1 = nullptr;

    // Shown by the information window's first-activation step.
    bool aboutShown = false;

    // The placeholder recipient of the results mail: the student types the teacher's address
    // over it in the compose window.
    static inline const QString placeholderRecipient = QStringLiteral("correo.del.profesor@example.com");

    // The five figures the strip shows, as the summary and the results file print them.
    ResultsSummary::StripFigures gaugeFigures() const;

public slots:
    void FormCreate();
    void FormActivate();
    void Abrir1Click();
    void Salir1Click();
    void SpeedButton3Click();
    void OKClick();
    void Op1Click();
    void Timer1Timer();
    void TalvoMail1EndDocument(ResultsMail *Sender, const QString &Doc_Name);
    void TalvoMail1ErrorSend(ResultsMail *Sender, quint32 Error_Number, const QString &Error_Message);
    void TalvoMail1CancelSend(ResultsMail *Sender, const QString &Doc_Name);
    void DatosClick();
    void Modificar1Click();
    void Instrucciones1Click();
    void InfoClick();
    void GuardarPDFClick();
    void ProgresoClick();
    void ClaseClick();
    void BoolComboBox1Enter(BoolComboBox *sender);
    void BoolComboBox1Change(BoolComboBox *sender);
    void BoolComboBox1Exit(BoolComboBox *sender);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    PracticeWindow(ExerciseScores *shared, QWidget *parent);
    void needOtherWindows();

    void createToolBar(QWidget *client);
    void createBoard(QWidget *client);
    void createCounters(QWidget *client);
    void createScoreStrip(QWidget *client);
    void createMenus();
    void createReportCommands();
    // One dated record in the progress history; a failure is told, the results stay saved.
    void recordHistory(const ResultsSummary::Figures &figures);

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
    // Asks for the student's data before results go out without a name; false when the
    // student gave none.
    bool askStudentData();
    // The box "Enviar correo" before a send: true when the student goes ahead.
    bool confirmSend();

    // The selector the student left last (1 ... 40), 0 on a fresh board or once the keyboard
    // has gone round the tool bar: keyboard play goes on beside it from "Resultados".
    int m_lastLeft = 0;
    bool m_loadingBoard = false;

    std::unique_ptr<ExerciseScores> m_ownScores;
    ExerciseScores &m_scores;
    BoardExercise m_board{runScores()};
    // The forty selectors, in board order, held from the window's creation.
    std::array<BoolComboBox *, boardSize> m_selectors{};
    // The banner, once made (see completionBanner()).
    QLineEdit *multishape = nullptr;
    std::function<void()> m_buildOtherWindows;
};

extern PracticeWindow *Form1;
