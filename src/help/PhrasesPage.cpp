// The page "Frases y palabras": its controls and handlers.
#include "help/PhrasesPage.h"

#include "exercises/ExerciseScores.h"

#include "richtext/RichTextFile.h"
#include "shared/AppError.h"
#include "shared/NumberFormat.h"
#include "exercises/RunCounts.h"
#include "spanish/WordExplanation.h"
#include "ui/DialogService.h"
#include "ui/ErrorGuard.h"
#include "ui/WindowControls.h"
#include "widgets/BigText.h"
#include "widgets/TabbedNotebook.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTextEdit>
#include <QToolTip>

#include <algorithm>
#include <utility>

using namespace WindowControls;

namespace {

// The heights of the two views; the student's box reaches a little lower than the viewer.
constexpr int bigTextHeight = 337;
constexpr int richEditHeight = 345;
// The percentage keeps this right edge and grows to the left.
constexpr int percentRightEdge = 417 + 10;
constexpr int resultRowTop = 358;

// The picture of "&Frases": an open yellow folder with a green arrow coming out of it.
QPixmap openFolderPicture()
{
    QPixmap picture(19, 19);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // The back of the folder with its tab.
    const QPointF back[] = {{1.5, 6.5}, {1.5, 17.5}, {15.5, 17.5}, {15.5, 8.5}, {8.5, 8.5}, {6.5, 6.5}};
    painter.setPen(QPen(QColor(128, 96, 0), 1));
    painter.setBrush(QColor(208, 168, 32));
    painter.drawPolygon(back, 6);
    // The front leaf, swung open.
    const QPointF front[] = {{1.5, 17.5}, {4.5, 10.5}, {18.5, 10.5}, {15.5, 17.5}};
    painter.setBrush(QColor(255, 224, 64));
    painter.drawPolygon(front, 4);
    // The arrow, leaving the folder upwards to the right.
    const QPointF arrow[] = {{9, 9}, {12, 4.5}, {10, 3.5}, {16, 1}, {15.5, 7.5}, {13.8, 5.8}, {10.8, 10}};
    painter.setPen(QPen(QColor(0, 96, 0), 1));
    painter.setBrush(Colors::toQColor(Colors::clLime));
    painter.drawPolygon(arrow, 7);
    return picture;
}

// The picture of "Corregir": a ticked box, drawn in colour or, for the disabled button, in
// greys.
QPixmap tickedBoxPicture(bool enabled)
{
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(enabled ? QColor(0, 0, 128) : QColor(128, 128, 128), 1));
    painter.setBrush(enabled ? QColor(Qt::white) : QColor(224, 224, 224));
    painter.drawRect(QRectF(1.5, 4.5, 13, 13));
    QPainterPath tick;
    tick.moveTo(4, 10);
    tick.lineTo(8, 15);
    tick.lineTo(18, 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(enabled ? QColor(0, 144, 0) : QColor(160, 160, 160), 2.6, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    return picture;
}

QPushButton *placeButton(QWidget *parent, const char *name, const QRect &geometry, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

// Why a wrong line is wrong: its words that differ from the model, or, when every word
// agrees, the signs and spaces.
QString lineTip(const QString &student, const QString &model)
{
    const QString words = WordExplanation::ofPhraseDifferences(student, model);
    return words.isEmpty() ? QStringLiteral("Las palabras están bien; cambian los signos o los espacios.") : words;
}

} // namespace

PhrasesPage::PhrasesPage(TabPage *page, FileDialogRequest &openDialog, ExerciseScores &scores)
    : QObject(page), m_openDialog(openDialog), m_scores(scores), m_exercise(scores.counts())
{
    connect(&m_scores, &ExerciseScores::changed, this, [this](ExerciseScores::Exercise exercise) {
        if (exercise == ExerciseScores::Phrases)
            setPercentCaption(m_scores.phrasesCaption());
    });
    const QFont phraseFont = pixelFont(QStringLiteral("Comic Sans MS"), 13);
    const QFont resultFont = pixelFont(QStringLiteral("Comic Sans MS"), 16);

    // The viewer first, so that the student's box lies over it and hides it while shown.
    m_viewer = new BigText(page);
    m_viewer->setObjectName(QStringLiteral("BigText1"));
    m_viewer->setGeometry(8, 0, 665, bigTextHeight);
    m_viewer->setFont(phraseFont);
    m_viewer->setColor(Colors::clBtnFace);
    m_viewer->setBackColor(Colors::clBtnFace);
    m_viewer->setForeColor(Colors::clBlack);
    m_viewer->setScrollBars(BigText::ssVertical);
    m_viewer->viewport()->installEventFilter(this);
    m_viewer->setAccessibleName(QStringLiteral("Frases corregidas"));
    // The corrected lines can be scrolled from the keyboard too, once they are seen.
    m_viewer->setFocusPolicy(Qt::NoFocus);

    m_studentBox = new QTextEdit(page);
    m_studentBox->setObjectName(QStringLiteral("RichEdit2"));
    m_studentBox->setGeometry(7, 0, 666, richEditHeight);
    m_studentBox->setFrameShape(QFrame::NoFrame);
    m_studentBox->setFont(phraseFont);
    QPalette palette = m_studentBox->palette();
    palette.setColor(QPalette::Base, Colors::toQColor(Colors::clBtnFace));
    palette.setColor(QPalette::Text, Colors::toQColor(Colors::clBlack));
    m_studentBox->setPalette(palette);
    m_studentBox->setLineWrapMode(QTextEdit::NoWrap);
    m_studentBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_studentBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Phrases are plain text: formatting pasted from elsewhere would only get in the way.
    m_studentBox->setAcceptRichText(false);
    // No phrase holds a tab (the file's tabs are read as spaces), so Tab moves on to
    // "Corregir" as everywhere else instead of keeping the keyboard in the box.
    m_studentBox->setTabChangesFocus(true);
    m_studentBox->setAccessibleName(QStringLiteral("Frases"));
    m_studentBox->setPlainText(QString(8, QLatin1Char('\n'))
        + QStringLiteral("                PULSA SOBRE EL BOTÓN  << Frases >> PARA ABRIR LOS ARCHIVOS DE FRASES"));

    m_openButton = placeButton(page, "Abrefrases", QRect(8, 352, 81, 33), QStringLiteral("&Frases"));
    m_openButton->setIcon(QIcon(openFolderPicture()));
    m_openButton->setIconSize(QSize(19, 19));
    connect(m_openButton, &QPushButton::clicked, this, ErrorGuard::guarded(this, &PhrasesPage::openPhraseFile));

    m_correctButton = placeButton(page, "Corregir", QRect(96, 352, 81, 33), QStringLiteral("Corregir"));
    QIcon tick;
    tick.addPixmap(tickedBoxPicture(true), QIcon::Normal);
    tick.addPixmap(tickedBoxPicture(false), QIcon::Disabled);
    m_correctButton->setIcon(tick);
    m_correctButton->setIconSize(QSize(20, 20));
    connect(m_correctButton, &QPushButton::clicked, this, ErrorGuard::guarded(this, &PhrasesPage::correctPhrases));

    placeBevel(page, "Bevel7", QRect(184, 352, 489, 33));

    placeLabel(page, "Label12", 192, resultRowTop, QStringLiteral("Frases correctas:"), resultFont, Colors::clBlack);
    m_hitsFigure = placeLabel(page, "Tfrases", 328, resultRowTop, QStringLiteral("0"), resultFont, Colors::clRed);
    // The phrase percentage, as the score object holds it.
    m_percentFigure = placeLabel(page, "Tpercentfrases", 417, resultRowTop, QStringLiteral("0"), resultFont, Colors::clTeal);
    m_percentFigure->setAlignment(Qt::AlignRight | Qt::AlignTop);
    setPercentCaption(QStringLiteral("0"));
    placeLabel(page, "Label13", 432, resultRowTop, QStringLiteral("%"), resultFont, Colors::clTeal);

    m_answersButton = placeButton(page, "Comprobar", QRect(528, 354, 137, 30), QStringLiteral("Comprobar respuestas"));
    m_answersButton->hide();
    connect(m_answersButton, &QPushButton::clicked, this,
            [this] { ErrorGuard::run([this] { showStudentCopy(m_studentBox->isHidden()); }); });

    // In the strip between the views and the buttons.
    m_nextStepHint = placeLabel(page, "nextStepHint", 8, 338,
                              QStringLiteral("Para seguir, abre otro archivo de frases con «Frases»"),
                              pixelFont(QStringLiteral("MS Sans Serif"), 11), Colors::clNavy);
    m_nextStepHint->hide();
}

QStringList PhrasesPage::readPhraseFile(const QString &path)
{
    const qint64 size = QFileInfo(path).size();
    if (size > MaxFileBytes)
        throw AppError(QStringLiteral("El archivo %1 ocupa %2 y los archivos de frases pueden ocupar hasta %3.")
                           .arg(QDir::toNativeSeparators(path), NumberFormat::dataSize(size),
                                NumberFormat::dataSize(MaxFileBytes)));
    // The editor saves rich text even into a .txt file: its paragraphs are the phrases.
    QStringList lines = RichTextFile::readLines(path);
    if (lines.size() > MaxLines) {
        const QLocale spanish(QLocale::Spanish);
        throw AppError(QStringLiteral("El archivo %1 tiene %2 líneas y los archivos de frases pueden tener hasta %3.")
                           .arg(QDir::toNativeSeparators(path), spanish.toString(lines.size()),
                                spanish.toString(MaxLines)));
    }
    for (QString &line : lines) {
        if (line.contains(QLatin1Char('\t')) || line.contains(QChar(u'\0')))
            line = BigText::ExpandLine(line);
    }
    if (std::none_of(lines.cbegin(), lines.cend(), PhrasesExercise::hasAccentsToRestore))
        throw AppError(QStringLiteral("El archivo %1 no tiene ninguna frase con tilde: no sirve para este ejercicio.")
                           .arg(QDir::toNativeSeparators(path)));
    return lines;
}

bool PhrasesPage::hasUncorrectedTyping() const
{
    return !m_exercise.reference().isEmpty() && !m_exercise.corrected() && m_studentBox->document()->isModified();
}

QStringList PhrasesPage::studentLines() const
{
    const QString text = m_studentBox->toPlainText();
    if (text.isEmpty() && m_exercise.reference().isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

void PhrasesPage::setPercentCaption(const QString &caption)
{
    m_percentFigure->setText(caption);
    m_percentFigure->adjustSize();
    m_percentFigure->move(percentRightEdge - m_percentFigure->width(), resultRowTop);
}

void PhrasesPage::openPhraseFile()
{
    m_openDialog.initialFolder = QDir::currentPath();
    const FileDialogResult chosen = DialogService::instance().openFile(m_studentBox->window(), m_openDialog);
    // Nothing changes until a file is really opened: a cancelled dialog, a file that cannot be
    // read and a file without phrases all leave the page, the student's typing and the
    // exercise as they were, so that what is seen is always what "Corregir" judges.
    if (!chosen.accepted)
        return;
    const QString path = DialogText::openedPath(chosen.path, m_openDialog.defaultExtension);
    m_openDialog.fileName = QFileInfo(path).fileName();
    QStringList lines = readPhraseFile(path);
    if (hasUncorrectedTyping()) {
        const MessageAnswer answer = DialogService::instance().message(
            m_studentBox->window(),
            QStringLiteral("Lo que has escrito en las frases aún no se ha corregido y se perderá. "
                           "¿Abrir %1 de todos modos?").arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Confirmar"), MessageIcon::Question, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes)
            return;
    }
    showNewFile(std::move(lines));
}

void PhrasesPage::showNewFile(QStringList lines)
{
    m_viewer->Clear();
    for (const QString &line : std::as_const(lines))
        m_viewer->AddLine(line, Colors::clWindowText, Colors::clWindow, false);
    m_viewer->RecalcRange();
    m_viewer->setAccessibleName(QStringLiteral("Frases corregidas"));
    m_exercise.open(std::move(lines));
    m_studentBox->setPlainText(m_exercise.studentCopy());
    showStudentCopy(true);
    // The student opened the file to put its accents back: the keyboard goes straight there.
    m_studentBox->setFocus(Qt::OtherFocusReason);
    m_answersButton->hide();
    showNextStepHint(false);
}

void PhrasesPage::correctPhrases()
{
    const QStringList student = studentLines();
    if (m_exercise.correct(student) != PhrasesExercise::Outcome::Corrected)
        return;
    // The file's misses join the run's, as its lines join the counts.
    for (const SessionDetail::Miss &miss : m_exercise.misses(student, m_scores.missRoom(SessionDetail::Exercise::Phrases)))
        m_scores.addMiss(miss);

    phrasePercent = PhrasesExercise::phrasePercent(m_scores.counts());
    m_hitsFigure->setText(PhrasesExercise::hitsCaption(m_scores.counts()));
    m_hitsFigure->adjustSize();
    m_scores.setPhrases(phrasePercent);

    m_viewer->Clear();
    showStudentCopy(false);
    using Verdict = PhrasesExercise::Verdict;
    const QList<Verdict> &verdicts = m_exercise.lineResults();
    for (qsizetype i = 0; i < student.size(); ++i) {
        switch (verdicts.at(i)) {
        case Verdict::Right: m_viewer->AddLine(student.at(i), rightText, rightBack, false); break;
        case Verdict::Wrong: m_viewer->AddLine(student.at(i), wrongText, wrongBack, false); break;
        case Verdict::NotCounted: m_viewer->AddLine(student.at(i), plainText, plainBack, false); break;
        }
    }
    m_viewer->RecalcRange();
    m_viewer->setAccessibleName(QStringLiteral("Frases corregidas: %1 de %2 bien")
                                    .arg(verdicts.count(Verdict::Right)).arg(m_exercise.countedLines()));
    // Explaining a line takes the Spanish engine through all its words: each tip is made when
    // it is first asked for, and the description names the first wrong lines only, so that a
    // long file is corrected at once.
    m_correctedLines = student;
    m_lineTips.clear();
    QStringList described;
    qsizetype wrongLines = 0;
    for (qsizetype i = 0; i < verdicts.size(); ++i) {
        if (verdicts.at(i) != Verdict::Wrong)
            continue;
        if (++wrongLines <= DescribedWrongLines)
            described << QStringLiteral("Línea %1: %2").arg(i + 1).arg(lineTipAt(int(i)));
    }
    if (wrongLines > DescribedWrongLines)
        described << QStringLiteral("Y %1 líneas más con fallos.").arg(wrongLines - DescribedWrongLines);
    m_viewer->setAccessibleDescription(described.join(QLatin1Char('\n')));

    // The correct text is the file as it was opened, whatever became of it on disk since.
    m_studentBox->setPlainText(m_exercise.reference().join(QLatin1Char('\n')));
    m_answersButton->show();
    showNextStepHint(true);
}

void PhrasesPage::showStudentCopy(bool shown)
{
    m_studentBox->setVisible(shown);
    // The viewer takes the focus only while it is seen: a hidden stop would swallow a Tab.
    m_viewer->setFocusPolicy(shown ? Qt::NoFocus : Qt::StrongFocus);
}

void PhrasesPage::showNextStepHint(bool shown)
{
    // The hint has a line of its own: the views end above it while it shows, so that it never
    // covers their last line.
    const int viewsBottom = shown ? m_nextStepHint->y() : richEditHeight;
    m_studentBox->resize(m_studentBox->width(), viewsBottom - m_studentBox->y());
    m_viewer->resize(m_viewer->width(), std::min(bigTextHeight, viewsBottom - m_viewer->y()));
    m_nextStepHint->setVisible(shown);
}

bool PhrasesPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && watched == m_viewer->viewport()) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = lineTipAt(m_viewer->lineAt(help->pos()));
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, m_viewer->viewport());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QString PhrasesPage::lineTipAt(int line) const
{
    const QList<PhrasesExercise::Verdict> &verdicts = m_exercise.lineResults();
    if (line < 0 || line >= verdicts.size() || line >= m_correctedLines.size()
        || verdicts.at(line) != PhrasesExercise::Verdict::Wrong)
        return QString();
    auto cached = m_lineTips.constFind(line);
    if (cached == m_lineTips.cend())
        cached = m_lineTips.insert(line, lineTip(m_correctedLines.at(line), m_exercise.reference().value(line)));
    return *cached;
}
