// The page "Cuestiones": its controls and handlers.
#include "help/QuestionsPage.h"

#include "exercises/ExerciseScores.h"

#include "exercises/QuestionsExercise.h"
#include "shared/Colors.h"
#include "exercises/RunCounts.h"
#include "ui/ErrorGuard.h"
#include "ui/WindowControls.h"
#include "widgets/CollapsePanel.h"
#include "widgets/ControlAlign.h"
#include "widgets/SelPanel.h"
#include "widgets/TabbedNotebook.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QToolButton>

#include <array>
#include <span>

using namespace WindowControls;
using namespace Qt::StringLiterals;

namespace {

// One sentence: the text before the blank, the blank, the text after it. Positions are within
// the group's panel.
struct Sentence {
    const char *beforeName;
    int beforeX, beforeY;
    const char16_t *before;
    int blankX, blankY, blankWidth;
    const char *afterName;
    int afterX, afterY;
    const char16_t *after;
};

const Sentence porqueSentences[] = {
    {"Label114", 128, 48, u"a) No entiendo el ", 248, 44, 65, "Label115", 312, 48, u"de tu comportamiento."},
    {"Label116", 128, 80, u"b) No entiendo ", 232, 76, 65, "Label117", 304, 80, u"siempre te enfadas."},
    {"Label118", 128, 112, u"c) No lo entiendo ", 248, 108, 65, "Label119", 320, 112, u"siempre te enfadas."},
    {"Label120", 128, 144, u"d) ¿", 168, 140, 65, "Label121", 240, 144, u"te enfadas siempre?"},
    {"Label122", 128, 176, u"e) Esa es la calle ", 240, 171, 65, "Label123", 312, 176, u"solemos pasar."},
    {"Label124", 128, 209, u"f) No entendí la explicación ", 304, 203, 65, "Label125", 376, 209, u"estaba distraído."},
    {"Label126", 128, 241, u"g) Desconozco el ", 248, 235, 65, "Label127", 320, 241, u"de su mutismo."},
};
const Sentence sinoSentences[] = {
    {"Label102", 128, 40, u"a) No quiero ir a tu casa ", 288, 36, 57, "Label103", 344, 40, u"a la mía."},
    {"Label104", 128, 80, u"b) No iré más a tu casa ", 280, 76, 57, "Label105", 336, 80, u"me cuentas lo sucedido."},
    {"Label106", 128, 120, u"c) ¿No harás ", 216, 116, 57, "Label107", 280, 120, u"reírte siempre?"},
    {"Label108", 128, 160, u"d) ", 152, 156, 65, "Label109", 224, 160, u"te portas bien, te castigaré."},
    {"Label110", 128, 200, u"e) Pero, ¡", 184, 196, 57, "Label111", 248, 200, u"hay examen! ¿Por qué vas al colegio?"},
    {"Label112", 128, 235, u"f) Me castigará ", 232, 229, 57, "Label113", 296, 235, u"voy al colegio."},
};
const Sentence aunSentences[] = {
    {"Label92", 120, 64, u"a) Ni ", 160, 60, 49, "Label93", 216, 64, u"así, lograré convencerle."},
    {"Label94", 120, 104, u"b) Tendré que ir a recibirle ", 296, 100, 49, "Label95", 352, 104, u"sabiendo lo que me espera."},
    {"Label96", 120, 152, u"c) Vinieron a visitarme todos los amigos y ", 376, 148, 49, "Label97", 432, 152, u"el director."},
    {"Label98", 120, 192, u"d) ", 136, 188, 57, "Label99", 200, 192, u"desconozco tu verdadero nombre."},
    {"Label100", 120, 230, u"e) No sé ", 176, 224, 57, "Label101", 240, 230, u"si van a venir."},
};
const Sentence hechoSentences[] = {
    {"Label59", 120, 56, u"a)  No sabes cuánto te ", 264, 52, 49, "Label60", 320, 56, u"de menos."},
    {"Label62", 120, 96, u"b)  El", 160, 92, 49, "Label63", 216, 96, u"de que no haya venido me ha molestado."},
    {"Label65", 120, 142, u"c) Si ", 160, 136, 49, "Label66", 216, 142, u"más azúcar en el café, no lo podré beber."},
    {"Label67", 120, 182, u"d) ", 144, 176, 57, "Label68", 208, 182, u"esto, los demás se marcharon."},
    {"Label69", 120, 222, u"e)  Aún no me han ", 232, 216, 57, "Label70", 296, 222, u"el traje."},
};
const Sentence haSentences[] = {
    {"Label71", 120, 56, u"a) El presidente va ", 240, 52, 25, "Label72", 272, 56, u"hablar."},
    {"Label73", 120, 96, u"b)  Este niño", 208, 92, 33, "Label74", 248, 96, u"de trabajar más."},
    {"Label75", 120, 142, u"c) Voy ", 168, 136, 33, "Label76", 208, 142, u"hacerte un favor."},
    {"Label77", 120, 182, u"d)  Aún no", 192, 176, 33, "Label78", 232, 182, u"llegado el profesor."},
    {"Label79", 120, 222, u"e)  Ve", 160, 216, 33, "Label80", 200, 222, u"decir a tu hermano que no venga"},
    // The same sentence goes on after a second blank.
    {nullptr, 0, 0, nullptr, 400, 216, 33, "Label81", 440, 222, u"verme."},
};
// "De haberlo sabido": the pronoun joins the infinitive, so this blank takes seven letters.
constexpr int haberloBlank = 30;
const Sentence haberSentences[] = {
    {"Label82", 120, 56, u"a) De", 160, 52, 65, "Label83", 232, 56, u"sabido, no hubiera ido."},
    {"Label84", 120, 96, u"b)  ", 144, 92, 49, "Label85", 200, 96, u"cómo te portas en el colegio."},
    {"Label86", 120, 142, u"c) Tiene que", 208, 136, 49, "Label87", 264, 142, u"mucha gente en el salón."},
    {"Label88", 120, 182, u"d)  Iremos", 192, 176, 49, "Label89", 248, 182, u"al director."},
    {"Label90", 120, 222, u"e)  Por", 168, 216, 57, "Label91", 232, 222, u"venido, te felicitarán."},
};

// A named control of a group and where it goes.
struct Placed {
    const char *name;
    int x, y;
};

// Everything inside one group's panel.
struct GroupLayout {
    Placed bevel;
    Placed chooser;
    int chooserWidth;
    int maxLength;
    TColor color;
    TColor background;
    Placed aciertos;
    Placed count;
    Placed percent; // x is the right edge
    Placed percentSign;
    std::span<const Sentence> sentences;
};

const GroupLayout groupLayouts[QuestionsExercise::groupCount] = {
    {{"Bevel17", 72, 23}, {"SelPanel1", 568, 24}, 104, 7, Colors::clNavy, Colors::clBtnFace,
     {"Label34", 584, 209}, {"totporque", 648, 204},
     {"porquepercent", 635, 236}, {"Label33", 648, 236}, porqueSentences},
    {{"Bevel16", 72, 23}, {"SelPanel2", 568, 32}, 104, 5, Colors::clNavy, Colors::clBtnFace,
     {"Label45", 584, 219}, {"TotSino", 648, 214},
     {"Sinopercent", 635, 238}, {"Label49", 648, 238}, sinoSentences},
    {{"Bevel15", 64, 23}, {"SelPanel3", 560, 32}, 105, 3, Colors::clNavy, Colors::clBtnFace,
     {"Label61", 576, 222}, {"Totaun", 640, 217},
     {"Aunpercent", 635, 241}, {"Label64", 640, 241}, aunSentences},
    {{"Bevel12", 64, 31}, {"SelPanel4", 560, 40}, 105, 5, Colors::clTeal, Colors::clSilver,
     {"Label128", 576, 222}, {"Tothecho", 640, 217},
     {"hechopercent", 635, 241}, {"Label131", 640, 241}, hechoSentences},
    {{"Bevel13", 64, 23}, {"SelPanel5", 568, 32}, 65, 3, Colors::clTeal, Colors::clBtnFace,
     {"Label129", 576, 222}, {"TotA", 640, 217},
     {"Apercent", 635, 241}, {"Label133", 640, 241}, haSentences},
    {{"Bevel14", 64, 23}, {"SelPanel6", 568, 32}, 81, 5, Colors::clTeal, Colors::clBtnFace,
     {"Label130", 576, 222}, {"Tothaber", 640, 217},
     {"Haberpercent", 635, 241}, {"Label135", 640, 241}, haberSentences},
};

// The six group panels in the order they are created, which is also the order in which they
// take the keyboard among themselves; stacked under the title strip, they show in group order.
struct PanelLayout {
    const char *name;
    const char16_t *header;
    int expandedHeight;
    int group;
};
const PanelLayout panelLayouts[QuestionsExercise::groupCount] = {
    {"CollapsePanel1", u"4. Las formas \"hecho\" y \"echo\".", 288, 3},
    {"CollapsePanel2", u"5. Las formas \"a\" y \"ha\".", 279, 4},
    {"CollapsePanel3", u"6. Las formas \"a ver\" y \"haber\".", 278, 5},
    {"CollapsePanel4", u"3. Las formas \"aun\" y \"aún\".", 281, 2},
    {"CollapsePanel5", u"2. Las formas \"si no\" y \"sino\".", 282, 1},
    {"CollapsePanel6", u"1. Las formas \"porque\", \"por qué\", \"porqué\" y \"por que\".", 283, 0},
};

// Room for the figures that grow after a correction ("34", "100", "85,7").
constexpr int countWidth = 32;
constexpr int percentWidth = 48;

QFont comic(int pixels, bool bold = false)
{
    return pixelFont(u"Comic Sans MS"_s, pixels, bold);
}

// A figure that keeps its right edge as it grows to the left.
QLabel *placeRightAligned(QWidget *parent, const char *name, int rightEdge, int top, TColor color)
{
    QLabel *label = placeLabel(parent, name, 0, top, u"0"_s, comic(16), color);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setGeometry(rightEdge - percentWidth, top, percentWidth, label->height());
    return label;
}

QLabel *placeCount(QWidget *parent, const char *name, int left, int top)
{
    QLabel *label = placeLabel(parent, name, left, top, u"0"_s, comic(16), Colors::clRed);
    label->resize(countWidth, label->height());
    return label;
}

// The decorative picture under the folded groups: a page of an exercise book with the words
// the questions are about, a question mark over them and a pencil.
QPixmap notebookPicture()
{
    QPixmap picture(129, 217);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // The sheet and its shadow.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(QRectF(6, 6, 121, 209), 6, 6);
    painter.setPen(QPen(QColor(150, 140, 110), 1));
    painter.setBrush(QColor(255, 252, 236));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 120, 208), 6, 6);
    // Ruled lines and the red margin.
    painter.setPen(QPen(QColor(160, 190, 230), 1));
    for (int y = 84; y < 204; y += 19)
        painter.drawLine(QPointF(4, y + 0.5), QPointF(119, y + 0.5));
    painter.setPen(QPen(QColor(220, 90, 90), 1));
    painter.drawLine(QPointF(20.5, 4), QPointF(20.5, 207));

    // The question marks, teal with a navy outline.
    QPainterPath marks;
    marks.addText(0, 0, comic(58, true), u"¿?"_s);
    const QRectF bounds = marks.boundingRect();
    marks.translate(66 - bounds.center().x(), 40 - bounds.center().y());
    painter.setPen(QPen(Colors::toQColor(Colors::clNavy), 1.5));
    painter.setBrush(Colors::toQColor(Colors::clTeal));
    painter.drawPath(marks);

    // The words, in handwriting on the lines.
    const QFont hand = pixelFont(u"Lynda Cursive"_s, 17);
    painter.setFont(hand);
    const char16_t *words[] = {u"porqué", u"si no", u"aún", u"hecho", u"ha", u"a ver"};
    int y = 82;
    for (const char16_t *word : words) {
        painter.setPen(Colors::toQColor(Colors::clNavy));
        painter.drawText(QPointF(26, y), QString::fromUtf16(word));
        y += 19;
    }

    // A pencil lying across the lower corner.
    painter.translate(92, 186);
    painter.rotate(-35);
    painter.setPen(QPen(QColor(90, 60, 10), 1));
    painter.setBrush(QColor(250, 200, 40));
    painter.drawRect(QRectF(-26, -4, 40, 8));
    painter.setBrush(QColor(240, 150, 150));
    painter.drawRect(QRectF(14, -4, 7, 8));
    painter.setBrush(QColor(235, 205, 160));
    const QPointF tip[] = {{-26, -4}, {-36, 0}, {-26, 4}};
    painter.drawPolygon(tip, 3);
    painter.setBrush(QColor(60, 60, 60));
    const QPointF lead[] = {{-32.5, -1.4}, {-36, 0}, {-32.5, 1.4}};
    painter.drawPolygon(lead, 3);
    return picture;
}

