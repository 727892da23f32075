// The page "Ejemplos": its controls and handlers.
#include "help/ExamplesPage.h"

#include "exercises/ExerciseScores.h"

#include "exercises/WordListClassifier.h"
#include "richtext/RichTextFile.h"
#include "shared/AppError.h"
#include "shared/Colors.h"
#include "shared/NumberFormat.h"
#include "exercises/RunCounts.h"
#include "platform/ListenAction.h"
#include "spanish/ExplainCommand.h"
#include "spanish/SpellingDictionary.h"
#include "spanish/WordExplanation.h"
#include "ui/ErrorGuard.h"
#include "ui/ListDragController.h"
#include "ui/WindowControls.h"
#include "widgets/Banner.h"
#include "widgets/TabbedNotebook.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace WindowControls;

namespace {

using Exercise = ClassificationExercise;

// What tells the six groups apart on the page, in group order.
struct GroupLayout {
    const char *list;
    const char *bevel;
    const char *title;
    const char *counter;
    int listLeft;
    int bevelLeft;
    int titleLeft;
    int counterLeft;
};
const GroupLayout groupLayouts[Exercise::groupCount] = {
    {"ListBoxAgudas", "Bevel1", "Label1", "TAgudas", 136, 128, 136, 176},
    {"ListBoxLlanas", "Bevel2", "Label2", "Tllanas", 224, 216, 232, 264},
    {"ListBoxEsdrujulas", "Bevel3", "Label3", "Tesdrujulas", 312, 304, 304, 344},
    {"ListBoxDiptongos", "Bevel4", "Label4", "Tdiptongos", 400, 392, 400, 440},
    {"ListBoxHiatos", "Bevel5", "Label5", "Thiatos", 488, 480, 496, 528},
    {"ListBoxTriptongos", "Bevel6", "Label6", "Ttriptongos", 576, 568, 576, 616},
};

// A row's tip as shown: its own text (the word, or why it belongs elsewhere), or the word when
// it has none, and below it the word's syllables with the stressed one in bold. A word the
// engine cannot take apart keeps its tip as it is.
QString richTip(const QString &word, const QString &tip)
{
    const QString syllables = ExplainCommand::stressedSyllables(word, ExplainCommand::StressMark::Bold);
    if (syllables.isEmpty())
        return tip;
    return u"<p>%1</p><p>%2</p>"_s.arg((tip.isEmpty() ? word.trimmed() : tip).toHtmlEscaped(), syllables);
}

QString richTip(const QModelIndex &index)
{
    return richTip(index.data(Qt::DisplayRole).toString(), index.data(Qt::ToolTipRole).toString());
}

// Every row of a list as high as the layout says, whatever the font asks for, and every word
// whole: the lists are narrow, a scroll bar narrows them further, and a cut word ("Mediterr…")
// cannot be judged. A word too wide for its row is drawn narrower, then smaller, until it fits.
class WordListDelegate : public QStyledItemDelegate {
public:
    WordListDelegate(int rowHeight, QObject *parent) : QStyledItemDelegate(parent), m_rowHeight(rowHeight) {}
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_rowHeight};
    }
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem shown = option;
        initStyleOption(&shown, index);
        fitText(shown);
        styleOf(shown)->drawControl(QStyle::CE_ItemViewItem, &shown, painter, shown.widget);
    }
    // The text of a row as painted: what the style keeps of it in the room it has.
    QString shownText(const QStyleOptionViewItem &option, const QModelIndex &index) const
    {
        QStyleOptionViewItem shown = option;
        initStyleOption(&shown, index);
        fitText(shown);
        return QFontMetrics(shown.font).elidedText(shown.text, shown.textElideMode, room(shown));
    }
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString tip = richTip(index);
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(event->globalPos(), tip, view, option.rect);
        return true;
    }

