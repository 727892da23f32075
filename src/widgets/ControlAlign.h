// ControlAlign: controls aligned against their parent's edges, stacked in order.
#pragma once

#include <QObject>

class QWidget;

// Alignment as the windows of this program lay out their strips and panels: every visible child
// whose "Align" property (declared or dynamic) is not alNone is placed against the parent's
// edges. Top-aligned controls stack from the top in the order they were aligned (setAlign),
// bottom ones from the bottom, then left and right ones in what remains; a client-aligned control
// fills the rest. Unaligned children keep their place.
namespace ControlAlign {
Q_NAMESPACE

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

// The alignment a widget asks for: its "Align" property, alNone when it has none.
TAlign alignOf(const QWidget *control);

// Gives `control` an alignment (as a dynamic property unless it declares "Align" itself) and
// places its siblings at once; the parent re-aligns them whenever it is resized.
void setAlign(QWidget *control, TAlign align);

// Places the aligned children of `parent` now, e.g. after one of them changed its size.
void alignControls(QWidget *parent);

} // namespace ControlAlign
