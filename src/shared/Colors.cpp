// Colours as the program stores them.
#include "shared/Colors.h"

#include <QGuiApplication>

namespace Colors {

QColor toQColor(TColor color, const QPalette &palette)
{
    if (!isSystemColor(color))
        return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
    switch (color) {
    case clWindow: return palette.color(QPalette::Base);
    case clWindowFrame: return palette.color(QPalette::Shadow);
    case clWindowText: return palette.color(QPalette::Text);
    case clHighlight: return palette.color(QPalette::Highlight);
    case clHighlightText: return palette.color(QPalette::HighlightedText);
    case clBtnShadow: return palette.color(QPalette::Dark);
    case clGrayText: return palette.color(QPalette::Disabled, QPalette::Text);
    case clBtnText: return palette.color(QPalette::ButtonText);
    case clBtnHighlight: return palette.color(QPalette::Light);
    case clBtnFace:
    default: return palette.color(QPalette::Button);
    }
}

QColor toQColor(TColor color)
{
    return toQColor(color, QGuiApplication::palette());
}

} // namespace Colors
