// "Comprobar tildes" in the editor.
#include "editor/AccentCheck.h"

#include "spanish/SpellingDictionary.h"
#include "spanish/SpellingExplanation.h"

#include <QContextMenuEvent>
#include <QHash>
#include <QHelpEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolTip>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// An edit larger than this replaced the document (a file opened, everything pasted): the
// marks no longer describe it and go, rather than checking a whole new text on a keystroke.
constexpr int largestRecheckedEdit = 4096;

QString quoted(const QString &text)
{
    return u"«"_s + text + u"»"_s;
}

} // namespace

AccentCheck::AccentCheck(QTextEdit *box) : QObject(box), m_box(box)
{
    box->installEventFilter(this);
    box->viewport()->installEventFilter(this);
    connect(box->document(), &QTextDocument::contentsChange, this, &AccentCheck::documentChanged);
}

int AccentCheck::check(const SpellingDictionary &dictionary)
{
    m_dictionary = &dictionary;
    m_marks.clear();
    markRange(0, m_box->document()->characterCount());
    showMarks();
    return markCount();
}

void AccentCheck::clear()
{
    m_dictionary = nullptr;
    m_marks.clear();
    showMarks();
}

void AccentCheck::markRange(int from, int to)
{
    static const QRegularExpression letters(u"\\p{L}+"_s);
    QTextDocument *document = m_box->document();
    // A phrase file repeats its words: each is asked once.
    QHash<QString, QStringList> asked;
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() < to; block = block.next()) {
        const QString text = block.text();
        for (auto match = letters.globalMatch(text); match.hasNext();) {
            const QRegularExpressionMatch word = match.next();
            const QString written = word.captured();
            auto known = asked.find(written);
            if (known == asked.end()) {
                const SpellingExplanation::Spelling spelling = SpellingExplanation::spell(written, *m_dictionary);
                known = asked.insert(written, spelling.verdict == SpellingExplanation::Spelling::Verdict::Misspelt
                                                  ? spelling.forms
                                                  : QStringList());
            }
            if (known->isEmpty())
                continue;
            QTextCursor cursor(document);
            cursor.setPosition(block.position() + int(word.capturedStart()));
            cursor.setPosition(block.position() + int(word.capturedEnd()), QTextCursor::KeepAnchor);
            m_marks.append({cursor, *known});
        }
    }
    std::sort(m_marks.begin(), m_marks.end(),
              [](const Mark &a, const Mark &b) { return a.word.selectionStart() < b.word.selectionStart(); });
}

void AccentCheck::documentChanged(int position, int removed, int added)
{
    if (!m_dictionary)
        return;
    if (removed > largestRecheckedEdit || added > largestRecheckedEdit) {
        clear();
        return;
    }
    // The paragraphs the edit touched are checked again.
    QTextDocument *document = m_box->document();
    const QTextBlock first = document->findBlock(position);
    const QTextBlock last = document->findBlock(position + added);
    const int from = first.position();
    const int to = last.isValid() ? last.position() + last.length() : document->characterCount();
    m_marks.erase(std::remove_if(m_marks.begin(), m_marks.end(),
                                 [&](const Mark &mark) {
                                     const int start = mark.word.selectionStart();
                                     return !mark.word.hasSelection() || (start >= from && start < to);
                                 }),
                  m_marks.end());
    markRange(from, to);
    showMarks();
}

void AccentCheck::showMarks()
{
    QTextCharFormat misspelt;
    misspelt.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    misspelt.setUnderlineColor(Qt::red);
    QList<QTextEdit::ExtraSelection> selections;
    for (const Mark &mark : std::as_const(m_marks))
        selections.append({mark.word, misspelt});
    m_box->setExtraSelections(selections);
}

int AccentCheck::markIndexAt(int position) const
{
    for (qsizetype i = 0; i < m_marks.size(); ++i) {
        const QTextCursor &word = m_marks[i].word;
        if (position >= word.selectionStart() && position <= word.selectionEnd())
            return int(i);
    }
    return -1;
}

