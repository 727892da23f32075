// The page "Ejemplos" of the help window: sorting words into their accent groups.
#pragma once

#include "exercises/ClassificationExercise.h"

#include <QObject>

#include <array>

class ExerciseScores;
class QLabel;
class QListWidget;
class QProgressBar;
class Banner;
class TabPage;

// The student picks a word in the word list and clicks, or drops it on, one of the six group
// lists; a double-click sends a word back. Nothing is judged at the move: the window's timer
// runs recountClassification once a second, which shows the counts and lights the counter of
// a group whose every word is in place. The keys 1 to 6 move the picked word as a click on the
// group would, so do Enter and Space on a group list, and Delete on a group list sends its
// marked word back, so that no step needs the mouse.
class ExamplesPage : public QObject {
    Q_OBJECT
public:
    // The banner lives in the window's top bar; the recount writes into it, and the
    // percentage into the run's score object, of which the percentage figure is a view.
    ExamplesPage(TabPage *page, Banner *banner, ExerciseScores &scores);
    ~ExamplesPage() override;

    // One step of the window's timer tick.
    void recountClassification();

    // A group's list, by ClassificationExercise::Group.
    QListWidget *groupList(int group) const { return m_groupLists[std::size_t(group)]; }

    // The text of a row of one of the seven lists as it is drawn (a word cut short would end in
    // "…").
    QString shownText(const QListWidget *list, int row) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Group = ClassificationExercise::Group;

    void buildGroups(TabPage *page);
    void buildFigures(TabPage *page);
    void connectMoves();
    void rememberPick();
    // Moves the picked word, if any, into the group, then forgets the pick: what a drop on a
    // group's list and the end of a drag from it do.
    void dropOn(Group group);
    // A move made with the keys: the picked word into the group, then the next word picked.
    void placeByKey(Group group);
    void moveInto(Group group);
    void sendBack(Group group);
    void forgetPick();

    QListWidget *m_wordList = nullptr;
    // The row in the word list of the word last picked, -1 when none is.
    int m_pickedRow = -1;
    // Hits, attempts, and the percentage over its grey shadow and in the bar.
    QLabel *m_hitsFigure = nullptr;
    QLabel *m_attemptsFigure = nullptr;
    QLabel *m_percentShadow = nullptr;
    QLabel *m_percentFigure = nullptr;
    QProgressBar *m_progressBar = nullptr;
    Banner *m_banner = nullptr;
    ExerciseScores &m_scores;
    ClassificationExercise m_exercise;
    std::array<QListWidget *, ClassificationExercise::groupCount> m_groupLists{};
    std::array<QLabel *, ClassificationExercise::groupCount> m_counters{};
    std::array<QLabel *, ClassificationExercise::groupCount> m_titles{};
    std::array<TColor, ClassificationExercise::groupCount> m_counterColors{};
};
