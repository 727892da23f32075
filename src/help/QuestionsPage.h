// The page "Cuestiones" of the help window: questions on words that are easily confused, in
// six collapsible groups, each sentence with a blank the student fills in.
#pragma once

#include "exercises/QuestionsExercise.h"

#include <QList>
#include <QObject>

#include <array>

class ExerciseScores;
class QLabel;
class QLineEdit;
class QPushButton;
class CollapsePanel;
class SelPanel;
class TabPage;

class QuestionsPage : public QObject {
    Q_OBJECT
public:
    // The questions' percentage goes into the run's score object, of which a hidden label is
    // a view.
    QuestionsPage(TabPage *page, ExerciseScores &scores);

    // All six groups, folded or opened at once.
    void setPanelsCollapsed(bool collapsed);

    // Blank n (1 ... 34), named "Edit" + n.
    QLineEdit *blank(int n) const { return m_blanks[std::size_t(n - 1)]; }
    // The word chooser of group n (1 ... 6).
    SelPanel *chooser(int n) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the page keeps of each group after building it.
    struct GroupControls {
        CollapsePanel *panel = nullptr;
        SelPanel *chooser = nullptr;
        QLabel *count = nullptr;
        QLabel *percent = nullptr;
    };

    static CollapsePanel *makeQuestionPanel(TabPage *page, const char *name, const QString &header,
                                             int expandedHeight);
    void buildResultsBox(TabPage *page);
    void buildGroups();
    void correctAnswers();
    // A word picked in a chooser goes into the blank that opened it.
    void fillFromChooser(SelPanel *chooser, const QString &word, int row);
    // Every blank's key press; the key is set to 0 when it is swallowed.
    void enterMovesOn(QLineEdit *blank, QChar &key);
    void openGroupOf(QLineEdit *blank);
    void foldAllBut(CollapsePanel *open);
    const GroupControls &group(int index) const;

    ExerciseScores &m_scores;
    // In group order 1 ... 6.
    std::array<GroupControls, QuestionsExercise::groupCount> m_groups{};
    // The thirty-four blanks in number order, held from the page's building.
    std::array<QLineEdit *, QuestionsExercise::blankCount> m_blanks{};
    QPushButton *m_correctButton = nullptr;
    // The rounded questions percentage, never shown.
    QLabel *m_percentReadout = nullptr;
    // The results box under the folded groups: hits over all groups and their percentage.
    QLabel *m_totalHits = nullptr;
    QLabel *m_totalPercent = nullptr;
    // Set while the window opens or folds all six at once.
    bool m_settingAll = false;
};