private:
    static const QStyle *styleOf(const QStyleOptionViewItem &option)
    {
        return option.widget ? option.widget->style() : QApplication::style();
    }
    // The width the style gives the text: its rectangle less the style's margin on each side.
    static int room(const QStyleOptionViewItem &option)
    {
        const QStyle *style = styleOf(option);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
        return style->subElementRect(QStyle::SE_ItemViewItemText, &option, option.widget).width() - 2 * margin;
    }
    static void fitText(QStyleOptionViewItem &option)
    {
        const int width = room(option);
        const auto fits = [&](const QFont &font) { return QFontMetrics(font).horizontalAdvance(option.text) <= width; };
        QFont font = option.font;
        for (int stretch = 95; !fits(font) && stretch >= 70; stretch -= 5)
            font.setStretch(stretch);
        while (!fits(font) && font.pixelSize() > 8)
            font.setPixelSize(font.pixelSize() - 1);
        option.font = font;
        option.fontMetrics = QFontMetrics(font);
    }

    int m_rowHeight;
};

QListWidget *placeList(QWidget *parent, const char *name, const QRect &geometry, int pixels, int rowHeight)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(geometry);
    list->setFont(pixelFont(u"Arial"_s, pixels, false, true));
    setTextColor(list, Colors::clNavy);
    list->setItemDelegate(new WordListDelegate(rowHeight, list));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    items.reserve(list->count());
    for (int row = 0; row < list->count(); ++row)
        items.append(list->item(row)->text());
    return items;
}

// The figures change a few times a minute at most while the timer asks every second: a label
// is touched, and so repainted, only when what it shows changes.
bool showCaption(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return false;
    label->setText(text);
    label->adjustSize();
    return true;
}

// A right-aligned caption keeps its right edge and grows to the left when its text is wider.
void showRightAlignedCaption(QLabel *label, const QString &text, const QRect &frame)
{
    if (label->text() == text)
        return;
    label->setText(text);
    const int width = std::max(frame.width(), label->sizeHint().width());
    label->setGeometry(frame.right() + 1 - width, frame.top(), width, frame.height());
}

// The figures end before "% aciertos" begins, shadows included, so that no figure runs into it;
// wider figures grow to the left.
const QRect percentShadowFrame(146, 6, 29, 29);
const QRect percentFrame(144, 5, 29, 29);

} // namespace

ExamplesPage::ExamplesPage(TabPage *page, Banner *banner, ExerciseScores &scores)
    : QObject(page), m_banner(banner), m_scores(scores), m_exercise(scores.counts())
{
    m_wordList = placeList(page, "ListBox1", QRect(8, 72, 113, 289), 15, 17);
    m_wordList->setAccessibleName(u"Palabras"_s);
    m_wordList->addItems(Exercise::startingWords());
    buildGroups(page);
    buildFigures(page);
    buildListActions(page);
    buildListenAction(page);
    connectMoves();
    connect(&m_scores, &ExerciseScores::changed, this, [this](ExerciseScores::Exercise exercise) {
        if (exercise != ExerciseScores::Examples)
            return;
        const QString caption = m_scores.examplesCaption();
        showRightAlignedCaption(m_percentFigure, caption, percentFrame);
        m_percentFigure->setAccessibleName(u"Porcentaje de aciertos: %1 %"_s.arg(caption));
    });
}

ExamplesPage::~ExamplesPage() = default;

void ExamplesPage::buildGroups(TabPage *page)
{
    const QFont titleFont = pixelFont(u"MS Sans Serif"_s, 13, true, true);
    const QFont counterFont = pixelFont(u"MS Sans Serif"_s, 16, true);
    for (int group = 0; group < Exercise::groupCount; ++group) {
        const GroupLayout &layout = groupLayouts[group];
        const QString caption = Exercise::groupName(group);
        const std::size_t at = std::size_t(group);

        placeBevel(page, layout.bevel, QRect(layout.bevelLeft, 72, 89, 292), QFrame::Panel);

        QListWidget *list = placeList(page, layout.list, QRect(layout.listLeft, 80, 73, 280), 13, 16);
        list->setAccessibleName(caption);
        list->setAccessibleDescription(
            u"Pulsa Supr para devolver a la lista de palabras la palabra marcada."_s);
        m_groupLists[at] = list;

        QLabel *title = placeLabel(page, layout.title, layout.titleLeft, 48, caption, titleFont, Colors::clMaroon);
        title->setToolTip(u"Tecla %1: pone en %2 la palabra elegida en la lista.\n"
                          u"Supr: devuelve a la lista la palabra marcada en el grupo."_s
                              .arg(group + 1)
                              .arg(caption));
        m_titles[at] = title;

        QLabel *counter = placeLabel(page, layout.counter, layout.counterLeft, 368, u"0"_s, counterFont, Colors::clMaroon);
        counter->setAccessibleName(u"%1 correctas: 0"_s.arg(caption));
        m_counters[at] = counter;
        m_counterColors[at] = Colors::clMaroon;
    }
    // Keyboard order follows the page from left to right.
    QWidget *previous = m_wordList;
    for (QListWidget *list : m_groupLists) {
        QWidget::setTabOrder(previous, list);
        previous = list;
    }
}

