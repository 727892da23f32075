// BigText: a read-only viewer for long line lists, each line in its own colours, scrolled by pixels.
#include "widgets/BigText.h"

#include "shared/AppError.h"
#include "shared/TextFile.h"
#include "widgets/TextAttributes.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

struct KeyScroll {
    int key;
    bool ctrl;
    int bar;
    int code;
};

// Looked up in this order; the first row whose key and Ctrl state agree wins.
constexpr KeyScroll keyTable[] = {
    {Qt::Key_Left, false, BigText::HorizontalBar, BigText::LineUp},
    {Qt::Key_Right, false, BigText::HorizontalBar, BigText::LineDown},
    {Qt::Key_Left, true, BigText::HorizontalBar, BigText::PageUp},
    {Qt::Key_Right, true, BigText::HorizontalBar, BigText::PageDown},
    {Qt::Key_Home, false, BigText::HorizontalBar, BigText::Top},
    {Qt::Key_End, false, BigText::HorizontalBar, BigText::Bottom},
    {Qt::Key_Up, false, BigText::VerticalBar, BigText::LineUp},
    {Qt::Key_Down, false, BigText::VerticalBar, BigText::LineDown},
    {Qt::Key_PageUp, false, BigText::VerticalBar, BigText::PageUp},
    {Qt::Key_PageDown, false, BigText::VerticalBar, BigText::PageDown},
    {Qt::Key_F1, false, BigText::VerticalBar, BigText::PageDown},
    {Qt::Key_F2, false, BigText::VerticalBar, BigText::PageUp},
    {Qt::Key_F3, false, BigText::VerticalBar, BigText::Top},
    {Qt::Key_F4, false, BigText::VerticalBar, BigText::Bottom},
    {Qt::Key_Home, true, BigText::VerticalBar, BigText::Top},
    {Qt::Key_End, true, BigText::VerticalBar, BigText::Bottom},
};

// Each line is kept as its own NUL-terminated copy, so growing or packing a store moves only
// pointers.
char16_t *copyText(QStringView text)
{
    auto *copy = new (std::nothrow) char16_t[text.size() + 1];
    if (!copy)
        return nullptr;
    std::memcpy(copy, text.utf16(), sizeof(char16_t) * text.size());
    copy[text.size()] = u'\0';
    return copy;
}

// A line ends at its first NUL.
QStringView beforeNul(QStringView view)
{
    const qsizetype nul = view.indexOf(QChar(u'\0'));
    return nul >= 0 ? view.left(nul) : view;
}

// At most MaxLineLength characters are kept, never splitting a surrogate pair.
QStringView storedPart(QStringView view)
{
    if (view.size() > BigText::MaxLineLength) {
        qsizetype cut = BigText::MaxLineLength;
        if (view.at(cut - 1).isHighSurrogate())
            --cut;
        view = view.left(cut);
    }
    return view;
}

// The wait cursor stays over the viewer while a file loads, and goes also when loading fails.
class WaitCursor {
public:
    explicit WaitCursor(QWidget *widget) : m_widget(widget) { m_widget->setCursor(Qt::WaitCursor); }
    ~WaitCursor() { m_widget->unsetCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    QWidget *m_widget;
};

} // namespace

BigText::BigText(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::ClickFocus);
    // Every paint covers its whole area, and opaque pixels let a scroll move them as they are.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    resize(320, 200);

    QFont own = font();
    own.setFamily(QStringLiteral("Courier"));
    // Resolved in full so that the parent's font never leaks in.
    // A parent font given in pixels has no point size to copy.
    if (own.pixelSize() > 0)
        own.setPixelSize(own.pixelSize());
    else
        own.setPointSizeF(own.pointSizeF());
    own.setWeight(own.weight());
    own.setItalic(own.italic());
    setFont(own);
    FontChanged();
    applyScrollBarPolicies();
    for (QScrollBar *bar : {horizontalScrollBar(), verticalScrollBar()})
        bar->setSingleStep(1);
}

BigText::~BigText()
{
    releaseAll();
}

void BigText::releaseAll()
{
    for (int i = 0; i < m_texts.Count(); ++i)
        delete[] static_cast<char16_t *>(m_texts.Get(i));
    for (int i = 0; i < m_attributes.Count(); ++i)
        delete static_cast<TextAttributes *>(m_attributes.Get(i));
    m_texts.Clear();
    m_attributes.Clear();
    m_longestLine = 0;
}

