// The practice window PracticeWindow: layout, menus, start-up of the board and its handlers.
#include "practice/PracticeWindow.h"

#include "editor/PhraseEditor.h"
#include "exercises/ExerciseScores.h"
#include "editor/AboutWindow.h"
#include "help/ExercisesWindow.h"
#include "practice/StudentDataDialog.h"
#include "practice/ReportCommands.h"
#include "platform/ResultsFilePath.h"
#include "platform/ResultsMail.h"
#include "platform/SystemBeep.h"
#include "richtext/RichTextFile.h"
#include "ui/DialogService.h"
#include "ui/ErrorGuard.h"
#include "ui/StoredPicture.h"
#include "shared/RunScores.h"
#include "shared/AppError.h"
#include "shared/TextFile.h"
#include "spanish/WordExplanation.h"
#include "ui/WindowControls.h"
#include "widgets/BoolComboBox.h"
#include "widgets/Gauges.h"
#include "widgets/LCDControl.h"
#include "widgets/FilledBox.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

PracticeWindow *Form1 = nullptr;

using namespace WindowControls;

namespace {

const QString boardFilter = QStringLiteral("Archivos de texto (*.txt)|*.txt|Archivos RTF (*.rtf)|*.rtf");
const QString completeBoardText = QStringLiteral("¡TABLERO COMPLETO!");
const QString departmentCaption = QStringLiteral("Departamento de Lengua Castellana y Literatura");

// The practice window shows the program's own texts and words read in composed form (the
// loaders compose them): none needs OpenType shaping, and unshaped text draws in a fraction of
// the time, which is most of the window's first frame.
QFont practiceFont(const QString &family, int pixels, bool bold = false, bool italic = false)
{
    QFont font = pixelFont(family, pixels, bold, italic);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

template <typename Widget>
Widget *place(QWidget *parent, const char *name, int left, int top, int width = -1, int height = -1)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->move(left, top);
    if (width >= 0)
        widget->resize(width, height);
    return widget;
}

QLabel *placePicture(QWidget *parent, const char *name, int left, int top, int width, int height,
                     const QString &resource)
{
    auto *picture = place<QLabel>(parent, name, left, top, width, height);
    picture->setPixmap(StoredPicture::pixmap(resource));
    picture->setScaledContents(true);
    return picture;
}

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
      m_scores(shared ? *shared : *m_ownScores)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tildora"));
    // The window icon is the program's, which the application object gives every window.
    setFont(practiceFont(QStringLiteral("Comic Sans MS"), 13));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(729, 439);
    setCentralWidget(client);
    createToolBar(client);
    // The miss counter's panel lies over the last column's edge, as designed.
    createBoard(client);
    createCounters(client);
    createScoreStrip(client);
    createMenus();
    // One line under the board says why a missed word is written as it is.
    Explicacion = new QLabel(this);
    Explicacion->setObjectName(QStringLiteral("Explicacion"));
    Explicacion->setAccessibleName(QStringLiteral("Explicación"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(Explicacion, 1);
    createReportCommands();
    // A fixed single border: the window keeps the size of its client area and menu.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(729 / 2, 439 / 2));

    // The creation handler runs as the window is made; an error in it ends it there and the
    // window goes on with what it had.
    ErrorGuard::run([this] { FormCreate(); });
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
    Panel2 = place<QFrame>(client, "Panel2", 0, 0, 729, 41);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SpeedButton1 = placeToolButton(Panel2, "SpeedButton1", 5, 44, QString(), QStringLiteral(":/resources/abrir.rgba"));
    Bevel1 = placeBevel(Panel2, "Bevel1", QRect(48, 0, 3, 48), QFrame::VLine);
    SpeedButton3 = placeToolButton(Panel2, "SpeedButton3", 48, 113, QStringLiteral("Ejercicios"),
                                    QStringLiteral(":/resources/ejercicios.rgba"));
    Bevel3 = placeBevel(Panel2, "Bevel3", QRect(160, 0, 3, 48), QFrame::VLine);
    Op1 = place<QPushButton>(Panel2, "Op1", 166, 0, 139, 41);
    Op1->setText(QStringLiteral("Enviar resultados"));
    Op1->setIcon(QIcon(StoredPicture::pixmap(QStringLiteral(":/resources/enviar.rgba"))));
    Op1->setIconSize(QSize(24, 24));
    connect(Op1, &QPushButton::clicked, this, ErrorGuard::guarded(this, &PracticeWindow::Op1Click));
    Image2 = placePicture(Panel2, "Image2", 303, -3, 381, 45, QStringLiteral(":/resources/banner.rgba"));
    SpeedButton2 = placeToolButton(Panel2, "SpeedButton2", 686, 41, QString(), QStringLiteral(":/resources/salir.rgba"));
    SpeedButton1->setToolTip(QStringLiteral("Abrir un tablero"));
    SpeedButton2->setToolTip(QStringLiteral("Salir"));
    connect(SpeedButton3, &QToolButton::clicked, this, ErrorGuard::guarded(this, &PracticeWindow::SpeedButton3Click));

    // Label10 lies behind Label11, two pixels right and down: a shadowed caption.
    const QFont captionFont = practiceFont(QStringLiteral("Comic Sans MS"), 12, true, true);
    Label10 = placeLabel(client, "Label10", 10, 46, departmentCaption, captionFont, Colors::clTeal);
    Label11 = placeLabel(client, "Label11", 8, 44, departmentCaption, captionFont, Colors::clRed);

    OK = place<QPushButton>(client, "OK", 632, 48, 81, 33);
    OK->setText(QStringLiteral("Resultados"));
    connect(OK, &QPushButton::clicked, this, ErrorGuard::guarded(this, &PracticeWindow::OKClick));
}

QLineEdit *PracticeWindow::completionBanner()
{
    if (multishape)
        return multishape;
    // Made empty: the creation handler would empty its design text anyway. Nothing lies under
    // or over its place, so being made last does not change what shows.
    multishape = place<QLineEdit>(centralWidget(), "multishape", 176, 72, 377, 33);
    multishape->setFrame(false);
    multishape->setReadOnly(true);
    multishape->setFocusPolicy(Qt::NoFocus);
    multishape->setAlignment(Qt::AlignCenter);
    multishape->setFont(practiceFont(QStringLiteral("Comic Sans MS"), 27, true, true));
    QPalette bannerPalette = multishape->palette();
    bannerPalette.setColor(QPalette::Base, Colors::toQColor(Colors::clYellow));
    bannerPalette.setColor(QPalette::Text, Colors::toQColor(Colors::clRed));
    multishape->setPalette(bannerPalette);
    multishape->hide();
    return multishape;
}

void PracticeWindow::createCounters(QWidget *client)
{
    const QFont counterFont = practiceFont(QStringLiteral("MS Sans Serif"), 16);
    Label3 = placeLabel(client, "Label3", 16, 88, QStringLiteral("Aciertos"), counterFont, Colors::clNavy);
    Label4 = placeLabel(client, "Label4", 656, 88, QStringLiteral("Fallos"), counterFont, Colors::clRed);

    LCDControl1 = place<LCDControl>(client, "LCDControl1", 16, 112, 57, 201);
    Panel1 = place<QFrame>(client, "Panel1", 640, 104, 73, 215);
    LCDControl2 = place<LCDControl>(Panel1, "LCDControl2", 8, 8, 57, 201);
    LCDControl1->setAccessibleCaption(QStringLiteral("Aciertos"));
    LCDControl2->setAccessibleCaption(QStringLiteral("Fallos"));
    for (LCDControl *counter : {LCDControl1, LCDControl2}) {
        counter->SetNumberType(ntNone);
        counter->SetNumber(0);
        counter->SetNumberMax(BoardExercise::counterMaximum);
    }
}

void PracticeWindow::createBoard(QWidget *client)
{
    const QFont selectorFont = practiceFont(QStringLiteral("MS Sans Serif"), 16, true);
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
        connect(box, &BoolComboBox::OnEnter, this, ErrorGuard::guarded(this, &PracticeWindow::BoolComboBox1Enter));
        connect(box, &BoolComboBox::OnChange, this, ErrorGuard::guarded(this, &PracticeWindow::BoolComboBox1Change));
        connect(box, &BoolComboBox::OnExit, this, ErrorGuard::guarded(this, &PracticeWindow::BoolComboBox1Exit));
        m_selectors[std::size_t(n - 1)] = box;
    }
}

void PracticeWindow::createScoreStrip(QWidget *client)
{
    // Within the client area, so that its rounded lower edge shows whole.
    Shape1 = place<FilledBox>(client, "Shape1", 16, 320, 705, 117);
    Shape1->setRounded(true);
    Shape1->setBrushColor(Colors::rgb(0, 64, 128));
    Shape1->lower();

    // The board's percentage caption, a view of the score object.
    Label1 = place<QLabel>(client, "Label1", 608, 336);
    Label1->setText(m_scores.boardCaption());
    Label1->hide();
    connect(&m_scores, &ExerciseScores::changed, Label1, [this](ExerciseScores::Exercise exercise) {
        if (exercise == ExerciseScores::Board)
            Label1->setText(m_scores.boardCaption());
    });
    Label2 = place<QLabel>(client, "Label2", 608, 384);
    Label2->setText(QStringLiteral("0"));
    Label2->hide();
    Image1 = placePicture(client, "Image1", 624, 323, 81, 113, QStringLiteral(":/resources/alumno.rgba"));

    Bevel2 = placeBevel(client, "Bevel2", QRect(32, 328, 449, 105));
    const TColor stripColor = Colors::rgb(0, 64, 128);
    const QFont stripFont = practiceFont(QStringLiteral("Comic Sans MS"), 13);
    const auto placeGauge = [&](const char *name, int left, int size, TColor foreColor, const QString &caption) {
        auto *gauge = place<Gauge>(client, name, left, 344, size, size);
        gauge->setKind(gkPie);
        gauge->setBorderStyle(Gauge::bsNone);
        gauge->setBackColor(stripColor);
        gauge->setColor(stripColor);
        gauge->setForeColor(foreColor);
        gauge->setFont(stripFont);
        gauge->setAccessibleCaption(caption);
        // The design value, shown until the timer's first tick.
        gauge->setProgress(ExerciseScores::designProgress);
        return gauge;
    };
    Gauge1 = placeGauge("Gauge1", 64, 49, Colors::clAqua, QStringLiteral("Tablero"));
    Gauge2 = placeGauge("Gauge2", 136, 49, Colors::clAqua, QStringLiteral("Ejemplos"));
    Gauge3 = placeGauge("Gauge3", 208, 49, Colors::clAqua, QStringLiteral("Frases"));
    Gauge4 = placeGauge("Gauge4", 280, 49, Colors::clAqua, QStringLiteral("Cuestiones"));
    Gaugetot = placeGauge("Gaugetot", 392, 57, Colors::rgb(0, 255, 64), QStringLiteral("Total"));

    Label6 = placeLabel(client, "Label6", 64, 400, QStringLiteral("Tablero"), stripFont, Colors::clYellow);
    Label7 = placeLabel(client, "Label7", 136, 400, QStringLiteral("Ejemplos"), stripFont, Colors::clYellow);
    Label8 = placeLabel(client, "Label8", 208, 400, QStringLiteral("Frases"), stripFont, Colors::clYellow);
    Label9 = placeLabel(client, "Label9", 272, 400, QStringLiteral("Cuestiones"), stripFont, Colors::clYellow);
    Label5 = placeLabel(client, "Label5", 400, 400, QStringLiteral("TOTAL"), stripFont, Colors::clYellow);

    Image3 = placePicture(client, "Image3", 488, 336, 129, 89, QStringLiteral(":/resources/medalla.rgba"));
    Image3->setAccessibleName(QStringLiteral("Medalla"));

    // The mail component, no control: it holds the results mail.
    TalvoMail1 = new ResultsMail(this);
    TalvoMail1->setObjectName(QStringLiteral("TalvoMail1"));
    TalvoMail1->setAddDate(false);
    TalvoMail1->setAttachment(false);
    // The student confirms the send before anything is written (confirmSend), so the
    // component's begin event has nothing left to ask.
    connect(TalvoMail1, &ResultsMail::OnEndDocument, this, ErrorGuard::guarded(this, &PracticeWindow::TalvoMail1EndDocument));
    // A failed hand-off must not pass for a sent mail: the student is told before the end.
    connect(TalvoMail1, &ResultsMail::OnErrorSend, this, ErrorGuard::guarded(this, &PracticeWindow::TalvoMail1ErrorSend));
    connect(TalvoMail1, &ResultsMail::OnCancelSend, this, ErrorGuard::guarded(this, &PracticeWindow::TalvoMail1CancelSend));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, ErrorGuard::guarded(this, &PracticeWindow::Timer1Timer));
    Timer1->start();
}

