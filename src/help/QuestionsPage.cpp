// The page "Cuestiones": its controls and handlers.
#include "help/QuestionsPage.h"

#include "shared/Colors.h"
#include "ui/WindowControls.h"
#include "widgets/CollapsePanel.h"
#include "widgets/ControlAlign.h"
#include "widgets/TabbedNotebook.h"

#include <QLabel>

using namespace WindowControls;

QuestionsPage::QuestionsPage(TTabPage *page) : QObject(page)
{
    Bevel11 = new QFrame(page);
    Bevel11->setObjectName(QStringLiteral("Bevel11"));
    Bevel11->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel11->resize(681, 30);
    ControlAlign::setAlign(Bevel11, ControlAlign::alTop);

    // Created in their tab order, stacked under the title strip in another: 6, 5, 4, 1, 2, 3.
    // Each height change of a panel moves the ones below it, and the lower panels simply run
    // past the bottom of the page when several are open.
    CollapsePanel1 = makeQuestionPanel(page, "CollapsePanel1", QStringLiteral("4. Las formas \"hecho\" y \"echo\"."), 288);
    CollapsePanel2 = makeQuestionPanel(page, "CollapsePanel2", QStringLiteral("5. Las formas \"a\" y \"ha\"."), 279);
    CollapsePanel3 = makeQuestionPanel(page, "CollapsePanel3", QStringLiteral("6. Las formas \"a ver\" y \"haber\"."), 278);
    CollapsePanel4 = makeQuestionPanel(page, "CollapsePanel4", QStringLiteral("3. Las formas \"aun\" y \"aún\"."), 281);
    CollapsePanel5 = makeQuestionPanel(page, "CollapsePanel5", QStringLiteral("2. Las formas \"si no\" y \"sino\"."), 282);
    CollapsePanel6 = makeQuestionPanel(page, "CollapsePanel6", QStringLiteral("1. Las formas \"porque\", \"por qué\", \"porqué\" y \"por que\"."), 283);

    // The rounded questions percentage for the practice window; never shown.
    TCuestPercent = placeLabel(CollapsePanel6, "TCuestPercent", 610, 40, QStringLiteral("0"),
                              pixelFont(QStringLiteral("MS Sans Serif"), 19), Colors::clBlack);
    TCuestPercent->hide();

    for (TCollapsePanel *panel : {CollapsePanel6, CollapsePanel5, CollapsePanel4, CollapsePanel1,
                                  CollapsePanel2, CollapsePanel3})
        panel->setAlign(ControlAlign::alTop);
}

TCollapsePanel *QuestionsPage::makeQuestionPanel(TTabPage *page, const char *name, const QString &header,
                                          int expandedHeight)
{
    auto *panel = new TCollapsePanel(page);
    panel->setObjectName(QLatin1String(name));
    panel->setColor(Colors::rgb(194, 218, 203));
    panel->setHeaderCaption(header);
    panel->setAutoClose(true);
    panel->setAutoCloseTime(400);
    panel->resize(681, expandedHeight);
    return panel;
}

void QuestionsPage::setPanelsCollapsed(bool collapsed)
{
    for (TCollapsePanel *panel : {CollapsePanel1, CollapsePanel2, CollapsePanel3, CollapsePanel4,
                                  CollapsePanel5, CollapsePanel6})
        panel->setCollapsed(collapsed);
}
