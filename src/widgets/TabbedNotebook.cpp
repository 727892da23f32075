// TabbedNotebook and its pages.
#include "widgets/TabbedNotebook.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QWheelEvent>

namespace {

// Room between the pane's frame and the page, on each side.
constexpr int paneMargin = 4;

} // namespace

TabPage::TabPage(QWidget *parent) : QWidget(parent)
{
    // Pages take the window's colour, not the lighter pane some styles draw behind them.
    setAutoFillBackground(true);
}

void TabPage::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    emit captionChanged(m_caption);
}

// The tab row. QTabBar moves its current tab on its own as soon as it is clicked, wheeled or
// keyed; here each of those becomes a request to the notebook, which asks before anything
// moves. Any other way QTabBar might still find (a mnemonic, an accessibility action) is
// caught afterwards by the notebook, which puts the tab back before asking.
class NotebookTabBar : public QTabBar {
public:
    explicit NotebookTabBar(TabbedNotebook *notebook) : QTabBar(notebook), m_notebook(notebook) {}

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton) {
            QTabBar::mousePressEvent(event);
            return;
        }
        const int index = tabAt(event->position().toPoint());
        if (index >= 0 && index != m_notebook->pageIndex() && !m_notebook->selectPage(index)) {
            event->accept();
            emit m_notebook->OnClick();
            return;
        }
        QTabBar::mousePressEvent(event);
        if (index >= 0)
            emit m_notebook->OnClick();
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        int target = -2;
        if (plain) {
            const int current = m_notebook->pageIndex();
            switch (event->key()) {
            case Qt::Key_Left:
            case Qt::Key_Up: target = current - 1; break;
            case Qt::Key_Right:
            case Qt::Key_Down: target = current + 1; break;
            case Qt::Key_Home: target = 0; break;
            case Qt::Key_End: target = count() - 1; break;
            default: break;
            }
        }
        if (target == -2) {
            QTabBar::keyPressEvent(event);
            return;
        }
        m_notebook->selectPage(target);
        event->accept();
    }

    void wheelEvent(QWheelEvent *event) override
    {
        // One page per wheel notch (120 eighths of a degree); fine-grained devices add up their
        // small steps until a notch is reached. Turning away from the user goes back a page.
        const QPoint delta = event->angleDelta();
        m_wheelAccumulator += qAbs(delta.y()) >= qAbs(delta.x()) ? delta.y() : delta.x();
        const int steps = m_wheelAccumulator / QWheelEvent::DefaultDeltasPerStep;
        event->accept();
        if (steps == 0)
            return;
        m_wheelAccumulator -= steps * QWheelEvent::DefaultDeltasPerStep;
        const int target = qBound(0, m_notebook->pageIndex() - steps, count() - 1);
        m_notebook->selectPage(target);
    }

private:
    TabbedNotebook *m_notebook;
    int m_wheelAccumulator = 0;
};

TabbedNotebook::TabbedNotebook(QWidget *parent) : QWidget(parent)
{
    m_tabBar = new NotebookTabBar(this);
    m_tabBar->setObjectName(QStringLiteral("TabBar"));
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_tabBar->setUsesScrollButtons(true);
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("Pages"));
    connect(m_tabBar, &QTabBar::currentChanged, this, &TabbedNotebook::tabBarIndexChanged);
    setFocusPolicy(Qt::TabFocus);
    setFocusProxy(m_tabBar);
    layoutChildren();
}

TabbedNotebook::~TabbedNotebook() = default;

int TabbedNotebook::addPage(TabPage *page)
{
    if (!page)
        return -1;
    const int index = m_stack->addWidget(page);
    // The page's own placement is the notebook's business from now on.
    page->setEnabled(false);
    {
        const QScopedValueRollback guard(m_syncing, true);
        m_tabBar->insertTab(index, page->caption());
    }
    connect(page, &TabPage::captionChanged, this, [this, page](const QString &caption) {
        const int at = m_stack->indexOf(page);
        if (at >= 0)
            m_tabBar->setTabText(at, caption);
        update();
    });
    if (m_pageIndex < 0)
        showPage(index);
    else
        syncTabBar();
    layoutChildren();
    return index;
}

TabPage *TabbedNotebook::addPage(const QString &caption)
{
    auto *page = new TabPage;
    page->setCaption(caption);
    addPage(page);
    return page;
}

int TabbedNotebook::count() const
{
    return m_stack->count();
}

TabPage *TabbedNotebook::page(int index) const
{
    return static_cast<TabPage *>(m_stack->widget(index));
}

QStringList TabbedNotebook::pages() const
{
    QStringList captions;
    for (int i = 0; i < count(); ++i)
        captions.append(page(i)->caption());
    return captions;
}

