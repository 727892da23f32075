// The practice window TForm1: layout, menus, start-up of the board and its handlers.
#include "practice/Unit1.h"

#include "editor/REMain.h"
#include "editor/Reabout.h"
#include "help/UnitAyuda.h"
#include "practice/DatosAcentos.h"
#include "richtext/RichTextFile.h"
#include "ui/DialogService.h"
#include "ui/ErrorGuard.h"
#include "shared/RunScores.h"
#include "ui/WindowControls.h"
#include "widgets/BoolComboBox.h"
#include "widgets/LCDControl.h"
#include "widgets/Shape.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

TForm1 *Form1 = nullptr;

using namespace WindowControls;

namespace {

const QString boardFilter = QStringLiteral("Archivos de texto (*.TXT)|*.TXT|Rich text files (*.RTF)|*.RTF");
const QString completeBoardText = QStringLiteral("¡TABLERO COMPLETO!");
const QString departmentCaption = QStringLiteral("Departamento de Lengua Castellana y Literatura");

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
    picture->setPixmap(QPixmap(resource));
    picture->setScaledContents(true);
    return picture;
}

QFrame *placeBevel(QWidget *parent, const char *name, int left, int top, int width, int height,
                   QFrame::Shape shape)
{
    auto *bevel = place<QFrame>(parent, name, left, top, width, height);
    bevel->setFrameStyle(shape | QFrame::Sunken);
    return bevel;
}

QToolButton *placeToolButton(QWidget *parent, const char *name, int left, int width, const QString &caption,
                             const QString &picture)
{
    QToolButton *button = placeSpeedButton(parent, name, QRect(left, 0, width, 41), QIcon(picture), QSize(32, 32));
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

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tildora"));
    setWindowIcon(QIcon(QStringLiteral(":/resources/tildora.png")));
    setFont(pixelFont(QStringLiteral("Comic Sans MS"), 13));

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
    // A fixed single border: the window keeps the size of its client area and menu.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(729 / 2, 439 / 2));

    // The creation handler runs as the window is made; an error in it ends it there and the
    // window goes on with what it had.
    ErrorGuard::run([this] { FormCreate(); });
}

TForm1::~TForm1()
{
    // The selectors lose the focus while the window is torn down: that is not a miss.
    for (int n = 1; n <= boardSize; ++n)
        if (TBoolComboBox *box = BoolComboBox(n))
            box->disconnect(this);
}