void BigText::Clear()
{
    releaseAll();
    RecalcRange();
    viewport()->update();
}

int BigText::Count() const
{
    const int texts = m_texts.Count();
    return texts == m_attributes.Count() ? texts : -1;
}

QString BigText::GetLine(int Index) const
{
    if (Index < 0 || Index >= m_texts.Count())
        return QString();
    return QString::fromUtf16(static_cast<const char16_t *>(m_texts.Get(Index)));
}

QString BigText::ExpandLine(QStringView line)
{
    line = beforeNul(line);
    QString expanded;
    expanded.reserve(line.size() + 8);
    qsizetype start = 0;
    for (qsizetype tab = line.indexOf(QLatin1Char('\t')); tab >= 0;
         tab = line.indexOf(QLatin1Char('\t'), start)) {
        expanded.append(line.mid(start, tab - start));
        // The text after the tab continues at the next 1-based column that is a multiple of 8;
        // a tab already standing on such a column just goes.
        const qsizetype column = expanded.size() + 1;
        const qsizetype spaces = (8 - column % 8) % 8;
        expanded.append(QString(spaces, QLatin1Char(' ')));
        start = tab + 1;
    }
    expanded.append(line.mid(start));
    return expanded;
}

void BigText::LoadFromFile(const QString &FileName)
{
    Clear();
    WaitCursor wait(viewport());
    try {
        // Lines end at CR LF, LF or CR; a final line break adds no empty line. The lines are
        // cut straight from the file's text, without a string of their own on the way. A NUL
        // ends its line here, so the viewer takes any bytes, not only text.
        const QString text = TextFile::decode(TextFile::readBytes(FileName));
        const QChar *data = text.constData();
        const qsizetype size = text.size();
        qsizetype start = 0;
        while (start < size) {
            qsizetype end = start;
            bool needsExpanding = false;
            for (; end < size; ++end) {
                // Letters, digits and punctuation all lie above CR: one comparison for most.
                const char16_t ch = data[end].unicode();
                if (ch > u'\r')
                    continue;
                if (ch == u'\r' || ch == u'\n')
                    break;
                needsExpanding = needsExpanding || ch == u'\t' || ch == u'\0';
            }
            const QStringView line(data + start, end - start);
            if (needsExpanding)
                appendLine(ExpandLine(line), Colors::clWindowText, Colors::clWindow);
            else
                appendLine(line, Colors::clWindowText, Colors::clWindow);
            if (end + 1 < size && data[end] == QLatin1Char('\r') && data[end + 1] == QLatin1Char('\n'))
                ++end;
            start = end + 1;
        }
    } catch (...) {
        // Whatever was added before the failure stays, with its scroll range.
        RecalcRange();
        throw;
    }
    RecalcRange();
    viewport()->update();
}

// Both stores take the line or neither does.
bool BigText::storeLine(QStringView text, TColor fontColor, TColor backColor)
{
    const QStringView kept = storedPart(text);
    char16_t *copy = copyText(kept);
    auto *attributes = new (std::nothrow) TextAttributes(fontColor, backColor);
    if (!copy || !attributes) {
        delete[] copy;
        delete attributes;
        return false;
    }
    try {
        m_texts.Add(copy);
    } catch (const AppError &) {
        delete[] copy;
        delete attributes;
        return false;
    }
    try {
        m_attributes.Add(attributes);
    } catch (const AppError &) {
        m_texts.Delete(m_texts.Count() - 1);
        delete[] copy;
        delete attributes;
        return false;
    }
    m_longestLine = std::max(m_longestLine, int(kept.size()));
    return true;
}

// Drops lines from the top to make room; never more lines than there are. The stores close
// the gap once for all the dropped lines: a line at a time would move every kept line once per
// dropped line.
void BigText::purge()
{
    const int drop = std::min<int>(m_purgeLines, Count());
    for (int i = 0; i < drop; ++i) {
        delete[] static_cast<char16_t *>(m_texts.Get(i));
        delete static_cast<TextAttributes *>(m_attributes.Get(i));
    }
    m_texts.DeleteFirst(drop);
    m_attributes.DeleteFirst(drop);
    m_texts.Pack();
    m_attributes.Pack();
}

void BigText::AddLine(const QString &Text, TColor FontColor, TColor BackColor, bool Show)
{
    appendLine(beforeNul(Text), FontColor, BackColor);
    if (Show) {
        RecalcRange();
        ScrollTo(0, m_vMax);
        viewport()->update(rowRect(m_texts.Count() - 1));
    }
}

