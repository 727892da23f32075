// The page "Cuestiones" of the help window: questions on words that are easily confused, in
// six collapsible groups.
#pragma once

#include <QList>
#include <QObject>

class QFrame;
class QLabel;
class TCollapsePanel;
class TTabPage;

class QuestionsPage : public QObject {
    Q_OBJECT
public:
    explicit QuestionsPage(TTabPage *page);

    // All six groups, folded or opened at once.
    void setPanelsCollapsed(bool collapsed);

    // The title strip and the six question groups, stacked in this order from the top:
    // 6, 5, 4, 1, 2, 3.
    QFrame *Bevel11 = nullptr;
    TCollapsePanel *CollapsePanel1 = nullptr;
    TCollapsePanel *CollapsePanel2 = nullptr;
    TCollapsePanel *CollapsePanel3 = nullptr;
    TCollapsePanel *CollapsePanel4 = nullptr;
    TCollapsePanel *CollapsePanel5 = nullptr;
    TCollapsePanel *CollapsePanel6 = nullptr;
    QLabel *TCuestPercent = nullptr;

private:
    static TCollapsePanel *makeQuestionPanel(TTabPage *page, const char *name, const QString &header,
                                             int expandedHeight);
};
