// The page "Reglas": an editable box with the rules; nothing typed there is ever saved.
#include "help/RulesPage.h"

#include "shared/Colors.h"
#include "ui/WindowControls.h"
#include "widgets/TabbedNotebook.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

using namespace WindowControls;

namespace {

// The rules, one entry per line.
QStringList rulesLines();

} // namespace

RulesPage::RulesPage(TabPage *page) : QObject(page)
{
    // An editable box: the student may type notes into it, and none of that is ever saved.
    m_rulesBox = new QTextEdit(page);
    m_rulesBox->setObjectName(QStringLiteral("RichEdit1"));
    m_rulesBox->setGeometry(16, 20, 649, 357);
    m_rulesBox->setFrameShape(QFrame::NoFrame);
    m_rulesBox->setFont(pixelFont(QStringLiteral("Comic Sans MS"), 13));
    QPalette palette = m_rulesBox->palette();
    palette.setColor(QPalette::Base, Colors::toQColor(Colors::clBtnFace));
    palette.setColor(QPalette::Text, Colors::toQColor(Colors::clNavy));
    m_rulesBox->setPalette(palette);
    m_rulesBox->setLineWrapMode(QTextEdit::NoWrap);
    m_rulesBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rulesBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Indents are tabs of 64 pixels; the table of word classes gets stops of its own.
    m_rulesBox->setTabStopDistance(64);
    m_rulesBox->setPlainText(rulesLines().join(QLatin1Char('\n')));
    alignTable();
    m_rulesBox->document()->setModified(false);
    m_rulesBox->installEventFilter(this);
}

bool RulesPage::eventFilter(QObject *watched, QEvent *event)
{
    // Other letters, other widths: the table is measured again.
    if (watched == m_rulesBox && event->type() == QEvent::FontChange)
        alignTable();
    return QObject::eventFilter(watched, event);
}

// The table of word classes is made of the lines with a tab after their first entry: the
// headings, the definitions and the examples. Each column starts a gap after the widest entry
// of the column before it, in every line alike, so that each heading stands over its definition
// and its example whatever the font. Two tabs in a row (how a line skips on past a short entry)
// lead to the same column as one.
void RulesPage::alignTable()
{
    QTextDocument *document = m_rulesBox->document();
    const QFontMetricsF metrics(m_rulesBox->font());
    const qreal gap = metrics.horizontalAdvance(QStringLiteral("MM"));

    QList<QTextBlock> rows;
    QList<qreal> widths;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.text().indexOf(QLatin1Char('\t')) <= 0)
            continue;
        rows << block;
        const QStringList entries = block.text().split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        for (qsizetype column = 0; column < entries.size(); ++column) {
            if (column == widths.size())
                widths << 0;
            widths[column] = std::max(widths[column], metrics.horizontalAdvance(entries[column]));
        }
    }
    QList<qreal> starts{0};
    for (const qreal width : std::as_const(widths))
        starts << starts.last() + width + gap;

    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    for (const QTextBlock &block : std::as_const(rows)) {
        const QStringList parts = block.text().split(QLatin1Char('\t'));
        QList<QTextOption::Tab> stops;
        qsizetype column = 0;
        qreal end = metrics.horizontalAdvance(parts.first());
        for (qsizetype i = 1; i < parts.size(); ++i) {
            if (parts[i].isEmpty()) {
                // A tab that only skips: a stop just past the text before it.
                end += 1;
                stops << QTextOption::Tab(end, QTextOption::LeftTab);
                continue;
            }
            ++column;
            stops << QTextOption::Tab(starts[column], QTextOption::LeftTab);
            end = starts[column] + metrics.horizontalAdvance(parts[i]);
        }
        QTextBlockFormat format = block.blockFormat();
        format.setTabPositions(stops);
        QTextCursor(block).setBlockFormat(format);
    }
    document->setUndoRedoEnabled(undo);
}

namespace {

QStringList rulesLines()
{
    static const char16_t *const lines[] = {
    u"                                             NORMAS DE ACENTUACIÓN.        ",
    u"                                              _________________________",
    u"",
    u"Según la situación del acento (intensidad de la voz), las palabras se dividen en:",
    u"",
    u"1. AGUDAS\tLLANAS\tESDRÚJULAS\tSOBREESDRÚJULAS",
    u"",
    u"últ. sílaba \tpenúlt. síl.\tantepenúlt. síl.\tanterior a la antepenúlt.",
    u"  (lamer)\t  (colina)\t   (víbora)\t\t   (cómetelo)",
    u"",
    u"2. REGLA GENERAL.",
    u"   Llevan tilde: ",
    u"2.1. Agudas acabadas en vocal, -n o -s (carbón; pero cincel)",
    u"2.2. Llanas acabadas en cons. que no sea -n o -s (cárcel; pero antes)",
    u"2.3. Esdrújulas y sobreesdrújulas, siempre (mágico, cuéntaselo)",
    u"",
    u"3. HIATOS Y DIPTONGOS.",
    u"",
    u"3.1. VF (fuerte): vocal abierta (a, e, o).",
    u"     VD (débil): vocal cerrada (i, u).",
    u"\t",
    u"3.2. COMBINACIONES POSIBLES:",
    u"",
    u"3.2.1. VF + VF: Hiato (dos sílabas). Regla general (héroe)",
    u"3.2.2. VD + VD: Diptongo (una sílaba). Regla general (cuidado)",
    u"3.2.3. VF + VD o VD + VF",
    u"\t\tA) Intensidad sobre VF: Diptongo. Regla general (huésped)",
    u"\t\tB) Intensidad sobre VD: Hiato. Siempre tilde en la VD (María, búho)",
    u"\t\tC) Intensidad en otra sílaba de la palabra. Diptongo. Regla general (aceituna)",
    u"",
    u"3.2.4. VD + VF + VD",
    u"\t\tA) Intensidad sobre la VF. Triptongo. Regla general (amortiguáis)",
    u"\t\tB) Intensidad sobre alguna de las VD. Hiato. Tilde sobre la VD (comíais)",
    u"",
    u"3.3. En «Ejemplos», la palabra con diptongo, hiato o triptongo va en ese grupo.",
    u"",
    u"4. TILDE DIACRÍTICA.",
    u"",
    u"\tDiferencia categorías morfológicas (monosílabos y otras palabras con tilde diacrítica):",
    u"                de / dé, el / él, mas / más, mi / mí, se / sé, si / sí, te / té, tu / tú, aun / aún",
    u"\tque, cual, quien, cuando, cuanto, donde, adonde, como (tilde si son interrogativos o exclamativos)",
    u"\t\t\t",
    u"5. OTROS CASOS.",
    u"",
    u"5.1. Palabras compuestas: ",
    u"\ta) Unidas. Regla general (decimoséptimo)",
    u"\tb) Unidas con guion: cada elemento conserva su tilde (físico-químico)",
    u"5.2. Advs. terminados en -mente. Llevan tilde si el adjetivo la llevaba (fácilmente)",
    u"5.3. Formas verbales con pronombre enclítico: siguen la regla general (dele, cómetelo)",
    u"5.4. La conjunción o, sin tilde también entre números (3 o 4).",
    };
    QStringList result;
    for (const char16_t *line : lines)
        result.append(QString::fromUtf16(line));
    return result;
}

} // namespace