void PracticeWindow::createMenus()
{
    QMenu *archivo = menuBar()->addMenu(QStringLiteral("Archivo"));
    archivo->setObjectName(QStringLiteral("Archivo1"));
    Abrir1 = archivo->addAction(QStringLiteral("&Abrir"), this, ErrorGuard::guarded(this, &PracticeWindow::Abrir1Click));
    Abrir1->setObjectName(QStringLiteral("Abrir1"));
    Salir1 = archivo->addAction(QStringLiteral("&Salir"), this, ErrorGuard::guarded(this, &PracticeWindow::Salir1Click));
    Salir1->setObjectName(QStringLiteral("Salir1"));

    QMenu *edicion = menuBar()->addMenu(QStringLiteral("Edición"));
    edicion->setObjectName(QStringLiteral("Edicin1"));
    Datos = edicion->addAction(QStringLiteral("Datos alumno"), this, ErrorGuard::guarded(this, &PracticeWindow::DatosClick));
    Datos->setObjectName(QStringLiteral("Datos"));
    Modificar1 = edicion->addAction(QStringLiteral("&Modificar"), this, ErrorGuard::guarded(this, &PracticeWindow::Modificar1Click));
    Modificar1->setObjectName(QStringLiteral("Modificar1"));

    QMenu *ayuda = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    ayuda->setObjectName(QStringLiteral("Ayuda1"));
    // Three of the four exercises are in the help window: its command has a key of its own.
    Ejercicios1 = ayuda->addAction(QStringLiteral("&Ejercicios"), this, ErrorGuard::guarded(this, &PracticeWindow::SpeedButton3Click));
    Ejercicios1->setObjectName(QStringLiteral("Ejercicios1"));
    Ejercicios1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    SpeedButton3->setToolTip(QStringLiteral("Reglas y ejercicios (%1)")
                                 .arg(Ejercicios1->shortcut().toString(QKeySequence::NativeText)));
    Instrucciones1 = ayuda->addAction(QStringLiteral("Instrucciones"), this, ErrorGuard::guarded(this, &PracticeWindow::Instrucciones1Click));
    Instrucciones1->setObjectName(QStringLiteral("Instrucciones1"));
    Info = ayuda->addAction(QStringLiteral("Información"), this, ErrorGuard::guarded(this, &PracticeWindow::InfoClick));
    Info->setObjectName(QStringLiteral("Info"));

    // The tool buttons for opening a board and leaving show the menu's commands: one command
    // with its handler, picture and tooltip behind both.
    for (auto [button, command] : {std::pair{SpeedButton1, Abrir1}, std::pair{SpeedButton2, Salir1}}) {
        command->setIcon(button->icon());
        command->setIconVisibleInMenu(false);
        command->setToolTip(button->toolTip());
        button->setDefaultAction(command);
    }
}