void ExamplesPage::buildFigures(TabPage *page)
{
    const QString family = u"MS Sans Serif"_s;
    placeLabel(page, "Label7", 32, 368, u"Correctas: "_s, pixelFont(family, 13, true, true), Colors::clLime);
    placeLabel(page, "Label8", 16, 16, u"Aciertos:"_s, pixelFont(family, 11, true, true), Colors::clNavy);
    m_hitsFigure = placeLabel(page, "Taciertos", 80, 8, u"0"_s, pixelFont(family, 16, true, true), Colors::clRed);
    m_hitsFigure->setAccessibleName(u"Aciertos: 0"_s);
    placeLabel(page, "Label9", 16, 32, u"Intentos:"_s, pixelFont(family, 11, true, true), Colors::clNavy);
    m_attemptsFigure = placeLabel(page, "Tintentos", 80, 32, u"0"_s, pixelFont(family, 16, true, true), Colors::clRed);
    m_attemptsFigure->setAccessibleName(u"Intentos: 0"_s);

    // Each big caption is written twice, grey under aqua, so that the grey copy shows as the
    // aqua one's shadow; the later sibling is drawn on top.
    const QFont big = pixelFont(family, 24, true, true);
    placeLabel(page, "Label10", 176, 8, u"% aciertos"_s, big, Colors::clGray);
    placeLabel(page, "Label11", 178, 6, u"% aciertos"_s, big, Colors::clAqua);
    m_percentShadow = placeLabel(page, "Porcen0", percentShadowFrame.left(), percentShadowFrame.top(), u"0"_s, big, Colors::clGray);
    m_percentShadow->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_percentShadow->setGeometry(percentShadowFrame);
    // The classification percentage, as the score object holds it.
    m_percentFigure = placeLabel(page, "porcen1", percentFrame.left(), percentFrame.top(), u"0"_s, big, Colors::clAqua);
    m_percentFigure->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_percentFigure->setGeometry(percentFrame);
    m_percentFigure->setAccessibleName(u"Porcentaje de aciertos: 0 %"_s);

    m_progressBar = new QProgressBar(page);
    m_progressBar->setObjectName(u"ProgressBar1"_s);
    m_progressBar->setGeometry(320, 8, 321, 25);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);
    m_progressBar->setAccessibleName(u"Progreso de aciertos"_s);
}

void ExamplesPage::buildListActions(TabPage *page)
{
    m_listDialog.title = u"Abrir lista de palabras"_s;
    m_listDialog.filter = u"Listas de palabras (*.txt;*.rtf)|*.txt;*.rtf|Todos los archivos (*)|*"_s;
    m_listDialog.defaultExtension = u"txt"_s;

    // In the word list's context menu (the menu key reaches it too); the shortcut works anywhere
    // on the page.
    auto *open = new QAction(u"Abrir lista de palabras…"_s, page);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    open->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(open, &QAction::triggered, this, [this] { ErrorGuard::run([this] { openWordList(); }); });
    m_restoreAction = new QAction(u"Volver a las sesenta palabras"_s, page);
    m_restoreAction->setEnabled(false);
    connect(m_restoreAction, &QAction::triggered, this, [this] { ErrorGuard::run([this] { restoreStartingWords(); }); });
    page->addAction(open);
    m_wordList->addActions({open, m_restoreAction});
    m_wordList->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_wordList->setAccessibleDescription(
        u"Ctrl+O o el menú contextual: abrir una lista de palabras, una por línea, en lugar de estas."_s);
}

