// The help-and-exercises window TAyuda.
#include "help/UnitAyuda.h"

#include "shared/Colors.h"
#include "ui/ErrorGuard.h"
#include "shared/RunScores.h"
#include "ui/WindowControls.h"
#include "widgets/CollapsePanel.h"
#include "widgets/ControlAlign.h"
#include "widgets/MShape.h"
#include "widgets/TabbedNotebook.h"

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

TAyuda *Ayuda = nullptr;

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

} // namespace

TAyuda::TAyuda(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Ayuda"));
    setWindowTitle(QStringLiteral("Ayuda y ejemplos"));
    // An outer size of 729 x 500 on a frame of 4-pixel borders and a 23-pixel title bar.
    resize(721, 473);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, Colors::toQColor(Colors::clBtnFace));
    setPalette(windowPalette);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect centred(QPoint(), QSize(729, 500));
        centred.moveCenter(screen->availableGeometry().center());
        move(centred.topLeft());
    }

    buildTopPanel();
    buildNotebook();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, ErrorGuard::guarded(this, &TAyuda::Timer1Timer));
    Timer1->start();

    OpenDialog1.filter = QStringLiteral("Archivos de texto (*.txt)|*.txt");
    OpenDialog1.defaultExtension = QStringLiteral("txt");
    OpenDialog1.fileName = QStringLiteral("Frases.txt");

    FormCreate();
}

TAyuda::~TAyuda() = default;

void TAyuda::buildTopPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->resize(width(), 40);
    ControlAlign::setAlign(Panel1, ControlAlign::alTop);

    SpeedButton1 = placeSpeedButton(Panel1, "SpeedButton1", QRect(16, 0, 38, 38), QIcon(questionMarkPicture()), questionMarkPicture().size());
    connect(SpeedButton1, &QToolButton::clicked, this, ErrorGuard::guarded(this, &TAyuda::SpeedButton1Click));
    Volver = placeSpeedButton(Panel1, "Volver", QRect(56, 0, 38, 38), QIcon(exitDoorPicture()), exitDoorPicture().size());
    connect(Volver, &QToolButton::clicked, this, ErrorGuard::guarded(this, &TAyuda::VolverClick));

    // The banner: one red text, centred, over an aqua copy two pixels lower and to the right.
    // The cell follows the control while the shape is not repeated, so the shadow is set
    // before the cell size, which then gives the control its 275 x 37.
    MultiShape2 = new TMultiShape(Panel1);
    MultiShape2->setObjectName(QStringLiteral("MultiShape2"));
    MultiShape2->SetBounds(232, 2, 275, 37);
    MultiShape2->setParentColor(false);
    MultiShape2->setFont(pixelFont(QStringLiteral("Arial"), 35));
    MultiShape2->setColor(Colors::clRed);
    MultiShape2->setShapeType(TMultiShape::msText);
    MultiShape2->setAngle(0);
    MultiShape2->setRepeatMode(TMultiShape::rpNone);
    MultiShape2->setXMargin(0);
    MultiShape2->setYMargin(0);
    MultiShape2->setBorder(false);
    MultiShape2->setShadowColor(Colors::clAqua);
    MultiShape2->setShadow(true);
    MultiShape2->setShapeW(273);
    MultiShape2->setShapeH(35);
}

