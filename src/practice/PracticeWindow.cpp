// The practice window PracticeWindow: layout, menus, start-up of the board and its handlers.
#include "practice/PracticeWindow.h"

#include "editor/PhraseEditor.h"
#include "exercises/ExerciseScores.h"
#include "exercises/Lexicon.h"
#include "editor/AboutWindow.h"
#include "help/ExercisesWindow.h"
#include "practice/StudentDataDialog.h"
#include "practice/PracticeControls.h"
#include "practice/ReportCommands.h"
#include "practice/ScoreStrip.h"
#include "platform/ListenAction.h"
#include "platform/ResultsFilePath.h"
#include "platform/ResultsMail.h"
#include "platform/SystemBeep.h"
#include "results/ScoreHistory.h"
#include "results/SessionDetail.h"
#include "richtext/RichTextFile.h"
#include "ui/DialogService.h"
#include "ui/ErrorGuard.h"
#include "ui/StoredPicture.h"
#include "shared/AppError.h"
#include "shared/TextFile.h"
#include "spanish/ExplainCommand.h"
#include "spanish/WordExplanation.h"
#include "ui/WindowControls.h"
#include "widgets/BoolComboBox.h"
#include "widgets/LCDControl.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

using namespace PracticeControls;
using namespace WindowControls;

