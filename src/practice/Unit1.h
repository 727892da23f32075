// The practice window TForm1: the word board with its hit and miss counters, the tool bar and
// menus that open every other window.
#pragma once

#include "exercises/BoardExercise.h"
#include "exercises/ResultsSummary.h"
#include "shared/RunScores.h"

#include <QMainWindow>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QTimer;
class QToolButton;
class TBoolComboBox;
class TGauge;
class TTalvoMail;
class TLCDControl;
class TShape;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int boardSize = BoardExercise::boardSize;

    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The board's words and judgement.
    const BoardExercise &board() const { return m_board; }

    // Selector n (1 ... 40) of the board, found by its name.
    TBoolComboBox *BoolComboBox(int n) const;

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
    QLineEdit *multishape = nullptr;
    QPlainTextEdit *Memo2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    TLCDControl *LCDControl1 = nullptr;
    QFrame *Panel1 = nullptr;
    TLCDControl *LCDControl2 = nullptr;
    QLabel *Label1 = nullptr;
    // The line under the board that says why a missed word is written as it is.
    QLabel *Explicacion = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Image1 = nullptr;
    TShape *Shape1 = nullptr;
    QFrame *Bevel2 = nullptr;
    TGauge *Gauge1 = nullptr;
    TGauge *Gauge2 = nullptr;
    TGauge *Gauge3 = nullptr;
    TGauge *Gauge4 = nullptr;
    TGauge *Gaugetot = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Image3 = nullptr;
    QTimer *Timer1 = nullptr;
    TTalvoMail *TalvoMail1 = nullptr;

    QAction *Abrir1 = nullptr;
    QAction *Salir1 = nullptr;
    QAction *Datos = nullptr;
    QAction *Modificar1 = nullptr;
    QAction *Instrucciones1 = nullptr;
    QAction *Info = nullptr;

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
    void TalvoMail1BeginDocument(TTalvoMail *Sender, const QString &Doc_Name);
    void TalvoMail1EndDocument(TTalvoMail *Sender, const QString &Doc_Name);
    void TalvoMail1ErrorSend(TTalvoMail *Sender, quint32 Error_Number, const QString &Error_Message);
    void TalvoMail1CancelSend(TTalvoMail *Sender, const QString &Doc_Name);
    void DatosClick();
    void Modificar1Click();
    void Instrucciones1Click();
    void InfoClick();
    void GuardarPDFClick();
    void ProgresoClick();
    void ClaseClick();
    void BoolComboBox1Enter(TBoolComboBox *sender);
    void BoolComboBox1Change(TBoolComboBox *sender);
    void BoolComboBox1Exit(TBoolComboBox *sender);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void createToolBar(QWidget *client);
    void createBoard(QWidget *client);
    void createCounters(QWidget *client);
    void createScoreStrip(QWidget *client);
    void createMenus();
    void createReportCommands();
    // One dated record in the progress history; a failure is told, the results stay saved.
    void recordHistory(const ResultsSummary::Figures &figures);

    // A selector takes a board word; a selector without one cannot be played.
    void setBoardWord(TBoolComboBox *box, const QString &word);
    // The hit percentage after either count changed, and the strip with it.
    void showHitPercent();
    // What a screen reader says of selector n besides its word: its place, whether it is
    // right and, once it is, why the word is written so (also its tip).
    void describeSelector(int n);
    int selectorNumber(const TBoolComboBox *box) const;
    // The playable selector after (or before) selector n, if any.
    TBoolComboBox *selectorBeside(int n, bool next) const;
    void showShortBoardNotice(const QString &fileName);
    // Asks for the student's data before results go out without a name; false when the
    // student gave none.
    bool askStudentData();

    BoardExercise m_board{runScores()};
    // The selector the student left last (1 ... 40), 0 on a fresh board: keyboard play goes
    // on beside it from "Resultados".
    int m_lastLeft = 0;
    bool m_loadingBoard = false;
};

extern TForm1 *Form1;