void TForm1::createToolBar(QWidget *client)
{
    Panel2 = place<QFrame>(client, "Panel2", 0, 0, 729, 41);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SpeedButton1 = placeToolButton(Panel2, "SpeedButton1", 5, 44, QString(), QStringLiteral(":/resources/abrir.png"));
    Bevel1 = placeBevel(Panel2, "Bevel1", 48, 0, 3, 48, QFrame::VLine);
    SpeedButton3 = placeToolButton(Panel2, "SpeedButton3", 48, 113, QStringLiteral("Ejercicios"),
                                    QStringLiteral(":/resources/ejercicios.png"));
    Bevel3 = placeBevel(Panel2, "Bevel3", 160, 0, 3, 48, QFrame::VLine);
    Op1 = place<QPushButton>(Panel2, "Op1", 166, 0, 139, 41);
    Op1->setText(QStringLiteral("Enviar resultados"));
    Op1->setIcon(QIcon(QStringLiteral(":/resources/enviar.png")));
    Op1->setIconSize(QSize(24, 24));
    Image2 = placePicture(Panel2, "Image2", 303, -3, 381, 45, QStringLiteral(":/resources/banner.png"));
    SpeedButton2 = placeToolButton(Panel2, "SpeedButton2", 686, 41, QString(), QStringLiteral(":/resources/salir.png"));
    SpeedButton1->setToolTip(QStringLiteral("Abrir un tablero"));
    SpeedButton2->setToolTip(QStringLiteral("Salir"));
    connect(SpeedButton1, &QToolButton::clicked, this, ErrorGuard::guarded(this, &TForm1::Abrir1Click));
    connect(SpeedButton3, &QToolButton::clicked, this, ErrorGuard::guarded(this, &TForm1::SpeedButton3Click));
    connect(SpeedButton2, &QToolButton::clicked, this, ErrorGuard::guarded(this, &TForm1::Salir1Click));

    // Label10 lies behind Label11, two pixels right and down: a shadowed caption.
    const QFont captionFont = pixelFont(QStringLiteral("Comic Sans MS"), 12, true, true);
    Label10 = placeLabel(client, "Label10", 10, 46, departmentCaption, captionFont, Colors::clTeal);
    Label11 = placeLabel(client, "Label11", 8, 44, departmentCaption, captionFont, Colors::clRed);

    OK = place<QPushButton>(client, "OK", 632, 48, 81, 33);
    OK->setText(QStringLiteral("Resultados"));

    multishape = place<QLineEdit>(client, "multishape", 176, 72, 377, 33);
    multishape->setFrame(false);
    multishape->setReadOnly(true);
    multishape->setFocusPolicy(Qt::NoFocus);
    multishape->setAlignment(Qt::AlignCenter);
    multishape->setFont(pixelFont(QStringLiteral("Comic Sans MS"), 27, true, true));
    QPalette bannerPalette = multishape->palette();
    bannerPalette.setColor(QPalette::Base, Colors::toQColor(Colors::clYellow));
    bannerPalette.setColor(QPalette::Text, Colors::toQColor(Colors::clRed));
    multishape->setPalette(bannerPalette);
    multishape->setText(QStringLiteral("tablero"));
    multishape->hide();

    Memo2 = place<QPlainTextEdit>(client, "Memo2", 136, 88, 433, 17);
    Memo2->hide();
}

void TForm1::createCounters(QWidget *client)
{
    const QFont counterFont = pixelFont(QStringLiteral("MS Sans Serif"), 16);
    Label3 = placeLabel(client, "Label3", 16, 88, QStringLiteral("Aciertos"), counterFont, Colors::clNavy);
    Label4 = placeLabel(client, "Label4", 656, 88, QStringLiteral("Fallos"), counterFont, Colors::clRed);

    LCDControl1 = place<TLCDControl>(client, "LCDControl1", 16, 112, 57, 201);
    Panel1 = place<QFrame>(client, "Panel1", 640, 104, 73, 215);
    LCDControl2 = place<TLCDControl>(Panel1, "LCDControl2", 8, 8, 57, 201);
    LCDControl1->setAccessibleCaption(QStringLiteral("Aciertos"));
    LCDControl2->setAccessibleCaption(QStringLiteral("Fallos"));
    for (TLCDControl *counter : {LCDControl1, LCDControl2}) {
        counter->SetNumberType(ntNone);
        counter->SetNumber(0);
        counter->SetNumberMax(BoardExercise::counterMaximum);
    }
}

void TForm1::createBoard(QWidget *client)
{
    const QFont selectorFont = pixelFont(QStringLiteral("MS Sans Serif"), 16, true);
    constexpr int columnSpacing = 112;
    for (int n = 1; n <= boardSize; ++n) {
        const int column = (n - 1) % 5;
        const int row = (n - 1) / 5;
        auto *box = new TBoolComboBox(client);
        box->setObjectName(QStringLiteral("BoolComboBox%1").arg(n));
        box->setAccessibleDescription(QStringLiteral("Palabra %1 del tablero").arg(n));
        box->setGeometry(80 + columnSpacing * column, 112 + 24 * row, 137, 28);
        // The next column lies over all but the first 112 pixels: the word must fit there.
        box->setVisibleWidth(columnSpacing);
        box->setFont(selectorFont);
        box->setMaxLength(12);
        box->setItemHeight(20);
        box->SetAllowNull(false);
        // As designed, before any board is loaded.
        box->SetCaption(QStringLiteral("conspiración"));
        connect(box, &TBoolComboBox::OnEnter, this, ErrorGuard::guarded(this, &TForm1::BoolComboBox1Enter));
        connect(box, &TBoolComboBox::OnChange, this, ErrorGuard::guarded(this, &TForm1::BoolComboBox1Change));
        connect(box, &TBoolComboBox::OnExit, this, ErrorGuard::guarded(this, &TForm1::BoolComboBox1Exit));
    }
}

