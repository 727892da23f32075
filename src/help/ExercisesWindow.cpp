// The help-and-exercises window ExercisesWindow.
#include "help/ExercisesWindow.h"

#include "help/ExamplesPage.h"
#include "help/PhrasesPage.h"
#include "help/QuestionsPage.h"
#include "help/RulesPage.h"

#include "exercises/ExerciseScores.h"
#include "exercises/QuestionsExercise.h"
#include "shared/Colors.h"
#include "ui/AccentBar.h"
#include "ui/ErrorGuard.h"
#include "exercises/RunCounts.h"
#include "ui/WindowControls.h"
#include "widgets/ControlAlign.h"
#include "widgets/Banner.h"
#include "widgets/TabbedNotebook.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QShowEvent>
#include <QTabBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

using namespace WindowControls;

namespace {

const QChar CR(13);

// The instructions button's picture: an aqua question mark with a dark outline, so that it
// stands out on the button face.
QPixmap questionMarkPicture()
{
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(20);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, QStringLiteral("?"));
    const QRectF bounds = path.boundingRect();
    path.translate(10 - bounds.center().x(), 10 - bounds.center().y());
    painter.setPen(QPen(Colors::toQColor(Colors::clTeal), 1.2));
    painter.setBrush(Colors::toQColor(Colors::clAqua));
    painter.drawPath(path);
    return picture;
}

// The return button's picture: an arrow going out through an open door.
QPixmap exitDoorPicture()
{
    QPixmap picture(20, 19);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    // Door frame, with the dark opening.
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(QColor(40, 40, 40));
    painter.drawRect(9, 1, 9, 16);
    // The open leaf, swung towards the viewer.
    const QPoint leaf[] = {{9, 1}, {14, 3}, {14, 18}, {9, 17}};
    painter.setPen(QColor(96, 48, 0));
    painter.setBrush(QColor(176, 112, 40));
    painter.drawPolygon(leaf, 4);
    painter.setPen(QColor(255, 220, 0));
    painter.drawPoint(13, 10);
    // The arrow, leaving to the left.
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF arrow[] = {{1, 9.5}, {6, 4.5}, {6, 7.5}, {12, 7.5}, {12, 11.5}, {6, 11.5}, {6, 14.5}};
    painter.setPen(QPen(QColor(0, 96, 0), 1));
    painter.setBrush(Colors::toQColor(Colors::clLime));
    painter.drawPolygon(arrow, 7);
    return picture;
}

// The instruction texts, lines joined by a lone CR; empty for a page without instructions.
QString instructionsFor(const QString &pageCaption);

} // namespace

ExercisesWindow::ExercisesWindow(QWidget *parent) : ExercisesWindow(nullptr, parent)
{
}

ExercisesWindow::ExercisesWindow(ExerciseScores &scores, QWidget *parent) : ExercisesWindow(&scores, parent)
{
}

ExercisesWindow::ExercisesWindow(ExerciseScores *shared, QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_ownScores(shared ? nullptr : std::make_unique<ExerciseScores>()),
      m_scores(shared ? *shared : *m_ownScores)
{
    setObjectName(QStringLiteral("Ayuda"));
    setWindowTitle(QStringLiteral("Ayuda y ejemplos"));
    // An outer size of 729 x 500 on a frame of 4-pixel borders and a 23-pixel title bar.
    // The accented-letter bar adds a row under the notebook.
    resize(721, 473 + 30);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, Colors::toQColor(Colors::clBtnFace));
    setPalette(windowPalette);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect centred(QPoint(), QSize(729, 500 + 30));
        centred.moveCenter(screen->availableGeometry().center());
        move(centred.topLeft());
    }

    buildTopPanel();
    buildNotebook();
    closeWithKeys(this);

    refreshTimer = new QTimer(this);
    refreshTimer->setObjectName(QStringLiteral("Timer1"));
    refreshTimer->setInterval(1000);
    connect(refreshTimer, &QTimer::timeout, this, ErrorGuard::guarded(this, &ExercisesWindow::refreshFigures));
    refreshTimer->start();

    openDialog.filter = QStringLiteral("Archivos de texto (*.txt)|*.txt");
    openDialog.defaultExtension = QStringLiteral("txt");
    openDialog.fileName = QStringLiteral("Frases.txt");
    // A name typed in need not exist: opening it then says so.
    openDialog.mustExist = false;

    zeroPhraseFigures();
}