void PracticeWindow::FormCreate()
{
    const QString boardFile = QStringLiteral("nivel1.txt");
    const bool atHand = QFileInfo(boardFile).isFile();
    // A board file that cannot be read or is no board ends the creation here and leaves the
    // board empty, until the student opens one.
    if (atHand)
        m_board.load(RichTextFile::readText(boardFile), boardFile);
    else
        Abrir1Click();
    for (int n = 1; n <= boardSize; ++n) {
        setBoardWord(selector(n), m_board.wordAt(n));
        describeSelector(n);
    }
    runScores().exampleAttempts = 0;
    aboutShown = false;
    if (atHand)
        showShortBoardNotice(boardFile);
}

void PracticeWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void PracticeWindow::FormActivate()
{
    // The focus comes back to "Resultados", not to the selector the student was in: that is
    // leaving the selector, judged like any other exit.
    auto *entered = qobject_cast<BoolComboBox *>(focusWidget());
    OK->setFocus();
    if (entered)
        entered->leave();

    // The information window greets the student once, over the practice window, after this
    // activation has been handled.
    if (!aboutShown) {
        aboutShown = true;
        QTimer::singleShot(0, this, [this] { ErrorGuard::run([this] { AboutWindow::open(this); }); });
    }
}

void PracticeWindow::Abrir1Click()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Abrir");
    request.initialFolder = QDir::currentPath();
    request.filter = boardFilter;
    request.filterIndex = 1;
    request.defaultExtension = QStringLiteral("txt");
    const FileDialogResult chosen = DialogService::instance().openFile(this, request);
    if (!chosen.accepted)
        return;

    // Read and checked first: a file that cannot be read, or is no board, leaves the board as
    // it was.
    const QString fileName = QDir::toNativeSeparators(chosen.path);
    m_board.load(RichTextFile::readText(chosen.path), fileName);
    m_lastLeft = 0;
    {
        // A selector the student was in is left for the new board without being judged.
        const QScopedValueRollback<bool> loading(m_loadingBoard, true);
        OK->setFocus();
    }
    m_scores.resetBoard();
    Label2->setText(QStringLiteral("0"));
    for (LCDControl *counter : {LCDControl1, LCDControl2}) {
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
    if (multishape)
        multishape->hide();
    showShortBoardNotice(fileName);
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

void PracticeWindow::Salir1Click()
{
    const MessageAnswer answer = DialogService::instance().message(
        this, QStringLiteral("Vas a salir del programa. ¿Quieres terminar ahora?"),
        QStringLiteral("Información"), MessageIcon::Information, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes)
        close();
}

void PracticeWindow::Instrucciones1Click()
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

void PracticeWindow::needOtherWindows()
{
    if (m_buildOtherWindows)
        std::exchange(m_buildOtherWindows, nullptr)();
}

void PracticeWindow::SpeedButton3Click()
{
    needOtherWindows();
    showInFront(Ayuda);
}

void PracticeWindow::DatosClick()
{
    needOtherWindows();
    showInFront(DatosBox);
}

void PracticeWindow::Modificar1Click()
{
    // The editor's text is about to be replaced: unsaved changes are offered for saving first,
    // and the opened file becomes the editor's document.
    needOtherWindows();
    if (!MainForm->MayReplaceDocument())
        return;
    const FileDialogResult chosen =
        DialogService::instance().openFile(this, MainForm->openDialogRequest(PhraseEditor::ModifyFilter));
    if (!chosen.accepted)
        return;
    MainForm->LoadDocument(chosen.path);
    showInFront(MainForm);
}

void PracticeWindow::InfoClick()
{
    AboutWindow::open(this);
}

void PracticeWindow::closeEvent(QCloseEvent *event)
{
    // Closing this window ends the program: the editor's unsaved text is offered for saving.
    if (MainForm && !MainForm->CanLeaveProgram()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void PracticeWindow::BoolComboBox1Enter(BoolComboBox *sender)
{
    sender->setColor(Colors::clAqua);
}

void PracticeWindow::BoolComboBox1Change(BoolComboBox *sender)
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
    LCDControl1->SetNumber(hits);
    showHitPercent();
    if (m_board.complete()) {
        completionBanner()->setText(completeBoardText);
        multishape->show();
    } else if (multishape) {
        multishape->clear();
        multishape->hide();
    }
    // One choice per visit: the focus moves on, which is the selector's exit. A change raised
    // by the exit itself must not move it again, or the control the student went to would be
    // left at once and counted a second miss.
    if (!sender->isLeaving())
        OK->setFocus();
}

void PracticeWindow::BoolComboBox1Exit(BoolComboBox *sender)
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
    const int misses = runScores().boardMisses;
    Label2->setText(QString::number(misses));
    LCDControl2->SetNumberMax(m_board.scaledMaximum(LCDControl2->NumberMax()));
    LCDControl1->SetNumberMax(m_board.scaledMaximum(LCDControl1->NumberMax()));
    LCDControl2->SetNumber(misses);
    showHitPercent();

    const QString missed = sender->Caption();
    // The new word starts on its form without accent, whatever was chosen in the old one.
    sender->SetValue(bFalse);
    setBoardWord(sender, replacement);
    sender->IsRight = false;
    sender->setColor(Colors::clWindow);
    describeSelector(m_lastLeft);
    Explicacion->setText(WordExplanation::ofMissedWord(missed));
}

void PracticeWindow::showHitPercent()
{
    m_scores.setBoard(runScores().boardHits, runScores().boardMisses);
    // The strip follows at once: "Resultados", which has the focus now, must not show the
    // percentage from before this change.
    Timer1Timer();
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
    if (from != OK && !qobject_cast<BoolComboBox *>(from))
        m_lastLeft = 0;
    if (from == OK) {
        // After a choice the focus rests on "Resultados"; from there the keyboard goes on
        // beside the selector just left, not from the first one again.
        if (m_lastLeft > 0) {
            if (BoolComboBox *box = selectorBeside(m_lastLeft, next)) {
                box->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
            // Past the last selector the keyboard leaves the board, for the tool bar.
            if (next && !Op1->isHidden() && Op1->isEnabled()) {
                Op1->setFocus(Qt::TabFocusReason);
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

ResultsSummary::StripFigures PracticeWindow::gaugeFigures() const
{
    return m_scores.strip();
}

void PracticeWindow::Timer1Timer()
{
    // The reading of the second: the gauges, the summary and the results file follow the
    // captions at most one tick behind.
    const ResultsSummary::StripFigures figures = m_scores.takeStripReading();
    // The gauges repaint only when their percentage changes, so an idle tick draws nothing.
    Gauge1->setProgress(figures.board);
    Gauge2->setProgress(figures.examples);
    Gauge3->setProgress(figures.phrases);
    Gauge4->setProgress(figures.questions);
    Gaugetot->setProgress(figures.total);
}

void PracticeWindow::OKClick()
{
    const QString text = ResultsSummary::summaryText(ResultsSummary::figures(runScores(), gaugeFigures()));
    DialogService::instance().message(this, text, QStringLiteral("PUNTUACIÓN"), MessageIcon::None, MessageButtons::Ok);
}

bool PracticeWindow::askStudentData()
{
    // The dialog may be open beside the window already: it comes back modal.
    DatosBox->hide();
    DialogService::instance().execModal(*DatosBox);
    return !runScores().studentName.isEmpty();
}

void PracticeWindow::Op1Click()
{
    // Results without a name are no use to the teacher: the name comes first, and without
    // one nothing is written or sent.
    needOtherWindows();
    if (runScores().studentName.isEmpty() && DatosBox && !askStudentData())
        return;
    // A send the student calls off leaves the earlier results file and the history as they
    // were: nothing is written before the yes.
    if (!confirmSend())
        return;
    // The scratch lines of the results file: never seen, so made when first needed.
    if (!Memo2) {
        Memo2 = place<QPlainTextEdit>(centralWidget(), "Memo2", 136, 88, 433, 17);
        Memo2->hide();
    }
    Memo2->clear();
    for (const QString &line : ResultsSummary::fileLines(ResultsSummary::figures(runScores(), gaugeFigures())))
        Memo2->appendPlainText(line);

    QStringList lines;
    for (QTextBlock block = Memo2->document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    const QString path = ResultsFilePath::path();
    // Through a save file: a failed write (a full disk too) leaves an earlier results file
    // whole, and nothing is sent that the student has not got on disk. The name is the
    // program's own, so a link found there is replaced, never followed to another file.
    const TextFile::SaveStatus saved =
        TextFile::trySaveBytes(path, ResultsSummary::fileBytes(lines), TextFile::Links::ReplaceLink);
    if (saved != TextFile::SaveStatus::Ok)
        throw AppError((saved == TextFile::SaveStatus::DiskFull
                            ? QStringLiteral("No se puede escribir el archivo de resultados %1: el disco está lleno. "
                                             "No se ha enviado nada.")
                            : QStringLiteral("No se puede escribir el archivo de resultados %1. No se ha enviado nada."))
                           .arg(QDir::toNativeSeparators(path)));
    recordHistory(ResultsSummary::figures(runScores(), m_scores.strip()));

    TalvoMail1->setSource(path);
    TalvoMail1->setAddDate(true);
    TalvoMail1->setAttachment(true);
    TalvoMail1->setDestinatary(placeholderRecipient);
    TalvoMail1->setSubject(QStringLiteral("Resultados del test de acentos:"));
    TalvoMail1->Send();
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

void PracticeWindow::TalvoMail1EndDocument(ResultsMail *Sender, const QString &)
{
    // Without a mail program the message that says so is the only one: an end box after it
    // would suggest that something went.
    if (Sender->LastResult().serviceMissing)
        return;
    DialogService::instance().message(this, QStringLiteral("Mensaje de correo finalizado"),
                                      QStringLiteral("Envío de correo"), MessageIcon::None, MessageButtons::OkCancel);
}

void PracticeWindow::TalvoMail1ErrorSend(ResultsMail *Sender, quint32 Error_Number, const QString &Error_Message)
{
    // What the mail program said, when it said more than the code.
    QString reason = Sender->LastResult().detail;
    if (reason.isEmpty())
        reason = Error_Message.isEmpty() ? QStringLiteral("Código de error %1.").arg(Error_Number) : Error_Message;
    DialogService::instance().message(
        this, QStringLiteral("No se ha podido preparar el mensaje de correo con los resultados.\r") + reason,
        QStringLiteral("Envío de correo"), MessageIcon::Warning, MessageButtons::Ok);
}

void PracticeWindow::TalvoMail1CancelSend(ResultsMail *Sender, const QString &Doc_Name)
{
    // A compose window the student closed needs no word; no mail program at all does, or the
    // student would think the results had gone.
    if (!Sender->LastResult().serviceMissing)
        return;
    DialogService::instance().message(
        this,
        QStringLiteral("No hay ningún programa de correo en este equipo.\r"
                       "Los resultados están guardados en el archivo\r%1\r"
                       "Adjúntalo a un mensaje para enviárselo a tu profesor.")
            .arg(QDir::toNativeSeparators(Doc_Name)),
        QStringLiteral("Envío de correo"), MessageIcon::Information, MessageButtons::Ok);
}

void PracticeWindow::createReportCommands()
{
    // "Guardar PDF" beside "Enviar resultados"; the banner gives up the room it needs.
    GuardarPDF = place<QPushButton>(Panel2, "GuardarPDF", 305, 0, 112, 41);
    GuardarPDF->setText(QStringLiteral("Guardar PDF"));
    GuardarPDF->setIcon(QIcon(StoredPicture::pixmap(QStringLiteral(":/resources/guardar.rgba"))));
    GuardarPDF->setToolTip(QStringLiteral("Guardar los resultados en un archivo PDF"));
    connect(GuardarPDF, &QPushButton::clicked, this, ErrorGuard::guarded(this, &PracticeWindow::GuardarPDFClick));
    ReportCommands::fitBanner(Image2, QRect(419, -3, 265, 45));
    // The keyboard meets the buttons as the eye does, left to right, then "Resultados" and the
    // board (which focusNextPrevChild walks from the word last left).
    setTabOrder(Op1, GuardarPDF);
    setTabOrder(GuardarPDF, OK);
    setTabOrder(OK, selector(1));

    QMenu *archivo = findChild<QMenu *>(QStringLiteral("Archivo1"));
    GuardarPDF1 = new QAction(QStringLiteral("&Guardar PDF…"), this);
    GuardarPDF1->setObjectName(QStringLiteral("GuardarPDF1"));
    connect(GuardarPDF1, &QAction::triggered, this, ErrorGuard::guarded(this, &PracticeWindow::GuardarPDFClick));
    archivo->insertAction(Salir1, GuardarPDF1);

    QMenu *resultados = menuBar()->addMenu(QStringLiteral("&Resultados"));
    resultados->setObjectName(QStringLiteral("Resultados1"));
    Progreso1 = resultados->addAction(QStringLiteral("&Progreso"), this, ErrorGuard::guarded(this, &PracticeWindow::ProgresoClick));
    Progreso1->setObjectName(QStringLiteral("Progreso1"));
    Clase1 = resultados->addAction(QStringLiteral("Resultados de la &clase"), this, ErrorGuard::guarded(this, &PracticeWindow::ClaseClick));
    Clase1->setObjectName(QStringLiteral("Clase1"));
}

void PracticeWindow::GuardarPDFClick()
{
    // The page, like the mail, is no use to the teacher without the student's name: the name
    // comes first, and without one nothing is saved.
    needOtherWindows();
    if (runScores().studentName.isEmpty() && DatosBox && !askStudentData())
        return;
    // The strip exactly as the student sees it.
    const QImage strip = centralWidget()->grab(QRect(16, 320, 705, 121)).toImage();
    const ResultsSummary::Figures figures = ResultsSummary::figures(runScores(), m_scores.strip());
    const QString path = ReportCommands::savePdf(this, figures, strip);
    if (path.isEmpty())
        return;
    recordHistory(figures);
    Explicacion->setText(QStringLiteral("Resultados guardados en %1").arg(QDir::toNativeSeparators(path)));
}

void PracticeWindow::recordHistory(const ResultsSummary::Figures &figures)
{
    ReportCommands::recordHistory(this, figures);
}

void PracticeWindow::ProgresoClick()
{
    ReportCommands::showProgress(this);
}

void PracticeWindow::ClaseClick()
{
    ReportCommands::showClassResults(this);
}