// The shared background of the word choosers: warm paper that darkens gently downwards, with a
// faint grain so the inverted row under the pointer shows the picture too. 24-bit colour.
QImage chooserBackground()
{
    QImage picture(128, 260, QImage::Format_RGB888);
    QPainter painter(&picture);
    QLinearGradient shade(0, 0, 0, 260);
    shade.setColorAt(0, QColor(255, 250, 225));
    shade.setColorAt(1, QColor(240, 222, 170));
    painter.fillRect(picture.rect(), shade);
    painter.setPen(QColor(230, 212, 165));
    for (int y = 3; y < 260; y += 6)
        painter.drawLine(0, y, 127, y);
    painter.setPen(QColor(250, 240, 210));
    for (int x = 5; x < 128; x += 12)
        painter.drawLine(x, 0, x, 259);
    return picture;
}

// The correcting button's picture: a green tick on a sheet.
QIcon correctingGlyph()
{
    QPixmap glyph(16, 16);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(110, 110, 110), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(1.5, 1.5, 11, 13));
    painter.setPen(QPen(QColor(0, 140, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF tick[] = {{4, 8}, {7, 12}, {14.5, 2.5}};
    painter.drawPolyline(tick, 3);
    return QIcon(glyph);
}

int blankNumber(const QObject *blank)
{
    return blank->objectName().mid(4).toInt();
}

} // namespace

QuestionsPage::QuestionsPage(TabPage *page, ExerciseScores &scores) : QObject(page), m_scores(scores)
{
    ControlAlign::setAlign(placeBevel(page, "Bevel11", QRect(0, 0, 681, 30)), ControlAlign::alTop);
    QLabel *title = placeLabel(page, "Label139", 32, 6,
                               u"Completa con el término correcto las siguientes cuestiones:"_s,
                               comic(15, true), Colors::clNavy);
    title->resize(432, 21);

    // The picture and the results box lie under the groups and show while they are folded.
    buildResultsBox(page);

    // Each height change of a panel moves the ones below it.
    for (const PanelLayout &layout : panelLayouts)
        m_groups[std::size_t(layout.group)].panel =
            makeQuestionPanel(page, layout.name, QString::fromUtf16(layout.header), layout.expandedHeight);

    // The rounded questions percentage for the practice window; never shown.
    m_percentReadout = placeLabel(group(0).panel, "TCuestPercent", 610, 40, m_scores.questionsCaption(),
                                  pixelFont(QStringLiteral("MS Sans Serif"), 19), Colors::clBlack);
    m_percentReadout->hide();
    connect(&m_scores, &ExerciseScores::changed, this, [this](ExerciseScores::Exercise exercise) {
        if (exercise == ExerciseScores::Questions)
            m_percentReadout->setText(m_scores.questionsCaption());
    });

    // One group open at a time: two open groups are taller than the page, and the lower one's
    // blanks would lie out of sight below its edge.
    for (const GroupControls &controls : m_groups) {
        CollapsePanel *panel = controls.panel;
        panel->setAlign(ControlAlign::alTop);
        connect(panel, &CollapsePanel::expanded, this, [this, panel] { foldAllBut(panel); });
    }

    buildGroups();

    m_correctButton = new QPushButton(correctingGlyph(), u"Corregir cuestiones"_s, page);
    m_correctButton->setObjectName(u"CorregirCuestiones"_s);
    m_correctButton->setGeometry(528, 1, 129, 28);
    connect(m_correctButton, &QPushButton::clicked, this,
            ErrorGuard::guarded(this, &QuestionsPage::correctAnswers));

    // Tab order: the groups from 1 to 6 as the page shows them, each blank in sentence order,
    // then the button.
    for (int n = 1; n < QuestionsExercise::blankCount; ++n)
        QWidget::setTabOrder(blank(n), blank(n + 1));
    QWidget::setTabOrder(blank(QuestionsExercise::blankCount), m_correctButton);
}

CollapsePanel *QuestionsPage::makeQuestionPanel(TabPage *page, const char *name, const QString &header,
                                          int expandedHeight)
{
    auto *panel = new CollapsePanel(page);
    panel->setObjectName(QLatin1String(name));
    panel->setColor(Colors::rgb(194, 218, 203));
    panel->setHeaderCaption(header);
    panel->setAutoClose(true);
    panel->setAutoCloseTime(400);
    panel->resize(681, expandedHeight);
    return panel;
}

void QuestionsPage::buildResultsBox(TabPage *page)
{
    auto *picture = new QLabel(page);
    picture->setObjectName(u"Image1"_s);
    picture->setPixmap(notebookPicture());
    picture->setGeometry(96, 152, 129, 217);

    placeBevel(page, "Bevel18", QRect(328, 296, 257, 65));
    QLabel *heading = placeLabel(page, "Label132", 352, 304, u"Resultados:"_s,
                                 pixelFont(u"Lynda Cursive"_s, 27), Colors::clRed);
    heading->resize(145, 32);
    placeLabel(page, "Label134", 488, 310, u"Aciertos:"_s, comic(13), Colors::clBlack);
    m_totalHits = placeCount(page, "TotCuestiones", 552, 305);
    m_totalPercent = placeRightAligned(page, "TotCuestionesPercent", 547, 329, Colors::clTeal);
    placeLabel(page, "Label138", 552, 329, u"%"_s, comic(16), Colors::clTeal);
}

void QuestionsPage::buildGroups()
{
    const QImage background = chooserBackground();
    int blank = 0;
    for (int g = 0; g < QuestionsExercise::groupCount; ++g) {
        const GroupLayout &layout = groupLayouts[g];
        GroupControls &controls = m_groups[std::size_t(g)];
        CollapsePanel *panel = controls.panel;

        // Created first, so that it lies under the sentences it frames.
        placeBevel(panel, layout.bevel.name, QRect(layout.bevel.x, layout.bevel.y, 489, 242));

        QString carriedOver;
        for (const Sentence &sentence : layout.sentences) {
            ++blank;
            QString before = carriedOver;
            if (sentence.beforeName) {
                before = QString::fromUtf16(sentence.before);
                placeLabel(panel, sentence.beforeName, sentence.beforeX, sentence.beforeY, before,
                           comic(13), Colors::clBlack);
            }
            const QString after = QString::fromUtf16(sentence.after);
            placeLabel(panel, sentence.afterName, sentence.afterX, sentence.afterY, after, comic(13),
                       Colors::clBlack);
            carriedOver = after;

            auto *edit = new QLineEdit(panel);
            edit->setObjectName(u"Edit%1"_s.arg(blank));
            edit->setFrame(false);
            edit->setGeometry(sentence.blankX, sentence.blankY, sentence.blankWidth, 24);
            edit->setFont(comic(16));
            edit->setMaxLength(blank == haberloBlank ? 7 : layout.maxLength);
            QPalette colours = edit->palette();
            colours.setColor(QPalette::Base, Colors::toQColor(layout.background, colours));
            edit->setPalette(colours);
            setTextColor(edit, layout.color);
            // Screen readers hear the sentence the blank is in.
            edit->setAccessibleName(u"%1 … %2"_s.arg(before.trimmed(), after.trimmed()));
            edit->installEventFilter(this);
            m_blanks[std::size_t(blank - 1)] = edit;
        }

        auto *chooser = new SelPanel(panel);
        chooser->setObjectName(QLatin1String(layout.chooser.name));
        chooser->setFont(comic(19, true));
        chooser->setBitmap(background);
        chooser->setActiva(false);
        const QStringList &words = QuestionsExercise::groupWords(g);
        chooser->setStringListValues(words);
        chooser->move(layout.chooser.x, layout.chooser.y);
        chooser->resize(layout.chooserWidth, chooser->height());
        chooser->setAccessibleName(u"Palabras: %1"_s.arg(words.join(u", "_s)));
        connect(chooser, &SelPanel::OnChange, this, ErrorGuard::guarded(this, &QuestionsPage::fillFromChooser));
        controls.chooser = chooser;

        placeLabel(panel, layout.aciertos.name, layout.aciertos.x, layout.aciertos.y, u"Aciertos:"_s,
                   comic(13), Colors::clBlack);
        controls.count = placeCount(panel, layout.count.name, layout.count.x, layout.count.y);
        controls.percent = placeRightAligned(panel, layout.percent.name, layout.percent.x,
                                             layout.percent.y, Colors::clTeal);
        placeLabel(panel, layout.percentSign.name, layout.percentSign.x, layout.percentSign.y, u"%"_s,
                   comic(16), Colors::clTeal);
    }
}

void QuestionsPage::setPanelsCollapsed(bool collapsed)
{
    const QScopedValueRollback<bool> all(m_settingAll, true);
    for (const PanelLayout &layout : panelLayouts)
        group(layout.group).panel->setCollapsed(collapsed);
}

SelPanel *QuestionsPage::chooser(int n) const
{
    return group(n - 1).chooser;
}

const QuestionsPage::GroupControls &QuestionsPage::group(int index) const
{
    return m_groups[std::size_t(qBound(0, index, QuestionsExercise::groupCount - 1))];
}

void QuestionsPage::correctAnswers()
{
    using namespace QuestionsExercise;
    // Every blank starts out wrong, also those of the groups that began in teal.
    QStringList answers;
    for (int n = 1; n <= blankCount; ++n) {
        QLineEdit *edit = blank(n);
        setTextColor(edit, Colors::clNavy);
        answers << edit->text();
    }
    const Judgement judgement = judge(answers);
    m_scores.replaceMisses(SessionDetail::Exercise::Questions, misses(answers, judgement));
    for (int n = 1; n <= blankCount; ++n) {
        QLineEdit *edit = blank(n);
        const bool right = judgement.right[n - 1];
        if (right)
            setTextColor(edit, Colors::clLime);
        // A wrong answer says why, for the pointer and for screen readers.
        const QString hint = right ? QString() : groupHint(groupOf(n));
        edit->setToolTip(hint);
        edit->setAccessibleDescription(hint);
    }

    RunCounts &scores = m_scores.counts();
    storeHits(judgement, scores);
    for (int g = 0; g < groupCount; ++g) {
        const GroupControls &controls = group(g);
        controls.count->setText(QString::number(judgement.hits[g]));
        controls.percent->setText(groupPercentText(g, judgement.hits[g]));
    }
    m_totalHits->setText(QString::number(judgement.total()));
    m_totalPercent->setText(totalPercentText(scores.questionsPercent));
    // Written here as well as by the help window's tick, so that the practice window has the
    // new figure even when this window is closed before the next tick.
    m_scores.setQuestions(scores.questionsPercent);
}

void QuestionsPage::fillFromChooser(SelPanel *, const QString &word, int row)
{
    // The chooser also reports the pointer leaving it, with no word (row 0): that only closes
    // it. Emptying the blank then would throw away what the student had typed there.
    const bool chosen = row > 0 && !word.isEmpty();
    // The chooser never takes the focus, so the blank that asked for it still has it.
    for (int n = 1; chosen && n <= QuestionsExercise::blankCount; ++n) {
        QLineEdit *edit = blank(n);
        if (edit->hasFocus())
            edit->setText(word);
    }
    for (int g = 1; g <= QuestionsExercise::groupCount; ++g)
        chooser(g)->hide();
}

void QuestionsPage::enterMovesOn(QLineEdit *blank, QChar &key)
{
    if (key != QChar(13))
        return;
    // Enter moves on to the next blank exactly as Tab would.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(blank, &tab);
    key = QChar();
}

namespace {
void showChooser(SelPanel *chooser, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    chooser->raise();
    chooser->show();
}
} // namespace

// A blank reached from the keyboard opens its group, so that what is typed is seen; the pointer
// opens the groups by itself.
void QuestionsPage::openGroupOf(QLineEdit *blank)
{
    group(QuestionsExercise::groupOf(blankNumber(blank))).panel->setCollapsed(false);
}

// A group that opens folds the others, pinned ones too: their pins are released, as a pin
// stands for keeping a group open.
void QuestionsPage::foldAllBut(CollapsePanel *open)
{
    if (m_settingAll)
        return;
    for (int g = 0; g < QuestionsExercise::groupCount; ++g) {
        CollapsePanel *panel = group(g).panel;
        if (panel == open)
            continue;
        if (panel->Pinned())
            panel->MarkerButton()->click();
        panel->setCollapsed(true);
    }
}

bool QuestionsPage::eventFilter(QObject *watched, QEvent *event)
{
    auto *blank = qobject_cast<QLineEdit *>(watched);
    if (!blank)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text.size() != 1)
            return false;
        QChar key = text.front();
        ErrorGuard::run([&] { enterMovesOn(blank, key); });
        return key.isNull();
    }
    case QEvent::MouseButtonPress: {
        // A left click on a blank shows its group's word chooser.
        const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
        SelPanel *words = group(QuestionsExercise::groupOf(blankNumber(blank))).chooser;
        ErrorGuard::run([&] { showChooser(words, button); });
        return false;
    }
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            openGroupOf(blank);
        return false;
    }
    default:
        return false;
    }
}
