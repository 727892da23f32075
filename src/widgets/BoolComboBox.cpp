// BoolComboBox: two-value and accent-variant drop-down list.
#include "widgets/BoolComboBox.h"

#include "spanish/AccentVariants.h"
#include "shared/Accents.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <QWheelEvent>

namespace {

// The window type-ahead keeps collecting keys typed within this time.
constexpr int typeAheadMilliseconds = 500;

// The painted parts: a two-pixel sunken frame, the drop-down button at the right, and the
// gap between the frame and the word.
constexpr int frameWidth = 2;
constexpr int buttonWidth = 17;
constexpr int textMargin = 2;

// A Windows-style two-pixel bevel: outer top-left, outer bottom-right, inner top-left, inner
// bottom-right. Filled one-pixel rectangles rather than the polylines of Qt's helpers: the same
// pixels, without a pen change per edge (forty selectors paint it on the window's first frame).
void drawBevel(QPainter &painter, const QRect &area, const QColor &outerTopLeft, const QColor &outerBottomRight,
               const QColor &innerTopLeft, const QColor &innerBottomRight)
{
    const int x = area.x(), y = area.y(), w = area.width(), h = area.height();
    if (w < 2 || h < 2)
        return;
    painter.fillRect(x, y, 1, h - 1, outerTopLeft);
    painter.fillRect(x, y, w - 1, 1, outerTopLeft);
    painter.fillRect(x, y + h - 1, w, 1, outerBottomRight);
    painter.fillRect(x + w - 1, y, 1, h, outerBottomRight);
    if (w > 4 && h > 4) {
        painter.fillRect(x + 1, y + 1, 1, h - 3, innerTopLeft);
        painter.fillRect(x + 1, y + 1, w - 3, 1, innerTopLeft);
        painter.fillRect(x + 1, y + h - 2, w - 2, 1, innerBottomRight);
        painter.fillRect(x + w - 2, y + 1, 1, h - 2, innerBottomRight);
    }
}

// Focus moves that are not the control being entered or left: its own pop-up list opening or
// closing, and the whole window losing or regaining activation.
bool isOwnFocusMove(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

// The list's rows at the control's item height.
class FixedHeightItems : public QStyledItemDelegate {
public:
    FixedHeightItems(int height, QObject *parent) : QStyledItemDelegate(parent), m_height(height) {}
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), m_height);
    }

private:
    int m_height;
};

} // namespace

BoolComboBox::BoolComboBox(QWidget *parent) : QComboBox(parent)
{
    resize(65, height());
    connect(this, &QComboBox::activated, this, &BoolComboBox::ListChoice);
    if (parent)
        BuildVariantList(m_boolFormat);
}

bool BoolComboBox::event(QEvent *event)
{
    const bool result = QComboBox::event(event);
    // Placed on a (new) parent: the list is built in the current format.
    if (event->type() == QEvent::ParentChange && parentWidget())
        BuildVariantList(m_boolFormat);
    return result;
}

void BoolComboBox::SetCaption(const QString &word)
{
    m_caption = AccentVariants::caption(word);
    BuildVariantList(bfAccent);
}

void BoolComboBox::SetBoolFormat(int format)
{
    if (format < bfTrueFalse || format > bfAccent || format == m_boolFormat)
        return;
    m_boolFormat = static_cast<TBoolFormat>(format);
    BuildVariantList(m_boolFormat);
}

void BoolComboBox::SetValue(int value)
{
    if (value == bNull && !m_allowNull)
        return;
    m_value = static_cast<quint8>(value);
    setEditText(QString());
    selectByValue();
}

void BoolComboBox::SetAllowNull(bool allow)
{
    if (allow == m_allowNull)
        return;
    m_allowNull = allow;
    // The design-time step (an allowed null turning item 0 into no value) has no place while
    // the program runs; only the fallback to a value applies.
    if (!m_allowNull && currentIndex() < 0)
        SetValue(bFalse);
}