void TForm1::createScoreStrip(QWidget *client)
{
    Shape1 = place<TShape>(client, "Shape1", 16, 320, 705, 121);
    Shape1->setRounded(true);
    Shape1->setBrushColor(Colors::rgb(0, 64, 128));
    Shape1->lower();

    Label1 = place<QLabel>(client, "Label1", 608, 336);
    Label1->setText(QStringLiteral("0"));
    Label1->hide();
    Label2 = place<QLabel>(client, "Label2", 608, 384);
    Label2->setText(QStringLiteral("0"));
    Label2->hide();
    Image1 = placePicture(client, "Image1", 624, 323, 81, 113, QStringLiteral(":/resources/alumno.png"));
}

void TForm1::createMenus()
{
    QMenu *archivo = menuBar()->addMenu(QStringLiteral("Archivo"));
    archivo->setObjectName(QStringLiteral("Archivo1"));
    Abrir1 = archivo->addAction(QStringLiteral("&Abrir"), this, ErrorGuard::guarded(this, &TForm1::Abrir1Click));
    Abrir1->setObjectName(QStringLiteral("Abrir1"));
    Salir1 = archivo->addAction(QStringLiteral("&Salir"), this, ErrorGuard::guarded(this, &TForm1::Salir1Click));
    Salir1->setObjectName(QStringLiteral("Salir1"));

    QMenu *edicion = menuBar()->addMenu(QStringLiteral("Edición"));
    edicion->setObjectName(QStringLiteral("Edicin1"));
    Datos = edicion->addAction(QStringLiteral("Datos alumno"), this, ErrorGuard::guarded(this, &TForm1::DatosClick));
    Datos->setObjectName(QStringLiteral("Datos"));
    Modificar1 = edicion->addAction(QStringLiteral("&Modificar"), this, ErrorGuard::guarded(this, &TForm1::Modificar1Click));
    Modificar1->setObjectName(QStringLiteral("Modificar1"));

    QMenu *ayuda = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    ayuda->setObjectName(QStringLiteral("Ayuda1"));
    Instrucciones1 = ayuda->addAction(QStringLiteral("Instrucciones"), this, ErrorGuard::guarded(this, &TForm1::Instrucciones1Click));
    Instrucciones1->setObjectName(QStringLiteral("Instrucciones1"));
    Info = ayuda->addAction(QStringLiteral("Información"), this, ErrorGuard::guarded(this, &TForm1::InfoClick));
    Info->setObjectName(QStringLiteral("Info"));
}

TBoolComboBox *TForm1::BoolComboBox(int n) const
{
    return centralWidget()->findChild<TBoolComboBox *>(QStringLiteral("BoolComboBox%1").arg(n),
                                                       Qt::FindDirectChildrenOnly);
}

void TForm1::FormCreate()
{
    if (QFileInfo(QStringLiteral("nivel1.txt")).isFile())
        m_board.start(RichTextFile::readText(QStringLiteral("nivel1.txt")));
    else
        Abrir1Click();
    multishape->clear();
    for (int n = 1; n <= boardSize; ++n)
        BoolComboBox(n)->SetCaption(m_board.wordAt(n));
    runScores().exampleAttempts = 0;
    aboutShown = false;
}

void TForm1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TForm1::FormActivate()
{
    // The focus comes back to "Resultados", not to the selector the student was in: that is
    // leaving the selector, judged like any other exit.
    auto *entered = qobject_cast<TBoolComboBox *>(focusWidget());
    OK->setFocus();
    if (entered)
        entered->leave();
}

