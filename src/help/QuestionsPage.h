// The page "Cuestiones" of the help window: questions on words that are easily confused, in
// six collapsible groups, each sentence with a blank the student fills in.
#pragma once

#include "exercises/QuestionsExercise.h"

#include <QList>
#include <QObject>

#include <array>

class ExerciseScores;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class CollapsePanel;
class SelPanel;
class TabPage;

class QuestionsPage : public QObject {
    Q_OBJECT
public:
    // The questions' percentage goes into the run's score object, of which TCuestPercent is
    // a view.
    QuestionsPage(TabPage *page, ExerciseScores &scores);

    // All six groups, folded or opened at once.
    void setPanelsCollapsed(bool collapsed);

    // Blank n (1 ... 34), named "Edit" + n.
    QLineEdit *Edit(int n) const { return m_blanks[std::size_t(n - 1)]; }
    // The selection panel of group n (1 ... 6).
    SelPanel *chooser(int n) const;

    // Handlers.
    void CorregirCuestionesClick();
    void SelPanel1Change(SelPanel *Sender, const QString &Value, int Index);
    // Every blank's key press; Key is set to 0 when the key is swallowed.
    void Edit1KeyPress(QLineEdit *Sender, QChar &Key);
    // Each group's blanks share one mouse-down handler.
    void Edit1MouseDown(QLineEdit *Sender, Qt::MouseButton Button);
    void Edit8MouseDown(QLineEdit *Sender, Qt::MouseButton Button);
    void Edit14MouseDown(QLineEdit *Sender, Qt::MouseButton Button);
    void Edit19MouseDown(QLineEdit *Sender, Qt::MouseButton Button);
    void Edit24MouseDown(QLineEdit *Sender, Qt::MouseButton Button);
    void Edit30MouseDown(QLineEdit *Sender, Qt::MouseButton Button);

    // The title strip and the six question groups, stacked in this order from the top:
    // 6, 5, 4, 1, 2, 3.
    QFrame *Bevel11 = nullptr;
    QLabel *Label139 = nullptr;
    QPushButton *CorregirCuestiones = nullptr;
    CollapsePanel *CollapsePanel1 = nullptr;
    CollapsePanel *CollapsePanel2 = nullptr;
    CollapsePanel *CollapsePanel3 = nullptr;
    CollapsePanel *CollapsePanel4 = nullptr;
    CollapsePanel *CollapsePanel5 = nullptr;
    CollapsePanel *CollapsePanel6 = nullptr;
    QLabel *TCuestPercent = nullptr;

    // Seen below the group headers while they are folded: a picture and the results box.
    QLabel *Image1 = nullptr;
    QFrame *Bevel18 = nullptr;
    QLabel *Label132 = nullptr;
    QLabel *Label134 = nullptr;
    QLabel *TotCuestiones = nullptr;
    QLabel *TotCuestionesPercent = nullptr;
    QLabel *Label138 = nullptr;

    // Inside the groups, in group order 1 ... 6: the frame behind the sentences, the word
    // chooser, and the scores ("Aciertos:", count, percentage, "%").
    QFrame *Bevel17 = nullptr, *Bevel16 = nullptr, *Bevel15 = nullptr;
    QFrame *Bevel12 = nullptr, *Bevel13 = nullptr, *Bevel14 = nullptr;
    SelPanel *SelPanel1 = nullptr, *SelPanel2 = nullptr, *SelPanel3 = nullptr;
    SelPanel *SelPanel4 = nullptr, *SelPanel5 = nullptr, *SelPanel6 = nullptr;
    QLabel *Label34 = nullptr, *totporque = nullptr, *porquepercent = nullptr, *Label33 = nullptr;
    QLabel *Label45 = nullptr, *TotSino = nullptr, *Sinopercent = nullptr, *Label49 = nullptr;
    QLabel *Label61 = nullptr, *Totaun = nullptr, *Aunpercent = nullptr, *Label64 = nullptr;
    QLabel *Label128 = nullptr, *Tothecho = nullptr, *hechopercent = nullptr, *Label131 = nullptr;
    QLabel *Label129 = nullptr, *TotA = nullptr, *Apercent = nullptr, *Label133 = nullptr;
    QLabel *Label130 = nullptr, *Tothaber = nullptr, *Haberpercent = nullptr, *Label135 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct GroupControls {
        CollapsePanel *panel;
        SelPanel *selPanel;
        QLabel *count;
        QLabel *percent;
    };

    static CollapsePanel *makeQuestionPanel(TabPage *page, const char *name, const QString &header,
                                             int expandedHeight);
    void buildResultsBox(TabPage *page);
    void buildGroups();
    void openGroupOf(QLineEdit *blank);
    void foldAllBut(CollapsePanel *open);
    GroupControls group(int index) const;

    ExerciseScores &m_scores;
    // The thirty-four blanks in number order, held from the page's building.
    std::array<QLineEdit *, QuestionsExercise::blankCount> m_blanks{};
    // Set while the window opens or folds all six at once.
    bool m_settingAll = false;
};