void BoolComboBox::setColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void BoolComboBox::setItemHeight(int height)
{
    if (height == m_itemHeight || height <= 0)
        return;
    m_itemHeight = height;
    if (!m_listMade)
        return;
    // The combo box does not free a delegate it replaces: free our own earlier one here.
    QAbstractItemDelegate *previous = itemDelegate();
    setItemDelegate(new FixedHeightItems(height, this));
    if (dynamic_cast<FixedHeightItems *>(previous))
        delete previous;
}

QAbstractItemView *BoolComboBox::listView()
{
    if (!m_listMade) {
        m_listMade = true;
        // The list is a window of its own: it takes the box's font only when given it.
        view()->window()->setFont(font());
        const int height = std::exchange(m_itemHeight, 0);
        setItemHeight(height);
    }
    return view();
}

void BoolComboBox::showPopup()
{
    listView();
    QComboBox::showPopup();
}

void BoolComboBox::changeEvent(QEvent *event)
{
    // The combo box would make its list here only to hand it the new font; until the list is
    // wanted, the font is the box's alone and the list takes it when made.
    if (event->type() == QEvent::FontChange && !m_listMade) {
        QWidget::changeEvent(event);
        updateGeometry();
        return;
    }
    QComboBox::changeEvent(event);
}

void BoolComboBox::BuildVariantList(TBoolFormat format)
{
    clear();
    switch (format) {
    case bfTrueFalse:
        addItems({QStringLiteral("NO"), QStringLiteral("SÍ")});
        m_maxLength = 5;
        break;
    case bfYesNo:
        addItems({QStringLiteral("No"), QStringLiteral("Yes")});
        m_maxLength = 3;
        break;
    case bfOnOff:
        addItems({QStringLiteral("Off"), QStringLiteral("On")});
        m_maxLength = 3;
        break;
    case bfByte:
        addItems({QStringLiteral("0"), QStringLiteral("1")});
        m_maxLength = 1;
        break;
    case bfAccent:
        addItems(AccentVariants::variants(m_caption));
        break;
    }
    selectByValue();
}

void BoolComboBox::selectByValue()
{
    // An index past the end of the list selects nothing.
    setCurrentIndex(m_value == bNull || m_value >= count() ? -1 : m_value);
}

void BoolComboBox::ListChoice(int index)
{
    if (index >= 0) {
        m_value = static_cast<quint8>(index & 0xFF);
    } else if (m_allowNull) {
        m_value = bNull;
    } else {
        setCurrentIndex(0);
        m_value = bFalse;
    }
    Change();
}

void BoolComboBox::Change()
{
    IsRight = AccentVariants::isRight(currentText(), m_caption);
    emit OnChange(this);
    if (!m_allowNull && currentText().isEmpty())
        SetValue(bFalse);
}

void BoolComboBox::leave()
{
    if (m_entered && !hasFocus())
        DoExit();
}

void BoolComboBox::DoExit()
{
    m_entered = false;
    const QScopedValueRollback<bool> leaving(m_leaving, true);
    if (currentText().isEmpty()) {
        if (!m_allowNull) {
            SetValue(bFalse);
            emit OnChange(this);
        } else if (m_value != bNull) {
            SetValue(bNull);
            emit OnChange(this);
        }
    }
    emit OnExit(this);
}

void BoolComboBox::DblClick()
{
    emit OnDblClick(this);
    switch (currentIndex()) {
    case -1:
        SetValue(bFalse);
        break;
    case 0:
        SetValue(bTrue);
        break;
    case 1:
        SetValue(m_allowNull ? bNull : bFalse);
        break;
    default:
        break;
    }
    emit OnChange(this);
}

bool BoolComboBox::typeAhead(QChar key)
{
    if (m_lastKey.isValid() && m_lastKey.elapsed() < typeAheadMilliseconds)
        m_typedKeys += key;
    else
        m_typedKeys = key;
    m_lastKey.start();
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).startsWith(m_typedKeys, Qt::CaseInsensitive)) {
            setCurrentIndex(i);
            Change();
            return true;
        }
    }
    return false;
}