void ExamplesPage::buildListenAction(TabPage *page)
{
    m_listenAction = new ListenAction(page);
    m_listenAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    page->addAction(m_listenAction);
    m_wordList->addAction(m_listenAction);
    connect(m_listenAction, &QAction::triggered, this, &ExamplesPage::showSpokenWord);
    // Moves take words out of the list with its own signals held back; the model's are not,
    // and the current word is settled once they have been handled.
    connect(m_wordList, &QListWidget::currentItemChanged, this, &ExamplesPage::followCurrentWord);
    QAbstractItemModel *words = m_wordList->model();
    for (const auto changed : {&QAbstractItemModel::rowsRemoved, &QAbstractItemModel::rowsInserted})
        connect(words, changed, this, &ExamplesPage::followCurrentWord, Qt::QueuedConnection);
    connect(words, &QAbstractItemModel::modelReset, this, &ExamplesPage::followCurrentWord, Qt::QueuedConnection);
    followCurrentWord();
}

void ExamplesPage::followCurrentWord()
{
    const QListWidgetItem *current = m_wordList->currentItem();
    const QString word = current ? current->text().trimmed() : QString();
    QString refusal;
    ExplainCommand::stressedSyllables(word, ExplainCommand::StressMark::Bold, &refusal);
    m_listenAction->setWord(word, refusal);
}

void ExamplesPage::showSpokenWord()
{
    QListWidgetItem *current = m_wordList->currentItem();
    if (!current)
        return;
    m_wordList->scrollToItem(current);
    const QRect row = m_wordList->visualItemRect(current);
    QToolTip::showText(m_wordList->viewport()->mapToGlobal(row.bottomLeft()), shownTip(m_wordList, m_wordList->row(current)),
                       m_wordList->viewport(), row);
}

QString ExamplesPage::shownTip(const QListWidget *list, int row) const
{
    return richTip(list->model()->index(row, 0));
}

QStringList ExamplesPage::readWordList(const QString &path)
{
    const qint64 size = QFileInfo(path).size();
    if (size > MaxListBytes)
        throw AppError(u"El archivo %1 ocupa %2 y una lista de palabras puede ocupar hasta %3."_s.arg(
            QDir::toNativeSeparators(path), NumberFormat::dataSize(size), NumberFormat::dataSize(MaxListBytes)));
    QStringList lines = RichTextFile::readLines(path);
    const int words = WordListClassifier::wordCount(lines);
    if (words > WordListClassifier::maxWords)
        throw AppError(u"El archivo %1 tiene %2 palabras y una lista puede tener hasta %3: no se ha cargado ninguna."_s.arg(
            QDir::toNativeSeparators(path)).arg(words).arg(WordListClassifier::maxWords));
    return lines;
}

void ExamplesPage::openWordList()
{
    if (m_listDialog.initialFolder.isEmpty())
        m_listDialog.initialFolder = QDir::currentPath();
    const FileDialogResult chosen = DialogService::instance().openFile(m_wordList->window(), m_listDialog);
    if (!chosen.accepted)
        return;
    const QString path = DialogText::openedPath(chosen.path, m_listDialog.defaultExtension);
    const QFileInfo file(path);
    m_listDialog.initialFolder = file.absolutePath();
    m_listDialog.fileName = file.fileName();
    const QString shownPath = QDir::toNativeSeparators(path);
    const WordListClassifier::Result list = WordListClassifier::classify(readWordList(path), &SpellingDictionary::shared());
    const QString leftOut = WordListClassifier::leftOutText(list, shownPath);
    if (list.words.isEmpty())
        throw AppError(u"El archivo %1 no tiene ninguna palabra que se pueda clasificar: la página sigue como estaba."_s.arg(shownPath)
                       + (leftOut.isEmpty() ? QString() : u'\n' + leftOut));
    if (!mayReplaceWords(u"¿Abrir %1 de todos modos?"_s.arg(shownPath)))
        return;
    m_exercise.useKey(list.key);
    m_restoreAction->setEnabled(true);
    showWords(list.words);
    if (!leftOut.isEmpty())
        DialogService::instance().message(m_wordList->window(), leftOut, u"Lista de palabras"_s, MessageIcon::Information,
                                          MessageButtons::Ok);
}

