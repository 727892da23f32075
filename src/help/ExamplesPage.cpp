// The page "Ejemplos": its controls and handlers.
#include "help/ExamplesPage.h"

#include "shared/Colors.h"
#include "ui/WindowControls.h"
#include "widgets/TabbedNotebook.h"

#include <QLabel>

using namespace WindowControls;

ExamplesPage::ExamplesPage(TTabPage *page) : QObject(page)
{
    // The classification percentage, which the practice window's timer also reads.
    porcen1 = placeLabel(page, "porcen1", 156, 5, QStringLiteral("0"),
                        pixelFont(QStringLiteral("MS Sans Serif"), 24, true, true), Colors::clAqua);
    porcen1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    porcen1->setGeometry(156, 5, 29, 29);
}