QString BoolComboBox::textWithTypedKey(QChar key) const
{
    // A list-only box shows its text wholly selected, so the typed key replaces it; an
    // editable one inserts the key at the caret over any selection.
    const QLineEdit *edit = lineEdit();
    if (!edit)
        return QString(key);
    QString text = edit->text();
    int caret = edit->cursorPosition();
    if (edit->hasSelectedText()) {
        caret = edit->selectionStart();
        text.remove(caret, edit->selectedText().size());
    }
    return text.insert(caret, key);
}

bool BoolComboBox::KeyPress(QChar key)
{
    emit OnKeyPress(this, key);
    if (typeAhead(key))
        return true;
    const int found = FindItemByPrefix(textWithTypedKey(key));
    if (found < 0) {
        if (m_beep)
            m_beep();
        else
            QApplication::beep();
        return true;
    }
    setCurrentIndex(found);
    SetValue(found);
    emit OnChange(this);
    return true;
}

int BoolComboBox::FindItemByPrefix(const QString &text) const
{
    if (text.isEmpty() || count() == 0)
        return -1;
    const QString wanted = Accents::upperAsciiLetters(text);
    auto prefixOf = [&](int index) {
        return Accents::upperAsciiLetters(itemText(index).left(wanted.size()));
    };
    for (int i = 0; i < count(); ++i)
        if (prefixOf(i) == wanted)
            return i;
    return -1;
}

void BoolComboBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    if (!isOwnFocusMove(event->reason())) {
        m_entered = true;
        emit OnEnter(this);
    }
}

void BoolComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    // Opening the list hands the focus to the list itself a second time, with no particular
    // reason: that is still not leaving the control.
    const QWidget *next = QApplication::focusWidget();
    const bool intoOwnList = next && m_listMade && (next == view() || view()->isAncestorOf(next));
    if (!isOwnFocusMove(event->reason()) && !intoOwnList)
        DoExit();
}

void BoolComboBox::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool plainKey = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plainKey && text.size() == 1 && text[0].unicode() > 31 && text[0].unicode() != 127) {
        KeyPress(text[0]);
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void BoolComboBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QComboBox::mouseDoubleClickEvent(event);
    DblClick();
}

void BoolComboBox::wheelEvent(QWheelEvent *event)
{
    // The wheel over a control the student has not entered would make a choice without a visit,
    // and so without the exit that judges it: only an entered control takes the wheel.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void BoolComboBox::setVisibleWidth(int width)
{
    if (width == m_visibleWidth || width < 0)
        return;
    m_visibleWidth = width;
    update();
}

QRect BoolComboBox::dropDownButtonRect() const
{
    const int side = qMax(0, height() - 2 * frameWidth);
    return QRect(width() - frameWidth - buttonWidth, frameWidth, buttonWidth, side);
}

QRect BoolComboBox::textFieldRect() const
{
    QRect field(frameWidth + textMargin, frameWidth, 0, height() - 2 * frameWidth);
    int right = dropDownButtonRect().left() - textMargin;
    if (m_visibleWidth > 0)
        right = qMin(right, m_visibleWidth - textMargin);
    field.setRight(right - 1);
    return field;
}

// Painted by hand rather than by the style: the board's colours must come out flat (the
// styles shade a combo box's face), and a long word must fit the part that shows.
void BoolComboBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect(), Colors::toQColor(m_color, colours));
    drawBevel(painter, rect(), colours.dark().color(), colours.light().color(), colours.shadow().color(),
              colours.midlight().color());

    const QRect button = dropDownButtonRect();
    painter.fillRect(button.adjusted(2, 2, -2, -2), colours.button());
    drawBevel(painter, button, colours.light().color(), colours.shadow().color(), colours.button().color(),
              colours.dark().color());
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = button.adjusted(3, 3, -3, -3);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);

    const QRect field = textFieldRect();
    const QString text = currentText();
    painter.setClipRect(field);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    const int advance = fontMetrics().horizontalAdvance(text);
    if (advance > field.width() && field.width() > 0) {
        painter.translate(field.left(), 0);
        painter.scale(double(field.width()) / advance, 1.0);
        painter.drawText(QRect(0, field.top(), advance, field.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
        painter.resetTransform();
    } else {
        painter.drawText(field, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = field.adjusted(-1, 2, 0, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
