// Dragging between lists of one window, kept inside the program: a press on a list starts a
// drag that ends at the release, even when the pointer never moved.
#pragma once

#include <QAbstractItemView>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

class QMouseEvent;

// The lists never take part in the system's drag and drop: nothing leaves the program, and a
// plain click on a list is a drag as well, which is how a click on a group moves a word.
// At the release the list under the pointer, when it takes drops from the list the drag
// started on, runs its drop handler; then the list the drag started on runs its end-of-drag
// handler, wherever the drag ended.
class ListDragController : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    // Whether a list takes what is dragged from the source list.
    using Acceptor = std::function<bool(QAbstractItemView *source)>;

    explicit ListDragController(QObject *parent = nullptr);
    ~ListDragController() override;

    // A list on which a press starts a drag; endDrag, when given, runs as every such drag ends.
    void addSource(QAbstractItemView *list, Handler endDrag = {});
    // A list on which drags may end.
    void addTarget(QAbstractItemView *list, Acceptor accepts, Handler drop);

    // The list a drag in progress started on, null between drags.
    QAbstractItemView *source() const { return m_source; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry {
        QPointer<QAbstractItemView> list;
        Handler endDrag;
        Acceptor accepts;
        Handler drop;
        bool isSource = false;
        bool isTarget = false;
    };

    Entry &entryFor(QAbstractItemView *list);
    Entry *entryOfViewport(QObject *viewport);
    Entry *targetAt(const QPoint &globalPosition);
    void start(Entry &entry, const QMouseEvent *press);
    void follow(const QMouseEvent *move);
    void finish(const QMouseEvent *release);
    void cancel();
    void showCursor(Qt::CursorShape shape);
    void restoreCursor();

    QList<Entry> m_entries;
    QPointer<QAbstractItemView> m_source;
    QPoint m_pressPosition;
    bool m_cursorShown = false;
};
