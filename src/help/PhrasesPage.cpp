// The page "Frases y palabras": its controls and handlers.
#include "help/PhrasesPage.h"

#include "shared/Colors.h"
#include "ui/WindowControls.h"
#include "widgets/TabbedNotebook.h"

#include <QLabel>

using namespace WindowControls;

PhrasesPage::PhrasesPage(TTabPage *page) : QObject(page)
{
    // The phrase percentage, which the practice window's timer also reads. Right-aligned on a
    // fixed right edge, so longer figures grow to the left.
    Tpercentfrases = placeLabel(page, "Tpercentfrases", 417, 358, QStringLiteral("0"),
                               pixelFont(QStringLiteral("Comic Sans MS"), 16), Colors::clTeal);
    Tpercentfrases->setAlignment(Qt::AlignRight | Qt::AlignTop);
    constexpr int rightEdge = 417 + 10;
    constexpr int room = 50;
    Tpercentfrases->setGeometry(rightEdge - room, 358, room, Tpercentfrases->height());
}
