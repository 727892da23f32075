// How the practice window and its score strip place their controls: at fixed places in the
// window's design, in a font that is drawn without shaping.
#pragma once

#include "ui/StoredPicture.h"
#include "ui/WindowControls.h"

#include <QAction>
#include <QFont>
#include <QLabel>
#include <QStatusBar>
#include <QString>
#include <QToolButton>

namespace PracticeControls {

// The practice window shows the program's own texts and words read in composed form (the
// loaders compose them): none needs OpenType shaping, and unshaped text draws in a fraction of
// the time, which is most of the window's first frame.
inline QFont unshapedFont(const QString &family, int pixels, bool bold = false, bool italic = false)
{
    QFont font = WindowControls::pixelFont(family, pixels, bold, italic);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

template <typename Widget>
Widget *place(QWidget *parent, const char *name, int left, int top, int width = -1, int height = -1)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->move(left, top);
    if (width >= 0)
        widget->resize(width, height);
    return widget;
}

inline QLabel *placePicture(QWidget *parent, const char *name, int left, int top, int width, int height,
                            const QString &resource)
{
    auto *picture = place<QLabel>(parent, name, left, top, width, height);
    picture->setPixmap(StoredPicture::pixmap(resource));
    picture->setScaledContents(true);
    return picture;
}

// The syllables of the word the status line explains, then "Escuchar", at the line's right end.
// The button never takes the focus, so the board's keyboard round stays as it was: its key
// works anywhere in the window.
inline QLabel *placeListenControls(QStatusBar *bar, QAction *listen)
{
    auto *syllables = new QLabel(bar);
    syllables->setObjectName(QStringLiteral("Silabas"));
    syllables->setTextFormat(Qt::RichText);
    syllables->setAccessibleName(QStringLiteral("Sílabas"));
    syllables->setAccessibleDescription(QStringLiteral("La sílaba tónica, en negrita"));
    auto *button = new QToolButton(bar);
    button->setObjectName(QStringLiteral("EscucharBoton"));
    button->setDefaultAction(listen);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::NoFocus);
    // No taller than the line's text: the window keeps the height it had without it.
    button->setAutoRaise(true);
    button->setMaximumHeight(syllables->fontMetrics().height());
    button->setAccessibleName(QStringLiteral("Escuchar"));
    bar->addPermanentWidget(syllables);
    bar->addPermanentWidget(button);
    return syllables;
}

} // namespace PracticeControls
