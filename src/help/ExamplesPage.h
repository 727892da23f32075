// The page "Ejemplos" of the help window: sorting words into their accent groups.
#pragma once

#include "exercises/ClassificationExercise.h"

#include <QObject>

#include <array>

class ExerciseScores;
class ListDragController;
class QFrame;
class QLabel;
class QListWidget;
class QProgressBar;
class Banner;
class TabPage;

// The student picks a word in ListBox1 and clicks, or drops it on, one of the six group lists;
// a double-click sends a word back. Nothing is judged at the move: the window's timer runs
// RecountClassification once a second, which shows the counts and lights the counter of a
// group whose every word is in place. The keys 1 to 6 move the picked word as a click on the
// group would, so do Enter and Space on a group list, and Delete on a group list sends its
// marked word back, so that no step needs the mouse.
class ExamplesPage : public QObject {
    Q_OBJECT
public:
    // The banner lives in the window's top bar; the recount writes into it, and the
    // percentage into the run's score object, of which porcen1 is a view.
    ExamplesPage(TabPage *page, Banner *banner, ExerciseScores &scores);
    ~ExamplesPage() override;

    // Handlers.
    void ListBox1Click();
    void ListBoxAgudasDragOver(QObject *Source, bool &Accept);
    void ListBoxAgudasDragDrop();
    void ListBoxLlanasDragDrop();
    void ListBoxEsdrujulasDragDrop();
    void ListBoxDiptongosDragDrop();
    void ListBoxHiatosDragDrop();
    void ListBoxTriptongosDragDrop();
    void ListBoxAgudasEndDrag();
    void ListBoxLlanasEndDrag();
    void ListBoxEsdrujulasEndDrag();
    void ListBoxDiptongosEndDrag();
    void ListBoxHiatosEndDrag();
    void ListBoxTriptongosEndDrag();
    void ListBoxAgudasDblClick();
    void ListBoxLlanasDblClick();
    void ListBoxEsdrujulasDblClick();
    void ListBoxDiptongosDblClick();
    void ListBoxHiatosDblClick();
    void ListBoxTriptongosDblClick();

    // The move operations: the picked word into the group's list.
    void Agudas();
    void Llanas();
    void Esdrujulas();
    void Diptongos();
    void Hiatos();
    void Triptongos();

    // One step of the window's timer tick.
    void RecountClassification();

    // A group's list, counter and title, by ClassificationExercise::Group.
    QListWidget *groupList(int group) const { return m_groupLists[std::size_t(group)]; }
    QLabel *groupCounter(int group) const { return m_counters[std::size_t(group)]; }
    QLabel *groupTitle(int group) const { return m_titles[std::size_t(group)]; }

    // The text of a row of one of the seven lists as it is drawn (a word cut short would end in
    // "…").
    QString shownText(const QListWidget *list, int row) const;

    // The index in ListBox1 of the word last picked, -1 when none is.
    int selectedWordIndex = -1;

    QListWidget *ListBox1 = nullptr;
    QListWidget *ListBoxAgudas = nullptr;
    QListWidget *ListBoxLlanas = nullptr;
    QListWidget *ListBoxEsdrujulas = nullptr;
    QListWidget *ListBoxDiptongos = nullptr;
    QListWidget *ListBoxHiatos = nullptr;
    QListWidget *ListBoxTriptongos = nullptr;
    QFrame *Bevel1 = nullptr;
    QFrame *Bevel2 = nullptr;
    QFrame *Bevel3 = nullptr;
    QFrame *Bevel4 = nullptr;
    QFrame *Bevel5 = nullptr;
    QFrame *Bevel6 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *TAgudas = nullptr;
    QLabel *Tllanas = nullptr;
    QLabel *Tesdrujulas = nullptr;
    QLabel *Tdiptongos = nullptr;
    QLabel *Thiatos = nullptr;
    QLabel *Ttriptongos = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Taciertos = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Tintentos = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Porcen0 = nullptr;
    QLabel *porcen1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    ListDragController *dragController = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Group = ClassificationExercise::Group;

    void buildGroups(TabPage *page);
    void buildFigures(TabPage *page);
    void connectMoves();
    // Runs the move operation of a group when a word is picked, then forgets the pick: what
    // the drop and the end-of-drag handlers of every group do.
    void dropOn(Group group);
    // A move made with the keys: the picked word into the group, then the next word picked.
    void placeByKey(Group group);
    void moveInto(Group group);
    void sendBack(Group group);
    void forgetPick();

    Banner *m_banner = nullptr;
    ExerciseScores &m_scores;
    ClassificationExercise m_exercise;
    std::array<QListWidget *, ClassificationExercise::groupCount> m_groupLists{};
    std::array<QLabel *, ClassificationExercise::groupCount> m_counters{};
    std::array<QLabel *, ClassificationExercise::groupCount> m_titles{};
    std::array<TColor, ClassificationExercise::groupCount> m_counterColors{};
};