void TAyuda::buildNotebook()
{
    TabbedNotebook1 = new TTabbedNotebook(this);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->setGeometry(16, 40, 689, 425);
    QFont tabFont = pixelFont(QStringLiteral("MS Sans Serif"), 11);
    TabbedNotebook1->setTabFont(tabFont);
    QPalette tabPalette = TabbedNotebook1->tabBar()->palette();
    tabPalette.setColor(QPalette::WindowText, Colors::toQColor(Colors::clBtnText));
    tabPalette.setColor(QPalette::ButtonText, Colors::toQColor(Colors::clBtnText));
    TabbedNotebook1->tabBar()->setPalette(tabPalette);

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
        TTabPage *page = TabbedNotebook1->addPage(QString::fromUtf16(entry.caption));
        page->setObjectName(QLatin1String(entry.name));
    }
    buildRulesPage(TabbedNotebook1->page(PageReglas));
    buildExamplesPage(TabbedNotebook1->page(PageEjemplos));
    buildPhrasesPage(TabbedNotebook1->page(PageFrases));
    buildQuestionsPage(TabbedNotebook1->page(PageCuestiones));

    // The window first opens on "Frases y palabras"; nothing is asked while it is being built.
    TabbedNotebook1->setPageIndex(PageFrases);
    connect(TabbedNotebook1, &TTabbedNotebook::OnChange, this, ErrorGuard::guarded(this, &TAyuda::TabbedNotebook1Change));
    connect(TabbedNotebook1, &TTabbedNotebook::OnClick, this, ErrorGuard::guarded(this, &TAyuda::TabbedNotebook1Click));
}

void TAyuda::buildRulesPage(TTabPage *page)
{
    // An editable box: the student may type notes into it, and none of that is ever saved.
    RichEdit1 = new QTextEdit(page);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(16, 20, 649, 357);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    RichEdit1->setFont(pixelFont(QStringLiteral("Comic Sans MS"), 13));
    QPalette palette = RichEdit1->palette();
    palette.setColor(QPalette::Base, Colors::toQColor(Colors::clBtnFace));
    palette.setColor(QPalette::Text, Colors::toQColor(Colors::clNavy));
    RichEdit1->setPalette(palette);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The table of word classes (lines 6, 8 and 9) is laid out with tabs: at 64 pixels every
    // heading, definition and example of a class starts at the same stop with the program's
    // fonts, and the double tab before the last example skips the stop its column spans.
    RichEdit1->setTabStopDistance(64);
    RichEdit1->setPlainText(rulesLines().join(QLatin1Char('\n')));
    RichEdit1->document()->setModified(false);
}

void TAyuda::buildExamplesPage(TTabPage *page)
{
    // The classification percentage, which the practice window's timer also reads.
    porcen1 = placeLabel(page, "porcen1", 156, 5, QStringLiteral("0"),
                        pixelFont(QStringLiteral("MS Sans Serif"), 24, true, true), Colors::clAqua);
    porcen1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    porcen1->setGeometry(156, 5, 29, 29);
}

void TAyuda::buildPhrasesPage(TTabPage *page)
{
    // The phrase percentage, which the practice window's timer also reads. Right-aligned on a
    // fixed right edge, so longer figures grow to the left.
    Tpercentfrases = placeLabel(page, "Tpercentfrases", 417, 358, QStringLiteral("0"),
                               pixelFont(QStringLiteral("Comic Sans MS"), 16), Colors::clTeal);
    Tpercentfrases->setAlignment(Qt::AlignRight | Qt::AlignTop);
    constexpr int rightEdge = 417 + 10;
    constexpr int room = 50;
    Tpercentfrases->setGeometry(rightEdge - room, 358, room, Tpercentfrases->height());
}

TCollapsePanel *TAyuda::makeQuestionPanel(TTabPage *page, const char *name, const QString &header,
                                          int expandedHeight)
{
    auto *panel = new TCollapsePanel(page);
    panel->setObjectName(QLatin1String(name));
    panel->setColor(Colors::rgb(194, 218, 203));
    panel->setHeaderCaption(header);
    panel->setAutoClose(true);
    panel->setAutoCloseTime(400);
    panel->resize(681, expandedHeight);
    return panel;
}