bool TabbedNotebook::selectPage(int index)
{
    if (index < 0 || index >= count())
        return false;
    if (index == m_pageIndex)
        return true;
    if (m_asking)
        return false;
    bool allowChange = true;
    {
        const QScopedValueRollback guard(m_asking, true);
        emit OnChange(index, allowChange);
    }
    if (!allowChange || index >= count())
        return false;
    showPage(index);
    return true;
}

QString TabbedNotebook::activePage() const
{
    return m_pageIndex >= 0 ? page(m_pageIndex)->caption() : QString();
}

void TabbedNotebook::setActivePage(const QString &caption)
{
    const int index = pages().indexOf(caption);
    if (index >= 0)
        selectPage(index);
}

QFont TabbedNotebook::tabFont() const
{
    return m_tabBar->font();
}

void TabbedNotebook::setTabFont(const QFont &font)
{
    if (font == m_tabBar->font() && m_tabBar->testAttribute(Qt::WA_SetFont))
        return;
    m_tabBar->setFont(font);
    layoutChildren();
    update();
}

QTabBar *TabbedNotebook::tabBar() const
{
    return m_tabBar;
}

QSize TabbedNotebook::sizeHint() const
{
    QSize pageSize = m_stack->sizeHint().expandedTo(QSize(100, 60));
    const QSize bar = m_tabBar->sizeHint();
    return QSize(qMax(bar.width(), pageSize.width() + 2 * paneMargin),
                 bar.height() + pageSize.height() + 2 * paneMargin);
}

QSize TabbedNotebook::minimumSizeHint() const
{
    const QSize bar = m_tabBar->minimumSizeHint();
    return QSize(bar.width(), bar.height() + 2 * paneMargin);
}

void TabbedNotebook::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+Tab and Ctrl+Shift+Tab (also Ctrl+PgDown and Ctrl+PgUp) go round the pages from
    // wherever the focus is inside the notebook, as in most tabbed windows.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    int step = 0;
    if (modifiers & Qt::ControlModifier) {
        const bool shift = modifiers & Qt::ShiftModifier;
        switch (event->key()) {
        case Qt::Key_Tab: step = shift ? -1 : 1; break;
        case Qt::Key_Backtab: step = -1; break;
        case Qt::Key_PageDown: step = shift ? 0 : 1; break;
        case Qt::Key_PageUp: step = shift ? 0 : -1; break;
        default: break;
        }
    }
    if (step == 0 || count() < 2) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    selectPage((m_pageIndex + step + count()) % count());
}

void TabbedNotebook::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.rect = paneRect();
    option.shape = QTabBar::RoundedNorth;
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    option.tabBarSize = m_tabBar->size();
    option.tabBarRect = m_tabBar->geometry();
    if (m_pageIndex >= 0)
        option.selectedTabRect = m_tabBar->tabRect(m_pageIndex).translated(m_tabBar->pos());
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}

void TabbedNotebook::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void TabbedNotebook::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        layoutChildren();
}

void TabbedNotebook::showPage(int index)
{
    QWidget *leaving = m_stack->currentWidget();
    m_pageIndex = index;
    // Only the page on view is visible and enabled.
    if (leaving && m_stack->indexOf(leaving) != index)
        leaving->setEnabled(false);
    page(index)->setEnabled(true);
    m_stack->setCurrentIndex(index);
    syncTabBar();
    update();
    emit pageChanged(index);
}

void TabbedNotebook::tabBarIndexChanged(int index)
{
    if (m_syncing || index == m_pageIndex)
        return;
    // The tab bar moved by a way of its own: put it back, then ask as for any request.
    syncTabBar();
    selectPage(index);
}

void TabbedNotebook::syncTabBar()
{
    const QScopedValueRollback guard(m_syncing, true);
    if (m_tabBar->currentIndex() != m_pageIndex)
        m_tabBar->setCurrentIndex(m_pageIndex);
}

void TabbedNotebook::layoutChildren()
{
    const int barHeight = m_tabBar->sizeHint().height();
    m_tabBar->setGeometry(0, 0, width(), barHeight);
    const QRect pane = paneRect();
    m_stack->setGeometry(pane.adjusted(paneMargin, paneMargin, -paneMargin, -paneMargin));
    // The stack would size its pages only once it is shown; pages get their size now, so what
    // is built on a page that is not on view (or in a window never shown yet) fits it already.
    const QRect pageRect(QPoint(), m_stack->size());
    for (int i = 0; i < count(); ++i)
        page(i)->setGeometry(pageRect);
}

QRect TabbedNotebook::paneRect() const
{
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    const int top = qMax(0, m_tabBar->sizeHint().height() - overlap);
    return QRect(0, top, width(), qMax(0, height() - top));
}
