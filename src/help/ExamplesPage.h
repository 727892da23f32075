// The page "Ejemplos" of the help window: sorting words into their accent groups.
#pragma once

#include "exercises/ClassificationExercise.h"
#include "ui/DialogService.h"

#include <QObject>

#include <array>

class ExerciseScores;
class QAction;
class QLabel;
class QListWidget;
class QProgressBar;
class Banner;
class ListenAction;
class TabPage;

// The student picks a word in the word list and clicks, or drops it on, one of the six group
// lists; a double-click sends a word back. Nothing is judged at the move: the window's timer
// runs recountClassification once a second, which shows the counts and lights the counter of
// a group whose every word is in place. The keys 1 to 6 move the picked word as a click on the
// group would, so do Enter and Space on a group list, and Delete on a group list sends its
// marked word back, so that no step needs the mouse.
//
// Instead of the sixty words the page can play a word list of the teacher's (the word list's
// context menu, or Ctrl+O anywhere on the page): the engine sorts it into the groups, and its
// key replaces the sixty words' key until the sixty are asked for again.
class ExamplesPage : public QObject {
    Q_OBJECT
public:
    // The banner lives in the window's top bar; the recount writes into it, and the
    // percentage into the run's score object, of which the percentage figure is a view.
    ExamplesPage(TabPage *page, Banner *banner, ExerciseScores &scores);
    ~ExamplesPage() override;

    // One step of the window's timer tick.
    void recountClassification();

    // What "Abrir lista de palabras…" does: a word list chosen in the open dialog, sorted by
    // the engine, replaces the words on the page and the groups start empty; the words the
    // engine or the dictionary cannot place are listed in a message. Throws AppError when the
    // file cannot be used; nothing changes then.
    void openWordList();
    // What "Volver a las sesenta palabras" does.
    void restoreStartingWords();

    // The lines of a word-list file, RTF or plain text. Throws AppError naming the file when it
    // cannot be read, is larger than MaxListBytes or has more words than a list may have.
    static QStringList readWordList(const QString &path);
    // "Escuchar" (F8 anywhere on the page, or the word list's context menu) says the word list's
    // current word; the tips of the seven lists show a word's syllables, the stressed one in
    // bold, below their text.
    ListenAction *listenAction() const { return m_listenAction; }
    // The tip of a row of one of the seven lists as it is shown (rich text).
    QString shownTip(const QListWidget *list, int row) const;

    // A list of two hundred words takes a few kilobytes, even as RTF.
    static constexpr qint64 MaxListBytes = 1024 * 1024;

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
    void buildListActions(TabPage *page);
    // "Escuchar" follows the word list's current word; said, the word's tip shows beside it.
    void buildListenAction(TabPage *page);
    void followCurrentWord();
    void showSpokenWord();
    // Whether the student has words in the groups, which a new list takes away; asks first.
    bool mayReplaceWords(const QString &question) const;
    // The words on the page start again: all in the word list, nothing picked, the groups empty.
    void showWords(const QStringList &words);
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
    FileDialogRequest m_listDialog;
    QAction *m_restoreAction = nullptr;
    ListenAction *m_listenAction = nullptr;
};