void TAyuda::buildQuestionsPage(TTabPage *page)
{
    Bevel11 = new QFrame(page);
    Bevel11->setObjectName(QStringLiteral("Bevel11"));
    Bevel11->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel11->resize(681, 30);
    ControlAlign::setAlign(Bevel11, ControlAlign::alTop);

    // Created in their tab order, stacked under the title strip in another: 6, 5, 4, 1, 2, 3.
    // Each height change of a panel moves the ones below it, and the lower panels simply run
    // past the bottom of the page when several are open.
    CollapsePanel1 = makeQuestionPanel(page, "CollapsePanel1", QStringLiteral("4. Las formas \"hecho\" y \"echo\"."), 288);
    CollapsePanel2 = makeQuestionPanel(page, "CollapsePanel2", QStringLiteral("5. Las formas \"a\" y \"ha\"."), 279);
    CollapsePanel3 = makeQuestionPanel(page, "CollapsePanel3", QStringLiteral("6. Las formas \"a ver\" y \"haber\"."), 278);
    CollapsePanel4 = makeQuestionPanel(page, "CollapsePanel4", QStringLiteral("3. Las formas \"aun\" y \"aún\"."), 281);
    CollapsePanel5 = makeQuestionPanel(page, "CollapsePanel5", QStringLiteral("2. Las formas \"si no\" y \"sino\"."), 282);
    CollapsePanel6 = makeQuestionPanel(page, "CollapsePanel6", QStringLiteral("1. Las formas \"porque\", \"por qué\", \"porqué\" y \"por que\"."), 283);

    // The rounded questions percentage for the practice window; never shown.
    TCuestPercent = placeLabel(CollapsePanel6, "TCuestPercent", 610, 40, QStringLiteral("0"),
                              pixelFont(QStringLiteral("MS Sans Serif"), 19), Colors::clBlack);
    TCuestPercent->hide();

    for (TCollapsePanel *panel : {CollapsePanel6, CollapsePanel5, CollapsePanel4, CollapsePanel1,
                                  CollapsePanel2, CollapsePanel3})
        panel->setAlign(ControlAlign::alTop);
}

void TAyuda::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar is not being shown again.
    if (!event->spontaneous())
        FormShow();
}

void TAyuda::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}

void TAyuda::FormCreate()
{
    runScores().phraseHits = 0;
    runScores().phraseTotal = 0;
    phrasePercent = 0;
}

void TAyuda::FormShow()
{
    Timer1->start();
}

void TAyuda::FormHide()
{
    Timer1->stop();
}

void TAyuda::SpeedButton1Click()
{
    const QString text = instructionsFor(TabbedNotebook1->activePage());
    if (text.isEmpty())
        return;
    DialogService::instance().message(this, text, QStringLiteral("Instrucciones:"),
                                      MessageIcon::None, MessageButtons::OkCancel);
}

void TAyuda::VolverClick()
{
    hide();
}

void TAyuda::TabbedNotebook1Change(int, bool &AllowChange)
{
    // Leaving "Cuestiones" opens its six panels; going anywhere else from another page folds
    // them, so that "Cuestiones" is always entered with all of them collapsed.
    const bool collapse = TabbedNotebook1->pageIndex() != PageCuestiones;
    for (TCollapsePanel *panel : {CollapsePanel1, CollapsePanel2, CollapsePanel3, CollapsePanel4,
                                  CollapsePanel5, CollapsePanel6})
        panel->setCollapsed(collapse);
    AllowChange = true;
}

void TAyuda::TabbedNotebook1Click()
{
    // A click on the tabs needs nothing beyond the page change, which is handled before it.
}

void TAyuda::Timer1Timer()
{
    // Each tick brings the exercise figures up to date; the exercises add their recounts here.
}

QString TAyuda::instructionsFor(const QString &pageCaption)
{
    using namespace Qt::StringLiterals;
    QStringList lines;
    if (pageCaption == u"Ejemplos") {
        lines = {u"Normas para seleccionar palabras."_s, u" "_s,
                 u" Selecciona una palabra en la lista de "_s,
                 u" la izquierda. A continuación haz click "_s, u" sobre el grupo correcto "_s,
                 u" "_s, u" Para quitar una palabra de un grupo, "_s,
                 u" haz doble-click sobre ella"_s, u" "_s,
                 u" Cuando TODAS LAS PALABRAS del grupo son "_s,
                 u" correctas, se ilumina el contador."_s};
    } else if (pageCaption == u"Frases y palabras") {
        lines = {u"Normas para la corrección:"_s, u" "_s,
                 u" Selecciona un archivo pulsando en el botón Frases"_s, u" "_s,
                 u" Corrige las faltas de ortografía respetando los"_s,
                 u" espacios entre palabras y la puntuación"_s, u" "_s,
                 u" Cuando termines pulsa sobre el botón Corregir"_s, u" "_s,
                 u" Los resultados de los archivos que corregidos se"_s,
                 u" acumulan en el total."_s};
    } else if (pageCaption == u"Cuestiones") {
        lines = {u"Normas para la corrección:"_s, u" "_s,
                 u" El panel de cada cuestión se despliega al colocar "_s,
                 u" el ratón sobre él. "_s,
                 u" Para mantenerlo fijo, pulsa sobre el signo - de "_s, u" la barra."_s,
                 u" Para saltar a la palabra siguiente pulsa Intro"_s,
                 u" Responde a todas las cuestiones anted de pulsar "_s,
                 u" sobre el botón <Corregir>"_s, u" "_s, u" "_s};
    }
    return lines.join(CR);
}

