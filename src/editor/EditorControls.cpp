// The controls the phrase-file editor builds on.
#include "editor/EditorControls.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QTextOption>
#include <QToolButton>
#include <QVBoxLayout>

RichEdit::RichEdit(QWidget *parent) : QTextEdit(parent)
{
    // The margins beside the text look like the rest of the page.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    setPalette(colours);
}

void RichEdit::setFormattingMargins(int left, int right)
{
    const QMargins wanted(left, 0, right, 0);
    if (viewportMargins() != wanted)
        setViewportMargins(wanted);
}

RulerPanel::RulerPanel(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void RulerPanel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

int RulerPanel::tabStopWidth() const
{
    return 8 * fontMetrics().averageCharWidth();
}

void RulerPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    QTextOption option(Qt::AlignLeft | Qt::AlignVCenter);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(tabStopWidth());
    painter.drawText(QRectF(contentsRect()), m_caption, option);
}

RulerMarker::RulerMarker(Shape shape, QWidget *parent) : QWidget(parent), m_shape(shape)
{
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::SizeHorCursor);
}

void RulerMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = width();
    const qreal h = height();
    QPainterPath path;
    if (m_shape == PointingDown) {
        path.moveTo(0.5, 0.5);
        path.lineTo(w - 0.5, 0.5);
        path.lineTo(w / 2, h - 0.5);
    } else {
        path.moveTo(w / 2, 0.5);
        path.lineTo(w - 0.5, h - 0.5);
        path.lineTo(0.5, h - 0.5);
    }
    path.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(hasFocus() ? palette().color(QPalette::Highlight) : QColor(Qt::black));
    painter.drawPath(path);
}

void RulerMarker::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseDown(event->position().toPoint().x());
}

void RulerMarker::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(event->position().toPoint().x());
}

void RulerMarker::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseUp();
}

void RulerMarker::keyPressEvent(QKeyEvent *event)
{
    // Four pixels are three points: one key press moves the indent by a whole number.
    switch (event->key()) {
    case Qt::Key_Left: emit stepped(-4); return;
    case Qt::Key_Right: emit stepped(4); return;
    default: QWidget::keyPressEvent(event);
    }
}

UpDown::UpDown(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton *arrow : {m_up, m_down}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(arrow);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setBuddy(QLineEdit *buddy)
{
    m_buddy = buddy;
    buddy->installEventFilter(this);
}

void UpDown::step(int delta)
{
    // The arrows count from the number in the box; from their own position when it holds none.
    bool ok = false;
    const int shown = m_buddy ? m_buddy->text().toInt(&ok) : 0;
    if (ok)
        m_position = shown;
    m_position = qBound(minimum, m_position + delta, maximum);
    if (m_buddy)
        m_buddy->setText(QString::number(m_position));
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

namespace EditorPictures {

namespace {

void drawPage(QPainter &p, const QRectF &r)
{
    QPainterPath page;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - 4, r.top());
    page.lineTo(r.right(), r.top() + 4);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
}

void drawLines(QPainter &p, const QList<QPair<qreal, qreal>> &spans)
{
    qreal y = 3.5;
    for (const auto &[left, right] : spans) {
        p.drawLine(QPointF(left, y), QPointF(right, y));
        y += 3;
    }
}

void drawLetter(QPainter &p, const QString &letter, bool bold, bool italic, bool underline)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(15);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    p.setFont(font);
    p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, letter);
}

} // namespace

QIcon picture(const QString &name)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(40, 40, 40), 1);
    p.setPen(outline);
    const QColor navy(0, 0, 128);
    const QColor folder(230, 190, 70);

    if (name == QLatin1String("open")) {
        p.setBrush(folder.darker(115));
        p.drawRect(QRectF(2.5, 5.5, 13, 10));
        p.setBrush(folder);
        QPolygonF front({QPointF(4.5, 8.5), QPointF(18.5, 8.5), QPointF(15.5, 15.5), QPointF(2.5, 15.5)});
        p.drawPolygon(front);
        p.setPen(QPen(navy, 1.5));
        p.drawArc(QRectF(10, 1.5, 8, 6), 0, 180 * 16);
    } else if (name == QLatin1String("save")) {
        p.setBrush(navy);
        p.drawRect(QRectF(2.5, 2.5, 15, 15));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 2.5, 9, 6));
        p.setBrush(QColor(190, 190, 190));
        p.drawRect(QRectF(5.5, 11.5, 9, 6));
    } else if (name == QLatin1String("print")) {
        drawPage(p, QRectF(5.5, 1.5, 9, 7));
        p.setBrush(QColor(180, 180, 180));
        p.drawRoundedRect(QRectF(1.5, 8.5, 17, 7), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 13.5, 9, 5));
        p.setPen(Qt::darkGreen);
        p.drawPoint(QPointF(16, 10.5));
    } else if (name == QLatin1String("undo")) {
        p.setPen(QPen(navy, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 5, 12, 10), -90 * 16, 220 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(navy);
        p.drawPolygon(QPolygonF({QPointF(1, 7), QPointF(8, 3), QPointF(8, 11)}));
    } else if (name == QLatin1String("cut")) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.drawLine(QPointF(6, 2), QPointF(12, 12));
        p.drawLine(QPointF(14, 2), QPointF(8, 12));
        p.setPen(QPen(navy, 1.5));
        p.drawEllipse(QRectF(3, 12, 5, 5));
        p.drawEllipse(QRectF(12, 12, 5, 5));
    } else if (name == QLatin1String("copy")) {
        drawPage(p, QRectF(2.5, 1.5, 10, 12));
        drawPage(p, QRectF(7.5, 6.5, 10, 12));
        p.setPen(QColor(120, 120, 120));
        for (qreal y = 10.5; y < 17; y += 2.5)
            p.drawLine(QPointF(9.5, y), QPointF(15.5, y));
    } else if (name == QLatin1String("paste")) {
        p.setBrush(QColor(170, 120, 60));
        p.drawRoundedRect(QRectF(2.5, 3.5, 12, 15), 1.5, 1.5);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(5.5, 1.5, 6, 4));
        drawPage(p, QRectF(8.5, 7.5, 9, 11));
    } else if (name == QLatin1String("bold")) {
        drawLetter(p, QStringLiteral("N"), true, false, false);
    } else if (name == QLatin1String("italic")) {
        drawLetter(p, QStringLiteral("C"), true, true, false);
    } else if (name == QLatin1String("underline")) {
        drawLetter(p, QStringLiteral("S"), true, false, true);
    } else if (name == QLatin1String("left")) {
        drawLines(p, {{2, 18}, {2, 12}, {2, 18}, {2, 10}, {2, 16}});
    } else if (name == QLatin1String("center")) {
        drawLines(p, {{2, 18}, {5, 15}, {2, 18}, {6, 14}, {4, 16}});
    } else if (name == QLatin1String("right")) {
        drawLines(p, {{2, 18}, {8, 18}, {2, 18}, {10, 18}, {4, 18}});
    } else if (name == QLatin1String("bullets")) {
        p.setBrush(navy);
        for (qreal y : {3.0, 9.0, 15.0}) {
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRectF(2, y, 3, 3));
            p.setPen(outline);
            p.drawLine(QPointF(8, y + 1.5), QPointF(18, y + 1.5));
        }
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace EditorPictures
