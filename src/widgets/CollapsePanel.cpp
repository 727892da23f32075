// CollapsePanel: a panel that folds up to its header strip and opens again.
#include "widgets/CollapsePanel.h"

#include <QEnterEvent>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int headerHeight = 16;
constexpr int markerSize = 15;
// From this expanded height on, the folding steps by four pixels to keep tall panels quick.
constexpr int coarseStepFrom = 300;
const char *const aboutText = "CollapsePanel: panel plegable de Tildora";

} // namespace

CollapsePanel::CollapsePanel(QWidget *parent)
    : QFrame(parent)
{
    m_caption.clear();
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);

    m_header = new QLabel(this);
    m_header->setObjectName(QStringLiteral("Header"));
    m_header->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_header->setLineWidth(1);
    m_header->setAlignment(Qt::AlignCenter);
    m_header->setTextFormat(Qt::PlainText);
    m_header->setAutoFillBackground(true);
    placeHeader();
    setHeaderColor(Darken(m_color, 100, palette()));

    m_markerButton = new QToolButton(m_header);
    m_markerButton->setObjectName(QStringLiteral("MarkerButton"));
    m_markerButton->setFocusPolicy(Qt::NoFocus);
    m_markerButton->setGeometry(0, 0, markerSize, markerSize);
    m_markerButton->setFont(QFont(QStringLiteral("Courier"), 10, QFont::Bold));
    m_markerButton->setText(QStringLiteral("-"));
    connect(m_markerButton, &QToolButton::clicked, this, &CollapsePanel::markerButtonClicked);

    m_closeTimer = new QTimer(this);
    m_closeTimer->setObjectName(QStringLiteral("CloseTimer"));
    m_closeTimer->setInterval(m_autoCloseTime);
    connect(m_closeTimer, &QTimer::timeout, this, &CollapsePanel::closeTimerTick);

    m_caption.clear();
    m_expandedHeight = height();
}

void CollapsePanel::setAlign(ControlAlign::TAlign value)
{
    if (value == m_align)
        return;
    m_align = value;
    ControlAlign::setAlign(this, value);
}

QString CollapsePanel::HeaderCaption() const
{
    return m_header->text();
}

void CollapsePanel::setHeaderCaption(const QString &value)
{
    if (m_header->text() != value)
        m_header->setText(value);
}

void CollapsePanel::setAutoClose(bool value)
{
    m_autoClose = value;
    if (value) {
        m_markerButton->setCheckable(true);
    } else {
        // A plain push button is never held down, so it pins nothing.
        m_markerButton->setChecked(false);
        m_markerButton->setCheckable(false);
        m_pinned = false;
    }
}

void CollapsePanel::setAutoCloseTime(int value)
{
    m_autoCloseTime = value;
    m_closeTimer->setInterval(std::max(0, value));
}

void CollapsePanel::setCollapsed(bool value)
{
    if (value == m_collapsed)
        return;
    if (value)
        Collapse();
    else
        Expand();
}

QString CollapsePanel::About() const
{
    return QString::fromUtf8(aboutText);
}

void CollapsePanel::setAbout(const QString &)
{
    // Read-only credit line: any assignment leaves the fixed text in place.
}

void CollapsePanel::setColor(TColor value)
{
    if (value == m_color)
        return;
    m_color = value;
    update();
}

void CollapsePanel::setCaption(const QString &value)
{
    if (value == m_caption)
        return;
    m_caption = value;
    update();
}

void CollapsePanel::Collapse()
{
    if (!m_collapsed) {
        m_collapsed = true;
        m_expandedHeight = height();
        stepHeight(height(), m_header->height() + 1);
        m_markerButton->setText(QStringLiteral("+"));
    }
    update();
}

void CollapsePanel::Expand()
{
    if (m_collapsed) {
        m_collapsed = false;
        stepHeight(m_header->height() + 1, m_expandedHeight);
        m_markerButton->setText(QStringLiteral("-"));
        update();
        emit expanded();
        return;
    }
    update();
}

TColor CollapsePanel::Darken(TColor color, int amount, const QPalette &palette)
{
    const QColor resolved = Colors::toQColor(color, palette);
    const auto channel = [amount](int value) {
        return value > amount ? int(std::min<qint64>(255, qint64(value) - amount)) : 0;
    };
    return Colors::rgb(channel(resolved.red()), channel(resolved.green()), channel(resolved.blue()));
}

QSize CollapsePanel::sizeHint() const
{
    return QSize(width(), height());
}

void CollapsePanel::paintEvent(QPaintEvent *)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), Colors::toQColor(m_color, palette()));
        drawFrame(&painter);
        if (!m_caption.isEmpty()) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextSingleLine, m_caption);
        }
    }
    // The header takes its lighter shade once the panel has been drawn; it is a child, so it
    // is painted after this and shows the new colour in the same pass.
    setHeaderColor(Darken(m_color, 20, palette()));
}

void CollapsePanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    placeHeader();
}

void CollapsePanel::enterEvent(QEnterEvent *)
{
    if (!m_autoClose)
        return;
    m_closeTimer->stop();
    if (m_collapsed)
        Expand();
}

void CollapsePanel::leaveEvent(QEvent *)
{
    if (m_autoClose && !m_collapsed && !m_pinned)
        m_closeTimer->start();
}

void CollapsePanel::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::ParentChange && m_align != ControlAlign::alNone)
        ControlAlign::setAlign(this, m_align);
}

void CollapsePanel::markerButtonClicked()
{
    if (m_autoClose) {
        m_pinned = m_markerButton->isChecked();
        return;
    }
    if (m_collapsed)
        Expand();
    else
        Collapse();
}

void CollapsePanel::closeTimerTick()
{
    Collapse();
    m_closeTimer->stop();
}

void CollapsePanel::stepHeight(int from, int to)
{
    const bool coarse = m_expandedHeight >= coarseStepFrom;
    const int step = from <= to ? 1 : -1;
    for (int h = from; step > 0 ? h <= to : h >= to; h += step) {
        if (!coarse || h % 4 == 0)
            setPanelHeight(h);
    }
    setPanelHeight(to);
}

void CollapsePanel::setPanelHeight(int height)
{
    if (height == this->height())
        return;
    resize(width(), height);
    // The controls that share the parent follow at every step: aligned ones through the
    // alignment, ones in a layout through the layout.
    updateGeometry();
    QWidget *owner = parentWidget();
    if (!owner)
        return;
    if (m_align != ControlAlign::alNone)
        ControlAlign::alignControls(owner);
    else if (QLayout *layout = owner->layout())
        layout->activate();
}

void CollapsePanel::placeHeader()
{
    // Across the top inside the bevel: collapsed, the panel shows its top edge and the header.
    const QRect inside = contentsRect();
    m_header->setGeometry(inside.left(), inside.top(), inside.width(), headerHeight);
}

void CollapsePanel::setHeaderColor(TColor color)
{
    const QColor resolved = Colors::toQColor(color, palette());
    m_headerColor = color;
    if (m_header->palette().color(QPalette::Window) == resolved)
        return;
    QPalette headerPalette = m_header->palette();
    headerPalette.setColor(QPalette::Window, resolved);
    m_header->setPalette(headerPalette);
}
