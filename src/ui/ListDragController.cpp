// Dragging between lists of one window, kept inside the program.
#include "ui/ListDragController.h"

#include "ui/ErrorGuard.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>

ListDragController::ListDragController(QObject *parent) : QObject(parent) {}

ListDragController::~ListDragController()
{
    restoreCursor();
}

ListDragController::Entry &ListDragController::entryFor(QAbstractItemView *list)
{
    for (Entry &entry : m_entries) {
        if (entry.list == list)
            return entry;
    }
    Entry entry;
    entry.list = list;
    // Mouse events go to the list's viewport, not to the list itself.
    list->viewport()->installEventFilter(this);
    m_entries.append(entry);
    return m_entries.last();
}

void ListDragController::addSource(QAbstractItemView *list, Handler endDrag)
{
    Entry &entry = entryFor(list);
    entry.isSource = true;
    entry.endDrag = std::move(endDrag);
}

void ListDragController::addTarget(QAbstractItemView *list, Acceptor accepts, Handler drop)
{
    Entry &entry = entryFor(list);
    entry.isTarget = true;
    entry.accepts = std::move(accepts);
    entry.drop = std::move(drop);
}

ListDragController::Entry *ListDragController::entryOfViewport(QObject *viewport)
{
    for (Entry &entry : m_entries) {
        if (entry.list && entry.list->viewport() == viewport)
            return &entry;
    }
    return nullptr;
}

ListDragController::Entry *ListDragController::targetAt(const QPoint &globalPosition)
{
    // What is really under the pointer, so that a window lying over the lists hides them.
    QWidget *under = QApplication::widgetAt(globalPosition);
    if (!under)
        return nullptr;
    for (Entry &entry : m_entries) {
        if (entry.isTarget && entry.list && (entry.list == under || entry.list->isAncestorOf(under)))
            return &entry;
    }
    return nullptr;
}

bool ListDragController::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *press = static_cast<QMouseEvent *>(event);
        Entry *entry = entryOfViewport(watched);
        if (press->button() == Qt::LeftButton && entry && entry->isSource)
            start(*entry, press);
        break;
    }
    case QEvent::MouseMove:
        if (m_source && m_source->viewport() == watched) {
            const auto *move = static_cast<QMouseEvent *>(event);
            // A release this list never heard of (the grab was taken away) ends the drag
            // quietly: nothing is dropped where nobody let go.
            if (!(move->buttons() & Qt::LeftButton)) {
                cancel();
                break;
            }
            follow(move);
            // While dragging, the source list must not sweep its selection along with the
            // pointer: the word picked at the press is the one that travels.
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_source && m_source->viewport() == watched
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            finish(static_cast<QMouseEvent *>(event));
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ListDragController::start(Entry &entry, const QMouseEvent *press)
{
    cancel();
    m_source = entry.list;
    m_pressPosition = press->globalPosition().toPoint();
}

void ListDragController::follow(const QMouseEvent *move)
{
    const QPoint position = move->globalPosition().toPoint();
    if (!m_cursorShown && (position - m_pressPosition).manhattanLength() < QApplication::startDragDistance())
        return;
    const Entry *target = targetAt(position);
    const bool accepted = target && target->accepts && target->accepts(m_source);
    showCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

void ListDragController::finish(const QMouseEvent *release)
{
    QPointer<QAbstractItemView> source = m_source;
    m_source = nullptr;
    restoreCursor();

    // The source list is told the button came up where it went down: to the list the drag was
    // a click on the pressed item, so a release elsewhere cannot change its selection. It
    // hears it before any handler changes its items.
    QWidget *viewport = source->viewport();
    const QPointF local = viewport->mapFromGlobal(m_pressPosition);
    QMouseEvent atPress(QEvent::MouseButtonRelease, local, viewport->mapTo(viewport->window(), local),
                        QPointF(m_pressPosition), release->button(), release->buttons(),
                        release->modifiers(), release->pointingDevice());
    QCoreApplication::sendEvent(viewport, &atPress);
    if (!source)
        return;

    // Copies: a handler may change the lists, and with them this controller's entries.
    Handler drop;
    if (const Entry *target = targetAt(release->globalPosition().toPoint())) {
        if (target->drop && target->accepts && target->accepts(source))
            drop = target->drop;
    }
    Handler endDrag;
    for (const Entry &entry : std::as_const(m_entries)) {
        if (entry.list == source)
            endDrag = entry.endDrag;
    }
    // Handlers run inside an event filter: an error must end the handler, not the toolkit's
    // event delivery.
    if (drop)
        ErrorGuard::run(drop);
    if (endDrag)
        ErrorGuard::run(endDrag);
}

void ListDragController::cancel()
{
    m_source = nullptr;
    restoreCursor();
}

void ListDragController::showCursor(Qt::CursorShape shape)
{
    if (m_cursorShown) {
        QGuiApplication::changeOverrideCursor(QCursor(shape));
        return;
    }
    QGuiApplication::setOverrideCursor(QCursor(shape));
    m_cursorShown = true;
}

void ListDragController::restoreCursor()
{
    if (!m_cursorShown)
        return;
    QGuiApplication::restoreOverrideCursor();
    m_cursorShown = false;
}
