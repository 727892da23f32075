// ControlAlign: controls aligned against their parent's edges, stacked in order.
#include "widgets/ControlAlign.h"

#include <QEvent>
#include <QMetaProperty>
#include <QSet>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace ControlAlign {

namespace {

// Lives on the parent and re-aligns its children whenever the parent changes size, or an aligned
// child changes size or is shown or hidden.
class ParentWatcher : public QObject {
public:
    explicit ParentWatcher(QWidget *parent)
        : QObject(parent)
    {
        setObjectName(QStringLiteral("ControlAlignWatcher"));
        parent->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *owner = static_cast<QWidget *>(parent());
        if (watched == owner) {
            if (event->type() == QEvent::Resize)
                alignControls(owner);
            return false;
        }
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            if (static_cast<QWidget *>(watched)->parentWidget() == owner)
                alignControls(owner);
            break;
        default:
            break;
        }
        return false;
    }
};

QObject *watcherOf(QWidget *parent)
{
    QObject *watcher = parent->findChild<QObject *>(QStringLiteral("ControlAlignWatcher"), Qt::FindDirectChildrenOnly);
    return watcher ? watcher : new ParentWatcher(parent);
}

// Parents being aligned right now: placing a child may resize another aligned child, which
// asks for the same parent's alignment again.
QSet<const QWidget *> inProgress;

// Controls stack in the order they were aligned; this counter stamps that order on each.
const char *const orderProperty = "_controlAlignOrder";
qint64 nextOrder = 0;

qint64 orderOf(const QWidget *control)
{
    return control->property(orderProperty).toLongLong();
}

} // namespace

TAlign alignOf(const QWidget *control)
{
    const QVariant value = control->property("Align");
    bool ok = false;
    const int align = value.toInt(&ok);
    if (!value.isValid() || !ok || align < alNone || align > alClient)
        return alNone;
    return TAlign(align);
}

void setAlign(QWidget *control, TAlign align)
{
    const QMetaObject *meta = control->metaObject();
    if (meta->indexOfProperty("Align") < 0)
        control->setProperty("Align", int(align));
    control->setProperty(orderProperty, ++nextOrder);
    if (QWidget *parent = control->parentWidget()) {
        if (align != alNone)
            control->installEventFilter(watcherOf(parent));
        alignControls(parent);
    }
}

void alignControls(QWidget *parent)
{
    if (!parent || inProgress.contains(parent))
        return;
    inProgress.insert(parent);

    QList<QWidget *> byAlign[alClient + 1];
    for (QObject *object : parent->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || child->isWindow() || child->isHidden())
            continue;
        byAlign[alignOf(child)] << child;
    }
    for (auto &group : byAlign)
        std::stable_sort(group.begin(), group.end(),
                         [](QWidget *a, QWidget *b) { return orderOf(a) < orderOf(b); });

    QRect area = parent->contentsRect();
    for (QWidget *child : byAlign[alTop]) {
        child->setGeometry(area.left(), area.top(), area.width(), child->height());
        area.setTop(area.top() + child->height());
    }
    for (QWidget *child : byAlign[alBottom]) {
        child->setGeometry(area.left(), area.bottom() + 1 - child->height(), area.width(), child->height());
        area.setBottom(area.bottom() - child->height());
    }
    for (QWidget *child : byAlign[alLeft]) {
        child->setGeometry(area.left(), area.top(), child->width(), std::max(0, area.height()));
        area.setLeft(area.left() + child->width());
    }
    for (QWidget *child : byAlign[alRight]) {
        child->setGeometry(area.right() + 1 - child->width(), area.top(), child->width(), std::max(0, area.height()));
        area.setRight(area.right() - child->width());
    }
    for (QWidget *child : byAlign[alClient])
        child->setGeometry(area.left(), area.top(), std::max(0, area.width()), std::max(0, area.height()));

    inProgress.remove(parent);
}

} // namespace ControlAlign