void TForm1::Abrir1Click()
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

    // Read first: a file that cannot be read leaves the board as it was.
    m_board.start(RichTextFile::readText(chosen.path));
    Label1->setText(QStringLiteral("0"));
    Label2->setText(QStringLiteral("0"));
    for (TLCDControl *counter : {LCDControl1, LCDControl2}) {
        counter->SetNumber(0);
        counter->SetNumberMax(BoardExercise::counterMaximum);
    }
    for (int n = 1; n <= boardSize; ++n) {
        TBoolComboBox *box = BoolComboBox(n);
        box->setColor(Colors::clWindow);
        box->SetCaption(m_board.wordAt(n));
        box->setCurrentIndex(0);
        box->IsRight = false;
    }
    multishape->hide();
}

void TForm1::Salir1Click()
{
    const MessageAnswer answer = DialogService::instance().message(
        this, QStringLiteral("Vas a salir del programa. ¿Quieres terminar ahora?"),
        QStringLiteral("Información"), MessageIcon::Information, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes)
        close();
}

void TForm1::Instrucciones1Click()
{
    const QStringList lines = {
        QStringLiteral(" Tildora.  "),
        QStringLiteral(" "),
        QStringLiteral(" El programa consta de 4 apartados:"),
        QStringLiteral("    Tablero, Ejemplos, Prácticas y Cuestiones "),
        QStringLiteral("  Cada apartado  resuelto correctamente representa "),
        QStringLiteral("  un 25% de la puntuación."),
        QStringLiteral("  "),
        QStringLiteral("  En el apartado <Tablero>  se  anotan también los "),
        QStringLiteral("  intentos fallidos"),
        QStringLiteral("  En  el  apartado <Frases> se promedian los aciertos"),
        QStringLiteral("  sobre el total de frases resueltas"),
        QStringLiteral("  "),
        QStringLiteral("  "),
        QStringLiteral("  "),
        QStringLiteral("  "),
    };
    DialogService::instance().message(this, lines.join(QLatin1Char('\r')), QStringLiteral("INSTRUCCIONES"),
                                      MessageIcon::None, MessageButtons::Ok);
}

void TForm1::SpeedButton3Click()
{
    showInFront(Ayuda);
}

void TForm1::DatosClick()
{
    showInFront(DatosBox);
}

void TForm1::Modificar1Click()
{
    showInFront(MainForm);
}

void TForm1::InfoClick()
{
    // Every opening is a fresh window, shown modally and freed.
    TAboutBox about(this);
    about.exec();
}

void TForm1::BoolComboBox1Enter(TBoolComboBox *sender)
{
    sender->setColor(Colors::clAqua);
}

void TForm1::BoolComboBox1Change(TBoolComboBox *sender)
{
    QList<bool> right;
    for (int n = 1; n <= boardSize; ++n)
        right << BoolComboBox(n)->IsRight;
    const int hits = m_board.recount(right);
    for (int n = 1; n <= boardSize; ++n)
        BoolComboBox(n)->setColor(right[n - 1] ? Colors::clLime : Colors::clWindow);
    // With no right selector left the displays would keep their old figures; show none.
    LCDControl1->SetNumber(hits);
    Label1->setText(m_board.hitPercentText());
    if (m_board.complete()) {
        multishape->setText(completeBoardText);
        multishape->show();
    } else {
        multishape->clear();
        multishape->hide();
    }
    // One choice per visit: the focus moves on, which is the selector's exit. A change raised
    // by the exit itself must not move it again, or the control the student went to would be
    // left at once and counted a second miss.
    if (!sender->isLeaving())
        OK->setFocus();
}

void TForm1::BoolComboBox1Exit(TBoolComboBox *sender)
{
    if (sender->IsRight)
        return;
    const QString replacement = m_board.countMiss();
    const int misses = runScores().boardMisses;
    Label2->setText(QString::number(misses));
    LCDControl2->SetNumberMax(m_board.scaledMaximum(LCDControl2->NumberMax()));
    LCDControl1->SetNumberMax(m_board.scaledMaximum(LCDControl1->NumberMax()));
    LCDControl2->SetNumber(misses);

    sender->setCurrentIndex(-1);
    sender->SetCaption(replacement);
    sender->setColor(Colors::clWindow);
}