QStringList TAyuda::rulesLines()
{
    static const char16_t *const lines[] = {
    u"                                             NORMAS DE ACENTUACIÓN.        ",
    u"                                              _________________________",
    u"",
    u"Según la situación del acento (intensidad de la voz), las palabras se dividen en:",
    u"",
    u"1. AGUDAS\tLLANAS\tESDRÚJULAS\tSOBREESDRÚJULAS",
    u"",
    u"últ. sílaba \tpenúlt. sib.\tantepenult. silb.\tanterior a la antepenult.",
    u"  (lamer)\t  (colina)\t   (víbora)\t\t   (cómetelo)",
    u"",
    u"2. REGLA GENERAL.",
    u"   LLevan tilde: ",
    u"2.1. Agudas acabadas en vocal, -n o -s (carbón, cincel)",
    u"2.2. Llanas acabadas en cons. que no sea -n o -s (cárcel, antes)",
    u"2.3. Esdrújulas y sobreesdrújlas, siempre (mágico, cuéntaselo)",
    u"",
    u"3. HIATOS Y DIPTONGOS.",
    u"",
    u"3.1. VF.: A, E, O.",
    u"     VD.: I, U.",
    u"\t",
    u"3.2. COMBINACIONES POSIBLES:",
    u"",
    u"3.2. 1. VF + VF: Hiato (dos sílabas). Regla general (héroe)",
    u"3.2.2. VD + VD: Diptongo (una sílaba). Regla general (cuidado)",
    u"3. 3.3. VF + VD o VD + VF",
    u"\t\tA) Intensidad sobre VF: Diptongo. Regla general (huésped)",
    u"\t\tB) Intensidad sobre VD: Hiato. Siempre tilde en la VD (María, búho)",
    u"\t\tC) Intensidad en otra sílaba de la palabra. Diptongo. Regla general (aceituna)",
    u"",
    u"3.2.4. VD + VF + VD",
    u"\t\tA) Intensidad sobre la VF. Triptongo. Regla general (amortiguáis)",
    u"\t\tB) Intensidad sobre alguan de las VD. Hiato. Tilde sobre la VD (comíais)",
    u"",
    u"",
    u"4. TILDE DIACRÍTICA.",
    u"",
    u"\tDiferencia categorías morfológicas (únicos monosílabos que se acentúan):",
    u"                de / dé, el / él, mas / más, mi / mí, se / sé, te / té, tu / tú, aun / aún solo / sólo, ",
    u"\tque, cual, quien cuando, donde como (tilde cuando son interrogativos o exclamativos)",
    u"\t\t\t",
    u"5. OTROS CASOS.",
    u"",
    u"5.1. Palabras compuestas: ",
    u"\ta) Unidas. Regla general (decimoséptimo)",
    u"\tb) Separadas. Cada palabra conserva su acento (físico-químico)",
    u"5.2. Advs. terminados en -mente. Llevan tilde si el adjetivo la llevaba (fácilmente)",
    u"5.3. Mantinenen la tilde las formas verbales más pronombre enclítico (déle)",
    u"5.4. La conjunción o, (con tilde entre números).",
    };
    QStringList result;
    for (const char16_t *line : lines)
        result.append(QString::fromUtf16(line));
    return result;
}