namespace {

const QString boardFilter = QStringLiteral("Archivos de texto (*.txt)|*.txt|Archivos RTF (*.rtf)|*.rtf");
const QString completeBoardText = QStringLiteral("¡TABLERO COMPLETO!");
const QString departmentCaption = QStringLiteral("Departamento de Lengua Castellana y Literatura");

QToolButton *placeToolButton(QWidget *parent, const char *name, int left, int width, const QString &caption,
                             const QString &picture)
{
    QToolButton *button = placeSpeedButton(parent, name, QRect(left, 0, width, 41),
                                             QIcon(StoredPicture::pixmap(picture)), QSize(32, 32));
    button->setText(caption);
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    return button;
}

// Shows a window modelessly and brings it to the front: a window already open behind the
// practice window must come back when its command is given again.
void showInFront(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

PracticeWindow::PracticeWindow(QWidget *parent) : PracticeWindow(nullptr, parent)
{
}

PracticeWindow::PracticeWindow(ExerciseScores &scores, QWidget *parent) : PracticeWindow(&scores, parent)
{
}

PracticeWindow::PracticeWindow(ExerciseScores *shared, QWidget *parent)
    : QMainWindow(parent),
      m_ownScores(shared ? nullptr : std::make_unique<ExerciseScores>()),
      m_scores(shared ? *shared : *m_ownScores),
      m_board(m_scores.counts())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tildora"));
    // The window icon is the program's, which the application object gives every window.
    setFont(unshapedFont(QStringLiteral("Comic Sans MS"), 13));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(729, 439);
    setCentralWidget(client);
    createToolBar(client);
    // The miss counter's panel lies over the last column's edge, as designed.
    createBoard(client);
    createCounters(client);
    createScoreStrip(client);
    createMail();
    createMenus();
    // One line under the board says why a missed word is written as it is.
    m_explanation = new QLabel(this);
    m_explanation->setObjectName(QStringLiteral("Explicacion"));
    m_explanation->setAccessibleName(QStringLiteral("Explicación"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(m_explanation, 1);
    m_listenAction = new ListenAction(this);
    addAction(m_listenAction);
    m_syllables = placeListenControls(statusBar(), m_listenAction);
    showExplanation(QString());
    createReportCommands();
    // A fixed single border: the window keeps the size of its client area and menu.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(729 / 2, 439 / 2));

    // The creation handler runs as the window is made; an error in it ends it there and the
    // window goes on with what it had.
    ErrorGuard::run([this] { loadStartingBoard(); });
}

PracticeWindow::~PracticeWindow()
{
    // The selectors lose the focus while the window is torn down: that is not a miss.
    for (BoolComboBox *box : m_selectors)
        if (box)
            box->disconnect(this);
}

void PracticeWindow::createToolBar(QWidget *client)
{
    m_toolBar = place<QFrame>(client, "Panel2", 0, 0, 729, 41);
    m_toolBar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_openBoardButton = placeToolButton(m_toolBar, "SpeedButton1", 5, 44, QString(), QStringLiteral(":/resources/abrir.rgba"));
    placeBevel(m_toolBar, "Bevel1", QRect(48, 0, 3, 48), QFrame::VLine);
    m_exercisesButton = placeToolButton(m_toolBar, "SpeedButton3", 48, 113, QStringLiteral("Ejercicios"),
                                        QStringLiteral(":/resources/ejercicios.rgba"));
    placeBevel(m_toolBar, "Bevel3", QRect(160, 0, 3, 48), QFrame::VLine);
    m_sendButton = place<QPushButton>(m_toolBar, "Op1", 166, 0, 139, 41);
    m_sendButton->setText(QStringLiteral("Enviar resultados"));
    m_sendButton->setIcon(QIcon(StoredPicture::pixmap(QStringLiteral(":/resources/enviar.rgba"))));
    m_sendButton->setIconSize(QSize(24, 24));
    connect(m_sendButton, &QPushButton::clicked, this, ErrorGuard::guarded(this, &PracticeWindow::sendResults));
    m_bannerPicture = placePicture(m_toolBar, "Image2", 303, -3, 381, 45, QStringLiteral(":/resources/banner.rgba"));
    m_quitButton = placeToolButton(m_toolBar, "SpeedButton2", 686, 41, QString(), QStringLiteral(":/resources/salir.rgba"));
    m_openBoardButton->setToolTip(QStringLiteral("Abrir un tablero"));
    m_quitButton->setToolTip(QStringLiteral("Salir"));
    connect(m_exercisesButton, &QToolButton::clicked, this, ErrorGuard::guarded(this, &PracticeWindow::showExercises));

    // The department's name in red over its teal shadow, two pixels right and down.
    const QFont captionFont = unshapedFont(QStringLiteral("Comic Sans MS"), 12, true, true);
    placeLabel(client, "Label10", 10, 46, departmentCaption, captionFont, Colors::clTeal);
    placeLabel(client, "Label11", 8, 44, departmentCaption, captionFont, Colors::clRed);

    m_resultsButton = place<QPushButton>(client, "OK", 632, 48, 81, 33);
    m_resultsButton->setText(QStringLiteral("Resultados"));
    connect(m_resultsButton, &QPushButton::clicked, this, ErrorGuard::guarded(this, &PracticeWindow::showResults));
}

QLineEdit *PracticeWindow::completionBanner()
{
    if (m_completionBanner)
        return m_completionBanner;
    // Made empty: the creation handler would empty its design text anyway. Nothing lies under
    // or over its place, so being made last does not change what shows.
    m_completionBanner = place<QLineEdit>(centralWidget(), "multishape", 176, 72, 377, 33);
    m_completionBanner->setFrame(false);
    m_completionBanner->setReadOnly(true);
    m_completionBanner->setFocusPolicy(Qt::NoFocus);
    m_completionBanner->setAlignment(Qt::AlignCenter);
    m_completionBanner->setFont(unshapedFont(QStringLiteral("Comic Sans MS"), 27, true, true));
    QPalette bannerPalette = m_completionBanner->palette();
    bannerPalette.setColor(QPalette::Base, Colors::toQColor(Colors::clYellow));
    bannerPalette.setColor(QPalette::Text, Colors::toQColor(Colors::clRed));
    m_completionBanner->setPalette(bannerPalette);
    m_completionBanner->hide();
    return m_completionBanner;
}

void PracticeWindow::createCounters(QWidget *client)
{
    const QFont counterFont = unshapedFont(QStringLiteral("MS Sans Serif"), 16);
    placeLabel(client, "Label3", 16, 88, QStringLiteral("Aciertos"), counterFont, Colors::clNavy);
    placeLabel(client, "Label4", 656, 88, QStringLiteral("Fallos"), counterFont, Colors::clRed);

    m_hitsCounter = place<LCDControl>(client, "LCDControl1", 16, 112, 57, 201);
    auto *missesPanel = place<QFrame>(client, "Panel1", 640, 104, 73, 215);
    m_missesCounter = place<LCDControl>(missesPanel, "LCDControl2", 8, 8, 57, 201);
    m_hitsCounter->setAccessibleCaption(QStringLiteral("Aciertos"));
    m_missesCounter->setAccessibleCaption(QStringLiteral("Fallos"));
    for (LCDControl *counter : {m_hitsCounter, m_missesCounter}) {
        counter->SetNumberType(ntNone);
        counter->SetNumber(0);
        counter->SetNumberMax(BoardExercise::counterMaximum);
    }
}

void PracticeWindow::createBoard(QWidget *client)
{
    const QFont selectorFont = unshapedFont(QStringLiteral("MS Sans Serif"), 16, true);
    constexpr int columnSpacing = 112;
    for (int n = 1; n <= boardSize; ++n) {
        const int column = (n - 1) % 5;
        const int row = (n - 1) / 5;
        auto *box = new BoolComboBox(client);
        box->setObjectName(QStringLiteral("BoolComboBox%1").arg(n));
        box->setGeometry(80 + columnSpacing * column, 112 + 24 * row, 137, 28);
        // The next column lies over all but the first 112 pixels: the word must fit there.
        box->setVisibleWidth(columnSpacing);
        box->setFont(selectorFont);
        box->setMaxLength(12);
        box->setItemHeight(20);
        box->SetAllowNull(false);
        box->setBeep(SystemBeep::exclamation);
        // Until a board file is loaded there is nothing to play.
        setBoardWord(box, QString());
        describeSelector(n);
        connect(box, &BoolComboBox::OnEnter, this, ErrorGuard::guarded(this, &PracticeWindow::selectorEntered));
        connect(box, &BoolComboBox::OnChange, this, ErrorGuard::guarded(this, &PracticeWindow::selectorChanged));
        connect(box, &BoolComboBox::OnExit, this, ErrorGuard::guarded(this, &PracticeWindow::selectorLeft));
        m_selectors[std::size_t(n - 1)] = box;
    }
}

void PracticeWindow::createScoreStrip(QWidget *client)
{
    // The board's percentage caption, a view of the score object.
    m_boardPercent = place<QLabel>(client, "Label1", 608, 336);
    m_boardPercent->setText(m_scores.boardCaption());
    m_boardPercent->hide();
    connect(&m_scores, &ExerciseScores::changed, m_boardPercent, [this](ExerciseScores::Exercise exercise) {
        if (exercise == ExerciseScores::Board)
            m_boardPercent->setText(m_scores.boardCaption());
    });
    m_missCount = place<QLabel>(client, "Label2", 608, 384);
    m_missCount->setText(QStringLiteral("0"));
    m_missCount->hide();
    // Within the client area, so that its rounded lower edge shows whole.
    m_strip = new ScoreStrip(m_scores, client);
    m_strip->move(16, 320);

    // The reading of the second: the gauges, the summary and the results file follow the
    // captions at most one tick behind.
    m_stripTimer = new QTimer(this);
    m_stripTimer->setObjectName(QStringLiteral("Timer1"));
    m_stripTimer->setInterval(1000);
    connect(m_stripTimer, &QTimer::timeout, &m_scores, [this] { m_scores.takeStripReading(); });
    m_stripTimer->start();
}

void PracticeWindow::createMail()
{
    // The mail component, no control: it holds the results mail.
    m_mail = new ResultsMail(this);
    m_mail->setObjectName(QStringLiteral("TalvoMail1"));
    m_mail->setAddDate(false);
    m_mail->setAttachment(false);
    // The student confirms the send before anything is written (confirmSend), so the
    // component's begin event has nothing left to ask.
    connect(m_mail, &ResultsMail::OnEndDocument, this, ErrorGuard::guarded(this, &PracticeWindow::mailEnded));
    // A failed hand-off must not pass for a sent mail: the student is told before the end.
    connect(m_mail, &ResultsMail::OnErrorSend, this, ErrorGuard::guarded(this, &PracticeWindow::mailFailed));
    connect(m_mail, &ResultsMail::OnCancelSend, this, ErrorGuard::guarded(this, &PracticeWindow::mailCancelled));
}

void PracticeWindow::createMenus()
{
    QMenu *archivo = menuBar()->addMenu(QStringLiteral("Archivo"));
    archivo->setObjectName(QStringLiteral("Archivo1"));
    m_openBoardAction = archivo->addAction(QStringLiteral("&Abrir"), this, ErrorGuard::guarded(this, &PracticeWindow::openBoard));
    m_openBoardAction->setObjectName(QStringLiteral("Abrir1"));
    m_newBoardAction = archivo->addAction(QStringLiteral("Tablero &nuevo"), this, ErrorGuard::guarded(this, &PracticeWindow::newBoardFromClock));
    m_newBoardAction->setObjectName(QStringLiteral("TableroNuevo1"));
    m_newBoardAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_saveBoardAction = archivo->addAction(QStringLiteral("Guardar &tablero…"), this, ErrorGuard::guarded(this, &PracticeWindow::saveBoard));
    m_saveBoardAction->setObjectName(QStringLiteral("GuardarTablero1"));
    m_quitAction = archivo->addAction(QStringLiteral("&Salir"), this, ErrorGuard::guarded(this, &PracticeWindow::confirmQuit));
    m_quitAction->setObjectName(QStringLiteral("Salir1"));

    QMenu *edicion = menuBar()->addMenu(QStringLiteral("Edición"));
    edicion->setObjectName(QStringLiteral("Edicin1"));
    m_studentDataAction = edicion->addAction(QStringLiteral("Datos alumno"), this, ErrorGuard::guarded(this, &PracticeWindow::showStudentData));
    m_studentDataAction->setObjectName(QStringLiteral("Datos"));
    m_editPhrasesAction = edicion->addAction(QStringLiteral("&Modificar"), this, ErrorGuard::guarded(this, &PracticeWindow::editPhrases));
    m_editPhrasesAction->setObjectName(QStringLiteral("Modificar1"));

    QMenu *ayuda = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    ayuda->setObjectName(QStringLiteral("Ayuda1"));
    // Three of the four exercises are in the exercises window: its command has a key of its own.
    m_exercisesAction = ayuda->addAction(QStringLiteral("&Ejercicios"), this, ErrorGuard::guarded(this, &PracticeWindow::showExercises));
    m_exercisesAction->setObjectName(QStringLiteral("Ejercicios1"));
    m_exercisesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    m_exercisesButton->setToolTip(QStringLiteral("Reglas y ejercicios (%1)")
                                      .arg(m_exercisesAction->shortcut().toString(QKeySequence::NativeText)));
    m_instructionsAction = ayuda->addAction(QStringLiteral("Instrucciones"), this, ErrorGuard::guarded(this, &PracticeWindow::showInstructions));
    m_instructionsAction->setObjectName(QStringLiteral("Instrucciones1"));
    m_aboutAction = ayuda->addAction(QStringLiteral("Información"), this, ErrorGuard::guarded(this, &PracticeWindow::showAbout));
    m_aboutAction->setObjectName(QStringLiteral("Info"));

    // The tool buttons for opening a board and leaving show the menu's commands: one command
    // with its handler, picture and tooltip behind both.
    for (auto [button, command] : {std::pair{m_openBoardButton, m_openBoardAction}, std::pair{m_quitButton, m_quitAction}}) {
        command->setIcon(button->icon());
        command->setIconVisibleInMenu(false);
        command->setToolTip(button->toolTip());
        button->setDefaultAction(command);
    }
}

void PracticeWindow::loadStartingBoard()
{
    const QString boardFile = QStringLiteral("nivel1.txt");
    const bool atHand = QFileInfo(boardFile).isFile();
    // A board file that cannot be read or is no board ends the creation here and leaves the
    // board empty, until the student opens one.
    if (atHand)
        m_board.load(RichTextFile::readText(boardFile), boardFile);
    else
        openBoard();
    for (int n = 1; n <= boardSize; ++n) {
        setBoardWord(selector(n), m_board.wordAt(n));
        describeSelector(n);
    }
    m_scores.counts().exampleAttempts = 0;
    m_aboutShown = false;
    if (atHand)
        showShortBoardNotice(boardFile);
}

void PracticeWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        returnFocusOnActivation();
}

void PracticeWindow::returnFocusOnActivation()
{
    // The focus comes back to "Resultados", not to the selector the student was in: that is
    // leaving the selector, judged like any other exit.
    auto *entered = qobject_cast<BoolComboBox *>(focusWidget());
    m_resultsButton->setFocus();
    if (entered)
        entered->leave();

    // The information window greets the student once, over the practice window, after this
    // activation has been handled.
    if (!m_aboutShown) {
        m_aboutShown = true;
        QTimer::singleShot(0, this, [this] { ErrorGuard::run([this] { AboutWindow::open(this); }); });
    }
}

void PracticeWindow::openBoard()
{
    const FileDialogResult chosen =
        DialogService::instance().openFile(this, FileDialogRequest::forExerciseFiles(QStringLiteral("Abrir"), boardFilter));
    if (!chosen.accepted)
        return;

    // Read and checked first: a file that cannot be read, or is no board, leaves the board as
    // it was.
    const QString fileName = QDir::toNativeSeparators(chosen.path);
    showBoard(RichTextFile::readText(chosen.path), fileName);
    // The rules a made board practised say nothing of a board file.
    if (m_boardSeed)
        showExplanation(QString());
    m_boardSeed.reset();
    showShortBoardNotice(fileName);
}

void PracticeWindow::showBoard(const QString &text, const QString &fileName)
{
    m_board.load(text, fileName);
    m_ruleMisses.clear();
    m_scores.replaceMisses(SessionDetail::Exercise::Board, {});
    m_recordedMisses.clear();
    m_lastLeft = 0;
    {
        // A selector the student was in is left for the new board without being judged.
        const QScopedValueRollback<bool> loading(m_loadingBoard, true);
        m_resultsButton->setFocus();
    }
    m_scores.resetBoard();
    m_missCount->setText(QStringLiteral("0"));
    for (LCDControl *counter : {m_hitsCounter, m_missesCounter}) {
        counter->SetNumber(0);
        counter->SetNumberMax(BoardExercise::counterMaximum);
    }
    for (int n = 1; n <= boardSize; ++n) {
        BoolComboBox *box = selector(n);
        box->setColor(Colors::clWindow);
        // Every word starts on its form without accent.
        box->SetValue(bFalse);
        setBoardWord(box, m_board.wordAt(n));
        box->IsRight = false;
        describeSelector(n);
    }
    if (m_completionBanner)
        m_completionBanner->hide();
}

void PracticeWindow::newBoardFromClock()
{
    newBoard(std::uint32_t(QDateTime::currentMSecsSinceEpoch()));
}

void PracticeWindow::newBoard(std::uint32_t seed)
{
    // Aimed at every miss the student has made: those of the sessions in the history and
    // those of the board on view not yet in it. A history that cannot be read only leaves the
    // board aimed at this board's misses.
    RuleMisses misses = BoardMaker::historyMisses(ScoreHistory::read(ScoreHistory::defaultPath()).records);
    const RuleMisses unrecorded = unrecordedMisses();
    for (auto miss = unrecorded.cbegin(); miss != unrecorded.cend(); ++miss)
        misses[miss.key()] += miss.value();
    const NewBoard board = BoardMaker(Lexicon::shared()).make(seed, misses);
    if (board.words.isEmpty())
        throw AppError(QStringLiteral("No se puede hacer un tablero nuevo: la lista de palabras del programa está vacía."));
    showBoard(board.fileText(), QStringLiteral("tablero nuevo"));
    m_boardSeed = seed;
    showExplanation(board.practiceLine);
}

void PracticeWindow::saveBoard()
{
    QStringList words;
    for (int line = 1; line <= m_board.wordCount(); ++line)
        words << m_board.wordAt(line);
    if (words.isEmpty()) {
        DialogService::instance().message(this, QStringLiteral("No hay ningún tablero que guardar."),
                                          QStringLiteral("Guardar tablero"), MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    FileDialogRequest request =
        FileDialogRequest::forExerciseFiles(QStringLiteral("Guardar tablero"), QStringLiteral("Archivos de texto (*.txt)|*.txt"));
    request.fileName = m_boardSeed ? QStringLiteral("tablero-%1.txt").arg(*m_boardSeed) : QStringLiteral("tablero.txt");
    request.mustExist = false;
    const FileDialogResult chosen = DialogService::instance().saveFile(this, request);
    if (!chosen.accepted)
        return;
    const QString path = DialogText::withDefaultExtension(chosen.path, request.defaultExtension);
    // Windows-1252 like the shipped boards; a word from a rich-text board with a letter that
    // code page lacks keeps it, in UTF-8, which the board reads as well.
    const TextFile::SaveStatus saved =
        TextFile::trySaveBytes(path, TextFile::encodeKeepingEveryLetter(TextFile::joinCrLf(words)));
    if (saved != TextFile::SaveStatus::Ok)
        throw AppError(TextFile::saveErrorMessage(path, saved));
    showExplanation(QStringLiteral("Tablero guardado en %1").arg(QDir::toNativeSeparators(path)));
}

void PracticeWindow::showExplanation(const QString &text, const QString &word)
{
    QString refusal;
    m_syllables->setText(ExplainCommand::stressedSyllables(word, ExplainCommand::StressMark::Bold, &refusal));
    m_listenAction->setWord(word, refusal);
    // The window keeps its size: a line longer than the status bar ends in "…", and the whole
    // of it is in the tip and told to a screen reader (the rules a new board practises may
    // run past the edge).
    const int room = m_explanation->contentsRect().width();
    const QString shown = room > 0 ? m_explanation->fontMetrics().elidedText(text, Qt::ElideRight, room) : text;
    m_explanation->setText(shown);
    const QString whole = shown == text ? QString() : text;
    m_explanation->setToolTip(whole);
    m_explanation->setAccessibleDescription(whole);
}

void PracticeWindow::setBoardWord(BoolComboBox *box, const QString &word)
{
    box->SetCaption(word);
    box->setEnabled(!word.isEmpty());
}

void PracticeWindow::showShortBoardNotice(const QString &fileName)
{
    const QString notice = BoardExercise::shortBoardNotice(m_board.wordCount(), fileName);
    if (!notice.isEmpty())
        DialogService::instance().message(this, notice, QStringLiteral("Tablero"), MessageIcon::Information,
                                          MessageButtons::Ok);
}

void PracticeWindow::confirmQuit()
{
    const MessageAnswer answer = DialogService::instance().message(
        this, QStringLiteral("Vas a salir del programa. ¿Quieres terminar ahora?"),
        QStringLiteral("Información"), MessageIcon::Information, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes)
        close();
}

void PracticeWindow::showInstructions()
{
    const QStringList lines = {
        QStringLiteral(" Tildora.  "),
        QStringLiteral(" "),
        QStringLiteral(" El programa consta de 4 apartados:"),
        QStringLiteral("    Tablero, Ejemplos, Frases y Cuestiones."),
        QStringLiteral("  Cada apartado resuelto correctamente representa "),
        QStringLiteral("  un 25 % de la puntuación."),
        QStringLiteral("  "),
        QStringLiteral("  En el apartado <Tablero> se anotan también los "),
        QStringLiteral("  intentos fallidos."),
        QStringLiteral("  En el apartado <Frases> se promedian los aciertos"),
        QStringLiteral("  sobre el total de frases resueltas."),
        QStringLiteral("  "),
        QStringLiteral("  "),
        QStringLiteral("  "),
        QStringLiteral("  "),
    };
    DialogService::instance().message(this, lines.join(QLatin1Char('\r')), QStringLiteral("INSTRUCCIONES"),
                                      MessageIcon::None, MessageButtons::Ok);
}

void PracticeWindow::showExercises()
{
    if (m_neighbours.exercisesWindow)
        showInFront(m_neighbours.exercisesWindow());
}

void PracticeWindow::showStudentData()
{
    if (m_neighbours.studentDataDialog)
        showInFront(m_neighbours.studentDataDialog());
}

void PracticeWindow::editPhrases()
{
    // The editor's text is about to be replaced: unsaved changes are offered for saving first,
    // and the opened file becomes the editor's document.
    if (!m_neighbours.phraseEditor)
        return;
    PhraseEditor *editor = m_neighbours.phraseEditor();
    if (!editor->mayReplaceDocument())
        return;
    const FileDialogResult chosen =
        DialogService::instance().openFile(this, editor->openDialogRequest(PhraseEditor::ModifyFilter));
    if (!chosen.accepted)
        return;
    editor->loadDocument(chosen.path);
    showInFront(editor);
}

void PracticeWindow::showAbout()
{
    AboutWindow::open(this);
}

void PracticeWindow::closeEvent(QCloseEvent *event)
{
    // Closing this window ends the program: the editor's unsaved text is offered for saving.
    PhraseEditor *editor = m_neighbours.builtPhraseEditor ? m_neighbours.builtPhraseEditor() : nullptr;
    if (editor && !editor->canLeaveProgram()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void PracticeWindow::selectorEntered(BoolComboBox *sender)
{
    sender->setColor(Colors::clAqua);
}

void PracticeWindow::selectorChanged(BoolComboBox *sender)
{
    // An empty cell has no word to get right: it is never a hit.
    QList<bool> right;
    for (int n = 1; n <= boardSize; ++n)
        right << (selector(n)->IsRight && !selector(n)->Caption().isEmpty());
    const int hits = m_board.recount(right);
    for (int n = 1; n <= boardSize; ++n) {
        selector(n)->setColor(right[n - 1] ? Colors::clLime : Colors::clWindow);
        describeSelector(n);
    }
    // With no right selector left the displays would keep their old figures; show none.
    m_hitsCounter->SetNumber(hits);
    showHitPercent();
    if (m_board.complete()) {
        completionBanner()->setText(completeBoardText);
        m_completionBanner->show();
    } else if (m_completionBanner) {
        m_completionBanner->clear();
        m_completionBanner->hide();
    }
    // One choice per visit: the focus moves on, which is the selector's exit. A change raised
    // by the exit itself must not move it again, or the control the student went to would be
    // left at once and counted a second miss.
    if (!sender->isLeaving())
        m_resultsButton->setFocus();
}

void PracticeWindow::selectorLeft(BoolComboBox *sender)
{
    if (m_loadingBoard)
        return;
    m_lastLeft = selectorNumber(sender);
    if (sender->IsRight && !sender->Caption().isEmpty()) {
        // Entering turned it aqua; a right word left untouched must look answered again.
        sender->setColor(Colors::clLime);
        return;
    }
    const QString replacement = m_board.countMiss();
    const int misses = m_scores.counts().boardMisses;
    m_missCount->setText(QString::number(misses));
    m_missesCounter->SetNumberMax(m_board.scaledMaximum(m_missesCounter->NumberMax()));
    m_hitsCounter->SetNumberMax(m_board.scaledMaximum(m_hitsCounter->NumberMax()));
    m_missesCounter->SetNumber(misses);
    showHitPercent();

    const QString missed = sender->Caption();
    if (const std::optional<BoardRule> rule = BoardRules::of(missed))
        ++m_ruleMisses[*rule];
    if (const std::optional<SessionDetail::Miss> miss = BoardExercise::missOf(sender->currentText(), missed))
        m_scores.addMiss(*miss);
    // The new word starts on its form without accent, whatever was chosen in the old one.
    sender->SetValue(bFalse);
    setBoardWord(sender, replacement);
    sender->IsRight = false;
    sender->setColor(Colors::clWindow);
    describeSelector(m_lastLeft);
    showExplanation(WordExplanation::ofMissedWord(missed), missed);
}

void PracticeWindow::showHitPercent()
{
    m_scores.setBoard(m_scores.counts().boardHits, m_scores.counts().boardMisses);
    // The strip follows at once: "Resultados", which has the focus now, must not show the
    // percentage from before this change.
    m_scores.takeStripReading();
}

int PracticeWindow::selectorNumber(const BoolComboBox *box) const
{
    for (int n = 1; n <= boardSize; ++n)
        if (selector(n) == box)
            return n;
    return 0;
}

BoolComboBox *PracticeWindow::selectorBeside(int n, bool next) const
{
    for (int m = next ? n + 1 : n - 1; m >= 1 && m <= boardSize; m += next ? 1 : -1)
        if (BoolComboBox *box = selector(m); box->isEnabled())
            return box;
    return nullptr;
}

void PracticeWindow::describeSelector(int n)
{
    BoolComboBox *box = selector(n);
    if (!box)
        return;
    // Screen readers name a drop-down list by its current text, the word; the description
    // adds its place and its state.
    const QString state = box->Caption().isEmpty() ? QStringLiteral("casilla vacía")
                          : box->IsRight           ? QStringLiteral("acertada")
                                                   : QStringLiteral("sin acertar");
    // A selector holding its right word also tells why the word is written so.
    const QString why = box->IsRight && !box->Caption().isEmpty() ? WordExplanation::ofWord(box->Caption()) : QString();
    if (box->toolTip() != why)
        box->setToolTip(why);
    QString description = QStringLiteral("Palabra %1 del tablero, %2").arg(QString::number(n), state);
    if (!why.isEmpty())
        description += QStringLiteral(". ") + why;
    if (box->accessibleDescription() != description)
        box->setAccessibleDescription(description);
}

BoolComboBox *PracticeWindow::firstSelectorToAnswer() const
{
    for (BoolComboBox *box : m_selectors)
        if (box->isEnabled() && !box->IsRight)
            return box;
    return nullptr;
}

bool PracticeWindow::focusNextPrevChild(bool next)
{
    QWidget *from = focusWidget();
    // Tabbing on from the tool bar, the keyboard has left the board: the next round starts
    // again from the words still to answer, never back to the tool bar for ever.
    if (from != m_resultsButton && !qobject_cast<BoolComboBox *>(from))
        m_lastLeft = 0;
    if (from == m_resultsButton) {
        // After a choice the focus rests on "Resultados"; from there the keyboard goes on
        // beside the selector just left, not from the first one again.
        if (m_lastLeft > 0) {
            if (BoolComboBox *box = selectorBeside(m_lastLeft, next)) {
                box->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
            // Past the last selector the keyboard leaves the board, for the tool bar.
            if (next && !m_sendButton->isHidden() && m_sendButton->isEnabled()) {
                m_sendButton->setFocus(Qt::TabFocusReason);
                return true;
            }
        } else if (next) {
            // "Resultados" ends the tool bar's round: on to the first word still to answer.
            if (BoolComboBox *box = firstSelectorToAnswer()) {
                box->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return QMainWindow::focusNextPrevChild(next);
}

void PracticeWindow::showResults()
{
    const QString text = ResultsSummary::summaryText(m_scores.resultsFigures());
    DialogService::instance().message(this, text, QStringLiteral("PUNTUACIÓN"), MessageIcon::None, MessageButtons::Ok);
}

bool PracticeWindow::haveStudentName()
{
    if (!m_scores.studentName().isEmpty() || !m_neighbours.studentDataDialog)
        return true;
    // The dialog may be open beside the window already: it comes back modal.
    StudentDataDialog *dialog = m_neighbours.studentDataDialog();
    dialog->hide();
    DialogService::instance().execModal(*dialog);
    return !m_scores.studentName().isEmpty();
}

void PracticeWindow::sendResults()
{
    // Results without a name are no use to the teacher: the name comes first, and without
    // one nothing is written or sent.
    if (!haveStudentName())
        return;
    // A send the student calls off leaves the earlier results file and the history as they
    // were: nothing is written before the yes.
    if (!confirmSend())
        return;
    const ResultsSummary::Figures figures = m_scores.resultsFigures();
    const QString path = ResultsFilePath::path();
    // Through a save file: a failed write (a full disk too) leaves an earlier results file
    // whole, and nothing is sent that the student has not got on disk. The name is the
    // program's own, so a link found there is replaced, never followed to another file.
    const TextFile::SaveStatus saved =
        TextFile::trySaveBytes(path, ResultsSummary::fileBytes(ResultsSummary::fileLines(figures)),
                               TextFile::Links::ReplaceLink);
    if (saved != TextFile::SaveStatus::Ok)
        throw AppError((saved == TextFile::SaveStatus::DiskFull
                            ? QStringLiteral("No se puede escribir el archivo de resultados %1: el disco está lleno. "
                                             "No se ha enviado nada.")
                            : QStringLiteral("No se puede escribir el archivo de resultados %1. No se ha enviado nada."))
                           .arg(QDir::toNativeSeparators(path)));
    const QString detailPath = SessionDetail::pathBeside(path);
    const bool detailSaved = saveSessionDetail(detailPath);
    recordHistory(figures);

    m_mail->setSource(path);
    m_mail->setAttachments(detailSaved ? QStringList{detailPath} : QStringList());
    m_mail->setAddDate(true);
    m_mail->setAttachment(true);
    m_mail->setDestinatary(placeholderRecipient);
    m_mail->setSubject(QStringLiteral("Resultados del test de acentos:"));
    m_mail->Send();
}

bool PracticeWindow::saveSessionDetail(const QString &path)
{
    // The program's own name again: a link there is replaced, never followed.
    const TextFile::SaveStatus saved = TextFile::trySaveBytes(
        path, SessionDetail::toJson(m_scores.detail(QDateTime::currentDateTime())), TextFile::Links::ReplaceLink);
    if (saved == TextFile::SaveStatus::Ok)
        return true;
    // The results file beside it is new: a detail of an earlier session would pass for this
    // one's, so it goes.
    const QFileInfo earlier(path);
    const bool earlierStays = (earlier.isFile() || earlier.isSymLink()) && !QFile::remove(path);
    const QString why = saved == TextFile::SaveStatus::DiskFull ? QStringLiteral("el disco está lleno")
                        : saved == TextFile::SaveStatus::CannotCreate ? QStringLiteral("no se puede crear")
                                                                      : QStringLiteral("ha fallado la escritura");
    QString text = QStringLiteral("No se ha podido escribir el archivo de detalle %1 (%2).\r"
                                  "Tus resultados se guardan y se envían igual, pero sin la lista de tus fallos.")
                       .arg(QDir::toNativeSeparators(path), why);
    if (earlierStays)
        text += QStringLiteral("\rEl archivo de detalle que había no se ha podido borrar: es de una sesión anterior.");
    DialogService::instance().message(this, text, QStringLiteral("Enviar resultados"), MessageIcon::Warning,
                                      MessageButtons::Ok);
    return false;
}

bool PracticeWindow::confirmSend()
{
#ifdef Q_OS_WIN
    const QStringList lines = {
        QStringLiteral(" Escribe la dirección de correo electrónico y pulsa"),
        QStringLiteral("      CONTROL + INTRO para enviar el mensaje"),
        QStringLiteral("Para separar varias direcciones de correo usa el carácter < ; >"),
        QStringLiteral("       y la tecla <ESC> para anular el envío "),
    };
#else
    // Here the mail program opens with a window of its own: the student sends from there.
    const QStringList lines = {
        QStringLiteral(" Se abrirá tu programa de correo con el mensaje preparado"),
        QStringLiteral(" y el archivo de resultados adjunto."),
        QStringLiteral(" Escribe la dirección de tu profesor y envía el mensaje"),
        QStringLiteral(" desde ese programa."),
    };
#endif
    // "Cancelar", Esc or the close box: the student chose not to send.
    return DialogService::instance().message(this, lines.join(QLatin1Char('\r')), QStringLiteral("Enviar correo"),
                                             MessageIcon::None, MessageButtons::OkCancel)
        == MessageAnswer::Ok;
}

void PracticeWindow::mailEnded(ResultsMail *mail, const QString &)
{
    // Without a mail program the message that says so is the only one: an end box after it
    // would suggest that something went.
    if (mail->LastResult().serviceMissing)
        return;
    DialogService::instance().message(this, QStringLiteral("Mensaje de correo finalizado"),
                                      QStringLiteral("Envío de correo"), MessageIcon::None, MessageButtons::OkCancel);
}

void PracticeWindow::mailFailed(ResultsMail *mail, quint32 errorNumber, const QString &errorMessage)
{
    // What the mail program said, when it said more than the code.
    QString reason = mail->LastResult().detail;
    if (reason.isEmpty())
        reason = errorMessage.isEmpty() ? QStringLiteral("Código de error %1.").arg(errorNumber) : errorMessage;
    DialogService::instance().message(
        this, QStringLiteral("No se ha podido preparar el mensaje de correo con los resultados.\r") + reason,
        QStringLiteral("Envío de correo"), MessageIcon::Warning, MessageButtons::Ok);
}

void PracticeWindow::mailCancelled(ResultsMail *mail, const QString &document)
{
    // A compose window the student closed needs no word; no mail program at all does, or the
    // student would think the results had gone.
    if (!mail->LastResult().serviceMissing)
        return;
    QString text = QStringLiteral("No hay ningún programa de correo en este equipo.\r"
                                  "Los resultados están guardados en el archivo\r%1\r"
                                  "Adjúntalo a un mensaje para enviárselo a tu profesor.")
                       .arg(QDir::toNativeSeparators(document));
    // The detail goes by hand as well, or the teacher never sees what was missed.
    for (const QString &attached : mail->Attachments())
        text += QStringLiteral("\rAdjunta también el archivo\r%1\rcon la lista de tus fallos.")
                    .arg(QDir::toNativeSeparators(attached));
    DialogService::instance().message(this, text, QStringLiteral("Envío de correo"), MessageIcon::Information,
                                      MessageButtons::Ok);
}

void PracticeWindow::createReportCommands()
{
    // "Guardar PDF" beside "Enviar resultados"; the banner gives up the room it needs.
    m_savePdfButton = place<QPushButton>(m_toolBar, "GuardarPDF", 305, 0, 112, 41);
    m_savePdfButton->setText(QStringLiteral("Guardar PDF"));
    m_savePdfButton->setIcon(QIcon(StoredPicture::pixmap(QStringLiteral(":/resources/guardar.rgba"))));
    m_savePdfButton->setToolTip(QStringLiteral("Guardar los resultados en un archivo PDF"));
    connect(m_savePdfButton, &QPushButton::clicked, this, ErrorGuard::guarded(this, &PracticeWindow::saveResultsPdf));
    ReportCommands::fitBanner(m_bannerPicture, QRect(419, -3, 265, 45));
    // The keyboard meets the buttons as the eye does, left to right, then "Resultados" and the
    // board (which focusNextPrevChild walks from the word last left).
    setTabOrder(m_sendButton, m_savePdfButton);
    setTabOrder(m_savePdfButton, m_resultsButton);
    setTabOrder(m_resultsButton, selector(1));

    QMenu *archivo = findChild<QMenu *>(QStringLiteral("Archivo1"));
    m_savePdfAction = new QAction(QStringLiteral("&Guardar PDF…"), this);
    m_savePdfAction->setObjectName(QStringLiteral("GuardarPDF1"));
    connect(m_savePdfAction, &QAction::triggered, this, ErrorGuard::guarded(this, &PracticeWindow::saveResultsPdf));
    archivo->insertAction(m_quitAction, m_savePdfAction);

    QMenu *resultados = menuBar()->addMenu(QStringLiteral("&Resultados"));
    resultados->setObjectName(QStringLiteral("Resultados1"));
    m_progressAction = resultados->addAction(QStringLiteral("&Progreso"), this, ErrorGuard::guarded(this, &PracticeWindow::showProgress));
    m_progressAction->setObjectName(QStringLiteral("Progreso1"));
    m_classResultsAction = resultados->addAction(QStringLiteral("Resultados de la &clase"), this, ErrorGuard::guarded(this, &PracticeWindow::showClassResults));
    m_classResultsAction->setObjectName(QStringLiteral("Clase1"));
}

void PracticeWindow::saveResultsPdf()
{
    // The page, like the mail, is no use to the teacher without the student's name: the name
    // comes first, and without one nothing is saved.
    if (!haveStudentName())
        return;
    const ResultsSummary::Figures figures = m_scores.resultsFigures();
    const QString path = ReportCommands::savePdf(this, figures, m_scores.misses());
    if (path.isEmpty())
        return;
    recordHistory(figures);
    showExplanation(QStringLiteral("Resultados guardados en %1").arg(QDir::toNativeSeparators(path)));
}

void PracticeWindow::recordHistory(const ResultsSummary::Figures &figures)
{
    // A board may be saved and later sent with more misses: each record holds only the misses
    // since the board's last one, or a new board, which sums the history, would count the
    // first ones twice.
    if (ReportCommands::recordHistory(this, figures, BoardMaker::keyedMisses(unrecordedMisses())))
        m_recordedMisses = m_ruleMisses;
}

RuleMisses PracticeWindow::unrecordedMisses() const
{
    RuleMisses misses = m_ruleMisses;
    for (auto recorded = m_recordedMisses.cbegin(); recorded != m_recordedMisses.cend(); ++recorded)
        misses[recorded.key()] -= recorded.value();
    return misses;
}

void PracticeWindow::showProgress()
{
    ReportCommands::showProgress(this);
}

void PracticeWindow::showClassResults()
{
    ReportCommands::showClassResults(this);
}