void ExamplesPage::restoreStartingWords()
{
    if (!m_exercise.hasLoadedKey() || !mayReplaceWords(u"¿Volver a las sesenta palabras de todos modos?"_s))
        return;
    m_exercise.useStartingKey();
    m_restoreAction->setEnabled(false);
    showWords(Exercise::startingWords());
}

bool ExamplesPage::mayReplaceWords(const QString &question) const
{
    const bool placed = std::any_of(m_groupLists.cbegin(), m_groupLists.cend(), [](const QListWidget *list) { return list->count() > 0; });
    return !placed
        || DialogService::instance().message(m_wordList->window(),
                                             u"Las palabras que ya has clasificado se quitarán de los grupos y sus aciertos dejarán de contar. "_s + question,
                                             u"Confirmar"_s, MessageIcon::Question, MessageButtons::YesNo)
        == MessageAnswer::Yes;
}

void ExamplesPage::showWords(const QStringList &words)
{
    for (QListWidget *list : m_groupLists)
        list->clear();
    {
        const QSignalBlocker quiet(m_wordList);
        m_wordList->clear();
        m_wordList->addItems(words);
    }
    forgetPick();
    // The counters show the new groups at once; the attempts made so far stay counted.
    recountClassification();
    m_wordList->setFocus(Qt::OtherFocusReason);
}

void ExamplesPage::connectMoves()
{
    connect(m_wordList, &QListWidget::itemSelectionChanged, this, ErrorGuard::guarded(this, &ExamplesPage::rememberPick));
    m_wordList->installEventFilter(this);

    // A press on any of the seven lists starts a drag; the six group lists take every drop. A
    // drop on a group and the end of a drag that started on it both place the picked word
    // there; a double-click sends the group's marked word back.
    auto *drags = new ListDragController(this);
    drags->addSource(m_wordList);
    const auto accepts = [](QAbstractItemView *) { return true; };
    for (int group = 0; group < Exercise::groupCount; ++group) {
        QListWidget *list = m_groupLists[std::size_t(group)];
        const auto place = [this, group] { dropOn(Group(group)); };
        drags->addSource(list, place);
        drags->addTarget(list, accepts, place);
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, group] { ErrorGuard::run([&] { sendBack(Group(group)); }); });
        list->installEventFilter(this);
    }
}