void BigText::appendLine(QStringView Text, TColor FontColor, TColor BackColor)
{
    if (m_maxLines != 0) {
        const int count = m_texts.Count();
        if (count >= m_maxLines || count > HardLineLimit) {
            if (m_purgeLines == 0)
                throw AppError(QStringLiteral("Maximum line count at line %1").arg(count));
            purge();
        }
    }
    if (!storeLine(Text, FontColor, BackColor)) {
        if (m_purgeLines == 0)
            throw AppError(QStringLiteral("Out of Memory at line %1").arg(m_texts.Count()));
        purge();
        if (!storeLine(Text, FontColor, BackColor))
            throw AppError(QStringLiteral("Out of Memory at line %1").arg(m_texts.Count()));
    }
}

void BigText::FontChanged()
{
    const QFontMetrics metrics(font());
    m_charWidth = std::max(1, metrics.averageCharWidth());
    m_lineHeight = std::max(1, metrics.height() + std::max(0, metrics.leading()));
    RecalcRange();
    viewport()->update();
}

void BigText::RecalcRange()
{
    m_visibleColumns = viewport()->width() / m_charWidth;
    m_visibleRows = viewport()->height() / m_lineHeight;
    m_hMax = std::max(0, m_longestLine - m_visibleColumns);
    m_vMax = std::max(0, m_texts.Count() - m_visibleRows);
    ScrollTo(std::min(m_hPos, m_hMax), std::min(m_vPos, m_vMax));
    UpdateScrollBars();
}

void BigText::UpdateScrollBars()
{
    const QScopedValueRollback<bool> guard(m_syncingBars, true);
    if (m_scrollBars == ssHorizontal || m_scrollBars == ssBoth) {
        horizontalScrollBar()->setRange(0, std::max(1, m_hMax));
        horizontalScrollBar()->setPageStep(std::max(1, m_visibleColumns / 2));
        horizontalScrollBar()->setValue(m_hPos);
    }
    if (m_scrollBars == ssVertical || m_scrollBars == ssBoth) {
        verticalScrollBar()->setRange(0, std::max(1, m_vMax));
        verticalScrollBar()->setPageStep(std::max(1, m_visibleRows));
        verticalScrollBar()->setValue(m_vPos);
    }
}

void BigText::syncBarPositions()
{
    const QScopedValueRollback<bool> guard(m_syncingBars, true);
    if (m_scrollBars == ssHorizontal || m_scrollBars == ssBoth)
        horizontalScrollBar()->setValue(m_hPos);
    if (m_scrollBars == ssVertical || m_scrollBars == ssBoth)
        verticalScrollBar()->setValue(m_vPos);
}

void BigText::ScrollTo(int Column, int Line)
{
    Column = std::max(0, std::min(Column, m_hMax));
    Line = std::max(0, std::min(Line, m_vMax));
    if (Column == m_hPos && Line == m_vPos)
        return;
    const int oldColumn = m_hPos;
    const int oldLine = m_vPos;
    m_hPos = Column;
    m_vPos = Line;
    // The pixels already drawn move; only the uncovered strip is painted again.
    viewport()->scroll(m_charWidth * (oldColumn - Column), m_lineHeight * (oldLine - Line));
    syncBarPositions();
}

void BigText::DoScroll(int Bar, int Code, int ThumbPos)
{
    int position = 0;
    int page = 0;
    int maximum = 0;
    if (Bar == HorizontalBar) {
        position = m_hPos;
        page = m_visibleColumns / 2;
        maximum = m_hMax;
    } else if (Bar == VerticalBar) {
        position = m_vPos;
        page = m_visibleRows;
        maximum = m_vMax;
    } else {
        return;
    }
    switch (Code) {
    case LineUp: position -= 1; break;
    case LineDown: position += 1; break;
    case PageUp: position -= page; break;
    case PageDown: position += page; break;
    case ThumbPosition:
    case ThumbTrack: position = ThumbPos; break;
    case Top: position = 0; break;
    case Bottom: position = maximum; break;
    default: break;
    }
    if (Bar == HorizontalBar)
        ScrollTo(position, m_vPos);
    else
        ScrollTo(m_hPos, position);
}