bool AccentCheck::replaceAt(int position, const QString &form)
{
    const int at = markIndexAt(position);
    if (at < 0)
        return false;
    QTextCursor word = m_marks[at].word;
    // The word keeps its own look: the new letters take the format of its first letter.
    QTextCursor first(m_box->document());
    first.setPosition(word.selectionStart() + 1);
    word.beginEditBlock();
    word.insertText(form, first.charFormat());
    word.endEditBlock();
    m_box->setTextCursor(word);
    return true;
}

bool AccentCheck::selectNextMark()
{
    if (m_marks.isEmpty())
        return false;
    const int after = m_box->textCursor().selectionEnd();
    auto next = std::find_if(m_marks.cbegin(), m_marks.cend(),
                             [after](const Mark &mark) { return mark.word.selectionStart() >= after; });
    if (next == m_marks.cend())
        next = m_marks.cbegin();
    m_box->setTextCursor(next->word);
    m_box->ensureCursorVisible();
    return true;
}

QString AccentCheck::describeMarkAt(int position) const
{
    const int at = markIndexAt(position);
    if (at < 0)
        return QString();
    const Mark &mark = m_marks[at];
    QStringList forms;
    for (const QString &form : mark.forms)
        forms << quoted(form);
    return quoted(mark.word.selectedText()) + u" se escribe "_s + forms.join(u" o "_s) + u'.';
}

QString AccentCheck::summary() const
{
    if (m_marks.isEmpty())
        return u"Comprobar tildes: ninguna palabra con las tildes mal puestas."_s;
    const QString count = m_marks.size() == 1 ? u"1 palabra con las tildes mal puestas"_s
                                              : u"%1 palabras con las tildes mal puestas"_s.arg(m_marks.size());
    const QString here = describeMarkAt(m_box->textCursor().selectionStart());
    return u"Comprobar tildes: "_s + count + u". "_s + (here.isEmpty() ? QString() : here + u' ')
        + u"Menú o Mayús+F10: forma correcta; F7: siguiente."_s;
}

bool AccentCheck::showMenu(int position, const QPoint &globalPosition)
{
    const int at = markIndexAt(position);
    if (at < 0)
        return false;
    const QStringList forms = m_marks[at].forms;
    std::unique_ptr<QMenu> menu(m_box->createStandardContextMenu());
    QAction *before = menu->actions().value(0);
    QAction *firstForm = nullptr;
    for (const QString &form : forms) {
        auto *action = new QAction(form, menu.get());
        QFont bold = action->font();
        bold.setBold(true);
        action->setFont(bold);
        action->setStatusTip(u"Escribe "_s + quoted(form) + u" en lugar de "_s + quoted(m_marks[at].word.selectedText()));
        connect(action, &QAction::triggered, this, [this, position, form] { replaceAt(position, form); });
        menu->insertAction(before, action);
        if (!firstForm)
            firstForm = action;
    }
    menu->insertSeparator(before);
    // The right form is chosen with Intro straight away.
    menu->setActiveAction(firstForm);
    menu->exec(globalPosition);
    return true;
}

bool AccentCheck::eventFilter(QObject *watched, QEvent *event)
{
    if (m_marks.isEmpty())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::ContextMenu) {
        auto *request = static_cast<QContextMenuEvent *>(event);
        // The mouse asks about the word under it; the keyboard (Menú, Mayús+F10) about the
        // word at the cursor, and the menu opens below it.
        if (request->reason() == QContextMenuEvent::Mouse && watched == m_box->viewport()) {
            const int position = m_box->cursorForPosition(request->pos()).position();
            if (showMenu(position, request->globalPos()))
                return true;
        } else if (request->reason() != QContextMenuEvent::Mouse) {
            const QRect caret = m_box->cursorRect();
            const QPoint below = m_box->viewport()->mapToGlobal(caret.bottomLeft());
            if (showMenu(m_box->textCursor().selectionStart(), below))
                return true;
        }
    } else if (event->type() == QEvent::ToolTip && watched == m_box->viewport()) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = describeMarkAt(m_box->cursorForPosition(help->pos()).position());
        if (!tip.isEmpty()) {
            QToolTip::showText(help->globalPos(), tip, m_box->viewport());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