bool ExamplesPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QObject::eventFilter(watched, event);
    // The keys 1 to 6 put the picked word into a group exactly as a click on its list does.
    if (watched == m_wordList && key->key() >= Qt::Key_1 && key->key() <= Qt::Key_6) {
        ErrorGuard::run([&] { placeByKey(Group(key->key() - Qt::Key_1)); });
        return true;
    }
    for (int group = 0; group < Exercise::groupCount; ++group) {
        if (watched != m_groupLists[std::size_t(group)])
            continue;
        // Delete on a group list sends its marked word back, as a double-click does.
        if (key->key() == Qt::Key_Delete) {
            ErrorGuard::run([&] { sendBack(Group(group)); });
            return true;
        }
        // Enter or Space on a group list, with a word picked, places it there as its key does.
        const bool placing = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
        if (placing && m_pickedRow >= 0) {
            ErrorGuard::run([&] { placeByKey(Group(group)); });
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ExamplesPage::placeByKey(Group group)
{
    // Then the word that takes its place is picked, so that the keys sort the list word after
    // word (after a refused move, the same word again).
    const int picked = m_pickedRow;
    dropOn(group);
    if (picked >= 0 && m_wordList->count() > 0)
        m_wordList->setCurrentRow(std::min(picked, m_wordList->count() - 1), QItemSelectionModel::ClearAndSelect);
}

QString ExamplesPage::shownText(const QListWidget *list, int row) const
{
    const auto *delegate = static_cast<const WordListDelegate *>(list->itemDelegate());
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.widget = list;
    option.rect = list->visualItemRect(list->item(row));
    option.font = list->font();
    option.fontMetrics = QFontMetrics(list->font());
    option.textElideMode = list->textElideMode();
    option.features |= QStyleOptionViewItem::HasDisplay;
    return delegate->shownText(option, list->model()->index(row, 0));
}

void ExamplesPage::rememberPick()
{
    const QList<QListWidgetItem *> selected = m_wordList->selectedItems();
    m_pickedRow = selected.isEmpty() ? -1 : m_wordList->row(selected.first());
}

void ExamplesPage::dropOn(Group group)
{
    if (m_pickedRow >= 0)
        moveInto(group);
    forgetPick();
}

void ExamplesPage::moveInto(Group group)
{
    if (m_pickedRow < 0 || m_pickedRow >= m_wordList->count())
        return;
    const QString word = m_wordList->item(m_pickedRow)->text();
    QListWidget *list = groupList(group);
    if (m_exercise.move(word, itemsOf(list)) == Exercise::MoveResult::Refused)
        return;
    // The tip shows the word in the list's own size.
    auto *placed = new QListWidgetItem(word, list);
    placed->setToolTip(word);
    // A word in a group that is not its own says why it belongs elsewhere, and is kept
    // among the run's misses.
    if (m_exercise.hits(group, {word}) == 0) {
        const QString why = WordExplanation::ofGroup(word);
        placed->setToolTip(why);
        placed->setData(Qt::AccessibleDescriptionRole, why);
        if (const std::optional<SessionDetail::Miss> miss = m_exercise.missOf(word, group))
            m_scores.addMiss(*miss);
    }
    const QSignalBlocker quiet(m_wordList);
    delete m_wordList->takeItem(m_pickedRow);
    // The list would mark a neighbour of the word that left; nothing is picked now.
    m_wordList->clearSelection();
}

void ExamplesPage::forgetPick()
{
    m_pickedRow = -1;
    // What the list shows as marked is what the student sees as picked, so both are cleared:
    // after a refused move the word can then be picked again with one click.
    const QSignalBlocker quiet(m_wordList);
    m_wordList->clearSelection();
}

void ExamplesPage::sendBack(Group group)
{
    QListWidget *list = groupList(group);
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    QListWidgetItem *item = selected.first();
    const QString word = item->text();
    {
        const QSignalBlocker quiet(m_wordList);
        m_wordList->insertItem(Exercise::sortedPosition(itemsOf(m_wordList), word), word);
    }
    // A word picked before stays picked, wherever the returning word pushed it.
    if (m_pickedRow >= 0)
        rememberPick();
    delete list->takeItem(list->row(item));
}

void ExamplesPage::recountClassification()
{
    Exercise::GroupItems items;
    for (int group = 0; group < Exercise::groupCount; ++group)
        items[std::size_t(group)] = itemsOf(m_groupLists[std::size_t(group)]);
    const Exercise::Figures figures = m_exercise.recount(items);

    for (int group = 0; group < Exercise::groupCount; ++group) {
        const std::size_t at = std::size_t(group);
        QLabel *counter = m_counters[at];
        if (showCaption(counter, QString::number(figures.counts[at])))
            counter->setAccessibleName(u"%1 correctas: %2"_s.arg(Exercise::groupName(group)).arg(figures.counts[at]));
        if (m_counterColors[at] != figures.colors[at]) {
            m_counterColors[at] = figures.colors[at];
            setTextColor(counter, figures.colors[at]);
        }
    }
    if (showCaption(m_attemptsFigure, QString::number(figures.attempts)))
        m_attemptsFigure->setAccessibleName(u"Intentos: %1"_s.arg(figures.attempts));
    if (showCaption(m_hitsFigure, QString::number(figures.hits)))
        m_hitsFigure->setAccessibleName(u"Aciertos: %1"_s.arg(figures.hits));
    if (figures.percent) {
        const QString caption = QString::number(*figures.percent);
        m_progressBar->setValue(*figures.percent);
        showRightAlignedCaption(m_percentShadow, caption, percentShadowFrame);
        m_scores.setExamples(*figures.percent);
    }
    if (m_banner)
        m_banner->setText(figures.banner);
}