// The user moved a scroll bar (arrow, page, thumb or wheel): follow it on that axis only.
void BigText::scrollContentsBy(int dx, int dy)
{
    if (m_syncingBars)
        return;
    const int column = dx != 0 ? horizontalScrollBar()->value() : m_hPos;
    const int line = dy != 0 ? verticalScrollBar()->value() : m_vPos;
    ScrollTo(column, line);
    // A bar whose range runs past the content (0..1 when nothing scrolls) is put back.
    syncBarPositions();
}

void BigText::setFillBack(bool fill)
{
    if (m_fillBack == fill)
        return;
    m_fillBack = fill;
    viewport()->update();
}

void BigText::setColor(TColor color)
{
    if (m_color == color)
        return;
    m_color = color;
    viewport()->update();
}

void BigText::setParentColor(bool parentColor)
{
    if (m_parentColor == parentColor)
        return;
    m_parentColor = parentColor;
    viewport()->update();
}

void BigText::applyScrollBarPolicies()
{
    const bool horizontal = m_scrollBars == ssHorizontal || m_scrollBars == ssBoth;
    const bool vertical = m_scrollBars == ssVertical || m_scrollBars == ssBoth;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void BigText::setScrollBars(TScrollStyle style)
{
    if (m_scrollBars == style)
        return;
    m_scrollBars = style;
    applyScrollBarPolicies();
    RecalcRange();
}

QColor BigText::windowColor() const
{
    if (m_parentColor && parentWidget())
        return parentWidget()->palette().color(parentWidget()->backgroundRole());
    return Colors::toQColor(m_color, palette());
}

QRect BigText::rowRect(int line) const
{
    return QRect(0, (line - m_vPos) * m_lineHeight, viewport()->width(), m_lineHeight);
}

int BigText::lineAt(const QPoint &viewportPoint) const
{
    if (viewportPoint.y() < 0 || m_lineHeight <= 0)
        return -1;
    const int line = m_vPos + viewportPoint.y() / m_lineHeight;
    return line < Count() ? line : -1;
}

void BigText::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QRect area = event->rect();
    painter.fillRect(area, windowColor());

    const int count = Count();
    const int clientWidth = viewport()->width();
    const int shift = m_hPos * m_charWidth;
    painter.translate(-shift, 0);
    // The row below the last whole one is drawn too: it shows in part.
    const int last = std::min(count, m_vPos + m_visibleRows + 1);
    for (int i = m_vPos; i < last; ++i) {
        const int top = (i - m_vPos) * m_lineHeight;
        if (top >= area.bottom() + 1 || top + m_lineHeight <= area.top())
            continue;
        const auto *attributes = static_cast<const TextAttributes *>(m_attributes.Get(i));
        const QString text = QString::fromUtf16(static_cast<const char16_t *>(m_texts.Get(i)));
        const QFont font = attributes->styledFont(this->font());
        const QFontMetrics metrics(font);
        const QColor back = Colors::toQColor(attributes->BackColor, palette());
        // The row reaches past the visible area so that alignment and filling cover any view.
        const QRect row(0, top, clientWidth + m_hPos + m_hMax * m_charWidth, m_lineHeight);
        if (m_fillBack)
            painter.fillRect(row, back);
        const int textWidth = metrics.horizontalAdvance(text);
        int x = row.left();
        if (attributes->Alignment == TextAttributes::AlignCenter)
            x = row.left() + (row.width() - textWidth) / 2;
        else if (attributes->Alignment == TextAttributes::AlignRight)
            x = row.right() + 1 - textWidth;
        // The text is drawn opaque: its own cells get the line's background.
        painter.fillRect(QRect(x, top, textWidth, m_lineHeight), back);
        painter.setFont(font);
        painter.setPen(Colors::toQColor(attributes->FontColor, palette()));
        painter.drawText(x, top + std::max(0, metrics.leading()) + metrics.ascent(), text);
    }
}

void BigText::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    RecalcRange();
}

void BigText::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers held =
        event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool ctrlAlone = held == Qt::ControlModifier;
    for (const KeyScroll &row : keyTable) {
        if (row.key == event->key() && row.ctrl == ctrlAlone) {
            DoScroll(row.bar, row.code, 0);
            event->accept();
            return;
        }
    }
    // Not the scroll area's own key handling: keys outside the table do nothing here.
    QFrame::keyPressEvent(event);
}

void BigText::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    QAbstractScrollArea::mousePressEvent(event);
}

void BigText::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FontChanged();
    else if (event->type() == QEvent::PaletteChange)
        viewport()->update();
}
