// Small builders for the controls the windows place by hand: fonts by pixel height, coloured
// labels sized to their text, and flat tool-bar buttons.
#pragma once

#include "shared/Colors.h"

#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QRect>

class QLabel;
class QToolButton;
class QWidget;

namespace WindowControls {

// A font by family name with its character height in pixels, hinted to whole-pixel advances.
QFont pixelFont(const QString &family, int pixels, bool bold = false, bool italic = false);

// The widget's text drawn in the colour.
void setTextColor(QWidget *widget, TColor color);

// A transparent plain-text label at (left, top), sized to its text.
QLabel *placeLabel(QWidget *parent, const char *name, int left, int top, const QString &text,
                   const QFont &font, TColor color);

// A sunken line or box at the geometry: the windows' bevels.
QFrame *placeBevel(QWidget *parent, const char *name, const QRect &geometry,
                   QFrame::Shape shape = QFrame::Box);

// A flat picture button that never takes the focus, as tool bars have.
QToolButton *placeSpeedButton(QWidget *parent, const char *name, const QRect &geometry,
                              const QIcon &picture, const QSize &pictureSize);

// Escape and Ctrl+W close the window (a window kept for later is hidden by its close), as
// Escape closes the dialogs: for the windows that stay open beside the practice window.
void closeWithKeys(QWidget *window);

} // namespace WindowControls
