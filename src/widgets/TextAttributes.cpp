// TextAttributes: the colours, alignment and font style of one line of the text viewer.
#include "widgets/TextAttributes.h"

QFont TextAttributes::styledFont(const QFont &base) const
{
    QFont font = base;
    font.setBold(hasStyle(fsBold));
    font.setItalic(hasStyle(fsItalic));
    font.setUnderline(hasStyle(fsUnderline));
    font.setStrikeOut(hasStyle(fsStrikeOut));
    return font;
}