ExercisesWindow::~ExercisesWindow() = default;

void ExercisesWindow::buildTopPanel()
{
    auto *topBar = new QFrame(this);
    topBar->setObjectName(QStringLiteral("Panel1"));
    topBar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    topBar->setLineWidth(1);
    topBar->resize(width(), 40);
    ControlAlign::setAlign(topBar, ControlAlign::alTop);

    QToolButton *instructionsButton = placeSpeedButton(topBar, "SpeedButton1", QRect(16, 0, 38, 38), QIcon(questionMarkPicture()), questionMarkPicture().size());
    connect(instructionsButton, &QToolButton::clicked, this, ErrorGuard::guarded(this, &ExercisesWindow::showInstructions));
    QToolButton *returnButton = placeSpeedButton(topBar, "Volver", QRect(56, 0, 38, 38), QIcon(exitDoorPicture()), exitDoorPicture().size());
    connect(returnButton, &QToolButton::clicked, this, &QWidget::hide);

    // The banner: one red text, centred, over an aqua copy two pixels lower and to the right.
    banner = new Banner(topBar);
    banner->setObjectName(QStringLiteral("MultiShape2"));
    banner->setGeometry(232, 2, 275, 37);
    banner->setFont(pixelFont(QStringLiteral("Arial"), 35));
    banner->setColor(Colors::clRed);
    banner->setShadowColor(Colors::clAqua);
    banner->setShadow(true);
}

void ExercisesWindow::buildNotebook()
{
    pageTabs = new TabbedNotebook(this);
    pageTabs->setObjectName(QStringLiteral("TabbedNotebook1"));
    pageTabs->setGeometry(16, 40, 689, 425);
    QFont tabFont = pixelFont(QStringLiteral("MS Sans Serif"), 11);
    pageTabs->setTabFont(tabFont);
    QPalette tabPalette = pageTabs->tabBar()->palette();
    tabPalette.setColor(QPalette::WindowText, Colors::toQColor(Colors::clBtnText));
    tabPalette.setColor(QPalette::ButtonText, Colors::toQColor(Colors::clBtnText));
    pageTabs->tabBar()->setPalette(tabPalette);

    const struct {
        const char *name;
        const char16_t *caption;
    } pages[] = {
        {"TabPageReglas", u"Reglas"},
        {"TabPageEjemplos", u"Ejemplos"},
        {"TabPageFrases", u"Frases y palabras"},
        {"TabPageCuestiones", u"Cuestiones"},
    };
    for (const auto &entry : pages) {
        TabPage *page = pageTabs->addPage(QString::fromUtf16(entry.caption));
        page->setObjectName(QLatin1String(entry.name));
    }
    rulesPage = new RulesPage(pageTabs->page(PageReglas));
    examplesPage = new ExamplesPage(pageTabs->page(PageEjemplos), banner, m_scores);
    phrasesPage = new PhrasesPage(pageTabs->page(PageFrases), openDialog, m_scores);
    questionsPage = new QuestionsPage(pageTabs->page(PageCuestiones), m_scores);

    // The window first opens on "Frases y palabras"; nothing is asked while it is being built.
    pageTabs->setPageIndex(PageFrases);
    connect(pageTabs, &TabbedNotebook::OnChange, this, ErrorGuard::guarded(this, &ExercisesWindow::beforePageChange));

    // The pages where the student types get the accented-letter bar under them.
    auto *accents = new AccentBar(this);
    accents->setGeometry(16, 470, 689, 28);
    const auto showAccents = [accents](int index) {
        accents->setVisible(index == PageFrases || index == PageCuestiones);
    };
    connect(pageTabs, &TabbedNotebook::pageChanged, accents, showAccents);
    showAccents(pageTabs->pageIndex());

    // A page left with the focus in it would leave the keyboard nowhere, and Ctrl+Tab, which
    // the notebook handles, would stop working: the focus goes to the tabs, from where Tab
    // enters the new page.
    connect(pageTabs, &TabbedNotebook::pageChanged, this, [this] {
        QTimer::singleShot(0, this, [this] {
            const QWidget *focused = QApplication::focusWidget();
            const bool lost = !focused || focused == this
                              || (focused->window() == this && !focused->isVisible())
                              || (focused->window() == this && !pageTabs->isAncestorOf(focused));
            if (isActiveWindow() && lost)
                pageTabs->setFocus(Qt::TabFocusReason);
        });
    });
}

void ExercisesWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar is not being shown again.
    if (!event->spontaneous())
        refreshTimer->start();
}

void ExercisesWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    // The practice window reads these figures while this one is hidden: the moves and answers
    // of the last second must reach them before the timer stops.
    ErrorGuard::run([this] { refreshFigures(); });
    refreshTimer->stop();
}

void ExercisesWindow::zeroPhraseFigures()
{
    m_scores.counts().phraseHits = 0;
    m_scores.counts().phraseTotal = 0;
    phrasesPage->phrasePercent = 0;
}

void ExercisesWindow::showInstructions()
{
    const QString text = instructionsFor(pageTabs->activePage());
    if (text.isEmpty())
        return;
    DialogService::instance().message(this, text, QStringLiteral("Instrucciones:"),
                                      MessageIcon::None, MessageButtons::OkCancel);
}

void ExercisesWindow::beforePageChange(int, bool &allowChange)
{
    // Leaving "Cuestiones" opens its six panels; going anywhere else from another page folds
    // them, so that "Cuestiones" is always entered with all of them collapsed.
    questionsPage->setPanelsCollapsed(pageTabs->pageIndex() != PageCuestiones);
    allowChange = true;
}

void ExercisesWindow::refreshFigures()
{
    examplesPage->recountClassification();
    m_scores.counts().questionsPercent = QuestionsExercise::percent(m_scores.counts());
    // The caption changes, and its label repaints, only when the rounded figure does.
    m_scores.setQuestions(m_scores.counts().questionsPercent);
}

namespace {

QString instructionsFor(const QString &pageCaption)
{
    using namespace Qt::StringLiterals;
    QStringList lines;
    if (pageCaption == u"Ejemplos") {
        lines = {u"Normas para seleccionar palabras."_s, u" "_s,
                 u" Selecciona una palabra en la lista de "_s,
                 u" la izquierda. A continuación, haz clic "_s, u" sobre el grupo correcto."_s,
                 u" "_s, u" Una palabra con diptongo, hiato o triptongo "_s,
                 u" va en ese grupo, aunque también sea aguda, "_s,
                 u" llana o esdrújula."_s,
                 u" "_s, u" Para quitar una palabra de un grupo, "_s,
                 u" haz doble clic sobre ella."_s, u" "_s,
                 u" Cuando TODAS LAS PALABRAS del grupo son "_s,
                 u" correctas, se ilumina el contador."_s};
    } else if (pageCaption == u"Frases y palabras") {
        lines = {u"Normas para la corrección:"_s, u" "_s,
                 u" Selecciona un archivo pulsando en el botón Frases."_s, u" "_s,
                 u" Corrige las faltas de ortografía respetando los"_s,
                 u" espacios entre palabras y la puntuación."_s, u" "_s,
                 u" Cuando termines, pulsa sobre el botón Corregir."_s, u" "_s,
                 u" Los resultados de los archivos corregidos se"_s,
                 u" acumulan en el total."_s};
    } else if (pageCaption == u"Cuestiones") {
        lines = {u"Normas para la corrección:"_s, u" "_s,
                 u" El panel de cada cuestión se despliega al colocar "_s,
                 u" el ratón sobre él. "_s,
                 u" Para mantenerlo fijo, pulsa sobre el signo - de "_s, u" la barra."_s,
                 u" Para saltar a la casilla siguiente, pulsa Intro."_s,
                 u" Responde a todas las cuestiones antes de pulsar "_s,
                 u" sobre el botón <Corregir cuestiones>."_s, u" "_s, u" "_s};
    }
    return lines.join(CR);
}

} // namespace
